#include "sabus/ui/CSabusParameterDialogs.h"

#include "foundation/gregexp.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "sabus/gsabusParameterKinds.h"
#include "sabus/ui/sabusDialogItems.h"
#include "scl/gprogramArgument.h"
#include "shell/CFilteredEdit.h"
#include "shell/CSpinEdit.h"

#include <QCheckBox>
#include <QListWidget>

namespace {

constexpr int newStringCaption = 10480;
constexpr int newNumberCaption = 10478;
constexpr int newBooleanCaption = 10482;
constexpr int newBitsCaption = 10481;
constexpr int newStringSetCaption = 10479;

constexpr int enterVariable = 10483;
constexpr int notNumerical = 10096;
constexpr int notString = 10108;
constexpr int notBoolean = 10075;
constexpr int enterFactor = 10393;
constexpr int enterOffset = 10303;
constexpr int enterWidth = 10467;
constexpr int enterPattern = 10485;
constexpr int badPattern = 10486;
constexpr int enterTrue = 10488;
constexpr int enterFalse = 10489;
constexpr int assignBit = 10484;
constexpr int addValueString = 10487;

constexpr int numericalVariable = 1;
constexpr int stringVariable = 2;
constexpr int booleanVariable = 3;

CTagNameEdit* variableEdit(int kind)
{
    auto* edit = new CTagNameEdit;
    edit->nameKind = kind;
    return edit;
}

} // namespace

CSabusParameterDialogBase::CSabusParameterDialogBase(int templateId, const char* caption, int newCaptionId,
                                                     const gsabusParameter* source, gsabusParameter* target,
                                                     QWidget* parent)
    : CDialog(templateId, parent), newCaptionId_(newCaptionId), source_(source), target_(target)
{
    setWindowTitle(QString::fromLatin1(caption));
}

bool CSabusParameterDialogBase::OnInitDialog()
{
    if (!target_)
        setWindowTitle(toUiText(gstrSlice(stringTableText(newCaptionId_))));
    fillFields();
    return true;
}

void CSabusParameterDialogBase::OnOK()
{
    if (!checkFields())
        return;
    if (!target_) {
        created_ = makeParameter();
        target_ = created_.get();
    }
    storeFields(*target_);
    CDialog::OnOK();
}

bool CSabusParameterDialogBase::checkVariable(int fieldId, int type, int notNameId)
{
    gstr name = controlText(fieldId);
    if (name.isEmpty())
        return refuseField(fieldId, enterVariable);
    if (sclVariableType(name) != type)
        return refuseField(fieldId, notNameId);
    return true;
}

// --- String Parameter

CEditSabusStringParameterDialog::CEditSabusStringParameterDialog(const gsabusParameter* source,
                                                                 gsabusParameter* target, QWidget* parent)
    : CSabusParameterDialogBase(templateId, "Edit String Parameter", newStringCaption, source, target, parent)
{
    setDialogSize(260, 70);
    auto* place = addCheckBox(placeId, "Place data in a &variable", 7, 7, 120, 10);
    addLabel(nameLabelId, "String variable &name:", 17, 23, 80, 8);
    addControl(nameId, variableEdit(stringVariable), 100, 21, 90, 12);
    addLabel(-1, "Data pattern:", 7, 41, 80, 8);
    addEdit(patternId, 100, 39, 90, 12);
    QObject::connect(place, &QCheckBox::toggled, this, [this](bool on) {
        enableControl(nameLabelId, on);
        enableControl(nameId, on);
    });
    addButton(IDOK, "OK", 203, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 203, 24, 50, 14);
}

void CEditSabusStringParameterDialog::fillFields()
{
    const auto* parameter = sourceAs<gsabusStringParameter>();
    bool place = parameter && !parameter->getVariable().isEmpty();
    setChecked(placeId, place);
    enableControl(nameLabelId, place);
    enableControl(nameId, place);
    if (!parameter)
        return;
    setControlText(nameId, parameter->getVariable());
    setControlText(patternId, parameter->patternText());
}

bool CEditSabusStringParameterDialog::checkFields()
{
    if (isChecked(placeId) && !checkVariable(nameId, stringVariable, notString))
        return false;
    gstr text = controlText(patternId);
    if (text.isEmpty())
        return refuseField(patternId, enterPattern);
    compiled_ = std::make_unique<gregexp>(false);
    if (compiled_->parse(text.data(), true, false) != 1)
        return refuseField(patternId, badPattern);
    return true;
}

std::unique_ptr<gsabusParameter> CEditSabusStringParameterDialog::makeParameter() const
{
    return std::make_unique<gsabusStringParameter>();
}

