#pragma once

#include <functional>
#include <vector>

class CObjectListCtrl;
class gtitledObject;

// Selections over a whole object list, made in one change of the selection
// (a row at a time costs a walk over the selection for every row).

// Exactly the rows for which hit answers true become selected; the current
// row stays. Returns their number.
int selectRowsWhere(CObjectListCtrl& list, const std::function<bool(const gtitledObject&)>& hit);
// Exactly the rows of the objects become selected, as above.
void selectObjects(CObjectListCtrl& list, const std::vector<gtitledObject*>& objects);
