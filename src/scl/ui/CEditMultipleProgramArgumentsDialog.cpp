#include "scl/ui/CEditMultipleProgramArgumentsDialog.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/ui/CSelectArgumentTypeDialog.h"
#include "registers/ui/editProgramArgument.h"
#include "scl/gprogramArgumentSet.h"
#include "shell/CArgumentListBox.h"
#include "shell/CObjectListCtrl.h"

namespace {

constexpr int replaceQuestion = 10227;

using entryT = gprogramArgumentSetEntry;

bool isMixed(const entryT& entry) { return (entry.flags & (entryT::valuesDiffer | entryT::missing)) != 0; }

} // namespace

CEditMultipleProgramArgumentsDialog::CEditMultipleProgramArgumentsDialog(gprogramArgumentSet& set, QWidget* parent)
    : CDialog(678, parent), set_(set)
{
    setWindowTitle(QStringLiteral("Edit Program Arguments"));
    setDialogSize(250, 118);
    addLabel(-1, "&Arguments:", 7, 7, 100, 8);
    list_ = addControl(listId, new CArgumentListBox, 7, 17, 180, 94);
    addButton(editId, "&Edit...", 193, 17, 50, 14);
    addButton(deleteId, "&Delete", 193, 34, 50, 14);
    addButton(newId, "&New...", 193, 51, 50, 14);
    addButton(IDOK, "OK", 193, 80, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 97, 50, 14);
    onCommand(editId, [this] { onEdit(); });
    onCommand(deleteId, [this] { onDelete(); });
    onCommand(newId, [this] { onNew(); });
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedEntry() >= 0)
            enableButtons(true);
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this] { onEdit(); });
}

bool CEditMultipleProgramArgumentsDialog::OnInitDialog()
{
    for (int32_t i = set_.size() - 1; i >= 0; --i) {
        const entryT* entry = set_.entry(i);
        if (entry && entry->state != entryT::deleted)
            addRow(i);
    }
    enableButtons(false);
    return true;
}

int CEditMultipleProgramArgumentsDialog::addRow(int32_t entry)
{
    const entryT& e = *set_.entry(entry);
    gstr text = describeArgumentSetEntry(e);
    QString shown = toUiText(text);
    int row = 0;
    while (row < list_->count() && CObjectListCtrl::compareKeys(list_->item(row)->text(), shown) <= 0)
        ++row;
    list_->insertString(row, text);
    list_->setItemData(row, static_cast<uint32_t>(entry));
    list_->setItemDisabled(row, isMixed(e));
    return row;
}

int CEditMultipleProgramArgumentsDialog::rowOf(int32_t entry) const
{
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->getItemData(row) == static_cast<uint32_t>(entry))
            return row;
    }
    return -1;
}

int32_t CEditMultipleProgramArgumentsDialog::selectedEntry() const
{
    int row = selectedItem(listId);
    return row < 0 ? -1 : static_cast<int32_t>(list_->getItemData(row));
}

void CEditMultipleProgramArgumentsDialog::deleteRow(int row)
{
    if (row >= 0)
        list_->deleteString(row);
}

void CEditMultipleProgramArgumentsDialog::selectRow(int row)
{
    selectItem(listId, row);
    enableButtons(true);
}

void CEditMultipleProgramArgumentsDialog::enableButtons(bool enable)
{
    enableControl(editId, enable);
    enableControl(deleteId, enable);
}

void CEditMultipleProgramArgumentsDialog::markDeleted(int32_t entry)
{
    entryT* e = set_.entry(entry);
    e->state = entryT::deleted;
    e->clearValue();
}

void CEditMultipleProgramArgumentsDialog::take(int32_t entry, const gprogramArgument& argument)
{
    entryT* e = set_.entry(entry);
    e->take(argument);
    e->state = entryT::set;
    e->flags = 0;
}

bool CEditMultipleProgramArgumentsDialog::confirmReplace() const
{
    return messageBox(replaceQuestion, gbuttons::okCancel) == ganswer::ok;
}

void CEditMultipleProgramArgumentsDialog::onEdit()
{
    int row = selectedItem(listId);
    int32_t edited = selectedEntry();
    if (edited < 0)
        return;
    gprogramArgument argument(*set_.entry(edited));
    if (set_.entry(edited)->flags & entryT::valuesDiffer)
        argument.clearValue();
    for (;;) {
        if (!editProgramArgument(argument, this))
            return;
        int32_t found = set_.indexOf(argument);
        if (found == edited) {
            take(edited, argument);
            deleteRow(row);
            return selectRow(addRow(edited));
        }
        if (found < 0) {
            markDeleted(edited);
            deleteRow(row);
            return selectRow(addRow(set_.setArgument(argument)));
        }
        bool other = set_.entry(found)->state != entryT::deleted;
        if (other && !confirmReplace())
            continue;
        if (other)
            deleteRow(rowOf(found));
        markDeleted(edited);
        take(found, argument);
        deleteRow(rowOf(edited));
        return selectRow(addRow(found));
    }
}

void CEditMultipleProgramArgumentsDialog::onDelete()
{
    int row = selectedItem(listId);
    int32_t entry = selectedEntry();
    if (entry < 0)
        return;
    markDeleted(entry);
    deleteRow(row);
    if (list_->count() == 0)
        return enableButtons(false);
    selectItem(listId, std::min(row, list_->count() - 1));
}

void CEditMultipleProgramArgumentsDialog::onNew()
{
    CSelectArgumentTypeDialog type(this);
    if (type.DoModal() != IDOK)
        return;
    gprogramArgument argument(type.argumentType());
    int32_t entry = -1;
    while (entry < 0) {
        if (!editProgramArgument(argument, this))
            return;
        entry = set_.setArgument(argument);
        if (entry >= 0 || !confirmReplace())
            continue;
        entry = set_.indexOf(argument);
        take(entry, argument);
    }
    deleteRow(rowOf(entry));
    selectRow(addRow(entry));
}
