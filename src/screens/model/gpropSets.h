#pragma once

#include "foundation/gstr.h"
#include "scl/gprogramArgumentSet.h"
#include "screens/model/gpropExponentValues.h"
#include "screens/model/gpropStates.h"

#include <cstdint>
#include <map>
#include <memory>

class fscreen;
class ganalogSupplement;
class gdigitalSupplement;
class gregister;
class gsclProgram;
class gstringSupplement;

// The property sets: for one kind of graphic object every property that the
// drawing-properties bar shows and changes, each a tri-state value. They
// gather a selection's values, hold the drawing defaults and carry one
// change to the selected objects.
//
// Every set offers setDefault (the defaults new objects get), clear (every
// value unset) and merge (take every value the other set has, as Get
// Properties From Selection does). Sets that refer to station objects keep
// their tags across closing one station and loading another (detach /
// reattach) and drop references to deleted objects (forget).

// A reference that holds an object (not unset, mixed or none).
template <class T>
bool refersToObject(const gtriRef<T>& ref)
{
    return ref.hasValue() && ref.get() != 0;
}

// The object of a reference that holds one, else null.
template <class T>
T* referredObject(const gtriRef<T>& ref)
{
    return refersToObject(ref) ? reinterpret_cast<T*>(ref.get()) : nullptr;
}

// Lines, splines, rectangles, ellipses, texts and pictures (mask 0x001).
struct gpropStatic {
    gpropAppearanceValues values;

    void setDefault();
    void clear() { values.clear(); }
    void merge(const gpropStatic& other) { values.merge(other.values, gmergeMode::everything); }
    void resolveImages() { values.image.resolve(); }
};

// 3D areas (0x002): the area type 1 to 9.
struct gprop3dRect {
    gtriInt type;

    void setDefault() { type.set(1); }
    void clear() { type.reset(); }
    void merge(const gprop3dRect& other);
};

// Bistate indicators (0x004): the register and five states.
struct gpropBistate {
    gtriRef<gregister> reg;
    gstateAppearance states[5];
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropBistate& other);
    bool isComplete() const;
    void detachRegister();
    void reattachRegister();
    void forgetRegister(const gregister* deleted);
    void resolveImages();
    const gstateAppearance* pickState(int state, int& mode) const { return pickFiveStates(states, state, mode); }
};

// Multistate indicators (0x008): the register's digital part, the masked,
// error and blink states, and numbered states by value.
struct gpropMultistate {
    gtriRef<gdigitalSupplement> reg;
    gstateAppearance states[3];
    std::map<uint32_t, std::unique_ptr<gstateAppearance>> numbered;
    // The names of the register's values, for the pane's state list.
    std::map<uint32_t, gstr> stateNames;
    // Whether an object has already been gathered: 1 after setDefault, 0
    // after clear.
    int32_t gathered = 0;
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropMultistate& other);
    bool isComplete() const;
    void detachRegister();
    // Every multistate indicator of every screen first adds its state
    // numbers.
    void reattachRegister();
    void forgetRegister(const gregister* deleted);
    void resolveImages();

    // The numbered record, made with the kind-11 defaults when missing; with
    // enable its flag becomes 1.
    gstateAppearance& ensureState(uint32_t number, bool enable);
    gstateAppearance* findState(uint32_t number) const;
    // The register's value names, else the names the selected objects of
    // the screen agree on.
    void collectStateNames(fscreen* screen);
    void addScreenStates();
    bool isGathered() const noexcept { return gathered != 0; }
    void setGathered() noexcept { gathered = 1; }
    // A look to copy for a newly enabled state (state id 0, 1, 2 or 11 with
    // its number).
    const gstateAppearance* pickState(int state, uint32_t number, int& mode) const;
};

// Analog indicators (0x010).
struct gpropAnalog {
    gpropValueText valueText;
    gtriRef<ganalogSupplement> reg;
    gtriInt valueShown;
    gtriStateDouble factor;
    gtriStateDouble offset;
    gtriInt precision;
    gtriStateBool plusSign;
    gtriStateBool useExponent;
    gpropExponentValues exponent;
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropAnalog& other);
    bool isComplete() const;
    void detachRegister();
    void reattachRegister();
    void forgetRegister(const gregister* deleted);
};

