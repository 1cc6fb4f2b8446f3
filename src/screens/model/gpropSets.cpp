#include "screens/model/gpropSets.h"

#include "registers/ganalogSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gregister.h"
#include "registers/gstringSupplement.h"
#include "scl/gsclProgram.h"
#include "screens/model/fscreen.h"
#include "store/gstation.h"

namespace {

template <class T>
void takeValue(T& to, const T& from)
{
    if (from.hasValue())
        to = from;
}

void takeText(gtriStateString& to, const gtriStateString& from)
{
    if (from.hasValue())
        to.set(from.getValue());
}

void takeDouble(gtriStateDouble& to, const gtriStateDouble& from)
{
    if (from.hasValue())
        to.set(from.value());
}

// The register a reference belongs to: the register itself or the owner of
// a class part.
const gregister* ownerOf(const gregister* reg) { return reg; }
const gregister* ownerOf(const gregisterSupplement* part) { return part ? &part->getRegister() : nullptr; }

template <class T>
void keepTag(gtriRef<T>& ref, gstr& kept)
{
    const gregister* owner = ownerOf(referredObject(ref));
    if (owner)
        kept.assign(owner->getTag());
    else
        kept.clear();
    ref.set(nullptr);
}

template <class T>
void forget(gtriRef<T>& ref, const gregister* deleted)
{
    if (refersToObject(ref) && ownerOf(referredObject(ref)) == deleted)
        ref.set(nullptr);
}

gregister* findRegister(const gstr& tag) { return tag.isEmpty() ? nullptr : station::registers().find(tag); }

// A register found by the kept tag, or none when the tag names none.
void reattachWhole(gtriRef<gregister>& ref, const gstr& kept)
{
    if (kept.isEmpty())
        return;
    ref.set(findRegister(kept));
}

// A class part of the register found by the kept tag (the class being set
// when the register had none); a tag that names no register leaves the
// reference as it is.
template <class P, class F>
void reattachPart(gtriRef<P>& ref, const gstr& kept, F part)
{
    if (gregister* reg = findRegister(kept))
        ref.set(part(*reg));
}

gdigitalSupplement* digitalPart(gregister& reg) { return reg.getDigitalSupplement(); }
ganalogSupplement* analogPart(gregister& reg) { return reg.getAnalogSupplement(); }
gstringSupplement* stringPart(gregister& reg) { return reg.getStringSupplement(); }

} // namespace

void gpropStatic::setDefault()
{
    values.setStateDefault(gstate::plain);
    values.text.setEmpty();
}

void gprop3dRect::merge(const gprop3dRect& other) { takeValue(type, other.type); }

// Bistate.

void gpropBistate::setDefault()
{
    reg.set(nullptr);
    for (int i = 0; i < 5; ++i)
        states[i].setStateDefault(i);
}

void gpropBistate::clear()
{
    reg.reset();
    for (gstateAppearance& state : states)
        state.clear();
}

void gpropBistate::merge(const gpropBistate& other)
{
    takeValue(reg, other.reg);
    for (int i = 0; i < 5; ++i)
        states[i].merge(other.states[i], gmergeMode::everything);
}

bool gpropBistate::isComplete() const
{
    if (!refersToObject(reg))
        return false;
    for (const gstateAppearance& state : states) {
        if (state.enable.isTrue())
            return true;
    }
    return false;
}

void gpropBistate::detachRegister() { keepTag(reg, keptTag); }
void gpropBistate::reattachRegister() { reattachWhole(reg, keptTag); }
void gpropBistate::forgetRegister(const gregister* deleted) { forget(reg, deleted); }

void gpropBistate::resolveImages()
{
    for (gstateAppearance& state : states)
        state.resolveImage();
}

// Multistate.

void gpropMultistate::setDefault()
{
    reg.set(nullptr);
    for (int i = 0; i < 3; ++i)
        states[i].setStateDefault(i);
    numbered.clear();
    gathered = 1;
}

void gpropMultistate::clear()
{
    reg.reset();
    for (gstateAppearance& state : states)
        state.clear();
    numbered.clear();
    gathered = 0;
}

