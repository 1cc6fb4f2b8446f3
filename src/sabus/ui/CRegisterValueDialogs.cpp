#include "sabus/ui/CRegisterValueDialogs.h"

#include "platform/modalRun.h"
#include "sabus/gsabusRegisterData.h"
#include "sabus/ui/sabusDialogItems.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CFilteredEdit.h"
#include "shell/CSpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

namespace {

constexpr int noRegisters = 10191;
constexpr int noDigitalRegisters = 10471;
constexpr int noAnalogRegisters = 10470;
constexpr int noStringRegisters = 10469;

constexpr int newStateCaption = 10457;
constexpr int newDigitalCaption = 10462;
constexpr int newAnalogCaption = 10461;
constexpr int newStringCaption = 10460;

constexpr int enterOff = 10458;
constexpr int enterOn = 10459;
constexpr int enterPadding = 10468;
constexpr int addValueString = 10487;
constexpr int enterFactor = 10393;
constexpr int enterOffset = 10303;
constexpr int enterDecimals = 10472;
constexpr int widthForDecimals = 10473;

constexpr int digitalClass = 2;
constexpr int analogClass = 3;
constexpr int stringClass = 4;

// The base buttons by base: 2, 8 and 16 have their own; 10 and anything
// else is decimal.
int baseButton(int32_t base)
{
    switch (base) {
    case 2: return CEditDigitalRegisterNumberResponseDataDialog::binaryId;
    case 8: return CEditDigitalRegisterNumberResponseDataDialog::octalId;
    case 16: return CEditDigitalRegisterNumberResponseDataDialog::hexadecimalId;
    default: return CEditDigitalRegisterNumberResponseDataDialog::decimalId;
    }
}

int32_t checkedBase(const CDialog& dialog)
{
    if (dialog.isChecked(CEditDigitalRegisterNumberResponseDataDialog::binaryId))
        return 2;
    if (dialog.isChecked(CEditDigitalRegisterNumberResponseDataDialog::octalId))
        return 8;
    if (dialog.isChecked(CEditDigitalRegisterNumberResponseDataDialog::hexadecimalId))
        return 16;
    return 10;
}

} // namespace

// --- Register State

CEditRegisterStateResponseDataDialog::CEditRegisterStateResponseDataDialog(const gsabusResponseData* source,
                                                                           gsabusResponseData* target,
                                                                           QWidget* parent)
    : CRegisterResponseDataDialog(templateId, "Edit Register State Response Data", newStateCaption, 0, noRegisters,
                                  source, target, parent)
{
    setDialogSize(280, 110);
    addRegisterFields(7, 7, 55);
    addLabel(-1, "&Off state:", 7, 25, 60, 8);
    sabusItems::acceptPrintableOnly(*addControl(offId, new CPrintableEdit, 72, 23, 140, 12));
    addLabel(-1, "O&n state:", 7, 41, 60, 8);
    sabusItems::acceptPrintableOnly(*addControl(onId, new CPrintableEdit, 72, 39, 140, 12));
    addButton(IDOK, "OK", 223, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 223, 24, 50, 14);
}

void CEditRegisterStateResponseDataDialog::fillKindFields()
{
    if (const auto* item = sourceAs<gsabusRegisterStatusData>()) {
        setControlText(offId, item->getOffString());
        setControlText(onId, item->getOnString());
    }
}

bool CEditRegisterStateResponseDataDialog::checkFields()
{
    if (controlText(offId).isEmpty())
        return refuseField(offId, enterOff);
    if (controlText(onId).isEmpty())
        return refuseField(onId, enterOn);
    return true;
}

std::unique_ptr<gsabusResponseData> CEditRegisterStateResponseDataDialog::makeItem() const
{
    return std::make_unique<gsabusRegisterStatusData>();
}

void CEditRegisterStateResponseDataDialog::storeKindFields(gsabusRegisterData& target)
{
    auto& item = static_cast<gsabusRegisterStatusData&>(target);
    item.setOffString(controlText(offId));
    item.setOnString(controlText(onId));
}

