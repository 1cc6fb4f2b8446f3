#pragma once

#include "platform/CDialog.h"

class CEditLegacyDriverDialog;
class QListWidget;

// One tab page of the Edit Legacy Driver dialog: the polling side lists the
// working responses and commands, the unsolicited side the working messages
// and replies. Each list has its Edit, Delete, Duplicate and New buttons,
// which run the command and response dialogs on the owner's working tables.
class CLegacyDriverPane : public CDialog {
public:
    static constexpr int templateId = 691;
    static constexpr int responsesLabelId = 1689;
    static constexpr int responsesId = 1409;
    static constexpr int editResponseId = 1243;
    static constexpr int deleteResponseId = 1685;
    static constexpr int duplicateResponseId = 1221;
    static constexpr int newResponseId = 1338;
    static constexpr int commandsLabelId = 1690;
    static constexpr int commandsId = 1187;
    static constexpr int editCommandId = 1228;
    static constexpr int deleteCommandId = 1686;
    static constexpr int duplicateCommandId = 1218;
    static constexpr int newCommandId = 1333;

    CLegacyDriverPane(CEditLegacyDriverDialog& owner, bool unsolicited);

    // Copies the owner's source entries of this side into the working
    // tables and lists them.
    void fill();
    int responseCount() const;
    int commandCount() const;

    // Enter and Escape belong to the owner.
    void accept() override;
    void reject() override;

private:
    struct listIds {
        int list;
        int edit;
        int remove;
        int duplicate;
    };
    static constexpr listIds responseButtons{responsesId, editResponseId, deleteResponseId, duplicateResponseId};
    static constexpr listIds commandButtons{commandsId, editCommandId, deleteCommandId, duplicateCommandId};

    void fillResponses();
    void fillCommands();
    QListWidget& list(int id) const;
    void enableButtons(const listIds& ids, bool enable);
    // The entry of the selected row, null without one.
    void* selectedEntry(int listId) const;

    // Edit, New and Duplicate of one list: the dialog on source and target;
    // a made entry joins the list as its selected row.
    void runResponseDialog(void* source, bool edit);
    void runCommandDialog(void* source, bool edit);
    void added(const listIds& ids, const gstrSlice& name, void* entry);
    void deleteResponse();
    void deleteCommand();
    void deleteRow(const listIds& ids);

    CEditLegacyDriverDialog& owner_;
    bool unsolicited_;
};
