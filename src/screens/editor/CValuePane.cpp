#include "screens/editor/CValuePane.h"

#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CColorButton.h"
#include "shell/CMultiValueEdit.h"

#include <QComboBox>

CValuePane::CValuePane(int templateId, int mask, QWidget* parent) : CAppearancePane(templateId, mask, parent)
{
    setDialogSize(87, 233);
}

void CValuePane::addRegisterAndTexts()
{
    auto* registers = addControl(registerList, new CAutoWidthCombo, 2, 2, 83, 12);
    doubleDropDownWidth(registerList);
    QObject::connect(registers, &QComboBox::activated, this, [this](int item) {
        if (void* data = itemData(registerList, item))
            storeRegister(data);
    });
    addLabel(prefixLabel, "&Prefix:", 2, 20, 24, 8);
    auto* prefix = addControl(prefixEdit, new CMultiValueEdit, 28, 18, 57, 12);
    QObject::connect(prefix, &QLineEdit::textEdited, this, [this] { textTyped(prefixEdit); });
    addLabel(suffixLabel, "&Suffix:", 2, 34, 24, 8);
    auto* suffix = addControl(suffixEdit, new CMultiValueEdit, 28, 32, 57, 12);
    QObject::connect(suffix, &QLineEdit::textEdited, this, [this] { textTyped(suffixEdit); });
}

void CValuePane::addStateControls(int y)
{
    auto* states = addComboBox(stateList, false, 2, y, 83, 60);
    for (const char* name : {"Off state", "On state", "Blink state", "Masked state", "Error state"})
        states->addItem(QString::fromLatin1(name));
    states->setCurrentIndex(0);
    QObject::connect(states, &QComboBox::activated, this, [this](int item) { chooseState(item); });
    addTriStateBox(enableBox, "Enable", 2, y + 16, 60, 10);
    onCommand(enableBox, [this] { clickEnable(); });
    addTextControls(y + 28, narrowColourButton, "C");
    addControl(wideColourButton, new CColorButton(QStringLiteral("Colour...")), 55, y + 66, 30, 12);
    onCommand(wideColourButton, [this] {
        if (chooseColour(wideColourButton, shownState().textValues.colour))
            applyChange(gprop::textColour);
    });
    addButton(textButton, "...", 2, y + 96, 30, 14);
    onCommand(textButton, [this] { enterText(); });
}

void CValuePane::loadSettings() {}
void CValuePane::commitSettings() {}

gstateText& CValuePane::shownState()
{
    int32_t state = previewState();
    return valueText().states[state >= 0 && state < 5 ? state : 4];
}

gpropTextValues* CValuePane::editedText() { return record() ? &shownState().textValues : nullptr; }

void CValuePane::applyChange(int id) { applyProperty(id, previewState()); }

void CValuePane::applySetting(int id) { applyProperty(id, gstate::off); }

void CValuePane::loadFromObject()
{
    loadRegister();
    gpropValueText& texts = valueText();
    const std::pair<int, const gtriStateString*> fields[] = {{prefixEdit, &texts.prefix}, {suffixEdit, &texts.suffix}};
    for (const auto& [id, text] : fields) {
        auto* edit = controlOf<CMultiValueEdit>(id);
        if (text->hasValue())
            edit->setValue(text->getValue());
        else
            edit->setDiffering();
        enableWithLabel(id, id == prefixEdit ? prefixLabel : suffixLabel, text->isSet());
    }
    loadSettings();
    loadStateControls();
}

void CValuePane::loadStateControls()
{
    gstateText& state = shownState();
    bool fixedText = previewState() <= gstate::error;
    showControl(narrowColourButton, fixedText);
    showControl(textButton, fixedText);
    showControl(wideColourButton, !fixedText);
    showCheck(enableBox, state.enable);
    if (!state.enable.isTrue() && !state.enable.isMixed()) {
        loadText(gpropTextValues{});
        clearColour(wideColourButton);
        enableControl(wideColourButton, false);
        enableControl(textButton, false);
        return;
    }
    loadText(state.textValues);
    showColour(wideColourButton, state.textValues.colour);
    enableControl(textButton, state.text.isSet());
}

void CValuePane::commitEdits()
{
    CAppearancePane::commitEdits();
    commitSettings();
}

void CValuePane::chooseState(int item)
{
    if (item < 0 || item >= 5)
        return;
    commitEdits();
    previewState() = stateOfItem[item];
    if (record())
        loadStateControls();
    redrawPreviews();
}

void CValuePane::clickEnable()
{
    if (!record())
        return;
    gstateText& state = shownState();
    int enable = showsChecked(enableBox) ? 0 : 1;
    if (enable && state.enable.hasValue() && state.enable.get() == 0) {
        int id = previewState();
        state.setStateDefault(id);
        int mode = 0;
        if (const gstateText* source = valueText().pickState(id, mode))
            state.merge(*source, mode, true);
    }
    state.enable.set(enable);
    if (!applyProperty(gprop::enable, previewState()))
        loadControls();
}

void CValuePane::enterText()
{
    if (!record())
        return;
    gtriStateString& text = shownState().text;
    if (!enterCommonText(text))
        return;
    applyChange(gprop::text);
}

void CValuePane::textTyped(int id)
{
    auto* edit = controlOf<CMultiValueEdit>(id);
    if (!record() || !edit)
        return;
    edit->markEdited();
    gpropValueText& texts = valueText();
    (id == prefixEdit ? texts.prefix : texts.suffix).set(controlText(id));
    // The edit keeps the user's caret: the pane is not shown again.
    if (fscreen* edited = screen())
        edited->setSelectionProperties(mask(), id == prefixEdit ? gprop::prefix : gprop::suffix, gstate::off, 0);
}
