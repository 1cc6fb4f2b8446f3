#include "registers/ui/CDigitalAutomaticControlsDialog.h"

#include "registers/registerControls.h"
#include "registers/ui/CEditDigitalRegisterDialog.h"
#include "registers/ui/CValueControlDialog.h"
#include "registers/ui/valueListItems.h"
#include "scl/gprogramArgument.h"

#include <QListWidget>
#include <algorithm>

CDigitalAutomaticControlsDialog::CDigitalAutomaticControlsDialog(CEditDigitalRegisterDialog& registerDialog,
                                                                 QWidget* parent)
    : CAutomaticControlsDialog(registerDialog, 685, parent), digitalDialog_(registerDialog)
{
    addLabel(-1, "Controls for &specific values:", 7, 92, 150, 8);
    QListWidget* items = addListBox(listId, 7, 102, 253, 118);
    addButton(editId, "Edit...", 266, 102, 63, 14);
    addButton(deleteId, "Delete", 266, 119, 63, 14);
    addButton(duplicateId, "Duplicate...", 266, 136, 63, 14);
    addButton(newId, "New...", 266, 153, 63, 14);
    enableButtons(false);
    onCommand(newId, [this] { onNew(); });
    onCommand(editId, [this] { onEdit(); });
    onCommand(duplicateId, [this] { onDuplicate(); });
    onCommand(deleteId, [this] { onDelete(); });
    QObject::connect(items, &QListWidget::itemSelectionChanged, this, [this] {
        if (valueListItems::selectedRow(list()) >= 0)
            enableButtons(true);
    });
    QObject::connect(items, &QListWidget::itemDoubleClicked, this, [this] { onEdit(); });
}

QListWidget& CDigitalAutomaticControlsDialog::list() const { return *controlAs<QListWidget>(listId); }

bool CDigitalAutomaticControlsDialog::OnInitDialog()
{
    bool focus = CAutomaticControlsDialog::OnInitDialog();
    if (hasEnded())
        return focus;
    for (const auto& [value, call] : digitalDialog_.valueControls())
        insertItem(value, call);
    return focus;
}

uint32_t CDigitalAutomaticControlsDialog::nextFreeValue() const { return valueListItems::nextFreeValue(list()); }

int CDigitalAutomaticControlsDialog::findValue(uint32_t value, bool editing) const
{
    return valueListItems::findValue(list(), value, editing);
}

int CDigitalAutomaticControlsDialog::insertItem(uint32_t value, const gprocessorCall& call)
{
    gstr text;
    text.format("%u\t%s%s", value, controlProgramTitle(call), describeProgramArgumentList(call));
    calls_[value] = call;
    return valueListItems::insertItem(list(), value, text);
}

void CDigitalAutomaticControlsDialog::removeItem(int row)
{
    calls_.erase(valueListItems::valueAt(list(), row));
    delete list().takeItem(row);
}

void CDigitalAutomaticControlsDialog::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

bool CDigitalAutomaticControlsDialog::runValueControl(uint32_t& value, gprocessorCall& call, bool isNew,
                                                      bool withCall)
{
    CValueControlDialog dialog(*this, value, withCall ? &call : nullptr, isNew, this);
    if (dialog.DoModal() != IDOK)
        return false;
    value = dialog.value();
    call = dialog.call();
    return true;
}

void CDigitalAutomaticControlsDialog::onNew()
{
    uint32_t value = 0;
    gprocessorCall call;
    if (!runValueControl(value, call, true, false))
        return;
    int same = findValue(value, false);
    if (same >= 0)
        removeItem(same);
    list().setCurrentRow(insertItem(value, call));
    enableButtons(true);
}

void CDigitalAutomaticControlsDialog::onEdit()
{
    int row = valueListItems::selectedRow(list());
    if (row < 0)
        return;
    uint32_t value = valueListItems::valueAt(list(), row);
    gprocessorCall call = calls_[value];
    if (!runValueControl(value, call, false, true))
        return;
    removeItem(row);
    int same = findValue(value, false);
    if (same >= 0)
        removeItem(same);
    list().setCurrentRow(insertItem(value, call));
}

void CDigitalAutomaticControlsDialog::onDuplicate()
{
    int row = valueListItems::selectedRow(list());
    if (row < 0)
        return;
    uint32_t value = valueListItems::valueAt(list(), row);
    gprocessorCall call = calls_[value];
    if (!runValueControl(value, call, true, true))
        return;
    int same = findValue(value, false);
    if (same >= 0)
        removeItem(same);
    list().setCurrentRow(insertItem(value, call));
}

void CDigitalAutomaticControlsDialog::onDelete()
{
    int row = valueListItems::selectedRow(list());
    if (row < 0)
        return;
    removeItem(row);
    if (list().count() == 0) {
        enableButtons(false);
        return;
    }
    list().setCurrentRow(std::min(row, list().count() - 1));
}

void CDigitalAutomaticControlsDialog::OnOK()
{
    digitalDialog_.valueControls() = std::move(calls_);
    calls_.clear();
    CAutomaticControlsDialog::OnOK();
}
