#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <QComboBox>
#include <QListWidget>

#include <initializer_list>

class QLineEdit;
class gregister;

// What the SABus dialogs share: model objects carried in the item data of
// lists and combos as plain pointers, rows inserted and selected by index,
// sorted insertion (letter case ignored, in the user's collation, as in the
// object windows), radio groups and printable-only text fields.
namespace sabusItems {

template <class T>
QVariant data(T* object)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(object));
}

template <class T>
T* at(const QComboBox& combo, int index)
{
    if (index < 0 || index >= combo.count())
        return nullptr;
    return reinterpret_cast<T*>(combo.itemData(index).value<quintptr>());
}

template <class T>
T* at(const QListWidget& list, int row)
{
    QListWidgetItem* item = list.item(row);
    return item ? reinterpret_cast<T*>(item->data(Qt::UserRole).value<quintptr>()) : nullptr;
}

// A control of a class that qobject_cast does not know (no meta-object of
// its own), by id; null when the id names none of that class.
template <class T>
T* widget(const CDialog& dialog, int id)
{
    return dynamic_cast<T*>(dialog.control(id));
}

// The selected row, -1 when none.
int selectedRow(const QListWidget& list);
// Selects the row; an index out of range clears the selection.
void selectRow(QListWidget& list, int row);
// A new row at the index (the end when out of range); answers its index.
int insertRow(QListWidget& list, int row, const gstrSlice& text, const QVariant& data = {});
// A new row at its sorted place; answers its index.
int insertSorted(QListWidget& list, const gstrSlice& text, const QVariant& data);
// The index of the item that carries the data, -1 when none.
int indexOfData(const QComboBox& combo, const QVariant& data);

// The radio buttons of the ids form one group of their own.
void groupRadios(CDialog& dialog, std::initializer_list<int> ids);

// The field takes printable characters only, typed or pasted; the key filter
// of the printable edit lets pasted text through.
void acceptPrintableOnly(QLineEdit& edit);

// The station's defined registers of the class (gregister::classCode; 0 for
// any), each carried by its entry, at their sorted places by title.
void fillRegisters(QComboBox& combo, int classCode);

} // namespace sabusItems
