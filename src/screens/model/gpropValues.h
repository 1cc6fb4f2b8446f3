#pragma once

#include "foundation/gcolor.h"
#include "foundation/gtriState.h"

#include <cstdint>

class gfontName;

// Tri-state integers of the property sets (every property value is 0 or
// more) and tri-state references (null is the common value "none").
using gtriInt = gtriState<int32_t>;
template <class T>
using gtriRef = gtriState<T*, gtriFamily::general>;

// The property ids (gpropID) by which one changed property travels from the
// drawing-properties bar to the selected objects; -1 names every property of
// a set.
namespace gprop {
constexpr int all = -1;
constexpr int lineStyle = 0, lineWidth = 1, lineColour = 2;
constexpr int fillKind = 3, fillForeground = 4, fillBackground = 5;
constexpr int font = 6, bold = 7, italic = 8, size = 9, alignment = 10, textColour = 11;
constexpr int text = 12, useImage = 13, image = 14, areaType = 15, registerRef = 16;
constexpr int prefix = 17, suffix = 18, base = 19, minimumDigits = 20, valueShown = 21;
constexpr int factor = 22, offset = 23, precision = 24, plusSign = 25, useValueNames = 26;
constexpr int horizontal = 27, minimum = 28, maximum = 29, graphType = 30;
constexpr int xRegister = 31, yRegister = 32, labelRegister = 33, xShows = 34, yShows = 35;
constexpr int xMinimum = 36, xMaximum = 37, useFirstLine = 38, useSecondLine = 39, useThirdLine = 40;
constexpr int firstLineStyle = 41, firstLineWidth = 42, firstLineColour = 43;
constexpr int secondLineStyle = 44, secondLineWidth = 45, secondLineColour = 46;
constexpr int useExponent = 47, exponentMarker = 48, exponentDigits = 49, exponentPlusSign = 50;
constexpr int exponentFont = 51, exponentReduceBy = 52, exponentRaiseBy = 53;
constexpr int caption = 54, action = 55, arguments = 56, screenColour = 57, enable = 58;
} // namespace gprop

// The state ids (gpropStateID) of state records.
namespace gstate {
constexpr int masked = 0, error = 1, blink = 2, on = 3, off = 4;
constexpr int topBlink = 5, topOn = 6, topOff = 7, markerBlink = 8, markerOn = 9, markerOff = 10;
constexpr int numbered = 11, plain = 12;
} // namespace gstate

// Merge modes of the value groups: -1 everything, 1 (and 2) everything but
// colours and enable flags, 0 only widths, images and the text values font,
// size, alignment, bold and italic.
namespace gmergeMode {
constexpr int everything = -1;
constexpr int noColours = 1;
constexpr int shapeOnly = 0;
} // namespace gmergeMode

// The name no image bears: a NUL and " NONE".
const gstrSlice& noImageName();

// How lines are stroked: style (1 SOLID to 5 BREAK LINE), width (1 or more),
// colour.
struct gpropLineValues {
    gtriInt style;
    gtriInt width;
    gcolor colour;

    void setStateDefault(int kind);
    void clear();
    void merge(const gpropLineValues& other, int mode);
};

// How areas are filled: kind (1 EMPTY, 2 COLOR, 3 PATTERN, 4 COLOR
// PATTERN), pattern, foreground, background.
struct gpropFillValues {
    gtriInt kind;
    gtriInt pattern;
    gcolor foreground;
    gcolor background;

    void setStateDefault(int kind);
    void clear();
    void merge(const gpropFillValues& other, int mode);
};

// How texts are lettered.
struct gpropTextValues {
    gtriRef<const gfontName> font;
    gtriInt size;
    gtriInt alignment;
    gtriStateBool bold;
    gtriStateBool italic;
    gcolor colour;

    void setStateDefault(int kind);
    void clear();
    void merge(const gpropTextValues& other, int mode);
};

// The name of an image of the image table.
struct gpropImageValue {
    gtriStateString name;

    // The first image of the table, else the no-image name.
    void setDefault();
    void clear() { name.reset(); }
    void merge(const gpropImageValue& other, int mode);
    // Finds the name again; a name the table lacks becomes the first image's
    // (a table without images leaves it).
    void resolve();
};

// Everything an indicator shape shows in one state.
struct gpropAppearanceValues {
    gpropLineValues line;
    gpropFillValues fill;
    gpropTextValues textValues;
    gpropImageValue image;
    gtriStateString text;

    void setStateDefault(int kind);
    void clear();
    void merge(const gpropAppearanceValues& other, int mode);
};