void gpropMultistate::merge(const gpropMultistate& other)
{
    takeValue(reg, other.reg);
    for (int i = 0; i < 3; ++i)
        states[i].merge(other.states[i], gmergeMode::everything);
    for (const auto& [number, state] : other.numbered) {
        if (state->enable.isTrue() || state->enable.isMixed())
            ensureState(number, false).merge(*state, gmergeMode::everything);
    }
}

bool gpropMultistate::isComplete() const
{
    if (!refersToObject(reg))
        return false;
    for (const auto& entry : numbered) {
        if (entry.second->enable.isTrue())
            return true;
    }
    return false;
}

void gpropMultistate::detachRegister() { keepTag(reg, keptTag); }

void gpropMultistate::reattachRegister()
{
    addScreenStates();
    reattachPart(reg, keptTag, digitalPart);
}

void gpropMultistate::forgetRegister(const gregister* deleted) { forget(reg, deleted); }

void gpropMultistate::resolveImages()
{
    for (gstateAppearance& state : states)
        state.resolveImage();
    for (auto& entry : numbered)
        entry.second->resolveImage();
}

gstateAppearance& gpropMultistate::ensureState(uint32_t number, bool enable)
{
    std::unique_ptr<gstateAppearance>& slot = numbered[number];
    if (!slot) {
        slot = std::make_unique<gstateAppearance>();
        slot->setStateDefault(gstate::numbered);
    }
    if (enable)
        slot->enable.set(1);
    return *slot;
}

gstateAppearance* gpropMultistate::findState(uint32_t number) const
{
    auto it = numbered.find(number);
    return it == numbered.end() ? nullptr : it->second.get();
}

void gpropMultistate::collectStateNames(fscreen* screen)
{
    stateNames.clear();
    if (gdigitalSupplement* part = referredObject(reg)) {
        part->getValueNames(stateNames);
        return;
    }
    if (screen)
        screen->collectSelectionStateNames(stateNames);
}

void gpropMultistate::addScreenStates()
{
    jhashTypedIterator<fscreen> it(station::screens());
    fscreen* screen = nullptr;
    while (it.get(screen))
        screen->addStateNumbers(*this);
}

const gstateAppearance* gpropMultistate::pickState(int state, uint32_t number, int& mode) const
{
    auto firstNumbered = [this](bool skip, uint32_t skipped) -> const gstateAppearance* {
        for (const auto& [n, record] : numbered) {
            if ((!skip || n != skipped) && qualifiesAsSource(*record))
                return record.get();
        }
        return nullptr;
    };
    if (state == gstate::masked || state == gstate::error) {
        const gstateAppearance& other = states[state == gstate::masked ? gstate::error : gstate::masked];
        if (qualifiesAsSource(other)) {
            mode = gmergeMode::noColours;
            return &other;
        }
        mode = gmergeMode::shapeOnly;
        if (const gstateAppearance* record = firstNumbered(false, 0))
            return record;
        return qualifiesAsSource(states[gstate::blink]) ? &states[gstate::blink] : nullptr;
    }
    if (state != gstate::blink && state != gstate::numbered)
        return nullptr;
    if (const gstateAppearance* record = firstNumbered(state == gstate::numbered, number)) {
        mode = state == gstate::blink ? 1 : 2;
        return record;
    }
    if (state == gstate::numbered && qualifiesAsSource(states[gstate::blink])) {
        mode = gmergeMode::noColours;
        return &states[gstate::blink];
    }
    mode = gmergeMode::shapeOnly;
    for (int fixed : {gstate::masked, gstate::error}) {
        if (qualifiesAsSource(states[fixed]))
            return &states[fixed];
    }
    return nullptr;
}

// Analog.

void gpropAnalog::setDefault()
{
    valueText.setDefault();
    reg.set(nullptr);
    valueShown.set(1);
    factor.set(1.0);
    offset.set(0.0);
    precision.set(0);
    plusSign.set(0);
    useExponent.set(0);
    exponent.clear();
    exponent.fillDefaults();
}

void gpropAnalog::clear()
{
    valueText.clear();
    reg.reset();
    valueShown.reset();
    factor.reset();
    offset.reset();
    precision.reset();
    plusSign.reset();
    useExponent.reset();
    exponent.clear();
}