void CEditSabusStringParameterDialog::storeFields(gsabusParameter& target)
{
    auto& parameter = static_cast<gsabusStringParameter&>(target);
    gstr name = controlText(nameId);
    if (isChecked(placeId) && !name.isEmpty())
        parameter.setVariable(name);
    else
        parameter.clearVariable();
    parameter.takePattern(*compiled_);
}

// --- Number Parameter

CEditSabusNumberParameterDialog::CEditSabusNumberParameterDialog(const gsabusParameter* source,
                                                                 gsabusParameter* target, QWidget* parent)
    : CSabusParameterDialogBase(templateId, "Edit Number Parameter", newNumberCaption, source, target, parent)
{
    setDialogSize(260, 150);
    addLabel(-1, "Numerical variable &name:", 7, 9, 90, 8);
    addControl(variableId, variableEdit(numericalVariable), 100, 7, 90, 12);
    addRadioButton(binaryId, "&Binary number", 12, 25, 90, 10);
    addRadioButton(octalId, "&Octal number", 12, 37, 90, 10);
    addRadioButton(decimalId, "&Decimal number", 12, 49, 90, 10);
    addRadioButton(hexadecimalId, "&Hexadecimal number", 12, 61, 90, 10);
    sabusItems::groupRadios(*this, {binaryId, octalId, decimalId, hexadecimalId});
    for (int id : {binaryId, octalId, decimalId, hexadecimalId})
        QObject::connect(controlAs<QAbstractButton>(id), &QAbstractButton::toggled, this,
                         [this] { enableDecimalChoices(); });
    addLabel(-1, "&Factor:", 110, 27, 40, 8);
    addControl(factorId, new CRealSpinEdit, 150, 25, 60, 12);
    addLabel(-1, "Off&set:", 110, 43, 40, 8);
    addControl(offsetId, new CRealSpinEdit, 150, 41, 60, 12);
    addRadioButton(signedId, "Si&gned value", 12, 79, 80, 10);
    addRadioButton(unsignedId, "&Unsigned value", 100, 79, 80, 10);
    sabusItems::groupRadios(*this, {signedId, unsignedId});
    addCheckBox(allowDecimalsId, "Allow decimals", 12, 93, 80, 10);
    auto* fixed = addCheckBox(fixedWidthId, "Use fi&xed width", 12, 109, 80, 10);
    addLabel(widthLabelId, "&Width:", 100, 110, 30, 8);
    addControl(widthId, new CNonNegativeSpinEdit, 130, 108, 50, 12);
    QObject::connect(fixed, &QCheckBox::toggled, this, [this](bool on) {
        enableControl(widthLabelId, on);
        enableControl(widthId, on);
    });
    addButton(IDOK, "OK", 203, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 203, 24, 50, 14);
}

void CEditSabusNumberParameterDialog::fillFields()
{
    const auto* parameter = sourceAs<gsabusNumberParameter>();
    int32_t base = parameter ? parameter->getBase() : 10;
    bool decimal = base != 2 && base != 8 && base != 16;
    if (parameter)
        setControlText(variableId, parameter->getVariable());
    sabusItems::widget<CRealSpinEdit>(*this, factorId)->setValue(parameter ? parameter->getFactor() : 1.0);
    sabusItems::widget<CRealSpinEdit>(*this, offsetId)->setValue(parameter ? parameter->getOffset() : 0.0);
    checkRadioButton(binaryId, hexadecimalId,
                     base == 2 ? binaryId : base == 8 ? octalId : base == 16 ? hexadecimalId : decimalId);
    bool isSigned = decimal && parameter && parameter->getSigned();
    checkRadioButton(signedId, unsignedId, isSigned ? signedId : unsignedId);
    setChecked(allowDecimalsId, decimal && parameter && parameter->getAllowDecimals());
    int32_t width = parameter ? parameter->getWidth() : 0;
    auto* edit = sabusItems::widget<CNonNegativeSpinEdit>(*this, widthId);
    edit->spin().minimum = 1;
    edit->setValue(width != 0 ? width : 1);
    setChecked(fixedWidthId, width != 0);
    enableControl(widthLabelId, width != 0);
    enableControl(widthId, width != 0);
    enableDecimalChoices();
}

void CEditSabusNumberParameterDialog::enableDecimalChoices()
{
    bool decimal = isChecked(decimalId);
    for (int id : {signedId, unsignedId, allowDecimalsId})
        enableControl(id, decimal);
}

