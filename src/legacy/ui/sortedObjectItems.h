#pragma once

#include "foundation/gstr.h"
#include "platform/sortedItems.h"

#include <vector>

class QComboBox;
class QListWidget;

// A box of objects filled from a whole table: the gathered objects are
// sorted once (the user's collation, letter case ignored, equal texts in the
// order gathered) and added after the box's own items, where inserting each
// at its sorted place would walk the box for every object. The items carry
// the objects as objectItems.h reads them.
class sortedObjectItems {
public:
    void add(const gstrSlice& text, void* object);
    void appendTo(QComboBox& combo);
    void appendTo(QListWidget& list);

private:
    std::vector<listedItem> items_;
};
