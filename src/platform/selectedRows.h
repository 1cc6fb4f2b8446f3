#pragma once

#include <vector>

class QAbstractItemView;

// The view's selected rows, in ascending order, read from the selection's
// ranges. Asking every item of a long list whether it is selected costs a
// search for the item once the list has been sorted.
std::vector<int> selectedRowsOf(const QAbstractItemView& view);