// Dials (0x020): eleven part records.
struct gpropDial {
    gstateFill states[11];
    gtriRef<ganalogSupplement> reg;
    gtriInt valueShown;
    gtriStateBool horizontal;
    gtriStateDouble minimum;
    gtriStateDouble maximum;
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropDial& other);
    bool isComplete() const;
    void detachRegister();
    void reattachRegister();
    void forgetRegister(const gregister* deleted);
    void resolveImages();
    const gstateFill* pickState(int state, int& mode) const;
};

// Graphs (0x040).
struct gpropGraph {
    gtriRef<ganalogSupplement> reg;
    gpropLineValues line;
    gpropFillValues fill;
    gtriInt type;
    gtriStateDouble bottom;
    gtriStateDouble top;
    gpropImageValue image;
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropGraph& other);
    bool isComplete() const;
    void detachRegister();
    void reattachRegister();
    void forgetRegister(const gregister* deleted);
    void resolveImages() { image.resolve(); }
};

// Digital indicators (0x080).
struct gpropDigital {
    gpropValueText valueText;
    gtriRef<gdigitalSupplement> reg;
    gtriInt base;
    gtriInt minimumDigits;
    gtriStateBool useValueNames;
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropDigital& other);
    bool isComplete() const;
    void detachRegister();
    void reattachRegister();
    void forgetRegister(const gregister* deleted);
};

// String indicators (0x100).
struct gpropString {
    gpropValueText valueText;
    gtriRef<gstringSupplement> reg;
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropString& other);
    bool isComplete() const;
    void detachRegister();
    void reattachRegister();
    void forgetRegister(const gregister* deleted);
};

// X-Y markers (0x200): the state register, the two coordinate registers,
// the label register, the look without a state register (state id 12) and
// five state looks.
struct gpropMarker {
    gtriRef<gregister> reg;
    gtriRef<ganalogSupplement> xReg;
    gtriRef<ganalogSupplement> yReg;
    gtriInt xShows;
    gtriInt yShows;
    gtriStateDouble xMinimum;
    gtriStateDouble xMaximum;
    gtriStateDouble yMinimum;
    gtriStateDouble yMaximum;
    gtriRef<gstringSupplement> labelReg;
    gpropMarkerValues staticRecord;
    gpropMarkerValues states[5];
    gstr keptTags[4];

    void setDefault();
    void clear();
    void merge(const gpropMarker& other);
    bool isComplete() const;
    void detachRegisters();
    void reattachRegisters();
    void forgetRegister(const gregister* deleted);
    void resolveImages();
    // The record of a state id: 0 to 4, or 12 the static record; null else.
    gpropMarkerValues* record(int state);
    const gpropMarkerValues* record(int state) const;
    const gpropMarkerValues* pickState(int state, int& mode) const { return pickFiveStates(states, state, mode); }
};

// Controls (0x800).
struct gpropControl {
    gtriStateString caption;
    gtriStateBool screenColour;
    gtriInt action;
    gtriRef<fscreen> screen;
    gtriRef<gsclProgram> program;
    gprogramArgumentSet arguments;
    gtriStateString station;
    gtriStateString networkScreen;
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropControl& other);
    bool isComplete() const;
    void detachTargets();
    void reattachTargets();
    void forgetScreen(const fscreen* deleted);
    void forgetProgram(const gsclProgram* deleted);
};

// Labels (0x400).
struct gpropLabel {
    gtriRef<gregister> reg;
    gpropTextValues textValues;
    gtriStateString text;
    gstr keptTag;

    void setDefault();
    void clear();
    void merge(const gpropLabel& other);
    bool isComplete() const { return refersToObject(reg); }
    void detachRegister();
    void reattachRegister();
    void forgetRegister(const gregister* deleted);
};
