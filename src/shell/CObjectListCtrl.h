#pragma once

#include "foundation/gstr.h"

#include <QTreeView>

#include <functional>
#include <vector>

class gtitledObject;
class QIcon;
class objectListModel;
struct objectListRow;

// The two-column list of an object-list window: "Name" (the object's title,
// or its tag when it has none) and "Tag". Each row keeps the object it shows;
// the list never owns the objects. Sorted by either column, ignoring case, in
// the user's collation. The rows live in one model of small records, so that
// a list of every register of a big station fills and empties in one go.
class CObjectListCtrl : public QTreeView {
public:
    explicit CObjectListCtrl(QWidget* parent = nullptr);

    // The columns: the Name column three quarters of the width, Tag the rest.
    void setUpColumns();

    // Without select the row goes first (sort afterwards); with select it
    // goes before the first row whose key is greater, becomes the only
    // selected row and is scrolled into view. Returns its index.
    int insertObject(gtitledObject* object, bool select);
    // As insertObject without select for each object in turn, in one go
    // (sort afterwards).
    void insertObjects(const std::vector<gtitledObject*>& objects);
    // The rows of the objects in place of the list's own, sorted as
    // insertObjects and sort would leave them, made in one go.
    void fillSorted(const std::vector<gtitledObject*>& objects);
    // The selected rows stay selected, wherever they go.
    void sort();
    void clear();
    // Each row shows icons[imageOf(its object)], none outside them; asked as
    // a row is made and when it is refreshed.
    using imageRule = std::function<int(const gtitledObject&)>;
    void setRowImages(std::vector<QIcon> icons, imageRule imageOf);
    int rowImage(int index) const;
    QIcon rowIcon(int index) const;
    void refreshRowImages();
    bool sortByTag() const { return sortByTag_; }
    void setSortByTag(bool byTag) { sortByTag_ = byTag; }

    gtitledObject* getSelectedObject() const;
    // The first selected row, -1 when none.
    int getSelectedIndex() const;
    bool isRowSelected(int index) const;
    // The selected rows' objects, in the list's order.
    std::vector<gtitledObject*> selectedObjects() const;
    // With reselect, deleting the selected row selects the row now at its
    // index (or the last row). Returns 1 when that left the list empty.
    int deleteRow(int index, bool reselect);
    int deleteObjectRow(const gtitledObject* object, bool reselect);
    // The rows of the objects leave in one go; the other rows keep their
    // selection.
    void deleteObjectRows(const std::vector<gtitledObject*>& objects);
    // Shows the row's object's name again and keeps the order; returns the
    // row's new index.
    int updateRow(int index);
    void renameObjectRow(const gtitledObject* object);
    // The same for the rows of all the objects, in one pass.
    void renameObjectRows(const std::vector<gtitledObject*>& objects);
    void ensureSelectionVisible();

    // Column widths and sort order in a "Select Dialogs\..." section,
    // scaled when the screen width changed since they were saved.
    void restoreColumns(const gstrSlice& section, int currentScreenWidth, int savedScreenWidth);
    void saveColumns(const gstrSlice& section) const;

    int rowCount() const;
    gtitledObject* objectAt(int index) const;
    gstr nameAt(int index) const;
    gstr tagAt(int index) const;
    int indexOf(const gtitledObject* object) const;
    void selectRow(int index);

    // Case-insensitive comparison in the user's collation: -1, 0 or 1.
    static int compareKeys(const QString& a, const QString& b);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const QString& keyOf(const objectListRow& row) const;
    std::vector<objectListRow> rowsOf(const std::vector<gtitledObject*>& objects) const;
    // The rows in the list's order (stable for equal keys).
    void sortRows(std::vector<objectListRow>& rows) const;
    // Runs change, which may reset the rows, and selects again the rows of
    // the objects that were selected, the current one current again.
    void keepSelection(const std::function<void()>& change);

    objectListModel* rows_;
    bool sortByTag_ = false;
};

// The list of a sizeable window: it keeps its distance to the window's right
// and bottom edges as the dialog template placed it.
class CFittedListCtrl : public CObjectListCtrl {
public:
    using CObjectListCtrl::CObjectListCtrl;

    // Measures the offsets against the parent's client size.
    void attach(int clientWidth, int clientHeight);
    void fitToParent(int clientWidth, int clientHeight);

    int widthOffset() const { return widthOffset_; }
    int heightOffset() const { return heightOffset_; }
    // Offsets far inside the window are taken as the template's usual ones.
    static int fittedWidthOffset(int measured) { return measured < -100 ? -83 : measured; }
    static int fittedHeightOffset(int measured) { return measured < -100 ? -2 : measured; }

private:
    int widthOffset_ = 0;
    int heightOffset_ = 0;
};
