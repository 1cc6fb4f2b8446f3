#pragma once

#include "g2driver/editor/CCommandElementDialogBase.h"

class g2driverCommandDataName;

// Edit Command Data Element (731): the tag under which the template declares
// the place its commands fill with their own data. The tag is defined in
// the command dialog's command-data-name table; a name that commands fill
// cannot be renamed.
class CEditDataCommandElementDialog : public CCommandElementDialogBase {
public:
    static constexpr int templateId = 731;
    static constexpr int tagId = 1470;

    CEditDataCommandElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                  g2driverCommandElement* edited, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement&) override {}

private:
    void tagChanged();

    g2driverCommandDataName* current_ = nullptr;
    bool tagMayChange_ = true;
    bool restoring_ = false;
};
