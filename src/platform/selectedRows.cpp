#include "platform/selectedRows.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>

std::vector<int> selectedRowsOf(const QAbstractItemView& view)
{
    std::vector<int> rows;
    const QItemSelectionModel* selection = view.selectionModel();
    if (!selection)
        return rows;
    for (const QItemSelectionRange& range : selection->selection()) {
        if (!range.isValid() || range.parent().isValid())
            continue;
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}
