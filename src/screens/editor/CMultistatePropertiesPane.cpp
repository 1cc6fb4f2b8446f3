#include "screens/editor/CMultistatePropertiesPane.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/gregister.h"
#include "resources/stringTable.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CAutoWidthCombo.h"

#include <QComboBox>
#include <QLineEdit>

#include <charconv>

namespace {

constexpr int valueNameText = 10143, valueWord = 10694, refusedTextMessage = 10094;

void* digitalPart(gregister& reg) { return reg.getDigitalSupplement(); }

QString valueText(uint32_t number)
{
    gstr text;
    text.format(valueNameText, number);
    return toUiText(text);
}

} // namespace

CMultistatePropertiesPane::CMultistatePropertiesPane(QWidget* parent)
    : CAppearancePane(templateId, ggraphObject::maskMultistate, parent)
{
    previewValues().multistateState = gstate::blink;
    previewValues().multistateNumber = 0;
    setDialogSize(87, 233);
    auto* registers = addControl(registerList, new CAutoWidthCombo, 2, 2, 83, 12);
    doubleDropDownWidth(registerList);
    QObject::connect(registers, &QComboBox::activated, this, [this](int item) { chooseRegister(item); });
    auto* states = addComboBox(stateList, true, 2, 18, 83, 100);
    states->setInsertPolicy(QComboBox::NoInsert);
    for (const char* name : {"Blink state", "Masked state", "Error state"})
        states->addItem(QString::fromLatin1(name));
    states->setCurrentIndex(0);
    lastIndex_ = 0;
    QObject::connect(states, &QComboBox::activated, this, [this](int item) { chooseState(item); });
    QObject::connect(states->lineEdit(), &QLineEdit::textEdited, this, [this] { typed_ = true; });
    QObject::connect(states->lineEdit(), &QLineEdit::editingFinished, this, [this] { commitTypedText(); });
    addTriStateBox(enableBox, "Enable", 2, 33, 60, 10);
    onCommand(enableBox, [this] { clickEnable(); });
    addLineControls(45);
    addFillControls(71);
    addTextControls(86, textColourButton, "C");
    addButton(textButton, "...", 55, 86, 30, 10);
    onCommand(textButton, [this] { enterText(); });
    addImageControls(154);
}

uint32_t CMultistatePropertiesPane::entryNumber(int item) const
{
    auto* states = controlOf<QComboBox>(stateList);
    return states->itemData(item).toUInt();
}

gstateAppearance* CMultistatePropertiesPane::shownState()
{
    if (!record())
        return nullptr;
    gpropMultistate& set = record()->multistate;
    const gpreviewValues& preview = previewValues();
    if (preview.multistateState == gstate::numbered)
        return &set.ensureState(preview.multistateNumber, false);
    int32_t state = preview.multistateState;
    return &set.states[state >= 0 && state < 3 ? state : gstate::blink];
}

gpropLineValues* CMultistatePropertiesPane::editedLine()
{
    gstateAppearance* state = shownState();
    return state ? &state->values.line : nullptr;
}

gpropFillValues* CMultistatePropertiesPane::editedFill()
{
    gstateAppearance* state = shownState();
    return state ? &state->values.fill : nullptr;
}

gpropTextValues* CMultistatePropertiesPane::editedText()
{
    gstateAppearance* state = shownState();
    return state ? &state->values.textValues : nullptr;
}

gpropImageValue* CMultistatePropertiesPane::editedImage()
{
    gstateAppearance* state = shownState();
    return state ? &state->values.image : nullptr;
}

void CMultistatePropertiesPane::applyChange(int id)
{
    applyProperty(id, previewValues().multistateState, previewValues().multistateNumber);
}

int CMultistatePropertiesPane::findOrAddEntry(uint32_t number, bool create)
{
    auto* states = controlOf<QComboBox>(stateList);
    gpropMultistate& set = record()->multistate;
    int at = fixedEntries;
    for (; at < states->count(); ++at) {
        uint32_t item = entryNumber(at);
        if (item == number)
            return at;
        if (item > number)
            break;
    }
    auto name = set.stateNames.find(number);
    QSignalBlocker quiet(states);
    states->insertItem(at, name != set.stateNames.end() ? toUiText(name->second) : valueText(number),
                       QVariant::fromValue(number));
    gstateAppearance& state = set.ensureState(number, create);
    if (!create)
        return at;
    int mode = 0;
    if (const gstateAppearance* source = set.pickState(gstate::numbered, number, mode))
        state.merge(*source, mode);
    if (record() != &drawingDefaults())
        drawingDefaults().multistate.ensureState(number, false);
    if (screen()) {
        previewValues().multistateState = gstate::numbered;
        previewValues().multistateNumber = number;
        applyProperty(gprop::enable, gstate::numbered, number);
        return findOrAddEntry(number, false);
    }
    return at;
}

void CMultistatePropertiesPane::rebuildNumberedEntries(bool keepSelection)
{
    auto* states = controlOf<QComboBox>(stateList);
    gpropMultistate& set = record()->multistate;
    set.collectStateNames(screen());
    QSignalBlocker quiet(states);
    for (int at = fixedEntries; at < states->count(); ++at) {
        uint32_t number = entryNumber(at);
        if (set.stateNames.find(number) == set.stateNames.end())
            states->setItemText(at, valueText(number));
    }
    for (const auto& [number, name] : set.stateNames) {
        int at = findOrAddEntry(number, false);
        states->setItemText(at, toUiText(name));
    }
    const gpreviewValues& preview = previewValues();
    if (preview.multistateState != gstate::numbered)
        return;
    for (int at = fixedEntries; at < states->count(); ++at) {
        if (entryNumber(at) == preview.multistateNumber)
            lastIndex_ = at;
    }
    if (keepSelection)
        states->setCurrentIndex(lastIndex_);
}

