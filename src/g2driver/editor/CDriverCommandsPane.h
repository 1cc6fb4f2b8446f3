#pragma once

#include "platform/CDialog.h"

class CEditG2DeviceDriverDialog;
class QListWidget;

// The "Commands" page of the Edit Device Driver dialog: the working command
// templates and commands of the driver, each list sorted by tag, opened in
// the Edit Command Template and Edit Command dialogs. It fills the owner's
// working template and command tables from the source driver and keeps the
// lists in step with them.
class CDriverCommandsPane : public CDialog {
public:
    static constexpr int templateId = 718;
    static constexpr int templateListId = 1766;
    static constexpr int editTemplateId = 1768;
    static constexpr int deleteTemplateId = 1769;
    static constexpr int duplicateTemplateId = 1770;
    static constexpr int newTemplateId = 1771;
    static constexpr int commandListId = 1767;
    static constexpr int editCommandId = 1772;
    static constexpr int deleteCommandId = 1773;
    static constexpr int duplicateCommandId = 1774;
    static constexpr int newCommandId = 1775;

    explicit CDriverCommandsPane(CEditG2DeviceDriverDialog& owner);

    // A child of the owner at the placeholder's top-left corner, after it
    // in the tab order, hidden.
    void create(int placeholderId);
    // Working copies of the source driver's templates and commands (the
    // owner's parameters, error codes and programs come first).
    void fill();

    // Enter and Escape belong to the owner.
    void accept() override;
    void reject() override;

private:
    struct side {
        int list;
        int edit;
        int remove;
        int duplicate;
        int create;
    };
    static constexpr side templateSide{templateListId, editTemplateId, deleteTemplateId, duplicateTemplateId,
                                       newTemplateId};
    static constexpr side commandSide{commandListId, editCommandId, deleteCommandId, duplicateCommandId,
                                      newCommandId};

    QListWidget& list(int id) const;
    void* selectedObject(const side& ids) const;
    void enableSide(const side& ids, bool enable);
    void connectSide(const side& ids);
    // Adds the tag at its sorted place and selects it.
    void added(const side& ids, const gstrSlice& tag, void* object);
    void runTemplateDialog(bool withSource, bool edit);
    void runCommandDialog(bool withSource, bool edit);
    void deleteTemplate();
    void deleteCommand();

    CEditG2DeviceDriverDialog& owner_;
};
