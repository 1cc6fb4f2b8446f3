#include "platform/patternTables.h"

#include "screens/model/gfillPatterns.h"

#include <QBitmap>
#include <QBrush>
#include <QCoreApplication>
#include <QImage>
#include <memory>

namespace {

struct ownedPattern {
    std::unique_ptr<QImage> bitmap;
    std::unique_ptr<QBrush> brush;
};

ownedPattern fillTable[fillPatternCount];
ownedPattern colourTable[colourPatternCount];

// The hatches of screen areas, their set bits where the hatch shows its
// foreground (the 0 bits of the patterns' rows).
std::unique_ptr<QImage> fillBitmap(int index)
{
    auto image = std::make_unique<QImage>(8, 8, QImage::Format_MonoLSB);
    image->setColor(0, qRgb(255, 255, 255));
    image->setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            image->setPixel(x, y, fillPatterns::hatchShowsForeground(index, x, y) ? 1 : 0);
    }
    return image;
}

// The colour patterns of screen areas, in their own colours.
std::unique_ptr<QImage> colourPatternBitmap(int index)
{
    int size = fillPatterns::colourPatternSize(index);
    auto image = std::make_unique<QImage>(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            gcolor c = fillPatterns::colourPatternPixel(index, x, y);
            image->setPixel(x, y, qRgb(c.red(), c.green(), c.blue()));
        }
    }
    return image;
}

patternEntry entryOf(const ownedPattern& p) { return {p.bitmap.get(), p.brush.get()}; }

// Pixmaps must go while the window system is still there.
void freeAtExit()
{
    static bool registered = false;
    if (!registered)
        qAddPostRoutine(destroyPatternTables);
    registered = true;
}

} // namespace

void makeFillPatternTable()
{
    freeAtExit();
    for (int i = 0; i < fillPatternCount; ++i) {
        fillTable[i].bitmap = fillBitmap(i);
        fillTable[i].brush = std::make_unique<QBrush>(Qt::black, QBitmap::fromImage(*fillTable[i].bitmap));
    }
}

void makeColourPatternTable()
{
    freeAtExit();
    for (int i = 0; i < colourPatternCount; ++i) {
        colourTable[i].bitmap = colourPatternBitmap(i);
        colourTable[i].brush = std::make_unique<QBrush>(*colourTable[i].bitmap);
    }
}

patternEntry fillPattern(int index)
{
    return index >= 0 && index < fillPatternCount ? entryOf(fillTable[index]) : patternEntry{};
}

patternEntry colourPattern(int index)
{
    return index >= 0 && index < colourPatternCount ? entryOf(colourTable[index]) : patternEntry{};
}

void destroyPatternTables()
{
    for (ownedPattern& p : fillTable)
        p = {};
    for (ownedPattern& p : colourTable)
        p = {};
}