void gpropAnalog::merge(const gpropAnalog& other)
{
    valueText.merge(other.valueText);
    takeValue(reg, other.reg);
    takeValue(valueShown, other.valueShown);
    takeDouble(factor, other.factor);
    takeDouble(offset, other.offset);
    takeValue(precision, other.precision);
    takeValue(plusSign, other.plusSign);
    takeValue(useExponent, other.useExponent);
    exponent.merge(other.exponent);
}

bool gpropAnalog::isComplete() const { return valueText.hasEnabledValueState() && refersToObject(reg); }
void gpropAnalog::detachRegister() { keepTag(reg, keptTag); }
void gpropAnalog::reattachRegister() { reattachPart(reg, keptTag, analogPart); }
void gpropAnalog::forgetRegister(const gregister* deleted) { forget(reg, deleted); }

// Dial.

void gpropDial::setDefault()
{
    for (int i = 0; i < 11; ++i)
        states[i].setStateDefault(i);
    reg.set(nullptr);
    valueShown.set(1);
    horizontal.set(0);
    minimum.set(0.0);
    maximum.set(100.0);
}

void gpropDial::clear()
{
    for (gstateFill& state : states)
        state.clear();
    reg.reset();
    valueShown.reset();
    horizontal.reset();
    minimum.reset();
    maximum.reset();
}

void gpropDial::merge(const gpropDial& other)
{
    for (int i = 0; i < 11; ++i)
        states[i].merge(other.states[i], gmergeMode::everything);
    takeValue(reg, other.reg);
    takeValue(valueShown, other.valueShown);
    takeValue(horizontal, other.horizontal);
    takeDouble(minimum, other.minimum);
    takeDouble(maximum, other.maximum);
}

bool gpropDial::isComplete() const
{
    if (!refersToObject(reg))
        return false;
    for (int i = gstate::blink; i <= gstate::markerOff; ++i) {
        if (states[i].enable.isTrue())
            return true;
    }
    return false;
}

void gpropDial::detachRegister() { keepTag(reg, keptTag); }
void gpropDial::reattachRegister() { reattachPart(reg, keptTag, analogPart); }
void gpropDial::forgetRegister(const gregister* deleted) { forget(reg, deleted); }

void gpropDial::resolveImages()
{
    for (int i = gstate::blink; i <= gstate::markerOff; ++i)
        states[i].resolveImage();
}

const gstateFill* gpropDial::pickState(int state, int& mode) const
{
    static const int wholeOrder[] = {0, 1, -1};
    static const int bottomFirst[] = {4, 3, 2, 7, 6, 5, -1};
    static const int topFirst[] = {7, 6, 5, 4, 3, 2, -1};
    static const int markerOrder[] = {9, 10, 8, -1};
    if (state < 0 || state > 10)
        return nullptr;
    const int* same = state <= 1 ? wholeOrder : state <= 4 ? bottomFirst : state <= 7 ? topFirst : markerOrder;
    if (const gstateFill* r = firstQualifying(states, same, state)) {
        mode = state >= 8 ? gmergeMode::shapeOnly : gmergeMode::noColours;
        return r;
    }
    if (state >= 8)
        return nullptr;
    mode = gmergeMode::shapeOnly;
    return firstQualifying(states, state <= 1 ? bottomFirst : wholeOrder, state);
}

// Graph.

void gpropGraph::setDefault()
{
    reg.set(nullptr);
    line.setStateDefault(gstate::plain);
    fill.setStateDefault(gstate::plain);
    type.set(1);
    bottom.set(0.0);
    top.set(100.0);
    image.setDefault();
}

void gpropGraph::clear()
{
    reg.reset();
    line.clear();
    fill.clear();
    type.reset();
    bottom.reset();
    top.reset();
    image.clear();
}

void gpropGraph::merge(const gpropGraph& other)
{
    takeValue(reg, other.reg);
    line.merge(other.line, gmergeMode::everything);
    fill.merge(other.fill, gmergeMode::everything);
    takeValue(type, other.type);
    takeDouble(bottom, other.bottom);
    takeDouble(top, other.top);
    image.merge(other.image, gmergeMode::everything);
}

