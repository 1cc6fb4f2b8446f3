#include "screenTestSupport.h"

#include "screens/model/ggraphDrawings.h"
#include "screens/model/gimage.h"

namespace {

using namespace screenTests;

std::vector<uint8_t> bytes(std::initializer_list<int> values)
{
    std::vector<uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

bool decodes(int64_t w, int64_t h, const std::vector<uint8_t>& data)
{
    gbitmap image("x");
    return image.decode(w, h, data.data(), data.size());
}

TEST(gbitmap, RunsCoverEachRowExactly)
{
    EXPECT_TRUE(decodes(3, 1, bytes({5, 2})));
    EXPECT_FALSE(decodes(3, 1, bytes({5, 3})));
    EXPECT_TRUE(decodes(3, 2, bytes({5, 1, 6, 0, 7, 2})));
    EXPECT_FALSE(decodes(3, 2, bytes({5, 1, 6, 0, 7, 2, 0})));
    EXPECT_FALSE(decodes(3, 2, bytes({5, 1, 6, 0})));
    EXPECT_FALSE(decodes(3, 1, bytes({216, 2})));
    EXPECT_FALSE(decodes(3, 1, bytes({254, 2})));
    EXPECT_TRUE(decodes(0, 0, bytes({})));
    // Bounds from a file are checked before they size anything.
    EXPECT_FALSE(decodes(40000, 1, bytes({1, 255})));
    EXPECT_FALSE(decodes(30000, 30000, bytes({1, 255})));
}

TEST(gbitmap, MaskOnlyWhereAPixelIsTransparent)
{
    gbitmap plain("plain");
    auto solid = bytes({5, 1});
    ASSERT_TRUE(plain.decode(2, 1, solid.data(), solid.size()));
    EXPECT_FALSE(plain.hasMask());
    gbitmap holed("holed");
    auto holes = bytes({255, 0, 5, 0});
    ASSERT_TRUE(holed.decode(2, 1, holes.data(), holes.size()));
    EXPECT_TRUE(holed.hasMask());
    EXPECT_TRUE(holed.isTransparent(0, 0));
    EXPECT_FALSE(holed.isTransparent(1, 0));
    EXPECT_EQ(holed.pixels()[0], 0);
    EXPECT_EQ(holed.encode(), holes);
}

TEST(gbitmap, EncodingIsTheShortestGreedyCoding)
{
    std::vector<uint8_t> row = bytes({9, 255, 9, 43});
    gbitmap wide("wide");
    ASSERT_TRUE(wide.decode(300, 1, row.data(), row.size()));
    EXPECT_EQ(wide.encode(), row);
    // Runs written short read back and are written as long as they go.
    std::vector<uint8_t> split = bytes({4, 0, 4, 0, 4, 0, 255, 1});
    gbitmap small("small");
    ASSERT_TRUE(small.decode(5, 1, split.data(), split.size()));
    EXPECT_EQ(small.encode(), bytes({4, 2, 255, 1}));
}

class imageLibraryTest : public screenTest {};

TEST_F(imageLibraryTest, LibraryFileLoadsThePlaceholderAndNamedImages)
{
    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 0, 0, 4, 4, 1}, {"valve", 2, 3, 5, 6, 7}, {"pump", 0, 0, 300, 2, 8}})));
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_NE(imageLibrary().getPlaceholder(), nullptr);
    EXPECT_EQ(imageLibrary().getPlaceholder()->getName().view(), "???");
    gbitmap* valve = imageLibrary().find("VALVE");
    ASSERT_NE(valve, nullptr);
    EXPECT_EQ(valve->getBounds(), (grect{-2, -3, 3, 3}));
    EXPECT_EQ(valve->width(), 5);
    EXPECT_EQ(valve->pixels()[0], 7);
    EXPECT_EQ(imageLibrary().count(), 2);
    EXPECT_TRUE(imageLibrary().canReload());
}

