#pragma once

#include "platform/CDialog.h"

#include <QPushButton>

class CFittedListCtrl;
class CMainFrame;
class gtitledObject;
class jhashTable;

// A button of a sizeable window that keeps its distance to the right edge.
class CAnchoredButton : public QPushButton {
public:
    using QPushButton::QPushButton;

    // Measures the right offset (negative) and the top against the parent.
    void attach(int clientWidth);
    void followRightEdge(int clientWidth, int clientHeight);

    int rightOffset() const { return rightOffset_; }

private:
    int rightOffset_ = 0;
    int top_ = 0;
};

// The base of the nine object-list windows: a modeless, sizeable window with
// the list of the station's objects of one type and the buttons Close, Edit,
// Delete, Duplicate and New. A derived window gives the object type: how to
// fill the list and what the four buttons do. The rows hold the objects as
// plain pointers into the station's tables.
class CSelectDialog : public CDialog {
public:
    static constexpr int closeId = 8;
    static constexpr int listId = 1348;
    static constexpr int deleteId = 1202;
    static constexpr int newId = 1330;
    static constexpr int duplicateId = 1217;
    static constexpr int editId = 1223;

    // section: the settings section, such as "Select Dialogs\Registers".
    CSelectDialog(const char* section, int dialogId, int iconId, const char* title);
    ~CSelectDialog() override;

    // Makes the window (hidden), owned by the frame, with its remembered
    // placement and columns.
    void create(CMainFrame* parent);
    // Every row goes; the selection buttons are disabled.
    void emptyList();
    // Refills after a load or an import; hidden in library mode unless the
    // window stays visible there.
    void refresh();

    virtual bool isShownInLibraryMode() const;
    // Whether the window's New makes an object: false until the window of
    // the object type has its dialogs. The main frame's New commands follow.
    virtual bool canCreateObjects() const;
    // The main frame's New command for this window's object type.
    void newObject() { OnNew(); }
    virtual void enableSelectionButtons(bool enable);
    // Lists every object of the window's table (listDefinedObjects); the
    // list is sorted afterwards.
    virtual void fillList() = 0;
    // The table's defined objects become rows in one go.
    void listDefinedObjects(const jhashTable& table);

    CFittedListCtrl& list() const { return *list_; }
    const char* section() const { return section_; }
    int iconId() const { return iconId_; }
    QSize minimumTrackSize() const { return {minWidth_, minHeight_}; }
    // A new object made by the window's New: the station is modified, the
    // object becomes the selected row and the SCL views are updated.
    void addNewObject(gtitledObject* object);

protected:
    // What the window's buttons do; a derived window gives them.
    virtual void OnNew();
    virtual void OnEdit();
    virtual void OnDelete();
    virtual void OnDuplicate();
    // An added button of a derived window also follows the right edge.
    CAnchoredButton* addAnchoredButton(int id, const char* text, int x, int y, int cx, int cy);

    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut(int clientWidth, int clientHeight);

    const char* section_;
    int iconId_;
    CFittedListCtrl* list_;
    std::vector<CAnchoredButton*> buttons_;
    int minWidth_ = 0;
    int minHeight_ = 0;
    bool attached_ = false;
    bool created_ = false;
};
