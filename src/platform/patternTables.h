#pragma once

class QBrush;
class QImage;

// The fill patterns of screen objects, made once at start-up and kept until
// the program ends.
//
// fillPatternTable: 22 two-colour 8 x 8 patterns (fill kind 3); the bitmap is
// one bit per pixel, painted in the object's two colours, and the brush
// paints its set bits in the brush colour: the pixels where the hatch shows
// the fill's foreground (screens/model/gfillPatterns.h).
// colourPatternTable: 5 patterns in their own colours (fill kind 4): entries
// 0, 1, 3, 4 are 8 x 8 in 16 colours, entry 2 is 10 x 10 in 256 colours.
struct patternEntry {
    const QImage* bitmap = nullptr;
    const QBrush* brush = nullptr;
};

constexpr int fillPatternCount = 22;
constexpr int colourPatternCount = 5;

void makeFillPatternTable();
void makeColourPatternTable();
// Null bitmap and brush until the table is made.
patternEntry fillPattern(int index);
patternEntry colourPattern(int index);
// Runs by itself when the application object goes; an unmade table frees
// nothing.
void destroyPatternTables();
