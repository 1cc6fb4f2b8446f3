#include "sabus/ui/sabusDialogItems.h"

#include "foundation/charClasses.h"
#include "foundation/jhashIterator.h"
#include "platform/CDialog.h"
#include "platform/sortedItems.h"
#include "platform/textCodec.h"
#include "registers/gregister.h"
#include "shell/CObjectListCtrl.h"
#include "store/gstation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QValidator>

namespace sabusItems {

namespace {

// Refuses text that holds anything but printable characters; the field keeps
// what it had.
class printableValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        gstr bytes = fromUiText(input);
        return bytes.isPrintable() && bytes.length() == input.size() ? Acceptable : Invalid;
    }
};

} // namespace

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

int insertSorted(QListWidget& list, const gstrSlice& text, const QVariant& data)
{
    QString key = toUiText(text);
    int row = 0;
    while (row < list.count() && CObjectListCtrl::compareKeys(list.item(row)->text(), key) <= 0)
        ++row;
    return insertRow(list, row, text, data);
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

void acceptPrintableOnly(QLineEdit& edit) { edit.setValidator(new printableValidator(&edit)); }

void fillRegisters(QComboBox& combo, int classCode)
{
    combo.clear();
    std::vector<listedItem> items;
    jhashTypedIterator<gregister> it(station::registers());
    gregister* reg = nullptr;
    while (it.get(reg)) {
        int code = gregister::classCode(*reg);
        if (reg->isDefined() && code != 0 && (classCode == 0 || code == classCode))
            items.push_back({toUiText(reg->getTitle(true)), data(reg)});
    }
    sortListedItems(items, listOrder::collated);
    appendListedItems(combo, items);
}

} // namespace sabusItems