TEST_F(imageLibraryTest, InvalidLibrariesReportTheFileAndKeepWhatWasRead)
{
    struct {
        const char* what;
        std::string bytes;
        int images;
    } const cases[] = {
        {"empty name", libraryBytes({{"", 0, 0, 1, 1, 1}, {"a", 0, 0, 1, 1, 1}}) + std::string("\0", 1), 1},
        {"names differing in case",
         libraryBytes({{"", 0, 0, 1, 1, 1}, {"Tank", 0, 0, 1, 1, 1}, {"TANK", 0, 0, 1, 1, 1}}), 1},
        {"record cut short", libraryBytes({{"", 0, 0, 1, 1, 1}, {"a", 0, 0, 3, 3, 1}}).substr(0, 30), 0},
        {"name without its end", libraryBytes({{"", 0, 0, 1, 1, 1}}) + "abc", 0},
        {"placeholder cut short", std::string("\0\0\0\0", 4), 0},
        {"length beyond the file", std::string("\0\0\0\0\0\1\0\1\xFF\xFF\xFF\xFF", 12), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clean();
        messages.messages.clear();
        EXPECT_FALSE(loadLibrary(c.bytes));
        EXPECT_EQ(imageLibrary().count(), c.images);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].promptId, 20016);
        EXPECT_NE(messages.lastText().find("is not a valid K.O.R.V.E.L. image library."), std::string::npos);
        EXPECT_FALSE(imageLibrary().canReload());
    }
}

TEST_F(imageLibraryTest, ReloadForgetsAFileThatWentAway)
{
    scratchFile file(libraryBytes({{"", 0, 0, 1, 1, 1}, {"a", 0, 0, 1, 1, 2}}));
    gfileName name;
    name.fullPath = file.path().c_str();
    ASSERT_TRUE(imageLibrary().load(name));
    EXPECT_TRUE(imageLibrary().reload());
    std::ofstream(file.path(), std::ios::binary) << "broken";
    EXPECT_FALSE(imageLibrary().reload());
    EXPECT_FALSE(imageLibrary().canReload());
}

TEST_F(imageLibraryTest, StationImagesStandInForLibraryImagesWhileTheStationIsOpen)
{
    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 0, 0, 1, 1, 1}, {"Valve", 0, 0, 1, 1, 2}})));
    ASSERT_EQ(loadText("IMAGE VALVE\nBOUNDS 0, 0, 2, 1\nSIZE 2\nBITMAP BQE=\nEND\n"
                       "SCREEN S\nBOUNDS 0, 0, 100, 100\nBITMAP\nIMAGE valve\nPOSITION 10, 10\nEND\nEND\n"),
              gloadError::none);
    gbitmap* shown = imageLibrary().find("valve");
    EXPECT_EQ(shown->width(), 2);
    EXPECT_EQ(shown->pixels()[0], 5);
    EXPECT_EQ(station::images().count(), 0);
    auto* bitmap = static_cast<ggraphBitmap*>(station::screens().find("S")->firstObject());
    EXPECT_EQ(bitmap->getImage(), shown);
    EXPECT_EQ(bitmap->getBounds(), (grect{10, 10, 12, 11}));

    // Saved with the station's picture, under the image's own name.
    std::string saved = savedObjects();
    EXPECT_NE(saved.find("IMAGE VALVE\n\tBOUNDS\t\t0, 0, 2, 1\n\tSIZE\t\t2\n\tBITMAP\t\tBQE=\nEND\n"),
              std::string::npos);
    EXPECT_EQ(station::images().count(), 0);

    // Loading another library keeps the station's picture in front.
    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 0, 0, 1, 1, 1}, {"valve", 0, 0, 3, 1, 4}})));
    EXPECT_EQ(imageLibrary().find("valve")->width(), 2);
    EXPECT_EQ(bitmap->getImage(), imageLibrary().find("valve"));

    // Closing the station brings the library's picture back.
    closeObjectDatabase();
    EXPECT_EQ(imageLibrary().find("valve")->width(), 3);
}

