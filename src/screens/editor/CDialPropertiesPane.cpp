#include "screens/editor/CDialPropertiesPane.h"

#include "registers/gregister.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CAutoWidthCombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {

constexpr int topMessage = 10741, bottomMessage = 10742;

void* analogPart(gregister& reg) { return reg.getAnalogSupplement(); }

bool isMarkerState(int state) { return state >= gstate::markerBlink && state <= gstate::markerOff; }

const char* const stateNames[] = {"Bottom (Off state)", "Bottom (On state)", "Bottom (Blink state)",
                                  "Top (Off state)",    "Top (On state)",    "Top (Blink state)",
                                  "Marker (Off state)", "Marker (On state)", "Marker (Blink state)",
                                  "Masked state",       "Error state"};

} // namespace

CDialPropertiesPane::CDialPropertiesPane(QWidget* parent)
    : CAppearancePane(templateId, ggraphObject::maskDial, parent)
{
    previewValues().dialState = gstate::off;
    setDialogSize(87, 233);
    auto* registers = addControl(registerList, new CAutoWidthCombo, 2, 2, 83, 12);
    doubleDropDownWidth(registerList);
    QObject::connect(registers, &QComboBox::activated, this, [this](int item) {
        void* part = itemData(registerList, item);
        if (!part || !record())
            return;
        record()->dial.reg.set(static_cast<ganalogSupplement*>(part));
        applySetting(gprop::registerRef);
    });
    for (int horizontal = 0; horizontal < 2; ++horizontal) {
        int id = horizontal ? leftRightButton : upDownButton;
        auto* button = addRadioButton(id, horizontal ? "&Left and right" : "&Up and down", 2 + horizontal * 42, 17,
                                      41, 10);
        button->setAutoExclusive(false);
        onCommand(id, [this, horizontal] { chooseOrientation(horizontal); });
    }
    addLabel(valueLabel, "&Value:", 2, 32, 24, 8);
    auto* values = addComboBox(valueList, false, 28, 30, 57, 60);
    for (const char* name : {"Current", "Lowest", "Highest"})
        values->addItem(QString::fromLatin1(name));
    QObject::connect(values, &QComboBox::activated, this, [this](int item) {
        if (item < 0 || item >= 3 || !record())
            return;
        record()->dial.valueShown.set(item + 1);
        applySetting(gprop::valueShown);
    });
    addRealField(topLabel, "&Top:", topField, 44);
    addRealField(bottomLabel, "&Bottom:", bottomField, 58);
    auto* states = addComboBox(stateList, false, 2, 74, 83, 100);
    for (const char* name : stateNames)
        states->addItem(QString::fromLatin1(name));
    states->setCurrentIndex(0);
    QObject::connect(states, &QComboBox::activated, this, [this](int item) { chooseState(item); });
    addTriStateBox(enableBox, "Enable", 2, 89, 60, 10);
    onCommand(enableBox, [this] { clickEnable(); });
    addLineControls(91, 0, "");
    addFillControls(117);
    addTriStateBox(useImageBox, "Use image", 2, 117, 60, 10);
    onCommand(useImageBox, [this] { clickUseImage(); });
    addImageControls(120, 0, "");
    for (int id : {useImageBox, imageList, imagePreview})
        showControl(id, false);
}

gstateFill* CDialPropertiesPane::shownState()
{
    if (!record())
        return nullptr;
    int32_t state = previewValues().dialState;
    return &record()->dial.states[state >= 0 && state < 11 ? state : gstate::off];
}

gpropLineValues* CDialPropertiesPane::editedLine()
{
    gstateFill* state = shownState();
    return state ? &state->line : nullptr;
}

gpropFillValues* CDialPropertiesPane::editedFill()
{
    gstateFill* state = shownState();
    return state ? &state->fill : nullptr;
}

gpropImageValue* CDialPropertiesPane::editedImage()
{
    gstateFill* state = shownState();
    return state ? &state->image : nullptr;
}

void CDialPropertiesPane::applyChange(int id) { applyProperty(id, previewValues().dialState); }

void CDialPropertiesPane::applySetting(int id) { applyProperty(id, gstate::off); }

