#include "platform/gdiCaches.h"
#include "platform/gdiObjectCache.h"
#include "platform/patternTables.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <gtest/gtest.h>

namespace {

struct countedKey {
    uint32_t value;
};

struct countedEntry {
    static inline int made = 0;
    explicit countedEntry(const countedKey& key) : value(key.value) { ++made; }
    bool matches(const countedKey& key) const { return key.value == value; }
    static uint32_t keyBits(const countedKey& key) { return key.value; }
    uint32_t value;
    countedEntry* next = nullptr;
};

TEST(gdiObjectCache, SharedBucketPutsTheNewestFirstAndFindsBoth)
{
    gdiObjectCache<countedEntry> cache;
    // (x ^ 0xAAAAAAAA) % 11 equal for x = 0xAAAAAAAA and 0xAAAAAAAA ^ 11.
    countedKey a{0xAAAAAAAAu}, b{0xAAAAAAAAu ^ 11u};
    ASSERT_EQ(cache.bucketOf(a), 0);
    ASSERT_EQ(cache.bucketOf(b), 0);
    countedEntry::made = 0;
    countedEntry& first = cache.findOrCreate(a);
    countedEntry& second = cache.findOrCreate(b);
    EXPECT_EQ(cache.bucketHead(0), &second);
    EXPECT_EQ(second.next, &first);
    EXPECT_EQ(&cache.findOrCreate(a), &first);
    EXPECT_EQ(&cache.findOrCreate(b), &second);
    EXPECT_EQ(countedEntry::made, 2);
}

TEST(gdiCaches, SameKeyGivesTheSameObject)
{
    const QBrush& red = getSolidBrush(0x0000FF);
    EXPECT_EQ(&getSolidBrush(0x0000FF), &red);
    EXPECT_EQ(red.color(), QColor(255, 0, 0));
    EXPECT_NE(&getSolidBrush(0xFF0000), &red);
    EXPECT_EQ(getSolidBrush(0xFF0000).color(), QColor(0, 0, 255));

    const QPen& dashed = getLinePen(1, 2, 0x00FF00);
    EXPECT_EQ(&getLinePen(1, 2, 0x00FF00), &dashed);
    EXPECT_EQ(dashed.color(), QColor(0, 255, 0));
    EXPECT_EQ(dashed.width(), 2);
    EXPECT_EQ(getLinePen(0, 3, 0).style(), Qt::SolidLine);
    EXPECT_EQ(dashed.style(), Qt::CustomDashLine);
}

TEST(gdiCaches, DashesAreScaledByTheWidthPlusOne)
{
    int dashes[6];
    EXPECT_EQ(linePenDashes(0, 3, dashes), 0);
    ASSERT_EQ(linePenDashes(1, 2, dashes), 2);
    EXPECT_EQ(dashes[0], 12);
    EXPECT_EQ(dashes[1], 12);
    ASSERT_EQ(linePenDashes(4, 0, dashes), 6);
    EXPECT_EQ((std::vector<int>(dashes, dashes + 6)), (std::vector<int>{6, 2, 0, 2, 0, 2}));
    EXPECT_EQ(linePenDashes(9, 1, dashes), 0);
}

struct fontRecord {
    const char* face;
    gstrSlice faceName() const { return face; }
};

TEST(gdiCaches, FontsAreToldApartByTheirRecord)
{
    fontRecord sans{"Arial"}, alsoSans{"Arial"};
    const QFont& a = getFont(-13, 700, false, &sans);
    EXPECT_EQ(&getFont(-13, 700, false, &sans), &a);
    EXPECT_NE(&getFont(-13, 700, false, &alsoSans), &a);
    EXPECT_NE(&getFont(-13, 400, false, &sans), &a);
    EXPECT_EQ(a.family(), "Arial");
    EXPECT_EQ(a.pixelSize(), 13);
    EXPECT_EQ(a.weight(), QFont::Bold);
    EXPECT_TRUE(getFont(-13, 400, true, &sans).italic());
}

TEST(patternTables, MadeAtStartUpWithTheirSizes)
{
    destroyPatternTables();
    EXPECT_EQ(colourPattern(2).brush, nullptr);
    EXPECT_EQ(fillPattern(0).bitmap, nullptr);
    makeFillPatternTable();
    makeColourPatternTable();
    for (int i = 0; i < fillPatternCount; ++i) {
        ASSERT_NE(fillPattern(i).bitmap, nullptr);
        EXPECT_EQ(fillPattern(i).bitmap->size(), QSize(8, 8));
        EXPECT_EQ(fillPattern(i).bitmap->depth(), 1);
        EXPECT_NE(fillPattern(i).brush, nullptr);
    }
    for (int i = 0; i < colourPatternCount; ++i)
        EXPECT_EQ(colourPattern(i).bitmap->size(), i == 2 ? QSize(10, 10) : QSize(8, 8));
    EXPECT_EQ(colourPattern(2).brush->textureImage().size(), QSize(10, 10));
    EXPECT_EQ(fillPattern(22).bitmap, nullptr);
    EXPECT_EQ(colourPattern(-1).brush, nullptr);
}

} // namespace
