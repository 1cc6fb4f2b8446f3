#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <vector>

class QListWidget;
class gtitledObject;

// The section of the Paste Special pickers' choices.
extern const char* const pasteDialogsSection;

// The base of the Paste Special pickers of SCL program views: a modal
// dialog, made without a parent, whose OK gives the text the view inserts.
class CPasteTagDialog : public CDialog {
public:
    // After OK: one to three quoted tags.
    const gstr& result() const { return result_; }

protected:
    using CDialog::CDialog;

    gstr result_;
};

// A picker of one object of a station table in a sorted list (title, else
// tag). It selects the object chosen last (by exact tag), OK needs a
// selection, a double click is OK, and the choice is remembered when the
// dialog goes, whether it ended with OK or Cancel.
class CPasteListTagDialog : public CPasteTagDialog {
public:
    ~CPasteListTagDialog() override;

    int listId() const { return listId_; }
    gtitledObject* selectedObject() const;

protected:
    CPasteListTagDialog(int templateId, const char* caption, int listId, const char* label, const char* valueName);

    // Every object of the table, with addObjects.
    virtual void fillList() = 0;
    // Adds the objects to the list in its order, all at once.
    void addObjects(const std::vector<gtitledObject*>& objects);

    bool OnInitDialog() override;
    void OnOK() override;

private:
    int listId_;
    const char* valueName_;
    QListWidget* list_;
    bool opened_ = false;
};

// Paste Serial Port Tag (574): "Port".
class CPasteSerialPortTagDialog : public CPasteListTagDialog {
public:
    static constexpr int portListId = 1376;
    CPasteSerialPortTagDialog();

protected:
    void fillList() override;
};

// Paste Program Tag (575): the station programs, "Program".
class CPasteProgramTagDialog : public CPasteListTagDialog {
public:
    static constexpr int programListId = 1384;
    CPasteProgramTagDialog();

protected:
    void fillList() override;
};

// Paste Legacy Parameter Tag (573): "Parameter".
class CPasteLegacyParameterTagDialog : public CPasteListTagDialog {
public:
    static constexpr int parameterListId = 1704;
    CPasteLegacyParameterTagDialog();

protected:
    void fillList() override;
};

// Helpers of the pickers' lists: rows that carry an object as their data.
namespace pasteItems {
// Inserts at the text's sorted place (letter case ignored); answers the row.
int insertSorted(QListWidget& list, const gstrSlice& text, const void* object);
const void* objectAt(const QListWidget& list, int row);
// The selected row, -1 when none.
int selectedRow(const QListWidget& list);
// The text in double quotes, as the views insert tags.
void appendQuoted(gstr& text, const gstrSlice& tag);
} // namespace pasteItems