bool gpropGraph::isComplete() const { return refersToObject(reg); }
void gpropGraph::detachRegister() { keepTag(reg, keptTag); }
void gpropGraph::reattachRegister() { reattachPart(reg, keptTag, analogPart); }
void gpropGraph::forgetRegister(const gregister* deleted) { forget(reg, deleted); }

// Digital.

void gpropDigital::setDefault()
{
    valueText.setDefault();
    reg.set(nullptr);
    base.set(10);
    minimumDigits.set(1);
    useValueNames.set(1);
}

void gpropDigital::clear()
{
    valueText.clear();
    reg.reset();
    base.reset();
    minimumDigits.reset();
    useValueNames.reset();
}

void gpropDigital::merge(const gpropDigital& other)
{
    valueText.merge(other.valueText);
    takeValue(reg, other.reg);
    takeValue(base, other.base);
    takeValue(minimumDigits, other.minimumDigits);
    takeValue(useValueNames, other.useValueNames);
}

bool gpropDigital::isComplete() const { return valueText.hasEnabledValueState() && refersToObject(reg); }
void gpropDigital::detachRegister() { keepTag(reg, keptTag); }
void gpropDigital::reattachRegister() { reattachPart(reg, keptTag, digitalPart); }
void gpropDigital::forgetRegister(const gregister* deleted) { forget(reg, deleted); }

// String.

void gpropString::setDefault()
{
    valueText.setDefault();
    reg.set(nullptr);
}

void gpropString::clear()
{
    valueText.clear();
    reg.reset();
}

void gpropString::merge(const gpropString& other)
{
    valueText.merge(other.valueText);
    takeValue(reg, other.reg);
}

bool gpropString::isComplete() const { return valueText.hasEnabledValueState() && refersToObject(reg); }
void gpropString::detachRegister() { keepTag(reg, keptTag); }
void gpropString::reattachRegister() { reattachPart(reg, keptTag, stringPart); }
void gpropString::forgetRegister(const gregister* deleted) { forget(reg, deleted); }

// Marker.

void gpropMarker::setDefault()
{
    reg.set(nullptr);
    xReg.set(nullptr);
    yReg.set(nullptr);
    xShows.set(1);
    yShows.set(1);
    xMinimum.set(0.0);
    xMaximum.set(100.0);
    yMinimum.set(0.0);
    yMaximum.set(100.0);
    labelReg.set(nullptr);
    staticRecord.setStateDefault(gstate::plain);
    for (int i = 0; i < 5; ++i)
        states[i].setStateDefault(i);
}

void gpropMarker::clear()
{
    reg.reset();
    xReg.reset();
    yReg.reset();
    xShows.reset();
    yShows.reset();
    xMinimum.reset();
    xMaximum.reset();
    yMinimum.reset();
    yMaximum.reset();
    labelReg.reset();
    staticRecord.clear();
    for (gpropMarkerValues& state : states)
        state.clear();
}

void gpropMarker::merge(const gpropMarker& other)
{
    takeValue(reg, other.reg);
    takeValue(xReg, other.xReg);
    takeValue(yReg, other.yReg);
    takeValue(xShows, other.xShows);
    takeValue(yShows, other.yShows);
    takeDouble(xMinimum, other.xMinimum);
    takeDouble(xMaximum, other.xMaximum);
    takeDouble(yMinimum, other.yMinimum);
    takeDouble(yMaximum, other.yMaximum);
    takeValue(labelReg, other.labelReg);
    staticRecord.merge(other.staticRecord, gmergeMode::everything);
    for (int i = 0; i < 5; ++i)
        states[i].merge(other.states[i], gmergeMode::everything);
}

bool gpropMarker::isComplete() const
{
    if (!refersToObject(xReg) || !refersToObject(yReg))
        return false;
    if (!refersToObject(reg))
        return staticRecord.enable.isTrue();
    for (const gpropMarkerValues& state : states) {
        if (state.enable.isTrue())
            return true;
    }
    return false;
}

void gpropMarker::detachRegisters()
{
    keepTag(reg, keptTags[0]);
    keepTag(xReg, keptTags[1]);
    keepTag(yReg, keptTags[2]);
    keepTag(labelReg, keptTags[3]);
}

