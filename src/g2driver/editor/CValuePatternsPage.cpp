#include "g2driver/editor/CValuePatternsPage.h"

#include "foundation/gregexp.h"
#include "g2driver/model/gvalueStringMap.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"

#include <QLineEdit>

namespace {

constexpr int noRowsMessage = 10594;
constexpr int badPatternMessage = 10593;
constexpr int editCaption = 10596;
constexpr int replaceQuestion = 10597;
constexpr int valueMessage = 10082;

// Patterns of value maps never match nothing: a file would refuse them.
bool compile(const gstr& source, gregexp& pattern) { return pattern.parse(source.data(), true, false) == 1; }

} // namespace

void CValuePatternsPage::create(CDialog& host, int placeholderId, const gvalueStringMap* map, int variant)
{
    bool wide = variant != 0;
    beginPage(wide ? 795 : 739, wide ? 310 : 200, 82);
    addList("&Patterns for values:", wide ? 250 : 140, 70);
    placeOver(host, placeholderId);
    if (map) {
        for (const auto& [value, pattern] : map->entries()) {
            gstr source("");
            pattern.toString(source, true);
            appendRow(value, source);
        }
    }
    connectList();
}

bool CValuePatternsPage::apply(gvalueStringMap& map)
{
    map.clear();
    if (rowCount() == 0)
        return refuseFocusOnly(listId, noRowsMessage);
    for (int row = 0; row < rowCount(); ++row) {
        gregexp pattern(false);
        if (!compile(rowEntry(row), pattern))
            return refuseFocusOnly(listId, badPatternMessage);
        map.set(rowValue(row), pattern);
    }
    return true;
}

bool CValuePatternsPage::runEntryDialog(uint32_t& value, gstr& entry, bool isNew)
{
    CEditValuePatternDialog dialog(*this, value, entry, isNew, this);
    if (dialog.DoModal() != IDOK)
        return false;
    value = dialog.value();
    entry = dialog.pattern();
    return true;
}

CEditValuePatternDialog::CEditValuePatternDialog(CValuePatternsPage& page, uint32_t value, const gstrSlice& pattern,
                                                 bool isNew, QWidget* parent)
    : CDialog(769, parent), page_(page), value_(value), pattern_(pattern), isNew_(isNew)
{
    setWindowTitle("New Value Pattern");
    setDialogSize(186, 60);
    addLabel(-1, "&Value:", 7, 9, 40, 8);
    addControl(valueId, new CUnsignedSpinEdit, 50, 7, 70, 12);
    addLabel(-1, "&Pattern:", 7, 27, 40, 8);
    addEdit(patternId, 50, 25, 129, 12);
    addButton(IDOK, "OK", 74, 42, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 129, 42, 50, 14);
}

bool CEditValuePatternDialog::OnInitDialog()
{
    setControlText(patternId, pattern_);
    if (isNew_)
        value_ = page_.nextFreeValue();
    else
        setWindowTitle(toUiText(gstr().loadString(editCaption)));
    dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->setValue(value_);
    auto* edit = controlAs<QLineEdit>(patternId);
    auto enableOk = [this, edit] { enableControl(IDOK, !edit->text().isEmpty()); };
    QObject::connect(edit, &QLineEdit::textChanged, this, enableOk);
    enableOk();
    return true;
}

void CEditValuePatternDialog::OnOK()
{
    uint32_t value = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->getValue(value))
        return (void)refuseField(valueId, valueMessage);
    gstr source = controlText(patternId);
    gregexp pattern(false);
    if (!compile(source, pattern))
        return (void)refuseField(patternId, badPatternMessage);
    if (page_.findValue(value, !isNew_) >= 0 && messageBox(replaceQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    value_ = value;
    pattern_ = source;
    EndDialog(IDOK);
}
