#include "g2driver/editor/CEditDataResponseElementDialog.h"

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverDataResponseElement.h"
#include "legacy/ui/objectItems.h"
#include "platform/modalRun.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int noNumericalValues = 10560;
constexpr int enterPattern = 10561;
constexpr int badPattern = 10562;
constexpr int tagTaken = 10568;
constexpr int enterFactorOffset = 10570;
constexpr int enterFactor = 10571;
constexpr int enterOffset = 10572;
constexpr int enterIncludes = 10573;

CNonNegativeSpinEdit& nonNegative(const CDialog& d, int id) { return *dynamic_cast<CNonNegativeSpinEdit*>(d.control(id)); }
CSignedSpinEdit& signedEdit(const CDialog& d, int id) { return *dynamic_cast<CSignedSpinEdit*>(d.control(id)); }

} // namespace

CEditDataResponseElementDialog::CEditDataResponseElementDialog(responseElementHost& page,
                                                               const g2driverResponseElement* source,
                                                               g2driverResponseElement* target, QWidget* parent)
    : CNamedResponseElementDialog(templateId, 10569, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Response Data Element"));
    setDialogSize(260, 176);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 60, 7, 120, 12);
    addCheckBox(lengthId, "&Get length from a value", 7, 25, 120, 10);
    addLabel(valueLabelId, "&Value:", 17, 41, 40, 8);
    addComboBox(valueId, false, 70, 39, 100, 100);
    addLabel(charSizeLabelId, "Char &size:", 17, 59, 40, 8);
    addComboBox(charSizeId, false, 70, 57, 60, 80);
    for (const char* size : {"8 bits", "16 bits", "24 bits", "32 bits"})
        addItem(charSizeId, size);
    addLabel(includesLabelId, "&Includes", 17, 77, 40, 8);
    addControl(includesId, new CNonNegativeSpinEdit, 70, 75, 50, 12);
    addLabel(includesAfterId, "elements before this", 124, 77, 80, 8);
    addLabel(offsetLabelId, "&Offset:", 17, 95, 40, 8);
    addControl(offsetId, new CSignedSpinEdit, 70, 93, 60, 12);
    addRadioButton(fixedFactorId, "Fi&xed factor:", 17, 111, 60, 10);
    addControl(factorId, new CNonNegativeSpinEdit, 80, 110, 50, 12);
    addRadioButton(factorValueRadioId, "F&actor value:", 17, 127, 60, 10);
    addComboBox(factorValueId, false, 80, 126, 100, 100);
    addLabel(factorOffsetLabelId, "&Factor offset:", 27, 145, 50, 8);
    addControl(factorOffsetId, new CSignedSpinEdit, 80, 143, 60, 12);
    addLabel(-1, "&Pattern:", 7, 163, 40, 8);
    addEdit(patternId, 60, 161, 140, 12);
    addButtons();
}

bool CEditDataResponseElementDialog::OnInitDialog()
{
    CResponseElementDialogBase::OnInitDialog();
    g2driverResponseDataName* sourceName = source() ? source()->getResponseData() : nullptr;
    g2driverResponseDataName* current = target() ? target()->getResponseData() : nullptr;
    startTag(sourceName, current, current ? &current->usedBy() : nullptr);
    startLength();
    if (const auto* element = sourceAs<g2driverDataResponseElement>()) {
        gstr text;
        element->pattern().toString(text, true);
        setControlText(patternId, text);
    }
    onCommand(lengthId, [this] { lengthClicked(); });
    for (int id : {fixedFactorId, factorValueRadioId})
        onCommand(id, [this] { enableLength(); });
    fitToContents();
    return true;
}

