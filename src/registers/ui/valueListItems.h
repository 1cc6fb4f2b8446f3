#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class QListWidget;

// The lists keyed by an unsigned value (value log strings, controls for
// values): items "%u\t..." in ascending value order, one item per value,
// each keeping its value.
namespace valueListItems {

uint32_t valueAt(const QListWidget& list, int row);
// -1 when no item is selected.
int selectedRow(const QListWidget& list);
// 0 for an empty list; else one past the end of the run of consecutive
// values that starts at the selected item (the first item when none is),
// counting on from 4294967295 to 0.
uint32_t nextFreeValue(const QListWidget& list);
// The item of the value, searched from the last one down; -1 when there is
// none, and when editing and that item is the selected one.
int findValue(const QListWidget& list, uint32_t value, bool editing);
// Inserts the item before the first item with a greater value; its index.
int insertItem(QListWidget& list, uint32_t value, const gstrSlice& text);
// The text after the item's first tab.
gstr textAfterTab(const QListWidget& list, int row);

} // namespace valueListItems
