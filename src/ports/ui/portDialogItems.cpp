#include "ports/ui/portDialogItems.h"

#include "platform/CDialog.h"
#include "platform/textCodec.h"
#include "shell/CObjectListCtrl.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace portItems {

int selectedRow(const QListWidget& list)
{
    QListWidgetItem* item = list.currentItem();
    return item && item->isSelected() ? list.row(item) : -1;
}

void selectRow(QListWidget& list, int row)
{
    if (row < 0 || row >= list.count()) {
        list.setCurrentRow(-1);
        list.clearSelection();
        return;
    }
    list.setCurrentRow(row);
}

int insertRow(QListWidget& list, int row, const gstrSlice& text, const QVariant& data)
{
    if (row < 0 || row > list.count())
        row = list.count();
    auto* item = new QListWidgetItem(toUiText(text));
    item->setData(Qt::UserRole, data);
    list.insertItem(row, item);
    return row;
}

void setRowText(QListWidget& list, int row, const gstrSlice& text)
{
    if (QListWidgetItem* item = list.item(row))
        item->setText(toUiText(text));
}

int insertSorted(QComboBox& combo, const gstrSlice& text, const QVariant& data)
{
    QString key = toUiText(text);
    int index = 0;
    while (index < combo.count() && CObjectListCtrl::compareKeys(combo.itemText(index), key) <= 0)
        ++index;
    combo.insertItem(index, key, data);
    return index;
}

int indexOfData(const QComboBox& combo, const QVariant& data)
{
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.itemData(i) == data)
            return i;
    }
    return -1;
}

void groupRadios(CDialog& dialog, std::initializer_list<int> ids)
{
    auto* group = new QButtonGroup(&dialog);
    for (int id : ids) {
        if (auto* button = dialog.controlAs<QAbstractButton>(id))
            group->addButton(button);
    }
}

} // namespace portItems