// --- Digital Register Value (number)

CEditDigitalRegisterNumberResponseDataDialog::CEditDigitalRegisterNumberResponseDataDialog(
    const gsabusResponseData* source, gsabusResponseData* target, QWidget* parent)
    : CRegisterResponseDataDialog(templateId, "Edit Digital Register Value Response Data", newDigitalCaption,
                                  digitalClass, noDigitalRegisters, source, target, parent)
{
    setDialogSize(280, 150);
    addRegisterFields(7, 7, 95);
    addRadioButton(binaryId, "&Binary number", 12, 25, 90, 10);
    addRadioButton(octalId, "&Octal number", 12, 37, 90, 10);
    addRadioButton(decimalId, "&Decimal number", 12, 49, 90, 10);
    addRadioButton(hexadecimalId, "&Hexadecimal number", 12, 61, 90, 10);
    sabusItems::groupRadios(*this, {binaryId, octalId, decimalId, hexadecimalId});
    addWidthFields(fixedWidthId, widthLabelId, widthId, 12, 77);
    addButton(IDOK, "OK", 223, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 223, 24, 50, 14);
}

void CEditDigitalRegisterNumberResponseDataDialog::fillKindFields()
{
    const auto* item = sourceAs<gsabusDigitalNumberData>();
    checkRadioButton(binaryId, hexadecimalId, baseButton(item ? item->getBase() : 10));
    showWidth(fixedWidthId, widthId, item ? item->getWidth() : 0);
}

bool CEditDigitalRegisterNumberResponseDataDialog::checkFields() { return readWidth(fixedWidthId, widthId, width_); }

std::unique_ptr<gsabusResponseData> CEditDigitalRegisterNumberResponseDataDialog::makeItem() const
{
    return std::make_unique<gsabusDigitalNumberData>();
}

void CEditDigitalRegisterNumberResponseDataDialog::storeKindFields(gsabusRegisterData& target)
{
    auto& item = static_cast<gsabusDigitalNumberData&>(target);
    item.setBase(checkedBase(*this));
    item.setWidth(width_);
}

// --- Digital Register Value (strings)

CEditDigitalRegisterStringsResponseDataDialog::CEditDigitalRegisterStringsResponseDataDialog(
    const gsabusResponseData* source, gsabusResponseData* target, QWidget* parent)
    : CRegisterResponseDataDialog(templateId, "Edit Digital Register Value Response Data", newDigitalCaption,
                                  digitalClass, noDigitalRegisters, source, target, parent)
{
    setDialogSize(280, 190);
    addRegisterFields(7, 7, 135);
    addLabel(-1, "&Values:", 7, 25, 60, 8);
    addListBox(CValueStringList::listId, 7, 35, 150, 76);
    addButton(CValueStringList::editId, "&Edit...", 162, 35, 50, 14);
    addButton(CValueStringList::duplicateId, "D&uplicate...", 162, 52, 50, 14);
    addButton(CValueStringList::deleteId, "&Delete", 162, 69, 50, 14);
    addButton(CValueStringList::newId, "Ne&w...", 162, 86, 50, 14);
    values_.attach(*this);
    addLabel(-1, "&Other values:", 7, 119, 60, 8);
    sabusItems::acceptPrintableOnly(*addControl(otherValuesId, new CPrintableEdit, 72, 117, 140, 12));
    addButton(IDOK, "OK", 223, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 223, 24, 50, 14);
}

void CEditDigitalRegisterStringsResponseDataDialog::fillKindFields()
{
    if (const auto* item = sourceAs<gsabusDigitalStringsData>()) {
        values_.fill(item->strings());
        setControlText(otherValuesId, item->getDefaultString());
    }
}

bool CEditDigitalRegisterStringsResponseDataDialog::checkFields()
{
    if (values_.count() != 0)
        return true;
    messageBox(addValueString, gbuttons::ok);
    return false;
}

std::unique_ptr<gsabusResponseData> CEditDigitalRegisterStringsResponseDataDialog::makeItem() const
{
    return std::make_unique<gsabusDigitalStringsData>();
}

