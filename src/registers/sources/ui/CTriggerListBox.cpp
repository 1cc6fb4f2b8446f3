#include "registers/sources/ui/CTriggerListBox.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"

#include <QLineEdit>

namespace {

constexpr int noTriggerMessage = 10154;
constexpr int badValueMessage = 10082;
constexpr int badTriggerMessage = 10107;
constexpr int replaceTriggerQuestion = 10231;
constexpr int editTriggerTitle = 10149;

gstr patternText(const gregexp& pattern)
{
    gstr text("");
    pattern.toString(text, true);
    return text;
}

} // namespace

CTriggerListBox::CTriggerListBox(CDialog& pane) : pane_(pane)
{
    QObject::connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedRow() >= 0)
            enableButtons(true);
    });
    QObject::connect(this, &QListWidget::itemDoubleClicked, this, [this] { onEdit(); });
    pane.onCommand(newId, [this] { onNew(nullptr); });
    pane.onCommand(duplicateId, [this] {
        if (int row = selectedRow(); row >= 0)
            onNew(&rows_[row].pattern);
    });
    pane.onCommand(editId, [this] { onEdit(); });
    pane.onCommand(deleteId, [this] { onDelete(); });
}

int CTriggerListBox::selectedRow() const
{
    QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? row(item) : -1;
}

void CTriggerListBox::fill(const gtriggerMap& triggers)
{
    for (const auto& [value, pattern] : triggers)
        insertSorted(value, pattern);
}

bool CTriggerListBox::collect(gtriggerMap& triggers)
{
    if (rows_.empty()) {
        messageBox(noTriggerMessage, gbuttons::ok, gicon::warning);
        return false;
    }
    triggers.clear();
    for (const trigger& t : rows_)
        triggers.emplace(t.value, t.pattern);
    return true;
}

int CTriggerListBox::insertSorted(uint32_t value, const gregexp& pattern)
{
    int at = 0;
    while (at < static_cast<int>(rows_.size()) && rows_[at].value <= value)
        ++at;
    rows_.insert(rows_.begin() + at, trigger{value, pattern});
    gstr text;
    text.format("%u\t%s", value, patternText(pattern));
    insertItem(at, toUiText(text));
    return at;
}

int CTriggerListBox::findValue(uint32_t value, bool skipSelected) const
{
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        if (rows_[i].value == value)
            return skipSelected && i == selectedRow() ? -1 : i;
    }
    return -1;
}

uint32_t CTriggerListBox::nextFreeValue() const
{
    if (rows_.empty())
        return 0;
    int at = selectedRow() >= 0 ? selectedRow() : 0;
    uint32_t value = rows_[at].value + 1;
    for (++at; at < static_cast<int>(rows_.size()) && rows_[at].value == value; ++at)
        ++value;
    return value;
}

void CTriggerListBox::onNew(const gregexp* startFrom)
{
    CNewTriggerDialog dialog(*this, 0, startFrom, true, &pane_);
    if (dialog.DoModal() != IDOK)
        return;
    if (int old = findValue(dialog.value(), false); old >= 0)
        removeRow(old);
    setCurrentRow(insertSorted(dialog.value(), dialog.pattern()));
    enableButtons(true);
}

void CTriggerListBox::onEdit()
{
    int edited = selectedRow();
    if (edited < 0)
        return;
    CNewTriggerDialog dialog(*this, rows_[edited].value, &rows_[edited].pattern, false, &pane_);
    if (dialog.DoModal() != IDOK)
        return;
    removeRow(edited);
    if (int old = findValue(dialog.value(), false); old >= 0)
        removeRow(old);
    setCurrentRow(insertSorted(dialog.value(), dialog.pattern()));
}

void CTriggerListBox::onDelete()
{
    int removed = selectedRow();
    if (removed < 0)
        return;
    removeRow(removed);
    if (rows_.empty()) {
        enableButtons(false);
        return;
    }
    setCurrentRow(removed < static_cast<int>(rows_.size()) ? removed : static_cast<int>(rows_.size()) - 1);
}

void CTriggerListBox::removeRow(int row)
{
    rows_.erase(rows_.begin() + row);
    delete takeItem(row);
}

void CTriggerListBox::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        pane_.enableControl(id, enable);
}

CNewTriggerDialog::CNewTriggerDialog(const CTriggerListBox& list, uint32_t value, const gregexp* pattern,
                                     bool newMode, QWidget* parent)
    : CDialog(551, parent), list_(list), value_(value), shown_(pattern), newMode_(newMode)
{
    setWindowTitle("New Trigger");
    setDialogSize(200, 62);
    addLabel(-1, "&Value:", 7, 9, 40, 8);
    addControl(valueId, new CUnsignedSpinEdit, 50, 7, 70, 12);
    addLabel(-1, "&Trigger:", 7, 25, 40, 8);
    auto* trigger = addEdit(triggerId, 50, 23, 143, 12);
    addButton(IDOK, "OK", 46, 42, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 102, 42, 50, 14);
    QObject::connect(trigger, &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(triggerId).isEmpty()); });
}

bool CNewTriggerDialog::OnInitDialog()
{
    if (shown_)
        setControlText(triggerId, patternText(*shown_));
    auto* value = dynamic_cast<CUnsignedSpinEdit*>(control(valueId));
    if (newMode_) {
        value->setValue(list_.nextFreeValue());
    } else {
        value->setValue(value_);
        setWindowTitle(toUiText(gstr().loadString(editTriggerTitle)));
    }
    return true;
}

void CNewTriggerDialog::OnOK()
{
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->getValue(value_))
        return (void)refuseField(valueId, badValueMessage);
    gstr text = controlText(triggerId);
    gregexp pattern(false);
    if (pattern.parse(text.data(), true, false) != 1)
        return (void)refuseField(triggerId, badTriggerMessage);
    if (list_.findValue(value_, !newMode_) >= 0 && messageBox(replaceTriggerQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    pattern_.transferFrom(pattern);
    CDialog::OnOK();
}