void CDialPropertiesPane::loadFromObject()
{
    const gpropDial& set = record()->dial;
    showItem(registerList, set.reg.hasValue() ? findItemData(registerList, referredObject(set.reg)) : -1);
    enableControl(registerList, set.reg.isSet());
    setChecked(upDownButton, set.horizontal.hasValue() && set.horizontal.get() == 0);
    setChecked(leftRightButton, set.horizontal.isTrue());
    enableControl(upDownButton, set.horizontal.isSet());
    enableControl(leftRightButton, set.horizontal.isSet());
    showItem(valueList, set.valueShown.hasValue() ? set.valueShown.get() - 1 : -1);
    enableWithLabel(valueList, valueLabel, set.valueShown.isSet());
    showReal(topField, topLabel, set.maximum);
    showReal(bottomField, bottomLabel, set.minimum);
    loadStateControls();
}

void CDialPropertiesPane::loadStateControls()
{
    gstateFill& state = *shownState();
    bool marker = isMarkerState(previewValues().dialState);
    for (int id : {fillList, fillForegroundButton, fillBackgroundButton})
        showControl(id, !marker);
    for (int id : {useImageBox, imageList, imagePreview})
        showControl(id, marker);
    showCheck(enableBox, state.enable);
    if (!state.enable.isTrue() && !state.enable.isMixed()) {
        clearAppearance();
        showCheck(useImageBox, gtriStateBool{});
        return;
    }
    if (marker)
        showCheck(useImageBox, state.useImage);
    else
        showCheck(useImageBox, gtriStateBool{});
    bool imageOnly = marker && state.useImage.isTrue();
    loadLine(imageOnly ? gpropLineValues{} : state.line);
    if (marker) {
        loadFill(gpropFillValues{});
        enableControl(fillForegroundButton, false);
        enableControl(fillBackgroundButton, false);
    } else {
        loadFill(state.fill);
    }
    bool showsImage = marker && (state.useImage.isTrue() || state.useImage.isMixed());
    loadImage(showsImage ? state.image : gpropImageValue{});
}

void CDialPropertiesPane::commitEdits()
{
    if (!record())
        return;
    if (commitReal(topField, topLabel, topMessage, record()->dial.maximum))
        applySetting(gprop::maximum);
    if (commitReal(bottomField, bottomLabel, bottomMessage, record()->dial.minimum))
        applySetting(gprop::minimum);
    CAppearancePane::commitEdits();
}

void CDialPropertiesPane::realStepped(int id, double value)
{
    bool top = id == topField;
    (top ? record()->dial.maximum : record()->dial.minimum).set(value);
    applySetting(top ? gprop::maximum : gprop::minimum);
}

void CDialPropertiesPane::chooseState(int item)
{
    if (item < 0 || item >= 11)
        return;
    commitEdits();
    previewValues().dialState = stateOfItem[item];
    if (record())
        loadStateControls();
    redrawPreviews();
}

void CDialPropertiesPane::chooseOrientation(int horizontal)
{
    if (!record())
        return;
    record()->dial.horizontal.set(horizontal);
    applySetting(gprop::horizontal);
    if (editsDefaults()) {
        setChecked(upDownButton, horizontal == 0);
        setChecked(leftRightButton, horizontal == 1);
    }
}

void CDialPropertiesPane::clickUseImage()
{
    gstateFill* state = shownState();
    if (!state)
        return;
    state->useImage.set(showsChecked(useImageBox) ? 0 : 1);
    if (!applyProperty(gprop::useImage, previewValues().dialState))
        loadFromObject();
}

void CDialPropertiesPane::clickEnable()
{
    gstateFill* state = shownState();
    if (!state)
        return;
    int enable = showsChecked(enableBox) ? 0 : 1;
    if (enable && state->enable.hasValue() && state->enable.get() == 0) {
        int id = previewValues().dialState;
        state->setStateDefault(id);
        int mode = 0;
        if (const gstateFill* source = record()->dial.pickState(id, mode))
            state->merge(*source, mode);
    }
    state->enable.set(enable);
    if (!applyProperty(gprop::enable, previewValues().dialState))
        loadFromObject();
}

void CDialPropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->dial.reg) : nullptr, analogPart);
}
