#include "g2driver/editor/CEditValueNamesDialog.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"
#include "shell/CValueListBox.h"
#include "shell/valueNamesDialog.h"

#include <QLineEdit>

namespace {

constexpr int editCaption = 10663;
constexpr int replaceQuestion = 10664;
constexpr int valueMessage = 10082;
constexpr int valueRole = Qt::UserRole;

} // namespace

CEditValueNamesDialog::CEditValueNamesDialog(std::map<uint32_t, gstr>& names, QWidget* parent)
    : CDialog(templateId, parent), names_(names), list_(new CValueListBox)
{
    setWindowTitle(QStringLiteral("Edit Value Names"));
    setDialogSize(230, 132);
    addLabel(-1, "&Names:", 7, 7, 60, 8);
    addControl(listId, list_, 7, 17, 156, 108);
    addButton(editId, "Edit...", 173, 17, 50, 14);
    addButton(deleteId, "Delete", 173, 35, 50, 14);
    addButton(duplicateId, "Duplicate...", 173, 53, 50, 14);
    addButton(newId, "New...", 173, 71, 50, 14);
    addButton(IDOK, "OK", 173, 93, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 173, 111, 50, 14);
}

bool CEditValueNamesDialog::OnInitDialog()
{
    for (const auto& [value, name] : names_)
        insertLine(value, name);
    onCommand(newId, [this] { newLine(); });
    onCommand(editId, [this] { editLine(); });
    onCommand(duplicateId, [this] { duplicateLine(); });
    onCommand(deleteId, [this] { deleteLine(); });
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this, [this] { enableButtons(); });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this] { editLine(); });
    list_->clearSelection();
    enableButtons();
    return true;
}

int CEditValueNamesDialog::lineCount() const { return list_->count(); }

uint32_t CEditValueNamesDialog::lineValue(int line) const { return list_->item(line)->data(valueRole).toUInt(); }

gstr CEditValueNamesDialog::lineName(int line) const
{
    QString text = list_->item(line)->text();
    return fromUiText(text.mid(text.indexOf(QLatin1Char('\t')) + 1));
}

uint32_t CEditValueNamesDialog::nextFreeValue() const
{
    if (lineCount() == 0)
        return 0;
    int line = std::max(selectedItem(listId), 0);
    uint32_t value = lineValue(line) + 1;
    for (++line; line < lineCount() && lineValue(line) == value; ++line)
        ++value;
    return value;
}

int CEditValueNamesDialog::findValue(uint32_t value, bool ignoreSelected) const
{
    for (int line = lineCount() - 1; line >= 0; --line) {
        if (lineValue(line) != value)
            continue;
        return ignoreSelected && line == selectedItem(listId) ? -1 : line;
    }
    return -1;
}

void CEditValueNamesDialog::insertLine(uint32_t value, const gstrSlice& name)
{
    gstr text;
    text.format("%u\t%s", value, name);
    int line = list_->insertSorted(text);
    list_->item(line)->setData(valueRole, value);
    selectItem(listId, line);
}

void CEditValueNamesDialog::removeLine(int line)
{
    if (line >= 0)
        delete list_->takeItem(line);
}

void CEditValueNamesDialog::enableButtons()
{
    bool selected = selectedItem(listId) >= 0;
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, selected);
}

void CEditValueNamesDialog::newLine()
{
    CValueNameDialog dialog(*this, 0, true, "", this);
    if (dialog.DoModal() != IDOK)
        return;
    removeLine(findValue(dialog.value(), false));
    insertLine(dialog.value(), dialog.name());
    enableButtons();
}

void CEditValueNamesDialog::editLine()
{
    int line = selectedItem(listId);
    if (line < 0)
        return;
    CValueNameDialog dialog(*this, lineValue(line), false, lineName(line), this);
    if (dialog.DoModal() != IDOK)
        return;
    removeLine(line);
    removeLine(findValue(dialog.value(), false));
    insertLine(dialog.value(), dialog.name());
    enableButtons();
}

void CEditValueNamesDialog::duplicateLine()
{
    int line = selectedItem(listId);
    if (line < 0)
        return;
    CValueNameDialog dialog(*this, lineValue(line), true, lineName(line), this);
    if (dialog.DoModal() != IDOK)
        return;
    removeLine(findValue(dialog.value(), false));
    insertLine(dialog.value(), dialog.name());
    enableButtons();
}

void CEditValueNamesDialog::deleteLine()
{
    int line = selectedItem(listId);
    if (line < 0)
        return;
    removeLine(line);
    if (lineCount() > 0)
        selectItem(listId, std::min(line, lineCount() - 1));
    enableButtons();
}

void CEditValueNamesDialog::OnOK()
{
    names_.clear();
    for (int line = lineCount() - 1; line >= 0; --line)
        names_[lineValue(line)] = lineName(line);
    CDialog::OnOK();
}

// --- New Value Name

CValueNameDialog::CValueNameDialog(const CEditValueNamesDialog& owner, uint32_t value, bool isNew,
                                   const gstrSlice& name, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner), value_(value), isNew_(isNew), name_(name)
{
    setWindowTitle(QStringLiteral("New Value Name"));
    setDialogSize(186, 62);
    addLabel(-1, "&Value:", 7, 9, 40, 8);
    addControl(valueId, new CUnsignedSpinEdit, 50, 7, 70, 12);
    addLabel(-1, "&Name:", 7, 27, 40, 8);
    addEdit(nameId, 50, 25, 129, 12);
    addButton(IDOK, "OK", 74, 43, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 129, 43, 50, 14);
}

bool CValueNameDialog::OnInitDialog()
{
    setControlText(nameId, name_);
    if (isNew_) {
        value_ = owner_.nextFreeValue();
    } else {
        setWindowTitle(toUiText(gstr().loadString(editCaption)));
    }
    dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->setValue(value_);
    auto enableOk = [this] { enableControl(IDOK, !controlText(nameId).isEmpty()); };
    QObject::connect(controlAs<QLineEdit>(nameId), &QLineEdit::textChanged, this, enableOk);
    enableOk();
    return true;
}

void CValueNameDialog::OnOK()
{
    uint32_t value = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->getValue(value))
        return (void)refuseField(valueId, valueMessage);
    gstr name = controlText(nameId);
    if (owner_.findValue(value, !isNew_) >= 0 && messageBox(replaceQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    value_ = value;
    name_ = name;
    CDialog::OnOK();
}

void installValueNamesEditor()
{
    installValueNamesDialog([](std::map<uint32_t, gstr>& names, QWidget* parent) {
        CEditValueNamesDialog dialog(names, parent);
        return dialog.DoModal() == IDOK;
    });
}
