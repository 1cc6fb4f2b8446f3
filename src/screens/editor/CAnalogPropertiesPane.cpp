#include "screens/editor/CAnalogPropertiesPane.h"

#include "formats/ui/CEditExponentialNotationDialog.h"
#include "formats/ui/CEditFactorOffsetDialog.h"
#include "platform/settingsStore.h"
#include "registers/gregister.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpreviewValues.h"

#include <QComboBox>

#include <charconv>

namespace {

constexpr int decimalsMessage = 10103;

void* analogPart(gregister& reg) { return reg.getAnalogSupplement(); }

// The profile's preview value when it reads completely as a decimal number
// with "." as its point.
void readPreviewValue(double& value)
{
    gstr text = profileString("Settings", "AnalogValue", "");
    for (char c : text.view()) {
        bool allowed = (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
        if (!allowed)
            return;
    }
    const char* begin = text.view().data();
    const char* end = begin + text.length();
    if (begin < end && *begin == '+')
        return;
    double read = 0;
    auto [stop, error] = std::from_chars(begin, end, read, std::chars_format::general);
    if (!text.isEmpty() && error == std::errc() && stop == end)
        value = read;
}

} // namespace

CAnalogPropertiesPane::CAnalogPropertiesPane(QWidget* parent)
    : CValuePane(templateId, ggraphObject::maskAnalog, parent)
{
    gpreviewValues& preview = previewValues();
    preview.analogState = gstate::off;
    preview.analogValue = 1.53;
    readPreviewValue(preview.analogValue);
    addRegisterAndTexts();
    addLabel(valueLabel, "&Value:", 2, 50, 24, 8);
    auto* values = addComboBox(valueList, false, 28, 48, 57, 60);
    for (const char* name : {"Current", "Lowest", "Highest"})
        values->addItem(QString::fromLatin1(name));
    QObject::connect(values, &QComboBox::activated, this, [this](int item) {
        if (item < 0 || item >= 3 || !record())
            return;
        record()->analog.valueShown.set(item + 1);
        applySetting(gprop::valueShown);
    });
    addLabel(decimalsLabel, "&Decimals:", 2, 64, 34, 8);
    addNumberField(decimalsField, 0, 38, 62, 24, 12);
    addTriStateBox(plusSignBox, "Show pl&us sign", 2, 78, 83, 10);
    onCommand(plusSignBox, [this] {
        if (!record())
            return;
        clickedCheck(plusSignBox, record()->analog.plusSign);
        applySetting(gprop::plusSign);
    });
    addButton(exponentButton, "Exponent...", 2, 90, 41, 14);
    onCommand(exponentButton, [this] { runExponent(); });
    addButton(factorOffsetButton, "Fact./off...", 44, 90, 41, 14);
    onCommand(factorOffsetButton, [this] { runFactorOffset(); });
    addStateControls(108);
}

gpropValueText& CAnalogPropertiesPane::valueText() { return record()->analog.valueText; }

int32_t& CAnalogPropertiesPane::previewState() { return previewValues().analogState; }

gtriStateDouble& CAnalogPropertiesPane::factor() { return record()->analog.factor; }

gtriStateDouble& CAnalogPropertiesPane::offset() { return record()->analog.offset; }

gpropExponentValues& CAnalogPropertiesPane::exponent() { return record()->analog.exponent; }

void CAnalogPropertiesPane::takeUseExponent() { useExponent_.set(record()->analog.useExponent.get()); }

void CAnalogPropertiesPane::storeUseExponent()
{
    if (useExponent_.hasValue())
        record()->analog.useExponent.set(useExponent_.get() != 0);
}

void CAnalogPropertiesPane::applyToSelection(int property)
{
    if (property == analogProperty::useExponent)
        storeUseExponent();
    if (fscreen* edited = screen())
        edited->setSelectionProperties(mask(), property, gstate::off, 0);
}

void CAnalogPropertiesPane::loadRegister()
{
    const auto& reg = record()->analog.reg;
    showItem(registerList, reg.hasValue() ? findItemData(registerList, referredObject(reg)) : -1);
    enableControl(registerList, reg.isSet());
}

void CAnalogPropertiesPane::storeRegister(void* item)
{
    record()->analog.reg.set(static_cast<ganalogSupplement*>(item));
    applySetting(gprop::registerRef);
}

void CAnalogPropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->analog.reg) : nullptr, analogPart);
}

void CAnalogPropertiesPane::loadSettings()
{
    const gpropAnalog& set = record()->analog;
    showItem(valueList, set.valueShown.hasValue() ? set.valueShown.get() - 1 : -1);
    enableWithLabel(valueList, valueLabel, set.valueShown.isSet());
    enableControl(factorOffsetButton, set.factor.isSet() && set.offset.isSet());
    showNumber(decimalsField, set.precision, 0);
    enableWithLabel(decimalsField, decimalsLabel, set.precision.isSet());
    showCheck(plusSignBox, set.plusSign);
    enableControl(exponentButton, set.useExponent.isSet());
}

void CAnalogPropertiesPane::commitSettings()
{
    if (record() && commitNumber(decimalsField, 0, decimalsMessage, record()->analog.precision, 0))
        applySetting(gprop::precision);
}

void CAnalogPropertiesPane::numberStepped(int id, int32_t value)
{
    if (id != decimalsField) {
        CValuePane::numberStepped(id, value);
        return;
    }
    if (!record())
        return;
    record()->analog.precision.set(value);
    applySetting(gprop::precision);
}

void CAnalogPropertiesPane::runFactorOffset()
{
    if (!record())
        return;
    CEditFactorOffsetDialog dialog(*this, this);
    dialog.DoModal();
}

void CAnalogPropertiesPane::runExponent()
{
    if (!record())
        return;
    takeUseExponent();
    CEditExponentialNotationDialog dialog(*this, this);
    dialog.DoModal();
    storeUseExponent();
}
