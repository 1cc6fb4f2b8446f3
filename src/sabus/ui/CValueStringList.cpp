#include "sabus/ui/CValueStringList.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "sabus/ui/sabusDialogItems.h"
#include "shell/CFilteredEdit.h"
#include "shell/CSpinEdit.h"

#include <QListWidget>

namespace {

constexpr int editCaption = 10474;
constexpr int enterValue = 10082;
constexpr int replaceValue = 10475;

gstr entryText(uint32_t value, const gstrSlice& text)
{
    gstr line;
    line.format("%u\t%s", value, text);
    return line;
}

} // namespace

void CValueStringList::attach(CDialog& dialog)
{
    dialog_ = &dialog;
    list_ = dialog.controlAs<QListWidget>(listId);
    dialog.onCommand(newId, [this] { OnNew(); });
    dialog.onCommand(editId, [this] { OnEdit(); });
    dialog.onCommand(duplicateId, [this] { OnDuplicate(); });
    dialog.onCommand(deleteId, [this] { deleteSelected(); });
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this] {
        if (selected() >= 0)
            enableButtons(true);
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this] { OnEdit(); });
    enableButtons(false);
}

void CValueStringList::enableButtons(bool enable)
{
    for (int id : {editId, duplicateId, deleteId})
        dialog_->enableControl(id, enable);
}

void CValueStringList::fill(const std::map<uint32_t, gstr>& strings)
{
    for (const auto& [value, text] : strings)
        insert(value, text);
}

int CValueStringList::count() const { return list_->count(); }

uint32_t CValueStringList::valueAt(int index) const { return list_->item(index)->data(Qt::UserRole).toUInt(); }

void CValueStringList::getEntry(int index, uint32_t& value, gstr& text) const
{
    value = valueAt(index);
    gstr line = fromUiText(list_->item(index)->text());
    int32_t tab = line.find("\t", false, true);
    text.assign(line.at(tab + 1), line.length() - tab - 1);
}

int CValueStringList::selected() const { return sabusItems::selectedRow(*list_); }

void CValueStringList::select(int index) { sabusItems::selectRow(*list_, index); }

int CValueStringList::findValue(uint32_t value, bool ignoreSelected) const
{
    for (int i = 0; i < count(); ++i) {
        if (valueAt(i) == value && !(ignoreSelected && i == selected()))
            return i;
    }
    return -1;
}

uint32_t CValueStringList::nextFreeValue() const
{
    if (count() == 0)
        return 0;
    int row = selected() >= 0 ? selected() : 0;
    uint32_t value = valueAt(row) + 1;
    for (int next = row + 1; next < count() && valueAt(next) == value; ++next)
        ++value;
    return value;
}

int CValueStringList::insert(uint32_t value, const gstrSlice& text)
{
    int row = 0;
    while (row < count() && valueAt(row) <= value)
        ++row;
    return sabusItems::insertRow(*list_, row, entryText(value, text), QVariant(value));
}

void CValueStringList::deleteSelected()
{
    int row = selected();
    if (row < 0)
        return;
    delete list_->takeItem(row);
    if (count() == 0) {
        enableButtons(false);
        return;
    }
    select(row < count() ? row : count() - 1);
}

void CValueStringList::replaceWith(uint32_t value, const gstrSlice& text)
{
    int taken = findValue(value, false);
    if (taken >= 0)
        delete list_->takeItem(taken);
    select(insert(value, text));
    enableButtons(true);
}

void CValueStringList::OnNew()
{
    CValueDataStringDialog dialog(*this, 0, gstrSlice::empty, true, dialog_);
    if (dialog.DoModal() == IDOK)
        replaceWith(dialog.value(), dialog.text());
}

void CValueStringList::OnEdit()
{
    int row = selected();
    if (row < 0)
        return;
    uint32_t value = 0;
    gstr text;
    getEntry(row, value, text);
    CValueDataStringDialog dialog(*this, value, text, false, dialog_);
    if (dialog.DoModal() != IDOK)
        return;
    delete list_->takeItem(row);
    replaceWith(dialog.value(), dialog.text());
}

void CValueStringList::OnDuplicate()
{
    int row = selected();
    if (row < 0)
        return;
    uint32_t value = 0;
    gstr text;
    getEntry(row, value, text);
    CValueDataStringDialog dialog(*this, value, text, true, dialog_);
    if (dialog.DoModal() == IDOK)
        replaceWith(dialog.value(), dialog.text());
}

CValueDataStringDialog::CValueDataStringDialog(const CValueStringList& list, uint32_t value, const gstrSlice& text,
                                               bool isNew, QWidget* parent)
    : CDialog(templateId, parent), list_(list), value_(value), text_(text), isNew_(isNew)
{
    setWindowTitle(QStringLiteral("New Value Data String"));
    setDialogSize(200, 62);
    addLabel(-1, "&Value:", 7, 9, 50, 8);
    addControl(valueId, new CUnsignedSpinEdit, 60, 7, 70, 12);
    addLabel(-1, "&Data string:", 7, 25, 50, 8);
    auto* edit = addControl(stringId, new CPrintableEdit, 60, 23, 133, 12);
    sabusItems::acceptPrintableOnly(*edit);
    QObject::connect(edit, &QLineEdit::textChanged, this, [this] { enableOk(); });
    addButton(IDOK, "OK", 90, 42, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, 42, 50, 14);
}

bool CValueDataStringDialog::OnInitDialog()
{
    setControlText(stringId, text_);
    auto* value = sabusItems::widget<CUnsignedSpinEdit>(*this, valueId);
    if (isNew_) {
        value->setValue(list_.nextFreeValue());
    } else {
        value->setValue(value_);
        setWindowTitle(toUiText(gstrSlice(stringTableText(editCaption))));
    }
    enableOk();
    return true;
}

void CValueDataStringDialog::enableOk() { enableControl(IDOK, !controlText(stringId).isEmpty()); }

void CValueDataStringDialog::OnOK()
{
    uint32_t value = 0;
    if (!sabusItems::widget<CUnsignedSpinEdit>(*this, valueId)->getValue(value)) {
        refuseField(valueId, enterValue);
        return;
    }
    if (list_.findValue(value, !isNew_) >= 0 && messageBox(replaceValue, gbuttons::yesNo) != ganswer::yes)
        return;
    value_ = value;
    text_ = controlText(stringId);
    CDialog::OnOK();
}