void CMultistatePropertiesPane::loadFromObject()
{
    gpropMultistate& set = record()->multistate;
    showItem(registerList, set.reg.hasValue() ? findItemData(registerList, referredObject(set.reg)) : -1);
    enableControl(registerList, set.reg.isSet());
    auto* states = controlOf<QComboBox>(stateList);
    {
        QSignalBlocker quiet(states);
        while (states->count() > fixedEntries)
            states->removeItem(fixedEntries);
    }
    rebuildNumberedEntries(false);
    std::vector<uint32_t> numbers;
    for (const auto& entry : set.numbered)
        numbers.push_back(entry.first);
    for (uint32_t number : numbers)
        findOrAddEntry(number, false);
    const gpreviewValues& preview = previewValues();
    int shown = 0;
    if (preview.multistateState == gstate::numbered)
        shown = findOrAddEntry(preview.multistateNumber, false);
    else
        shown = preview.multistateState == gstate::masked ? 1 : preview.multistateState == gstate::error ? 2 : 0;
    QSignalBlocker quiet(states);
    states->setCurrentIndex(shown);
    lastIndex_ = shown;
    typed_ = false;
    loadStateControls();
}

void CMultistatePropertiesPane::loadStateControls()
{
    loadStateAppearance(*shownState(), enableBox, textButton);
}

void CMultistatePropertiesPane::commitEdits()
{
    CAppearancePane::commitEdits();
    commitTypedText();
}

void CMultistatePropertiesPane::chooseState(int item)
{
    auto* states = controlOf<QComboBox>(stateList);
    if (item < 0 || item >= states->count())
        return;
    typed_ = false;
    CAppearancePane::commitEdits();
    lastIndex_ = item;
    gpreviewValues& preview = previewValues();
    if (item < fixedEntries) {
        preview.multistateState = stateOfItem[item];
    } else {
        preview.multistateState = gstate::numbered;
        preview.multistateNumber = entryNumber(item);
    }
    if (record())
        loadStateControls();
    redrawPreviews();
}

bool CMultistatePropertiesPane::readStateNumber(const gstr& text, uint32_t& number)
{
    const char* begin = text.view().data();
    const char* end = begin + text.length();
    const char* digits = begin;
    gstrSlice word(stringTableText(valueWord));
    bool hasDigit = begin < end && *begin >= '0' && *begin <= '9';
    if (!hasDigit && text.length() >= word.length() && gstrSlice(begin, word.length()).compareNoCase(word) == 0) {
        digits = begin + word.length();
        while (digits < end && *digits == ' ')
            ++digits;
    }
    auto [stop, error] = std::from_chars(digits, end, number, 10);
    return error == std::errc() && stop == end && stop != digits;
}

void CMultistatePropertiesPane::commitTypedText()
{
    if (!typed_ || !record())
        return;
    typed_ = false;
    auto* states = controlOf<QComboBox>(stateList);
    gstr text = fromUiText(states->lineEdit()->text());
    int found = -1;
    uint32_t number = 0;
    if (!text.isEmpty() && readStateNumber(text, number)) {
        found = findOrAddEntry(number, true);
    } else if (!text.isEmpty()) {
        QString typed = states->lineEdit()->text();
        for (int at = 0; at < states->count() && found < 0; ++at) {
            if (states->itemText(at).startsWith(typed, Qt::CaseInsensitive))
                found = at;
        }
    }
    if (found < 0) {
        messageBox(refusedTextMessage, gbuttons::ok);
        QSignalBlocker quiet(states);
        states->setCurrentIndex(lastIndex_);
        return;
    }
    {
        QSignalBlocker quiet(states);
        states->setCurrentIndex(found);
    }
    chooseState(found);
}

void CMultistatePropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->multistate.reg) : nullptr, digitalPart);
    if (record())
        rebuildNumberedEntries(true);
}

void CMultistatePropertiesPane::chooseRegister(int item)
{
    void* part = itemData(registerList, item);
    if (!part || !record())
        return;
    record()->multistate.reg.set(static_cast<gdigitalSupplement*>(part));
    if (!applyProperty(gprop::registerRef, gstate::off))
        rebuildNumberedEntries(true);
}

void CMultistatePropertiesPane::clickEnable()
{
    gstateAppearance* state = shownState();
    if (!state)
        return;
    int enable = showsChecked(enableBox) ? 0 : 1;
    const gpreviewValues& preview = previewValues();
    if (enable && state->enable.hasValue() && state->enable.get() == 0) {
        int id = preview.multistateState;
        state->setStateDefault(id);
        int mode = 0;
        if (const gstateAppearance* source = record()->multistate.pickState(id, preview.multistateNumber, mode))
            state->merge(*source, mode);
    }
    state->enable.set(enable);
    if (!applyProperty(gprop::enable, preview.multistateState, preview.multistateNumber))
        loadFromObject();
}

void CMultistatePropertiesPane::enterText()
{
    gstateAppearance* state = shownState();
    if (!state)
        return;
    gtriStateString& text = state->values.text;
    if (!enterCommonText(text))
        return;
    applyChange(gprop::text);
}
