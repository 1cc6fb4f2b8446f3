#include "g2driver/editor/CValueStringsPage.h"

#include "g2driver/model/gvalueStringTable.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CSpinEdit.h"

#include <QPushButton>

namespace {

constexpr int noRowsMessage = 10590;
constexpr int editCaption = 10591;
constexpr int replaceQuestion = 10592;
constexpr int valueMessage = 10082;

} // namespace

void CValueStringsPage::create(CDialog& host, int placeholderId, const gvalueStringTable* table, int variant)
{
    bool use = variant != 0;
    beginPage(use ? 891 : 736, 200, 118);
    addList(use ? "&Strings to use for values:" : "&Strings to send for values:", 140, 70);
    addLabel(-1, "String for &all other values:", 0, 86, 100, 8);
    default_ = addControl(defaultFieldId, new CEscapedStringEdit, 102, 84, 94, 12);
    addRadioButton(showAsTextId, "Show as te&xt", 102, 100, 60, 10);
    addRadioButton(showAsHexId, "Show as &hex", 162, 100, 60, 10);
    groupRadioButtons({showAsTextId, showAsHexId});
    placeOver(host, placeholderId);

    keepsHexMode_ = true;
    hexMode_ = readHexModeSetting();
    checkRadioButton(showAsHexId, showAsTextId, hexMode_ ? showAsHexId : showAsTextId);
    default_->setHexMode(hexMode_, true);
    if (table) {
        for (const auto& [value, text] : table->entries())
            appendRow(value, text);
        default_->setValue(table->defaultString());
    }
    connectList();
    for (int id : {showAsTextId, showAsHexId})
        onClick(id, [this] { switchMode(); });
}

gstr CValueStringsPage::shownEntry(const gstrSlice& entry) const
{
    gstr shown("");
    shown.assignQuoted(entry, true, false);
    return shown;
}

void CValueStringsPage::switchMode()
{
    int wanted = isChecked(showAsHexId) ? 1 : 0;
    if (!setHexMode(wanted, false))
        checkRadioButton(showAsHexId, showAsTextId, hexMode_ ? showAsHexId : showAsTextId);
}

bool CValueStringsPage::setHexMode(int mode, bool silent)
{
    if (!default_->setHexMode(mode, silent))
        return false;
    hexMode_ = mode;
    checkRadioButton(showAsHexId, showAsTextId, hexMode_ ? showAsHexId : showAsTextId);
    return true;
}

bool CValueStringsPage::apply(gvalueStringTable& table)
{
    table.entries().clear();
    if (rowCount() == 0)
        return refuseFocusOnly(listId, noRowsMessage);
    for (int row = 0; row < rowCount(); ++row)
        table.entries()[rowValue(row)] = rowEntry(row);
    gstr other;
    if (!default_->getValue(other, false)) {
        focusControl(defaultFieldId);
        return false;
    }
    table.setDefaultString(other);
    return true;
}

bool CValueStringsPage::runEntryDialog(uint32_t& value, gstr& entry, bool isNew)
{
    CEditValueStringDialog dialog(*this, value, entry, isNew, this);
    if (dialog.DoModal() != IDOK)
        return false;
    value = dialog.value();
    entry = dialog.string();
    return true;
}

CEditValueStringDialog::CEditValueStringDialog(CValueStringsPage& page, uint32_t value, const gstrSlice& string,
                                               bool isNew, QWidget* parent)
    : CDialog(768, parent), page_(page), value_(value), string_(string), isNew_(isNew)
{
    setWindowTitle("New Value String");
    setDialogSize(186, 70);
    addLabel(-1, "&Value:", 7, 9, 40, 8);
    addControl(valueId, new CUnsignedSpinEdit, 50, 7, 70, 12);
    addLabel(-1, "&String:", 7, 27, 40, 8);
    edit_ = addControl(stringId, new CEscapedStringEdit, 50, 25, 129, 12);
    addRadioButton(CDataFormatPage::showAsTextId, "Show as te&xt", 50, 40, 60, 10);
    addRadioButton(CDataFormatPage::showAsHexId, "Show as &hex", 112, 40, 60, 10);
    addButton(IDOK, "OK", 74, 53, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 129, 53, 50, 14);
}

bool CEditValueStringDialog::OnInitDialog()
{
    int mode = page_.hexMode();
    checkRadioButton(CDataFormatPage::showAsHexId, CDataFormatPage::showAsTextId,
                     mode ? CDataFormatPage::showAsHexId : CDataFormatPage::showAsTextId);
    edit_->setHexMode(mode, true);
    if (!string_.isEmpty())
        edit_->setValue(string_);
    if (isNew_) {
        value_ = page_.nextFreeValue();
    } else {
        setWindowTitle(toUiText(gstr().loadString(editCaption)));
    }
    dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->setValue(value_);
    QObject::connect(edit_, &QLineEdit::textChanged, this, [this] { enableOk(); });
    for (int id : {CDataFormatPage::showAsTextId, CDataFormatPage::showAsHexId})
        onCommand(id, [this] { switchMode(); });
    enableOk();
    return true;
}

void CEditValueStringDialog::enableOk() { enableControl(IDOK, !edit_->text().isEmpty()); }

void CEditValueStringDialog::switchMode()
{
    int wanted = isChecked(CDataFormatPage::showAsHexId) ? 1 : 0;
    if (edit_->setHexMode(wanted, false)) {
        page_.setHexMode(wanted, true);
        return;
    }
    int kept = edit_->hexMode();
    checkRadioButton(CDataFormatPage::showAsHexId, CDataFormatPage::showAsTextId,
                     kept ? CDataFormatPage::showAsHexId : CDataFormatPage::showAsTextId);
}

void CEditValueStringDialog::OnOK()
{
    uint32_t value = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->getValue(value))
        return (void)refuseField(valueId, valueMessage);
    gstr string;
    if (!edit_->getValue(string, false))
        return focusControl(stringId);
    if (page_.findValue(value, !isNew_) >= 0 && messageBox(replaceQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    value_ = value;
    string_ = string;
    EndDialog(IDOK);
}
