#include "registers/ui/valueListItems.h"

#include "platform/textCodec.h"

#include <QListWidget>

namespace {

constexpr int valueRole = Qt::UserRole;

} // namespace

namespace valueListItems {

uint32_t valueAt(const QListWidget& list, int row) { return list.item(row)->data(valueRole).toUInt(); }

int selectedRow(const QListWidget& list)
{
    QListWidgetItem* item = list.currentItem();
    return item && item->isSelected() ? list.row(item) : -1;
}

uint32_t nextFreeValue(const QListWidget& list)
{
    int count = list.count();
    if (count == 0)
        return 0;
    int row = std::max(selectedRow(list), 0);
    uint32_t value = valueAt(list, row) + 1;
    for (++row; row < count && valueAt(list, row) == value; ++row)
        ++value;
    return value;
}

int findValue(const QListWidget& list, uint32_t value, bool editing)
{
    for (int row = list.count() - 1; row >= 0; --row) {
        if (valueAt(list, row) != value)
            continue;
        return editing && row == selectedRow(list) ? -1 : row;
    }
    return -1;
}

int insertItem(QListWidget& list, uint32_t value, const gstrSlice& text)
{
    int row = 0;
    while (row < list.count() && valueAt(list, row) <= value)
        ++row;
    auto* item = new QListWidgetItem(toUiText(text));
    item->setData(valueRole, value);
    list.insertItem(row, item);
    return row;
}

gstr textAfterTab(const QListWidget& list, int row)
{
    gstr text = fromUiText(list.item(row)->text());
    int32_t tab = text.find("\t", false, true);
    return gstr(tab < 0 ? gstrSlice::empty : gstrSlice(text.at(tab + 1), text.length() - tab - 1));
}

} // namespace valueListItems
