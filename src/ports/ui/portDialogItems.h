#pragma once

#include "foundation/gstr.h"

#include <QComboBox>
#include <QListWidget>

#include <initializer_list>

class CDialog;

// The rows of the port dialogs' lists and combos carry model objects as
// plain pointers in their item data; these helpers put them there and read
// them back. A sorted list or combo keeps its items in the order the user's
// collation gives their texts, ignoring letter case, as the lists of the
// object windows do.
namespace portItems {

template <class T>
QVariant data(T* object)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(object));
}

template <class T>
T* at(const QListWidget& list, int row)
{
    QListWidgetItem* item = list.item(row);
    return item ? reinterpret_cast<T*>(item->data(Qt::UserRole).value<quintptr>()) : nullptr;
}

template <class T>
T* at(const QComboBox& combo, int index)
{
    if (index < 0 || index >= combo.count())
        return nullptr;
    return reinterpret_cast<T*>(combo.itemData(index).value<quintptr>());
}

template <class T>
T* selected(const QComboBox& combo)
{
    return at<T>(combo, combo.currentIndex());
}

// The selected row, -1 when none.
int selectedRow(const QListWidget& list);
void selectRow(QListWidget& list, int row);
// Inserts a row at the index (the end when out of range); answers its index.
int insertRow(QListWidget& list, int row, const gstrSlice& text, const QVariant& data);
void setRowText(QListWidget& list, int row, const gstrSlice& text);

// Inserts at the item's sorted place; answers its index.
int insertSorted(QComboBox& combo, const gstrSlice& text, const QVariant& data);
// The index of the item that carries the object, -1 when none.
int indexOfData(const QComboBox& combo, const QVariant& data);

// The radio buttons of the ids form one group of their own, apart from the
// dialog's other radio buttons.
void groupRadios(CDialog& dialog, std::initializer_list<int> ids);

} // namespace portItems
