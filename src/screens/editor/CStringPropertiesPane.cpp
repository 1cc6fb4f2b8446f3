#include "screens/editor/CStringPropertiesPane.h"

#include "platform/settingsStore.h"
#include "registers/gregister.h"
#include "resources/stringTable.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpreviewValues.h"

namespace {

constexpr int stringRegisterText = 10297;

void* stringPart(gregister& reg) { return reg.getStringSupplement(); }

} // namespace

CStringPropertiesPane::CStringPropertiesPane(QWidget* parent)
    : CValuePane(templateId, ggraphObject::maskString, parent)
{
    gpreviewValues& preview = previewValues();
    preview.stringState = gstate::off;
    preview.stringText = stringTableText(stringRegisterText);
    preview.stringText = profileString("Settings", "StringValue", preview.stringText);
    addRegisterAndTexts();
    addStateControls(50);
}

gpropValueText& CStringPropertiesPane::valueText() { return record()->string.valueText; }

int32_t& CStringPropertiesPane::previewState() { return previewValues().stringState; }

void CStringPropertiesPane::loadRegister()
{
    const auto& reg = record()->string.reg;
    showItem(registerList, reg.hasValue() ? findItemData(registerList, referredObject(reg)) : -1);
    enableControl(registerList, reg.isSet());
}

void CStringPropertiesPane::storeRegister(void* item)
{
    record()->string.reg.set(static_cast<gstringSupplement*>(item));
    applySetting(gprop::registerRef);
}

void CStringPropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->string.reg) : nullptr, stringPart);
}
