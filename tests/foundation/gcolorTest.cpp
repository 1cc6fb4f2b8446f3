#include "foundation/gcolor.h"

#include "store/CObjectFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace {

TEST(gcolor, States)
{
    gcolor colour;
    EXPECT_FALSE(colour.isSet());
    colour.set(1, 2, 3);
    EXPECT_TRUE(colour.isSet());
    EXPECT_EQ(colour, gcolor(1, 2, 3));
    colour.clear();
    EXPECT_FALSE(colour.isSet());
}

TEST(gcolor, Parse)
{
    struct {
        const char* text;
        int result;
        gcolor colour;
    } cases[] = {
        {"0a-0B-ff", 1, gcolor(10, 11, 255)},
        {"00-80-FF  ", 1, gcolor(0, 128, 255)},
        {"12-34-56 , x", 2, gcolor(0x12, 0x34, 0x56)},
        {"0A 0B-FF", 0, gcolor()},
        {"0A-0B-F", 0, gcolor()},
        {"0A-0B-FFF", 0, gcolor()},
        {"0A-0B-FF x", 0, gcolor()},
        {" 0A-0B-FF", 0, gcolor()},
        {"0A-0G-FF", 0, gcolor()},
        {"0A0B-FF", 0, gcolor()},
        {"", 0, gcolor()},
        {"0", 0, gcolor()},
        {"0A-", 0, gcolor()},
        {nullptr, 0, gcolor()},
    };
    for (const auto& c : cases) {
        gcolor colour;
        EXPECT_EQ(colour.parse(c.text), c.result) << (c.text ? c.text : "(null)");
        EXPECT_EQ(colour, c.colour) << (c.text ? c.text : "(null)");
    }

    const char* text = "01-02-03,  rest";
    const char* next = nullptr;
    gcolor colour;
    EXPECT_EQ(colour.parse(text, next), 2);
    EXPECT_STREQ(next, "rest");
}

TEST(gcolor, TextIsUpperCaseAndReadsBack)
{
    char text[9];
    gcolor(0, 128, 255).formatText(text);
    EXPECT_STREQ(text, "00-80-FF");
    gcolor(0xAB, 0xCD, 0xEF).formatText(text);
    EXPECT_STREQ(text, "AB-CD-EF");
    gcolor back;
    EXPECT_EQ(back.parse(text), 1);
    EXPECT_EQ(back, gcolor(0xAB, 0xCD, 0xEF));
}

TEST(gcolor, WriteGoesThroughTheObjectFile)
{
    std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("korvelColour" + std::to_string(::getpid()) + ".stn");
    CObjectFile file;
    ASSERT_EQ(file.open(path.c_str(), CObjectFile::modeWrite, false), 1);
    gcolor(0, 128, 255).write(file, 2);
    gcolor(1, 2, 3).write(file, 1);
    ASSERT_TRUE(file.close());
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    EXPECT_EQ(text, "00-80-FF, 01-02-03\r\n");
}

TEST(gcolor, Contrasting)
{
    EXPECT_EQ(gcolor(200, 200, 200).contrasting(), gcolor(0, 0, 0));
    EXPECT_EQ(gcolor(0, 0, 255).contrasting(), gcolor(255, 255, 255));
    EXPECT_EQ(gcolor(128, 128, 128).contrasting(), gcolor(0, 0, 0));
    EXPECT_EQ(gcolor(127, 0, 128).contrasting(), gcolor(255, 255, 255));
    EXPECT_EQ(gcolor().contrasting(), gcolor(255, 255, 255)) << "always a set colour";
}

} // namespace
