#include "screens/editor/CDigitalPropertiesPane.h"

#include "platform/settingsStore.h"
#include "registers/gregister.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpreviewValues.h"

#include <QComboBox>

#include <charconv>

namespace {

constexpr int digitsMessage = 10092;
constexpr int bases[] = {10, 16, 2, 8};

void* digitalPart(gregister& reg) { return reg.getDigitalSupplement(); }

// The profile's preview value when it is one whole unsigned number.
void readPreviewValue(uint32_t& value)
{
    gstr text = profileString("Settings", "DigitalValue", "");
    const char* end = text.view().data() + text.length();
    uint32_t read = 0;
    auto [stop, error] = std::from_chars(text.view().data(), end, read, 10);
    if (!text.isEmpty() && error == std::errc() && stop == end)
        value = read;
}

} // namespace

CDigitalPropertiesPane::CDigitalPropertiesPane(QWidget* parent)
    : CValuePane(templateId, ggraphObject::maskDigital, parent)
{
    gpreviewValues& preview = previewValues();
    preview.digitalState = gstate::off;
    preview.digitalValue = 720;
    readPreviewValue(preview.digitalValue);
    addRegisterAndTexts();
    addLabel(baseLabel, "Bas&e:", 2, 50, 24, 8);
    auto* list = addComboBox(baseList, false, 28, 48, 57, 60);
    for (const char* name : {"Decimal", "Hexadecimal", "Binary", "Octal"})
        list->addItem(QString::fromLatin1(name));
    QObject::connect(list, &QComboBox::activated, this, [this](int item) {
        if (item < 0 || item >= 4 || !record())
            return;
        record()->digital.base.set(bases[item]);
        applySetting(gprop::base);
    });
    addLabel(digitsLabel, "&Minimum digits:", 2, 64, 52, 8);
    addNumberField(digitsField, 0, 56, 62, 29, 12);
    addTriStateBox(valueNamesBox, "&Use value names", 2, 78, 83, 10);
    onCommand(valueNamesBox, [this] {
        if (!record())
            return;
        clickedCheck(valueNamesBox, record()->digital.useValueNames);
        applySetting(gprop::useValueNames);
    });
    addStateControls(92);
}

gpropValueText& CDigitalPropertiesPane::valueText() { return record()->digital.valueText; }

int32_t& CDigitalPropertiesPane::previewState() { return previewValues().digitalState; }

void CDigitalPropertiesPane::loadRegister()
{
    const auto& reg = record()->digital.reg;
    showItem(registerList, reg.hasValue() ? findItemData(registerList, referredObject(reg)) : -1);
    enableControl(registerList, reg.isSet());
}

void CDigitalPropertiesPane::storeRegister(void* item)
{
    record()->digital.reg.set(static_cast<gdigitalSupplement*>(item));
    applySetting(gprop::registerRef);
}

void CDigitalPropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->digital.reg) : nullptr, digitalPart);
}

void CDigitalPropertiesPane::loadSettings()
{
    const gpropDigital& set = record()->digital;
    int item = -1;
    for (int i = 0; i < 4; ++i) {
        if (set.base.hasValue() && set.base.get() == bases[i])
            item = i;
    }
    showItem(baseList, item);
    enableWithLabel(baseList, baseLabel, set.base.isSet());
    showNumber(digitsField, set.minimumDigits);
    enableWithLabel(digitsField, digitsLabel, set.minimumDigits.isSet());
    showCheck(valueNamesBox, set.useValueNames);
}

void CDigitalPropertiesPane::commitSettings()
{
    if (record() && commitNumber(digitsField, 0, digitsMessage, record()->digital.minimumDigits))
        applySetting(gprop::minimumDigits);
}

void CDigitalPropertiesPane::numberStepped(int id, int32_t value)
{
    if (id != digitsField) {
        CValuePane::numberStepped(id, value);
        return;
    }
    if (!record())
        return;
    record()->digital.minimumDigits.set(value);
    applySetting(gprop::minimumDigits);
}