int32_t CEditSabusNumberParameterDialog::checkedBase() const
{
    if (isChecked(binaryId))
        return 2;
    if (isChecked(octalId))
        return 8;
    return isChecked(hexadecimalId) ? 16 : 10;
}

bool CEditSabusNumberParameterDialog::checkFields()
{
    if (!checkVariable(variableId, numericalVariable, notNumerical))
        return false;
    if (!sabusItems::widget<CRealSpinEdit>(*this, factorId)->getValue(factor_))
        return refuseField(factorId, enterFactor);
    if (!sabusItems::widget<CRealSpinEdit>(*this, offsetId)->getValue(offset_))
        return refuseField(offsetId, enterOffset);
    width_ = 0;
    if (isChecked(fixedWidthId) && (!sabusItems::widget<CNonNegativeSpinEdit>(*this, widthId)->getValue(width_) || width_ < 1))
        return refuseField(widthId, enterWidth);
    return true;
}

std::unique_ptr<gsabusParameter> CEditSabusNumberParameterDialog::makeParameter() const
{
    return std::make_unique<gsabusNumberParameter>();
}

void CEditSabusNumberParameterDialog::storeFields(gsabusParameter& target)
{
    auto& parameter = static_cast<gsabusNumberParameter&>(target);
    int32_t base = checkedBase();
    parameter.setVariable(controlText(variableId));
    parameter.setBase(base);
    parameter.setWidth(width_);
    parameter.setSigned(base == 10 && isChecked(signedId) ? 1 : 0);
    parameter.setAllowDecimals(base == 10 && isChecked(allowDecimalsId) ? 1 : 0);
    parameter.setFactor(factor_);
    parameter.setOffset(offset_);
}

// --- Boolean Parameter

CEditSabusBooleanParameterDialog::CEditSabusBooleanParameterDialog(const gsabusParameter* source,
                                                                   gsabusParameter* target, QWidget* parent)
    : CSabusParameterDialogBase(templateId, "Edit Boolean Parameter", newBooleanCaption, source, target, parent)
{
    setDialogSize(260, 62);
    addLabel(-1, "Boolean variable &name:", 7, 9, 90, 8);
    addControl(variableId, variableEdit(booleanVariable), 100, 7, 90, 12);
    addLabel(-1, "Set to &true% if data is:", 7, 25, 90, 8);
    sabusItems::acceptPrintableOnly(*addControl(trueId, new CPrintableEdit, 100, 23, 90, 12));
    addLabel(-1, "Set to &false% if data is:", 7, 41, 90, 8);
    sabusItems::acceptPrintableOnly(*addControl(falseId, new CPrintableEdit, 100, 39, 90, 12));
    addButton(IDOK, "OK", 203, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 203, 24, 50, 14);
}

void CEditSabusBooleanParameterDialog::fillFields()
{
    if (const auto* parameter = sourceAs<gsabusBooleanParameter>()) {
        setControlText(variableId, parameter->getVariable());
        setControlText(trueId, parameter->getTrueString());
        setControlText(falseId, parameter->getFalseString());
    }
}

bool CEditSabusBooleanParameterDialog::checkFields()
{
    if (!checkVariable(variableId, booleanVariable, notBoolean))
        return false;
    if (controlText(falseId).isEmpty())
        return refuseField(falseId, enterFalse);
    if (controlText(trueId).isEmpty())
        return refuseField(trueId, enterTrue);
    return true;
}

std::unique_ptr<gsabusParameter> CEditSabusBooleanParameterDialog::makeParameter() const
{
    return std::make_unique<gsabusBooleanParameter>();
}

void CEditSabusBooleanParameterDialog::storeFields(gsabusParameter& target)
{
    auto& parameter = static_cast<gsabusBooleanParameter&>(target);
    parameter.setVariable(controlText(variableId));
    parameter.setTrueString(controlText(trueId));
    parameter.setFalseString(controlText(falseId));
}

// --- Bits Parameter

CEditSabusBitsParameterDialog::CEditSabusBitsParameterDialog(const gsabusParameter* source, gsabusParameter* target,
                                                             QWidget* parent)
    : CSabusParameterDialogBase(templateId, "Edit Bits Parameter", newBitsCaption, source, target, parent)
{
    setDialogSize(300, 110);
    for (int bit = gsabusBitsParameter::bitCount - 1; bit >= 0; --bit)
        addRow(bit, 7 + (gsabusBitsParameter::bitCount - 1 - bit) * 16);
    addButton(IDOK, "OK", 243, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 243, 24, 50, 14);
}

