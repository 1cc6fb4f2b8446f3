#include "legacy/ui/objectItems.h"

#include "platform/textCodec.h"
#include "shell/CObjectListCtrl.h"

#include <QComboBox>
#include <QListWidget>

namespace {

QVariant objectData(void* object) { return QVariant::fromValue(reinterpret_cast<quintptr>(object)); }

void* objectOf(const QVariant& data) { return reinterpret_cast<void*>(data.value<quintptr>()); }

} // namespace

int insertSortedItem(QComboBox& combo, const gstrSlice& text, void* object, int first)
{
    QString shown = toUiText(text);
    int index = first;
    while (index < combo.count() && CObjectListCtrl::compareKeys(combo.itemText(index), shown) <= 0)
        ++index;
    combo.insertItem(index, shown, objectData(object));
    return index;
}

int insertSortedItem(QListWidget& list, const gstrSlice& text, void* object)
{
    QString shown = toUiText(text);
    int index = 0;
    while (index < list.count() && CObjectListCtrl::compareKeys(list.item(index)->text(), shown) <= 0)
        ++index;
    auto* item = new QListWidgetItem(shown);
    item->setData(Qt::UserRole, objectData(object));
    list.insertItem(index, item);
    return index;
}

void insertItemAt(QComboBox& combo, int index, const gstrSlice& text, void* object)
{
    combo.insertItem(index, toUiText(text), objectData(object));
}

void* itemObject(const QComboBox& combo, int index)
{
    if (index < 0 || index >= combo.count())
        return nullptr;
    return objectOf(combo.itemData(index));
}

void* itemObject(const QListWidget& list, int index)
{
    if (index < 0 || index >= list.count())
        return nullptr;
    return objectOf(list.item(index)->data(Qt::UserRole));
}

int findItemObject(const QComboBox& combo, const void* object)
{
    for (int i = 0; i < combo.count(); ++i) {
        if (itemObject(combo, i) == object)
            return i;
    }
    return -1;
}

int findItemText(const QComboBox& combo, const gstrSlice& text)
{
    QString shown = toUiText(text);
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemText(i) == shown)
            return i;
    }
    return -1;
}
