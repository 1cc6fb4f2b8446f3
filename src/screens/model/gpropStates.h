#pragma once

#include "screens/model/gpropValues.h"

// The state records of the property sets: an enable flag (whether the
// objects have the state at all, 0 or 1) and the state's values. A record
// takes its defaults from a state kind 0 to 12: its state id (0 to 10), 11
// for a numbered multistate state, 12 for objects without states.

// A state of a bistate or multistate indicator.
struct gstateAppearance {
    gtriStateBool enable;
    gpropAppearanceValues values;

    void setStateDefault(int kind);
    void clear();
    void merge(const gstateAppearance& other, int mode);
    void resolveImage() { values.image.resolve(); }
};

// A state of a digital, analog or string indicator.
struct gstateText {
    gtriStateBool enable;
    gpropTextValues textValues;
    gtriStateString text;

    void setStateDefault(int kind);
    void clear();
    // textAllowed: whether the text may be copied at all.
    void merge(const gstateText& other, int mode, bool textAllowed);
};

// A part of a dial in one state: an area (line and fill) or a marker (line
// or image).
struct gstateFill {
    gtriStateBool enable;
    gpropLineValues line;
    gpropFillValues fill;
    gtriStateBool useImage;
    gpropImageValue image;

    void setStateDefault(int kind);
    void clear();
    void merge(const gstateFill& other, int mode);
    void resolveImage() { image.resolve(); }
};

// A state of an X-Y marker: its image, the X leader, Y leader and trace
// lines (each used or not) and its label.
struct gpropMarkerValues {
    gtriStateBool enable;
    gpropImageValue image;
    gtriStateBool useLine[3];
    gpropLineValues lines[3];
    gpropTextValues labelValues;
    gtriStateString labelText;

    void setStateDefault(int kind);
    void clear();
    void merge(const gpropMarkerValues& other, int mode);
    void resolveImage() { image.resolve(); }
};

// Whether a record may serve as the look a newly enabled state copies: its
// enable flag is 1 or mixed.
template <class R>
bool qualifiesAsSource(const R& record)
{
    return record.enable.isTrue() || record.enable.isMixed();
}

// The first qualifying record among the state ids of order (ending at -1),
// skipping state.
template <class R>
const R* firstQualifying(const R* records, const int* order, int state)
{
    for (; *order >= 0; ++order) {
        if (*order != state && qualifiesAsSource(records[*order]))
            return &records[*order];
    }
    return nullptr;
}

// The choice of a look to copy for the five states masked, error, blink,
// on, off: a record of the same group ({0, 1} or {2, 3, 4}) with mode 1,
// else one of the other group with mode 0. Null when none qualifies.
template <class R>
const R* pickFiveStates(const R* records, int state, int& mode)
{
    static const int maskedOrder[] = {1, -1};
    static const int errorOrder[] = {0, -1};
    static const int valueOrder[] = {4, 3, 2, -1};
    static const int liveOrder[] = {3, 4, 2, -1};
    static const int fixedOrder[] = {0, 1, -1};
    if (state < 0 || state > 4)
        return nullptr;
    const int* same = state == 0 ? maskedOrder : state == 1 ? errorOrder : liveOrder;
    const int* other = state <= 1 ? valueOrder : fixedOrder;
    if (const R* r = firstQualifying(records, same, state)) {
        mode = gmergeMode::noColours;
        return r;
    }
    if (const R* r = firstQualifying(records, other, state)) {
        mode = gmergeMode::shapeOnly;
        return r;
    }
    return nullptr;
}

// The common part of the value indicators' sets: the five state records
// (ids 0 to 4), prefix and suffix.
struct gpropValueText {
    gstateText states[5];
    gtriStateString prefix;
    gtriStateString suffix;

    void setDefault();
    void clear();
    // Prefix and suffix when the other has them; records 0 and 1 with mode
    // 1, records 2 to 4 with mode 0.
    void merge(const gpropValueText& other);
    const gstateText* pickState(int state, int& mode) const { return pickFiveStates(states, state, mode); }
    // Some of the blink, on and off records is enabled.
    bool hasEnabledValueState() const;
};
