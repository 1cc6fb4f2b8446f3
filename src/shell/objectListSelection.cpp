#include "shell/objectListSelection.h"

#include "shell/CObjectListCtrl.h"

#include <QItemSelectionModel>
#include <unordered_set>

int selectRowsWhere(CObjectListCtrl& list, const std::function<bool(const gtitledObject&)>& hit)
{
    QItemSelection chosen;
    int count = 0;
    int runStart = -1;
    int rows = list.rowCount();
    for (int i = 0; i <= rows; ++i) {
        const gtitledObject* object = i < rows ? list.objectAt(i) : nullptr;
        bool in = object && hit(*object);
        count += in ? 1 : 0;
        if (in && runStart < 0)
            runStart = i;
        if (!in && runStart >= 0) {
            chosen.select(list.model()->index(runStart, 0), list.model()->index(i - 1, list.model()->columnCount() - 1));
            runStart = -1;
        }
    }
    list.selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return count;
}

void selectObjects(CObjectListCtrl& list, const std::vector<gtitledObject*>& objects)
{
    std::unordered_set<const gtitledObject*> wanted(objects.begin(), objects.end());
    selectRowsWhere(list, [&wanted](const gtitledObject& object) { return wanted.count(&object) > 0; });
}

