#pragma once

#include "batch/batchOperations.h"
#include "platform/CDialog.h"
#include "shell/CMainFrame.h"

#include <vector>

class CObjectListCtrl;

// One scope box of a batch dialog with its setting in
// "Settings\Batch Dialogs".
struct batchScope {
    int id;
    const char* label;
    const char* setting;
    int defaultValue;
};

// What a batch list dialog is: its template, caption, list label and list
// settings section, the main-frame list window of its type, and its scope
// boxes (Names first).
struct batchDialogSpec {
    int templateId;
    const char* title;
    const char* listLabel;
    const char* listSection;
    CMainFrame::listWindow window;
    std::vector<batchScope> scopes;
    bool setAndClearAll = false;
};

// The common scheme of the batch list dialogs: the list of every object of
// one type, the find and replacement texts with their matching options, the
// scope boxes, and Find All Tags, Replace All, Duplicate and Delete All. A
// derived dialog gives what a change does to one of its objects and the
// steps around the operations that its type needs.
class CBatchListDialog : public CDialog {
public:
    static constexpr int listId = 1348;
    static constexpr int findId = 1262;
    static constexpr int replaceId = 1398;
    static constexpr int matchCaseId = 1152;
    static constexpr int wholeWordId = 1512;
    static constexpr int namesId = 1326;
    static constexpr int findTagsId = 1263;
    static constexpr int replaceAllId = 1400;
    static constexpr int duplicateId = 1217;
    static constexpr int deleteAllId = 1202;
    static constexpr int setAllId = 1596;
    static constexpr int clearAllId = 1595;
    static constexpr const char* section = "Settings\\Batch Dialogs";
    // The dialog's width in dialog units.
    static constexpr int widthUnits = 340;

    CBatchListDialog(const batchDialogSpec& spec, const gbatchKind& kind, QWidget* parent);

    CObjectListCtrl& list() const { return *list_; }
    // The objects of the selected rows, from the top row down.
    std::vector<gtitledObject*> selectedObjects() const;
    void selectObjects(const std::vector<gtitledObject*>& objects);

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

    // The change applied to one object (Replace All, or a copy during
    // Duplicate, when newObjects is the table of the new copies); the number
    // of changes, log lines appended.
    virtual int applyChange(gtitledObject& object, const gbatchFind& find, gstr& log,
                            jhashDatabaseTable* newObjects) = 0;
    // Reads what applyChange needs from the controls; false after a
    // validation message.
    virtual bool gatherChange() { return true; }
    // Whether Duplicate applies the change to the copies.
    virtual bool changesCopies() const { return anyScopeChecked(); }
    // Re-evaluates the buttons; a dialog with more conditions extends it.
    virtual void updateButtons();
    virtual void afterReplace(const std::vector<gtitledObject*>& processed, int total, bool names);
    virtual void afterDuplicate(const std::vector<gtitledObject*>& added);
    // Delete All: the selected objects that go, in the order given; the
    // base keeps the objects in use.
    virtual std::vector<gtitledObject*> deletableOf(const std::vector<gtitledObject*>& selected);
    // Delete All: told the objects about to be deleted, the kept ones left out.
    virtual void beforeDelete(const std::vector<gtitledObject*>& going);
    // Whether Delete All keeps objects in use.
    virtual bool keepsObjectsInUse() const { return true; }
    // Takes the object out of the station and destroys it; the rows are
    // gone already.
    virtual void destroyObject(gtitledObject* object);
    virtual void afterDelete(int deleted);
    virtual void loadSettings();
    virtual void saveSettings();

    gbatchFind currentFind() const;
    bool anyScopeChecked() const;
    bool findTextEmpty() const { return controlText(findId).isEmpty(); }
    bool anyRowSelected() const;
    // The main frame's list window of the type, null without a frame.
    CObjectListCtrl* frameList() const;
    // The y (dialog units) below the common controls, for a dialog's own.
    int extraTop() const { return extraTop_; }
    const batchDialogSpec& spec() const { return spec_; }
    const gbatchKind& kind() const { return kind_; }

private:
    void buildControls();
    void OnFindAllTags();
    void OnReplaceAll();
    void OnDuplicate();
    void OnDeleteAll();
    void setAllScopes(bool checked);

    batchDialogSpec spec_;
    const gbatchKind& kind_;
    CObjectListCtrl* list_ = nullptr;
    int extraTop_ = 0;
};
