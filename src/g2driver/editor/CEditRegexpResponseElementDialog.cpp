#include "g2driver/editor/CEditRegexpResponseElementDialog.h"

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverRegexpResponseElement.h"
#include "legacy/ui/objectItems.h"
#include "platform/modalRun.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int noNumericalValues = 10560;
constexpr int enterPattern = 10561;
constexpr int badPattern = 10562;
constexpr int enterOffset = 10572;

} // namespace

CEditRegexpResponseElementDialog::CEditRegexpResponseElementDialog(responseElementHost& page,
                                                                   const g2driverResponseElement* source,
                                                                   g2driverResponseElement* target, QWidget* parent)
    : CResponseElementDialogBase(templateId, 10559, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Regular Expression Element"));
    setDialogSize(260, 80);
    addLabel(-1, "&Pattern:", 7, 9, 40, 8);
    addEdit(patternId, 50, 7, 140, 12);
    addCheckBox(repeatId, "&Use a value for the number of repeats", 7, 25, 180, 10);
    addLabel(valueLabelId, "&Value:", 17, 41, 30, 8);
    addComboBox(valueId, false, 50, 39, 100, 100);
    addLabel(offsetLabelId, "&Offset:", 17, 59, 30, 8);
    addControl(offsetId, new CSignedSpinEdit, 50, 57, 60, 12);
    addButtons();
}

bool CEditRegexpResponseElementDialog::OnInitDialog()
{
    CResponseElementDialogBase::OnInitDialog();
    const auto* element = sourceAs<g2driverRegexpResponseElement>();
    g2driverResponseValue* repeat = element ? element->repeatValue() : nullptr;
    if (element) {
        gstr text;
        element->pattern().toString(text, true);
        setControlText(patternId, text);
    }
    dynamic_cast<CSignedSpinEdit*>(control(offsetId))->setValue(repeat ? element->repeatOffset() : 0);
    bool any = fillNumericalValues(*controlAs<QComboBox>(valueId), page().responseValues(), repeat);
    setChecked(repeatId, repeat != nullptr);
    if (repeat && !any) {
        messageBox(noNumericalValues, gbuttons::ok);
        setChecked(repeatId, false);
    }
    enableRepeat();
    onCommand(repeatId, [this] { repeatClicked(); });
    fitToContents();
    return true;
}

void CEditRegexpResponseElementDialog::repeatClicked()
{
    if (isChecked(repeatId) && itemCount(valueId) == 0) {
        messageBox(noNumericalValues, gbuttons::ok);
        setChecked(repeatId, false);
    }
    enableRepeat();
}

void CEditRegexpResponseElementDialog::enableRepeat()
{
    bool on = isChecked(repeatId);
    for (int id : {valueLabelId, valueId, offsetLabelId, offsetId})
        enableControl(id, on);
}

bool CEditRegexpResponseElementDialog::checkFields()
{
    gstr text = controlText(patternId);
    if (text.isEmpty())
        return refuseField(patternId, enterPattern);
    gregexp pattern(true);
    if (pattern.parse(text.data(), true, false) != 1)
        return refuseField(patternId, badPattern);
    value_ = nullptr;
    offset_ = 0;
    if (isChecked(repeatId)) {
        if (!dynamic_cast<CSignedSpinEdit*>(control(offsetId))->getValue(offset_))
            return refuseField(offsetId, enterOffset);
        const auto* combo = controlAs<QComboBox>(valueId);
        value_ = static_cast<g2driverResponseValue*>(itemObject(*combo, combo->currentIndex()));
    }
    pattern_ = pattern;
    return true;
}

g2driverResponseElement* CEditRegexpResponseElementDialog::makeElement() const
{
    return new g2driverRegexpResponseElement;
}

void CEditRegexpResponseElementDialog::storeFields(g2driverResponseElement& element)
{
    auto& regexp = static_cast<g2driverRegexpResponseElement&>(element);
    regexp.pattern() = pattern_;
    regexp.setRepeat(value_, offset_);
}