TEST_F(imageLibraryTest, BitmapTextIsCutToTheSizeAndMustNotFallShort)
{
    ASSERT_EQ(loadText("IMAGE a\nBOUNDS 0, 0, 2, 1\nSIZE 2\nBITMAP BQEHAA==\nEND\n"), gloadError::none);
    EXPECT_EQ(imageLibrary().find("a")->pixels()[1], 5);
    clean();
    EXPECT_EQ(loadText("IMAGE a\nBOUNDS 0, 0, 2, 1\nSIZE 4\nBITMAP BQE=\nEND\n"), gloadError::incompleteObject);
    EXPECT_EQ(imageLibrary().find("a"), nullptr);
    struct {
        const char* block;
        int error;
    } const cases[] = {
        {"SIZE 0\n", gloadError::invalidFieldValue},
        {"SIZE 2\nSIZE 2\n", gloadError::fieldLoadedTwice},
        {"BOUNDS 0, 0, 2\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 2, 1\nBOUNDS 0, 0, 2, 1\n", gloadError::fieldLoadedTwice},
        {"BOUNDS 0, 0, 3, 1\nSIZE 2\nBITMAP BQE=\nEND\n", gloadError::incompleteObject},
        {"BITMAP !!!\nEND\n", gloadError::incompleteObject},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.block);
        clean();
        EXPECT_EQ(loadText(std::string("IMAGE a\n") + c.block), c.error);
    }
}

TEST_F(imageLibraryTest, OnlyImagesThatScreensShowAreSavedInLinesOf120)
{
    std::string pixels;
    for (int i = 0; i < 100; ++i) {
        pixels.push_back(static_cast<char>(i % 200));
        pixels.push_back(2);
    }
    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 0, 0, 1, 1, 1}, {"unused", 0, 0, 1, 1, 2}})));
    ASSERT_EQ(loadText("SCREEN S\nBOUNDS 0, 0, 100, 100\nEND\n"), gloadError::none);
    EXPECT_EQ(savedObjects().find("IMAGE"), std::string::npos);

    gbitmap* wide = new gbitmap("wide");
    auto data = reinterpret_cast<const uint8_t*>(pixels.data());
    ASSERT_TRUE(wide->decode(300, 1, data, pixels.size()));
    ASSERT_TRUE(imageLibrary().insertStationImage(wide));
    ASSERT_EQ(loadText("SCREEN T\nBOUNDS 0, 0, 100, 100\nBITMAP\nIMAGE wide\nPOSITION 0, 0\nEND\n"
                       "BITMAP\nIMAGE missing\nPOSITION 5, 5\nEND\nEND\n"),
              gloadError::none);
    std::string saved = savedObjects();
    size_t first = saved.find("\tBITMAP\t\t");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(saved.find('\n', first) - first, 9u + 120u);
    EXPECT_EQ(saved.find("IMAGE missing"), std::string::npos);
    EXPECT_NE(saved.find("\t\tIMAGE\t\tmissing\n"), std::string::npos);
}

TEST_F(imageLibraryTest, MissingImagesDrawThePlaceholderAndReloadsMarkChanges)
{
    ASSERT_EQ(loadText("SCREEN S\nBOUNDS 0, 0, 100, 100\nBITMAP\nIMAGE valve\nPOSITION 10, 10\nEND\nEND\n"),
              gloadError::none);
    auto* bitmap = static_cast<ggraphBitmap*>(station::screens().find("S")->firstObject());
    recordingContext dc;
    bitmap->draw(dc);
    EXPECT_TRUE(dc.calls.empty());

    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 1, 1, 3, 3, 1}})));
    EXPECT_EQ(stationState().modified, 0);
    bitmap->draw(dc);
    EXPECT_EQ(dc.calls, (std::vector<std::string>{"image 10,10 ???"}));
    EXPECT_EQ(bitmap->getBounds(), (grect{9, 9, 12, 12}));

    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 0, 0, 1, 1, 1}, {"valve", 0, 0, 1, 1, 2}})));
    EXPECT_EQ(stationState().modified, 1);
    stationState().modified = 0;
    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 0, 0, 1, 1, 1}, {"valve", 0, 0, 2, 2, 3}})));
    EXPECT_EQ(stationState().modified, 0);
    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 0, 0, 1, 1, 1}})));
    EXPECT_EQ(stationState().modified, 1);
}

} // namespace
