#include "g2driver/editor/editorLists.h"

#include "platform/textCodec.h"

#include <QListWidget>

int insertListItem(QListWidget& list, int index, const gstrSlice& text, void* object)
{
    if (index < 0 || index > list.count())
        index = list.count();
    auto* item = new QListWidgetItem(toUiText(text));
    item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    list.insertItem(index, item);
    return index;
}

void setListItemText(QListWidget& list, int index, const gstrSlice& text)
{
    if (QListWidgetItem* item = list.item(index))
        item->setText(toUiText(text));
}

bool removeListItem(QListWidget& list, int index)
{
    delete list.takeItem(index);
    if (list.count() == 0)
        return true;
    selectListItem(list, index < list.count() ? index : list.count() - 1);
    return false;
}

void selectListItem(QListWidget& list, int index)
{
    QListWidgetItem* item = list.item(index);
    if (!item)
        return;
    list.setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    list.scrollToItem(item);
}
