#pragma once

#include "foundation/gtriState.h"

#include <cstdint>

class gfontName;

// The exponential notation of analog numbers as a property set holds it
// over the selected objects: the marker drawn between mantissa and
// exponent, the digits of the exponent, whether a plus sign is shown (0 or
// 1), the exponent's font (null: the number's own font, which counts as a
// value), and how many pixels smaller and higher the exponent is drawn.
struct gpropExponentValues {
    gtriStateString marker;
    gtriState<int32_t> digits;
    gtriState<int32_t> plusSign;
    gtriState<const gfontName*, gtriFamily::general> font;
    gtriState<int32_t> reduceBy;
    gtriState<int32_t> raiseBy;

    // Gives the defaults to the values still unset: the marker string
    // 20019, 2 digits, the plus sign shown, the number's font, 2 pixels
    // smaller and 5 higher.
    void fillDefaults();
    // Every value unset.
    void clear();
    // Takes every value the other holds.
    void merge(const gpropExponentValues& other);
};
