#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class QBrush;
class QFont;
class QPen;

// The program's three caches of drawing objects. Colours are 32-bit values
// with red in the low byte, green in the next and blue in the third. What is
// handed out belongs to the cache and stays valid until destroyGdiCaches.

const QBrush& getSolidBrush(uint32_t colour);
// Line style 0 is solid; 1 to 4 are dash patterns scaled by the width.
const QPen& getLinePen(int lineStyle, int width, uint32_t colour);
// Fonts are told apart by the symbolic font record they name (by identity,
// even when two records name the same face); the record gives the face.
// Callers pass weight 700 for bold and 400 otherwise; a negative height is
// the character height in pixels.
const QFont& getFontFor(int height, int weight, bool italic, const void* record, const gstrSlice& faceName);
template <class Record>
const QFont& getFont(int height, int weight, bool italic, const Record* record)
{
    return getFontFor(height, weight, italic, record, record->faceName());
}

// The dash lengths in pixels of a line style at a width; empty for solid.
int linePenDashes(int lineStyle, int width, int* dashes);

// Runs by itself when the application object goes, while the window system
// is still there.
void destroyGdiCaches();
