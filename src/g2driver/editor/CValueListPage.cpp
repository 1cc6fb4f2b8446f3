#include "g2driver/editor/CValueListPage.h"

#include "platform/textCodec.h"
#include "shell/editNumbers.h"

#include <QByteArray>
#include <QListWidget>

namespace {

constexpr int valueRole = Qt::UserRole;
constexpr int entryRole = Qt::UserRole + 1;

} // namespace

uint32_t CValueListPage::rowValue(int row) const
{
    auto* list = controlAs<QListWidget>(listId);
    return list->item(row)->data(valueRole).toUInt();
}

gstr CValueListPage::rowEntry(int row) const
{
    QByteArray bytes = controlAs<QListWidget>(listId)->item(row)->data(entryRole).toByteArray();
    return gstr(gstrSlice(bytes.constData(), static_cast<int32_t>(bytes.size())));
}

uint32_t CValueListPage::nextFreeValue() const
{
    int count = rowCount();
    if (count == 0)
        return 0;
    int row = selectedItem(listId);
    if (row < 0)
        row = 0;
    uint32_t value = rowValue(row) + 1;
    for (++row; row < count && rowValue(row) == value; ++row)
        ++value;
    return value;
}

int CValueListPage::findValue(uint32_t value, bool ignoreSelected) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (rowValue(row) != value)
            continue;
        return ignoreSelected && row == selectedItem(listId) ? -1 : row;
    }
    return -1;
}

void CValueListPage::addList(const char* label, int listWidth, int listHeight)
{
    addLabel(-1, label, 0, 0, listWidth, 8);
    addListBox(listId, 0, 10, listWidth, listHeight);
    int x = listWidth + 6;
    addButton(editId, "&Edit...", x, 10, 50, 14);
    addButton(deleteId, "&Delete", x, 28, 50, 14);
    addButton(duplicateId, "D&uplicate...", x, 46, 50, 14);
    addButton(newId, "Ne&w...", x, 64, 50, 14);
}

void CValueListPage::connectList()
{
    onCommand(newId, [this] { newRow(); });
    onCommand(duplicateId, [this] { duplicateRow(); });
    onCommand(editId, [this] { editRow(); });
    onCommand(deleteId, [this] { deleteRow(); });
    auto* list = controlAs<QListWidget>(listId);
    QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] { enableButtons(); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] { editRow(); });
    enableButtons();
}

void CValueListPage::appendRow(uint32_t value, const gstrSlice& entry) { insertRow(rowCount(), value, entry); }

void CValueListPage::insertRow(int row, uint32_t value, const gstrSlice& entry)
{
    gstr text;
    text.format("%u\t%s", value, shownEntry(entry));
    auto* item = new QListWidgetItem(toUiText(text));
    item->setData(valueRole, value);
    item->setData(entryRole, QByteArray(entry.data() ? entry.data() : "", entry.length()));
    controlAs<QListWidget>(listId)->insertItem(row, item);
}

void CValueListPage::enableButtons()
{
    bool selected = selectedItem(listId) >= 0;
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, selected);
}

void CValueListPage::newRow()
{
    uint32_t value = 0;
    gstr entry("");
    if (runEntryDialog(value, entry, true))
        placeRow(value, entry, false);
}

void CValueListPage::duplicateRow()
{
    int row = selectedItem(listId);
    if (row < 0)
        return;
    uint32_t value = rowValue(row);
    gstr entry = rowEntry(row);
    if (runEntryDialog(value, entry, true))
        placeRow(value, entry, false);
}

void CValueListPage::editRow()
{
    int row = selectedItem(listId);
    if (row < 0)
        return;
    uint32_t value = rowValue(row);
    gstr entry = rowEntry(row);
    if (runEntryDialog(value, entry, false))
        placeRow(value, entry, true);
}

void CValueListPage::deleteRow()
{
    auto* list = controlAs<QListWidget>(listId);
    int row = selectedItem(listId);
    if (row < 0)
        return;
    delete list->takeItem(row);
    if (rowCount() > 0)
        selectItem(listId, row < rowCount() ? row : rowCount() - 1);
    enableButtons();
}

void CValueListPage::placeRow(uint32_t value, const gstrSlice& entry, bool replaceSelected)
{
    auto* list = controlAs<QListWidget>(listId);
    int selected = selectedItem(listId);
    if (replaceSelected && selected >= 0)
        delete list->takeItem(selected);
    int same = findValue(value, false);
    if (same >= 0)
        delete list->takeItem(same);
    int row = 0;
    while (row < rowCount() && rowValue(row) < value)
        ++row;
    insertRow(row, value, entry);
    selectItem(listId, row);
    enableButtons();
}
