#include "registers/ui/CEditProgramArgumentsDialog.h"

#include "store/gprocessorCall.h"

CEditProgramArgumentsDialog::CEditProgramArgumentsDialog(gprocessorCall& call, QWidget* parent)
    : CDialog(579, parent), call_(call)
{
    setWindowTitle("Edit Program Arguments");
    setDialogSize(250, 118);
    addLabel(-1, "&Arguments:", 7, 7, 100, 8);
    QListWidget* list = addListBox(listId, 7, 17, 180, 94);
    list->setSortingEnabled(true);
    addButton(editId, "&Edit...", 193, 17, 50, 14);
    addButton(deleteId, "&Delete", 193, 34, 50, 14);
    addButton(newId, "&New...", 193, 51, 50, 14);
    addButton(IDOK, "OK", 193, 80, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 97, 50, 14);
    rows_ = std::make_unique<argumentRows>(*list, *this);

    onCommand(newId, [this] {
        if (rows_->addNew())
            enableButtons(true);
    });
    onCommand(editId, [this] { rows_->editSelected(); });
    onCommand(deleteId, [this] { onDelete(); });
    QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        if (rows_->selectedRow() >= 0)
            enableButtons(true);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] { rows_->editSelected(); });
}

bool CEditProgramArgumentsDialog::OnInitDialog()
{
    rows_->fill(call_);
    enableButtons(false);
    return true;
}

void CEditProgramArgumentsDialog::enableButtons(bool enable)
{
    enableControl(editId, enable);
    enableControl(deleteId, enable);
}

// The row now at the same index, or the new last one, is selected.
void CEditProgramArgumentsDialog::onDelete()
{
    int row = rows_->selectedRow();
    if (row < 0)
        return;
    rows_->removeRow(row);
    if (rows_->count() == 0) {
        enableButtons(false);
        return;
    }
    selectItem(listId, std::min(row, rows_->count() - 1));
}

void CEditProgramArgumentsDialog::OnOK()
{
    rows_->storeInto(call_);
    CDialog::OnOK();
}
