#pragma once

#include "registers/sources/ui/CBitSectionMasksPane.h"
#include "registers/sources/ui/CDataElementSourcePane.h"

#include <memory>

class CIntegerInputFormatPage;
class gbitSectionItem;

// Edit Bit Section (template 816): one section of a data object's bit
// collection: the command data shared with the command-data panes, the
// integer format, the masks and the rotate parameters. Made with a
// template (whose values fill the controls) and a target (which OK
// changes): New passes neither, Duplicate the template only, Edit both. OK
// makes the target when there is none; the caller takes it.
class CEditBitSectionDialog final : public CDataElementSourcePane {
public:
    static constexpr int templateId = 816;
    static constexpr int formatPlaceholderId = 1843;
    static constexpr int masksPlaceholderId = 1844;
    static constexpr int rotateCountId = 2078;
    static constexpr int rotateEditId = 2079;

    CEditBitSectionDialog(CSourceTypeHostPane& host, const gbitSectionItem* fillFrom, gbitSectionItem* target,
                          QWidget* parent);
    ~CEditBitSectionDialog() override;

    // Builds the controls; false (after the message) when no command of the
    // driver has a data element, and the dialog is not to be run.
    bool build();
    std::unique_ptr<gbitSectionItem> takeMade() { return std::move(made_); }
    CBitSectionMasksPane& masksPane() { return masks_; }
    const goffsetParameterList& rotateParameters() const { return rotate_; }

protected:
    void OnOK() override;
    void moveChildren(int extra) override;

private:
    void showRotateCount();
    void editRotateParameters();

    const gbitSectionItem* fillFrom_;
    gbitSectionItem* target_;
    QWidget* parent_;
    std::unique_ptr<gbitSectionItem> made_;
    CIntegerInputFormatPage* format_ = nullptr;
    CBitSectionMasksPane masks_;
    goffsetParameterList rotate_;
};
