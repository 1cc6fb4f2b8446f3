#pragma once

#include "foundation/gtriState.h"

#include <cstdint>

struct gpropExponentValues;

// What the factor-and-offset and exponential-notation dialogs use of the
// analog-value pane of the screen-object properties that opens them: the
// property set being edited and the screen whose selection is edited (the
// analog properties pane implements it).
class analogNotationPane {
public:
    // The set is the drawing defaults' own: every field is taken then.
    virtual bool editsDrawingDefaults() const = 0;
    virtual gtriStateDouble& factor() = 0;
    virtual gtriStateDouble& offset() = 0;
    // Whether exponential notation is used: 0 or 1 over the selection.
    virtual gtriState<int32_t>& useExponent() = 0;
    virtual gpropExponentValues& exponent() = 0;
    // Applies one property of the set to every selected object of the
    // screen being edited that takes analog values (group 16, mask 4, flag
    // 0); nothing when the drawing defaults are edited.
    virtual void applyToSelection(int property) = 0;

protected:
    ~analogNotationPane() = default;
};

// The property numbers the two dialogs apply.
namespace analogProperty {
constexpr int factor = 22;
constexpr int offset = 23;
constexpr int useExponent = 47;
constexpr int marker = 48;
constexpr int digits = 49;
constexpr int plusSign = 50;
constexpr int font = 51;
constexpr int reduceBy = 52;
constexpr int raiseBy = 53;
} // namespace analogProperty