void gpropMarker::reattachRegisters()
{
    reattachWhole(reg, keptTags[0]);
    reattachPart(xReg, keptTags[1], analogPart);
    reattachPart(yReg, keptTags[2], analogPart);
    reattachPart(labelReg, keptTags[3], stringPart);
}

void gpropMarker::forgetRegister(const gregister* deleted)
{
    forget(reg, deleted);
    forget(xReg, deleted);
    forget(yReg, deleted);
    forget(labelReg, deleted);
}

void gpropMarker::resolveImages()
{
    staticRecord.resolveImage();
    for (gpropMarkerValues& state : states)
        state.resolveImage();
}

gpropMarkerValues* gpropMarker::record(int state)
{
    if (state == gstate::plain)
        return &staticRecord;
    return state >= 0 && state < 5 ? &states[state] : nullptr;
}

const gpropMarkerValues* gpropMarker::record(int state) const { return const_cast<gpropMarker*>(this)->record(state); }

// Control.

void gpropControl::setDefault()
{
    caption.setEmpty();
    screenColour.set(0);
    action.set(1);
    screen.set(nullptr);
    program.set(nullptr);
    arguments.clearGathered();
    station.setEmpty();
    networkScreen.setEmpty();
}

void gpropControl::clear()
{
    caption.reset();
    screenColour.reset();
    action.reset();
    screen.reset();
    program.reset();
    arguments.reset();
    station.reset();
    networkScreen.reset();
}

void gpropControl::merge(const gpropControl& other)
{
    takeText(caption, other.caption);
    takeValue(screenColour, other.screenColour);
    if (!other.action.hasValue())
        return;
    action = other.action;
    switch (action.get()) {
    case 1:
        takeValue(program, other.program);
        arguments.assignUnmixed(other.arguments);
        screen.set(nullptr);
        station.setEmpty();
        networkScreen.setEmpty();
        return;
    case 2:
        takeValue(screen, other.screen);
        program.set(nullptr);
        station.setEmpty();
        networkScreen.setEmpty();
        return;
    default:
        takeText(station, other.station);
        takeText(networkScreen, other.networkScreen);
        program.set(nullptr);
        screen.set(nullptr);
        return;
    }
}

bool gpropControl::isComplete() const
{
    switch (action.get()) {
    case 1: return refersToObject(program);
    case 2: return refersToObject(screen);
    case 3: return station.hasValue() && networkScreen.hasValue();
    default: return false;
    }
}

void gpropControl::detachTargets()
{
    gsclProgram* p = referredObject(program);
    fscreen* s = referredObject(screen);
    if (action.get() == 1 && p)
        keptTag.assign(p->getTag());
    else if (action.get() == 2 && s)
        keptTag.assign(s->getTag());
    else
        keptTag.clear();
    program.set(nullptr);
    screen.set(nullptr);
}

void gpropControl::reattachTargets()
{
    if (keptTag.isEmpty())
        return;
    if (action.get() == 1)
        program.set(station::programs().find(keptTag));
    else if (action.get() == 2)
        screen.set(station::screens().find(keptTag));
}

void gpropControl::forgetScreen(const fscreen* deleted)
{
    if (refersToObject(screen) && referredObject(screen) == deleted)
        screen.set(nullptr);
    if (refersToObject(program))
        action.set(1);
}

void gpropControl::forgetProgram(const gsclProgram* deleted)
{
    if (refersToObject(program) && referredObject(program) == deleted)
        program.set(nullptr);
    if (refersToObject(screen))
        action.set(2);
}

// Label.

void gpropLabel::setDefault()
{
    reg.set(nullptr);
    textValues.setStateDefault(gstate::plain);
    text.set("%");
}

void gpropLabel::clear()
{
    reg.reset();
    textValues.clear();
    text.reset();
}

void gpropLabel::merge(const gpropLabel& other)
{
    takeValue(reg, other.reg);
    textValues.merge(other.textValues, gmergeMode::everything);
    takeText(text, other.text);
}

void gpropLabel::detachRegister() { keepTag(reg, keptTag); }
void gpropLabel::reattachRegister() { reattachWhole(reg, keptTag); }
void gpropLabel::forgetRegister(const gregister* deleted) { forget(reg, deleted); }
