#include "formats/ui/COnOffStringsDialog.h"

#include "formats/gonOffStrings.h"
#include "shell/CEscapedStringEdit.h"

namespace {

constexpr int bothEmptyMessage = 10518;

} // namespace

void COnOffStringsDialog::create(CDialog& host, int placeholderId, const gonOffStrings* strings, int variant)
{
    bool truth = variant != 0;
    beginPage(truth ? 893 : 743, 200, 50);
    addLabel(-1, truth ? "String for &true:" : "String for o&n:", 0, 2, 60, 8);
    onField_ = addControl(onFieldId, new CEscapedStringEdit, 62, 0, 130, 12);
    addLabel(-1, truth ? "String for &false:" : "String for &off:", 0, 20, 60, 8);
    offField_ = addControl(offFieldId, new CEscapedStringEdit, 62, 18, 130, 12);
    addRadioButton(showAsTextId, "Show as te&xt", 62, 36, 60, 10);
    addRadioButton(showAsHexId, "Show as &hex", 126, 36, 60, 10);
    groupRadioButtons({showAsTextId, showAsHexId});
    placeOver(host, placeholderId);

    keepsHexMode_ = true;
    hexMode_ = readHexModeSetting();
    showHexMode(*offField_, *onField_);
    if (strings) {
        offField_->setValue(strings->offText());
        onField_->setValue(strings->onText());
    }
    for (int id : {showAsTextId, showAsHexId})
        onClick(id, [this] { switchHexMode(*offField_, *onField_); });
}

bool COnOffStringsDialog::apply(gonOffStrings& strings)
{
    gstr off;
    gstr on;
    if (!offField_->getValue(off, false)) {
        focusControl(offFieldId);
        return false;
    }
    if (!onField_->getValue(on, false)) {
        focusControl(onFieldId);
        return false;
    }
    if (off.isEmpty() && on.isEmpty())
        return refuseFocusOnly(offFieldId, bothEmptyMessage);
    strings.setTexts(on, off);
    return true;
}
