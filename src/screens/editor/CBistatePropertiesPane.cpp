#include "screens/editor/CBistatePropertiesPane.h"

#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CAutoWidthCombo.h"

#include <QComboBox>

CBistatePropertiesPane::CBistatePropertiesPane(QWidget* parent)
    : CAppearancePane(templateId, ggraphObject::maskBistate, parent)
{
    previewValues().bistateState = gstate::off;
    setDialogSize(87, 233);
    auto* registers = addControl(registerList, new CAutoWidthCombo, 2, 2, 83, 12);
    doubleDropDownWidth(registerList);
    QObject::connect(registers, &QComboBox::activated, this, [this](int item) { chooseRegister(item); });
    auto* states = addComboBox(stateList, false, 2, 18, 83, 60);
    for (const char* name : {"Off state", "On state", "Blink state", "Masked state", "Error state"})
        states->addItem(QString::fromLatin1(name));
    states->setCurrentIndex(0);
    QObject::connect(states, &QComboBox::activated, this, [this](int item) { chooseState(item); });
    addTriStateBox(enableBox, "Enable", 2, 33, 60, 10);
    onCommand(enableBox, [this] { clickEnable(); });
    addLineControls(45);
    addFillControls(71);
    addTextControls(86, textColourButton, "C");
    addButton(textButton, "...", 55, 86, 30, 10);
    onCommand(textButton, [this] { enterText(); });
    addImageControls(154);
}

gstateAppearance* CBistatePropertiesPane::shownState()
{
    if (!record())
        return nullptr;
    int32_t state = previewValues().bistateState;
    return &record()->bistate.states[state >= 0 && state < 5 ? state : gstate::off];
}

gpropLineValues* CBistatePropertiesPane::editedLine()
{
    gstateAppearance* state = shownState();
    return state ? &state->values.line : nullptr;
}

gpropFillValues* CBistatePropertiesPane::editedFill()
{
    gstateAppearance* state = shownState();
    return state ? &state->values.fill : nullptr;
}

gpropTextValues* CBistatePropertiesPane::editedText()
{
    gstateAppearance* state = shownState();
    return state ? &state->values.textValues : nullptr;
}

gpropImageValue* CBistatePropertiesPane::editedImage()
{
    gstateAppearance* state = shownState();
    return state ? &state->values.image : nullptr;
}

void CBistatePropertiesPane::applyChange(int id) { applyProperty(id, previewValues().bistateState); }

void CBistatePropertiesPane::loadFromObject()
{
    const auto& reg = record()->bistate.reg;
    showItem(registerList, reg.hasValue() ? findItemData(registerList, referredObject(reg)) : -1);
    enableControl(registerList, reg.isSet());
    loadStateControls();
}

void CBistatePropertiesPane::loadStateControls()
{
    loadStateAppearance(*shownState(), enableBox, textButton);
}

void CBistatePropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->bistate.reg) : nullptr);
}

void CBistatePropertiesPane::chooseRegister(int item)
{
    auto* reg = static_cast<gregister*>(itemData(registerList, item));
    if (!reg || !record())
        return;
    record()->bistate.reg.set(reg);
    applyProperty(gprop::registerRef, gstate::off);
}

void CBistatePropertiesPane::chooseState(int item)
{
    if (item < 0 || item >= 5)
        return;
    commitEdits();
    previewValues().bistateState = stateOfItem[item];
    if (record())
        loadStateControls();
    redrawPreviews();
}

void CBistatePropertiesPane::clickEnable()
{
    gstateAppearance* state = shownState();
    if (!state)
        return;
    int enable = showsChecked(enableBox) ? 0 : 1;
    if (enable && state->enable.hasValue() && state->enable.get() == 0) {
        int id = previewValues().bistateState;
        state->setStateDefault(id);
        int mode = 0;
        if (const gstateAppearance* source = record()->bistate.pickState(id, mode))
            state->merge(*source, mode);
    }
    state->enable.set(enable);
    if (!applyProperty(gprop::enable, previewValues().bistateState))
        loadControls();
}

void CBistatePropertiesPane::enterText()
{
    gstateAppearance* state = shownState();
    if (!state)
        return;
    gtriStateString& text = state->values.text;
    if (!enterCommonText(text))
        return;
    applyChange(gprop::text);
}
