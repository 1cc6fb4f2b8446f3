#include "platform/patternTables.h"

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

// Rows of eight pixels, the high bit leftmost: lines, hatches, shades, bricks
// and weaves.
constexpr unsigned char fillBits[fillPatternCount][8] = {
    {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}, // horizontal lines
    {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88}, // vertical lines
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // falling diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // rising diagonal
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
    {0x80, 0x00, 0x08, 0x00, 0x80, 0x00, 0x08, 0x00}, // sparse dots
    {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00}, // 12 %
    {0xAA, 0x00, 0xAA, 0x00, 0xAA, 0x00, 0xAA, 0x00}, // 25 %
    {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, // 50 %
    {0xFF, 0x55, 0xFF, 0x55, 0xFF, 0x55, 0xFF, 0x55}, // 75 %
    {0x77, 0xFF, 0xDD, 0xFF, 0x77, 0xFF, 0xDD, 0xFF}, // 88 %
    {0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00}, // wide horizontal
    {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC}, // wide vertical
    {0xC1, 0xE0, 0x70, 0x38, 0x1C, 0x0E, 0x07, 0x83}, // wide falling diagonal
    {0x83, 0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1}, // wide rising diagonal
    {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08}, // bricks
    {0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51}, // weave
    {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F}, // checkerboard
    {0x10, 0x38, 0x7C, 0xFE, 0x7C, 0x38, 0x10, 0x00}, // diamonds
    {0x00, 0x3C, 0x42, 0x42, 0x42, 0x42, 0x3C, 0x00}, // rings
    {0x80, 0x80, 0x41, 0x3E, 0x08, 0x08, 0x14, 0xE3}, // scales
};

std::unique_ptr<QImage> fillBitmap(const unsigned char* rows)
{
    auto image = std::make_unique<QImage>(8, 8, QImage::Format_MonoLSB);
    image->setColor(0, qRgb(255, 255, 255));
    image->setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            image->setPixel(x, y, (rows[y] >> (7 - x)) & 1);
    }
    return image;
}

// The pictures of the colour patterns: a colour bitmap of the given size,
// each pixel from its coordinates.
template <class Colour>
std::unique_ptr<QImage> colourBitmap(int size, Colour colour)
{
    auto image = std::make_unique<QImage>(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            image->setPixel(x, y, colour(x, y));
    }
    return image;
}

std::unique_ptr<QImage> colourPatternBitmap(int index)
{
    switch (index) {
    case 0: // red and yellow checks
        return colourBitmap(8, [](int x, int y) { return ((x / 2 + y / 2) & 1) ? qRgb(255, 0, 0) : qRgb(255, 255, 0); });
    case 1: // blue and cyan stripes
        return colourBitmap(8, [](int x, int y) { return ((x + y) & 2) ? qRgb(0, 0, 128) : qRgb(0, 255, 255); });
    case 2: // a ten-pixel tile of graded colours
        return colourBitmap(10, [](int x, int y) { return qRgb(x * 25, y * 25, 255 - (x + y) * 12); });
    case 3: // green bricks with grey mortar
        return colourBitmap(8, [](int x, int y) {
            bool mortar = y % 4 == 3 || (x == (y < 4 ? 0 : 4));
            return mortar ? qRgb(128, 128, 128) : qRgb(0, 128, 0);
        });
    default: // magenta dots on white
        return colourBitmap(8, [](int x, int y) { return (x % 4 == 1 && y % 4 == 1) ? qRgb(255, 0, 255) : qRgb(255, 255, 255); });
    }
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
        fillTable[i].bitmap = fillBitmap(fillBits[i]);
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