void CEditDataResponseElementDialog::startLength()
{
    const auto* element = sourceAs<g2driverDataResponseElement>();
    g2driverResponseValue* length = element ? element->lengthValue() : nullptr;
    bool fixed = !length || element->factor() != 0;
    selectItem(charSizeId, length ? element->charSize() - 1 : 0);
    nonNegative(*this, includesId).setValue(length ? element->includes() : 0);
    signedEdit(*this, offsetId).setValue(length ? element->lengthOffset() : 0);
    nonNegative(*this, factorId).setValue(length && fixed ? element->factor() : 1);
    signedEdit(*this, factorOffsetId).setValue(length && !fixed ? element->factorOffset() : 0);
    checkRadioButton(fixedFactorId, factorValueRadioId, fixed ? fixedFactorId : factorValueRadioId);
    fillNumericalValues(*controlAs<QComboBox>(valueId), page().responseValues(), length);
    fillNumericalValues(*controlAs<QComboBox>(factorValueId), page().responseValues(),
                        element ? element->factorValue() : nullptr);
    setChecked(lengthId, length != nullptr);
    enableLength();
}

void CEditDataResponseElementDialog::lengthClicked()
{
    if (isChecked(lengthId) && itemCount(valueId) == 0) {
        messageBox(noNumericalValues, gbuttons::ok);
        setChecked(lengthId, false);
    }
    enableLength();
}

void CEditDataResponseElementDialog::enableLength()
{
    bool on = isChecked(lengthId);
    for (int id : {valueLabelId, valueId, charSizeLabelId, charSizeId, includesLabelId, includesId, includesAfterId,
                   offsetLabelId, offsetId, fixedFactorId, factorValueRadioId})
        enableControl(id, on);
    bool fixed = isChecked(fixedFactorId);
    enableControl(factorId, on && fixed);
    for (int id : {factorValueId, factorOffsetLabelId, factorOffsetId})
        enableControl(id, on && !fixed);
}

g2driverResponseValue* CEditDataResponseElementDialog::chosenValue(int comboId) const
{
    const auto* combo = controlAs<QComboBox>(comboId);
    return static_cast<g2driverResponseValue*>(itemObject(*combo, combo->currentIndex()));
}

bool CEditDataResponseElementDialog::checkLength()
{
    length_ = nullptr;
    charSize_ = includes_ = offset_ = factor_ = factorOffset_ = 0;
    factorValue_ = nullptr;
    if (!isChecked(lengthId))
        return true;
    length_ = chosenValue(valueId);
    charSize_ = selectedItem(charSizeId) + 1;
    if (!nonNegative(*this, includesId).getValue(includes_))
        return refuseField(includesId, enterIncludes);
    if (!signedEdit(*this, offsetId).getValue(offset_))
        return refuseField(offsetId, enterOffset);
    if (isChecked(fixedFactorId)) {
        if (!nonNegative(*this, factorId).getValue(factor_) || factor_ <= 0)
            return refuseField(factorId, enterFactor);
        return true;
    }
    factorValue_ = chosenValue(factorValueId);
    if (!signedEdit(*this, factorOffsetId).getValue(factorOffset_))
        return refuseField(factorOffsetId, enterFactorOffset);
    return true;
}

bool CEditDataResponseElementDialog::checkFields()
{
    gstr text = controlText(patternId);
    if (text.isEmpty())
        return refuseField(patternId, enterPattern);
    gregexp pattern(true);
    if (pattern.parse(text.data(), true, false) != 1)
        return refuseField(patternId, badPattern);
    if (!checkLength())
        return false;
    newName_ = nullptr;
    if (tagIsNew()) {
        newName_ = defineTag(*this, page().responseDataNames(), tagTaken);
        if (!newName_)
            return false;
    }
    pattern_ = pattern;
    return true;
}

g2driverResponseElement* CEditDataResponseElementDialog::makeElement() const
{
    return new g2driverDataResponseElement;
}

void CEditDataResponseElementDialog::storeFields(g2driverResponseElement& element)
{
    auto& data = static_cast<g2driverDataResponseElement&>(element);
    if (newName_) {
        auto* old = static_cast<g2driverResponseDataName*>(currentName());
        data.setName(newName_);
        dropName(page().responseDataNames(), old);
    }
    data.pattern() = pattern_;
    data.setLength(length_, charSize_, includes_, offset_);
    data.setFactor(factor_, factorValue_, factorOffset_);
}
