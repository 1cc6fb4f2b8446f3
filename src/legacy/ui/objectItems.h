#pragma once

#include "foundation/gstr.h"

class QComboBox;
class QListWidget;

// Items of combo boxes and list boxes that carry an object: a sorted box
// keeps its items in the order of the object lists (letter case ignored, the
// user's collation); the object is a plain pointer the box never owns.

// Inserts at the sorted place from first on (items before first stay where
// they are); returns the index.
int insertSortedItem(QComboBox& combo, const gstrSlice& text, void* object, int first = 0);
int insertSortedItem(QListWidget& list, const gstrSlice& text, void* object);
// Inserts at index without sorting.
void insertItemAt(QComboBox& combo, int index, const gstrSlice& text, void* object);

// The object of an item, null for none (or an index out of range).
void* itemObject(const QComboBox& combo, int index);
void* itemObject(const QListWidget& list, int index);
// The index of the item that carries object, -1 when none does.
int findItemObject(const QComboBox& combo, const void* object);
int findItemText(const QComboBox& combo, const gstrSlice& text);
