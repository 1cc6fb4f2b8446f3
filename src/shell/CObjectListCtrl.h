#pragma once

#include "foundation/gstr.h"

#include <QTreeWidget>

#include <functional>
#include <vector>

class gtitledObject;

// The two-column list of an object-list window: "Name" (the object's title,
// or its tag when it has none) and "Tag". Each row keeps the object it shows;
// the list never owns the objects. Sorted by either column, ignoring case, in
// the user's collation.
class CObjectListCtrl : public QTreeWidget {
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
    void sort();
    // What each new row gets beside its texts (an icon, data of the
    // window's own), before it joins the list; rows made before keep theirs.
    using rowDecorator = std::function<void(QTreeWidgetItem&, const gtitledObject&)>;
    void setRowDecorator(rowDecorator decorate) { decorate_ = std::move(decorate); }
    bool sortByTag() const { return sortByTag_; }
    void setSortByTag(bool byTag) { sortByTag_ = byTag; }

    gtitledObject* getSelectedObject() const;
    // The first selected row, -1 when none.
    int getSelectedIndex() const;
    // With reselect, deleting the selected row selects the row now at its
    // index (or the last row). Returns 1 when that left the list empty.
    int deleteRow(int index, bool reselect);
    int deleteObjectRow(const gtitledObject* object, bool reselect);
    // Shows the row's object's name again and keeps the order; returns the
    // row's new index.
    int updateRow(int index);
    void renameObjectRow(const gtitledObject* object);
    void ensureSelectionVisible();

    // Column widths and sort order in a "Select Dialogs\..." section,
    // scaled when the screen width changed since they were saved.
    void restoreColumns(const gstrSlice& section, int currentScreenWidth, int savedScreenWidth);
    void saveColumns(const gstrSlice& section) const;

    int rowCount() const { return topLevelItemCount(); }
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
    QString keyOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* rowOf(gtitledObject* object) const;
    // The rows in the list's order (stable for equal keys).
    void sortRows(QList<QTreeWidgetItem*>& rows) const;

    bool sortByTag_ = false;
    rowDecorator decorate_;
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