void CEditDigitalRegisterStringsResponseDataDialog::storeKindFields(gsabusRegisterData& target)
{
    auto& item = static_cast<gsabusDigitalStringsData&>(target);
    item.clearStrings();
    for (int i = 0; i < values_.count(); ++i) {
        uint32_t value = 0;
        gstr text;
        values_.getEntry(i, value, text);
        item.setString(text, value);
    }
    item.setDefaultString(controlText(otherValuesId));
}

// --- Analog Register Value

CEditAnalogRegisterResponseDataDialog::CEditAnalogRegisterResponseDataDialog(const gsabusResponseData* source,
                                                                             gsabusResponseData* target,
                                                                             QWidget* parent)
    : CRegisterResponseDataDialog(templateId, "Edit Analog Register Value Response Data", newAnalogCaption,
                                  analogClass, noAnalogRegisters, source, target, parent)
{
    setDialogSize(280, 200);
    addRegisterFields(7, 7, 145);
    addLabel(-1, "&Value:", 7, 25, 60, 8);
    auto* value = addComboBox(valueId, false, 72, 23, 80, 80);
    for (const char* text : {"Current", "Lowest", "Highest", "All values"})
        value->addItem(QString::fromLatin1(text));
    QObject::connect(value, &QComboBox::currentIndexChanged, this, [this] { enableSeparator(); });
    addLabel(-1, "&Factor:", 7, 41, 60, 8);
    addControl(factorId, new CRealSpinEdit, 72, 39, 80, 12);
    addLabel(-1, "Off&set:", 7, 57, 60, 8);
    addControl(offsetId, new CRealSpinEdit, 72, 55, 80, 12);
    addRadioButton(signedId, "Si&gned value", 12, 72, 80, 10);
    addRadioButton(unsignedId, "&Unsigned value", 100, 72, 80, 10);
    sabusItems::groupRadios(*this, {signedId, unsignedId});
    addLabel(-1, "&Decimals:", 7, 89, 60, 8);
    addControl(decimalsId, new CNonNegativeSpinEdit, 72, 87, 50, 12);
    addWidthFields(fixedWidthId, widthLabelId, widthId, 12, 105);
    addLabel(separatorLabelId, "Separator between values:", 7, 123, 95, 8);
    addEdit(separatorId, 105, 121, 50, 12);
    addButton(IDOK, "OK", 223, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 223, 24, 50, 14);
}

void CEditAnalogRegisterResponseDataDialog::fillKindFields()
{
    const auto* item = sourceAs<gsabusAnalogNumberData>();
    int32_t selector = item ? item->getSelector() : gsabusAnalogNumberData::current;
    selectItem(valueId, selector >= gsabusAnalogNumberData::current ? selector - 1 : 0);
    checkRadioButton(signedId, unsignedId, item && item->getSign() == 1 ? signedId : unsignedId);
    sabusItems::widget<CRealSpinEdit>(*this, factorId)->setValue(item ? item->getFactor() : 1.0);
    sabusItems::widget<CRealSpinEdit>(*this, offsetId)->setValue(item ? item->getOffset() : 0.0);
    if (item && item->getDecimals() >= 0)
        sabusItems::widget<CNonNegativeSpinEdit>(*this, decimalsId)->setValue(item->getDecimals());
    showWidth(fixedWidthId, widthId, item ? item->getWidth() : 0);
    if (item && selector == gsabusAnalogNumberData::allValues)
        setControlText(separatorId, item->getSeparator());
    enableSeparator();
}

void CEditAnalogRegisterResponseDataDialog::enableSeparator()
{
    bool all = selectedItem(valueId) == gsabusAnalogNumberData::allValues - 1;
    enableControl(separatorLabelId, all);
    enableControl(separatorId, all);
}