void CEditSabusBitsParameterDialog::addRow(int bit, int y)
{
    static const char* const texts[] = {"Place bit &0 in a variable", "Place bit &1 in a variable",
                                        "Place bit &2 in a variable", "Place bit &3 in a variable",
                                        "Place bit &4 in a variable", "Place bit &5 in a variable"};
    auto* box = addCheckBox(placeId + bit, texts[bit], 7, y + 1, 100, 10);
    addLabel(labelId + bit, "Boolean variable name:", 110, y + 2, 80, 8);
    addControl(nameId + bit, variableEdit(booleanVariable), 190, y, 45, 12);
    QObject::connect(box, &QCheckBox::toggled, this, [this, bit](bool on) {
        enableControl(labelId + bit, on);
        enableControl(nameId + bit, on);
    });
}

void CEditSabusBitsParameterDialog::fillFields()
{
    const auto* parameter = sourceAs<gsabusBitsParameter>();
    for (int bit = 0; bit < gsabusBitsParameter::bitCount; ++bit) {
        bool placed = parameter && !parameter->getVariable(bit).isEmpty();
        setChecked(placeId + bit, placed);
        enableControl(labelId + bit, placed);
        enableControl(nameId + bit, placed);
        if (placed)
            setControlText(nameId + bit, parameter->getVariable(bit));
    }
}

bool CEditSabusBitsParameterDialog::checkFields()
{
    bool any = false;
    for (int bit = 0; bit < gsabusBitsParameter::bitCount; ++bit) {
        if (!isChecked(placeId + bit))
            continue;
        if (!checkVariable(nameId + bit, booleanVariable, notBoolean))
            return false;
        any = true;
    }
    if (!any)
        messageBox(assignBit, gbuttons::ok);
    return any;
}

std::unique_ptr<gsabusParameter> CEditSabusBitsParameterDialog::makeParameter() const
{
    return std::make_unique<gsabusBitsParameter>();
}

void CEditSabusBitsParameterDialog::storeFields(gsabusParameter& target)
{
    auto& parameter = static_cast<gsabusBitsParameter&>(target);
    for (int bit = 0; bit < gsabusBitsParameter::bitCount; ++bit) {
        if (isChecked(placeId + bit))
            parameter.setVariable(bit, controlText(nameId + bit));
        else
            parameter.clearVariable(bit);
    }
}

// --- Set Of Strings Parameter

CEditSabusStringSetParameterDialog::CEditSabusStringSetParameterDialog(const gsabusParameter* source,
                                                                       gsabusParameter* target, QWidget* parent)
    : CSabusParameterDialogBase(templateId, "Edit Set Of Strings Parameter", newStringSetCaption, source, target,
                                parent)
{
    setDialogSize(260, 130);
    addLabel(-1, "Numerical variable &name:", 7, 9, 90, 8);
    addControl(variableId, variableEdit(numericalVariable), 100, 7, 90, 12);
    addLabel(-1, "&Values:", 7, 25, 60, 8);
    addListBox(CValueStringList::listId, 7, 35, 130, 88);
    addButton(CValueStringList::editId, "&Edit...", 142, 35, 50, 14);
    addButton(CValueStringList::duplicateId, "D&uplicate...", 142, 52, 50, 14);
    addButton(CValueStringList::deleteId, "&Delete", 142, 69, 50, 14);
    addButton(CValueStringList::newId, "Ne&w...", 142, 86, 50, 14);
    values_.attach(*this);
    addButton(IDOK, "OK", 203, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 203, 24, 50, 14);
}

void CEditSabusStringSetParameterDialog::fillFields()
{
    if (const auto* parameter = sourceAs<gsabusStringSetParameter>()) {
        setControlText(variableId, parameter->getVariable());
        values_.fill(parameter->strings());
    }
}

bool CEditSabusStringSetParameterDialog::checkFields()
{
    if (values_.count() == 0) {
        messageBox(addValueString, gbuttons::ok);
        return false;
    }
    return checkVariable(variableId, numericalVariable, notNumerical);
}

std::unique_ptr<gsabusParameter> CEditSabusStringSetParameterDialog::makeParameter() const
{
    return std::make_unique<gsabusStringSetParameter>();
}

void CEditSabusStringSetParameterDialog::storeFields(gsabusParameter& target)
{
    auto& parameter = static_cast<gsabusStringSetParameter&>(target);
    parameter.setVariable(controlText(variableId));
    parameter.clearStrings();
    for (int i = 0; i < values_.count(); ++i) {
        uint32_t value = 0;
        gstr text;
        values_.getEntry(i, value, text);
        parameter.setString(value, text);
    }
}
