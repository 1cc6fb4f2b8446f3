#include "platform/gdiCaches.h"

#include "platform/gdiObjectCache.h"
#include "platform/textCodec.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QPen>
#include <algorithm>
#include <vector>

namespace {

QColor colourOf(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

struct solidBrushKey {
    uint32_t colour;
};

struct solidBrushEntry {
    explicit solidBrushEntry(const solidBrushKey& key) : colour(key.colour), brush(colourOf(key.colour)) {}
    bool matches(const solidBrushKey& key) const { return key.colour == colour; }
    static uint32_t keyBits(const solidBrushKey& key) { return key.colour; }

    uint32_t colour;
    QBrush brush;
    solidBrushEntry* next = nullptr;
};

struct linePenKey {
    int style;
    int width;
    uint32_t colour;
};

struct linePenEntry {
    explicit linePenEntry(const linePenKey& key) : style(key.style), width(key.width), colour(key.colour)
    {
        // A geometric pen: round ends and joins, the width in pixels.
        pen = QPen(colourOf(colour), std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        int dashes[6];
        int n = linePenDashes(style, width, dashes);
        if (n == 0)
            return;
        // Qt counts dashes in pen widths and takes no empty dash; a dash of
        // length 0 is a dot made by the round ends.
        std::vector<qreal> pattern;
        for (int i = 0; i < n; ++i)
            pattern.push_back(std::max(dashes[i], 0) / qreal(pen.width()) + (dashes[i] == 0 ? 0.01 : 0.0));
        pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    }
    bool matches(const linePenKey& key) const
    {
        return key.style == style && key.width == width && key.colour == colour;
    }
    static uint32_t keyBits(const linePenKey& key)
    {
        return static_cast<uint32_t>(key.style) ^ static_cast<uint32_t>(key.width) ^ key.colour;
    }

    int style;
    int width;
    uint32_t colour;
    QPen pen;
    linePenEntry* next = nullptr;
};

struct fontKey {
    int height;
    int weight;
    bool italic;
    const void* record;
    gstrSlice faceName;
};

struct fontEntry {
    explicit fontEntry(const fontKey& key)
        : height(key.height), weight(key.weight), italic(key.italic), record(key.record)
    {
        font.setFamily(toUiText(key.faceName));
        if (height != 0)
            font.setPixelSize(height < 0 ? -height : height);
        font.setWeight(static_cast<QFont::Weight>(std::clamp(weight == 0 ? 400 : weight, 1, 1000)));
        font.setItalic(italic);
    }
    bool matches(const fontKey& key) const
    {
        return key.height == height && key.weight == weight && key.italic == italic && key.record == record;
    }
    static uint32_t keyBits(const fontKey& key)
    {
        return static_cast<uint32_t>(key.height) ^ static_cast<uint32_t>(key.weight) ^
               static_cast<uint32_t>(key.italic) ^ static_cast<uint32_t>(reinterpret_cast<uintptr_t>(key.record));
    }

    int height;
    int weight;
    bool italic;
    const void* record;
    QFont font;
    fontEntry* next = nullptr;
};

// Fonts must go while the window system is still there.
void freeAtExit()
{
    static bool registered = false;
    if (!registered && QCoreApplication::instance())
        qAddPostRoutine(destroyGdiCaches);
    registered = registered || QCoreApplication::instance();
}

gdiObjectCache<solidBrushEntry>& brushes()
{
    static gdiObjectCache<solidBrushEntry> cache;
    return cache;
}

gdiObjectCache<linePenEntry>& pens()
{
    static gdiObjectCache<linePenEntry> cache;
    return cache;
}

gdiObjectCache<fontEntry>& fonts()
{
    static gdiObjectCache<fontEntry> cache;
    return cache;
}

} // namespace

const QBrush& getSolidBrush(uint32_t colour)
{
    freeAtExit();
    return brushes().findOrCreate(solidBrushKey{colour}).brush;
}

const QPen& getLinePen(int lineStyle, int width, uint32_t colour)
{
    freeAtExit();
    return pens().findOrCreate(linePenKey{lineStyle, width, colour}).pen;
}

const QFont& getFontFor(int height, int weight, bool italic, const void* record, const gstrSlice& faceName)
{
    freeAtExit();
    return fonts().findOrCreate(fontKey{height, weight, italic, record, faceName}).font;
}

int linePenDashes(int lineStyle, int width, int* dashes)
{
    static const int patterns[5][7] = {
        {0}, {2, 4, 4}, {2, 0, 2}, {4, 6, 2, 0, 2}, {6, 6, 2, 0, 2, 0, 2},
    };
    if (lineStyle <= 0 || lineStyle > 4)
        return 0;
    const int* p = patterns[lineStyle];
    for (int i = 0; i < p[0]; ++i)
        dashes[i] = p[i + 1] * (width + 1);
    return p[0];
}

void destroyGdiCaches()
{
    brushes().destroyAll();
    pens().destroyAll();
    fonts().destroyAll();
}