bool CEditAnalogRegisterResponseDataDialog::checkFields()
{
    if (!sabusItems::widget<CRealSpinEdit>(*this, factorId)->getValue(factor_))
        return refuseField(factorId, enterFactor);
    if (!sabusItems::widget<CRealSpinEdit>(*this, offsetId)->getValue(offset_))
        return refuseField(offsetId, enterOffset);
    if (!sabusItems::widget<CNonNegativeSpinEdit>(*this, decimalsId)->getValue(decimals_))
        return refuseField(decimalsId, enterDecimals);
    if (!readWidth(fixedWidthId, widthId, width_))
        return false;
    // A width must hold a digit and the point besides the decimals.
    if (width_ != 0 && decimals_ != 0 && int64_t{width_} < int64_t{decimals_} + 2)
        return refuseField(widthId, widthForDecimals);
    return true;
}

std::unique_ptr<gsabusResponseData> CEditAnalogRegisterResponseDataDialog::makeItem() const
{
    return std::make_unique<gsabusAnalogNumberData>();
}

void CEditAnalogRegisterResponseDataDialog::storeKindFields(gsabusRegisterData& target)
{
    auto& item = static_cast<gsabusAnalogNumberData&>(target);
    item.setSign(isChecked(signedId) ? 1 : 0);
    item.setFactor(factor_);
    item.setOffset(offset_);
    item.setDecimals(decimals_);
    item.setWidth(width_);
    int32_t selector = selectedItem(valueId) + 1;
    item.setSelector(selector);
    if (selector == gsabusAnalogNumberData::allValues)
        item.setSeparator(controlText(separatorId));
    else
        item.clearSeparator();
}

// --- String Register Value

CEditStringRegisterResponseDataDialog::CEditStringRegisterResponseDataDialog(const gsabusResponseData* source,
                                                                             gsabusResponseData* target,
                                                                             QWidget* parent)
    : CRegisterResponseDataDialog(templateId, "Edit String Register Value Response Data", newStringCaption,
                                  stringClass, noStringRegisters, source, target, parent)
{
    setDialogSize(280, 130);
    addRegisterFields(7, 7, 75);
    addLabel(-1, "&Padding:", 7, 25, 60, 8);
    sabusItems::acceptPrintableOnly(*addControl(paddingId, new CPrintableEdit, 72, 23, 30, 12));
    addWidthFields(fixedWidthId, widthLabelId, widthId, 12, 43);
    addRadioButton(leftId, "&Left aligned", 22, 57, 70, 10);
    addRadioButton(rightId, "&Right aligned", 100, 57, 70, 10);
    sabusItems::groupRadios(*this, {leftId, rightId});
    QObject::connect(controlAs<QCheckBox>(fixedWidthId), &QCheckBox::toggled, this, [this](bool on) {
        enableControl(leftId, on);
        enableControl(rightId, on);
    });
    addButton(IDOK, "OK", 223, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 223, 24, 50, 14);
}

void CEditStringRegisterResponseDataDialog::fillKindFields()
{
    const auto* item = sourceAs<gsabusStringData>();
    char padding = item ? item->getPadding() : 0;
    if (padding != 0)
        setControlText(paddingId, gstrSlice(&padding, 1));
    showWidth(fixedWidthId, widthId, item ? item->getWidth() : 0);
    if (item)
        checkRadioButton(leftId, rightId, item->getWidth() != 0 && item->getAlignment() == 1 ? rightId : leftId);
}

bool CEditStringRegisterResponseDataDialog::checkFields()
{
    if (controlText(paddingId).isEmpty())
        return refuseField(paddingId, enterPadding);
    return readWidth(fixedWidthId, widthId, width_);
}

std::unique_ptr<gsabusResponseData> CEditStringRegisterResponseDataDialog::makeItem() const
{
    return std::make_unique<gsabusStringData>();
}

void CEditStringRegisterResponseDataDialog::storeKindFields(gsabusRegisterData& target)
{
    auto& item = static_cast<gsabusStringData&>(target);
    item.setPadding(controlText(paddingId)[0]);
    item.setWidth(width_);
    item.setAlignment(width_ != 0 && isChecked(rightId) ? 1 : 0);
}
