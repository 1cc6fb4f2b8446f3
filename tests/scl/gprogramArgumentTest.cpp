#include "scl/gprogramArgument.h"

#include "foundation/gnumFormat.h"
#include "store/CObjectFile.h"
#include "store/gprocessorCall.h"
#include "support/model/recordingMessages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

TEST(gprogramArgument, VariableNames)
{
    struct {
        const char* name;
        int type;
    } cases[] = {{"Count", 1}, {"Name$", 2}, {"Done%", 3}, {"_x", 1}, {"2x", 0},
                 {"a$b", 0},   {"a%%", 0},   {"a b", 0},   {"", 0},    {"$", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(sclVariableType(c.name), c.type) << c.name;
}

TEST(gprogramArgument, ParseFollowsTheNamesType)
{
    gprogramArgument a;
    EXPECT_EQ(a.parse("Done%, TRUE"), 1);
    EXPECT_EQ(a.type(), 3);
    EXPECT_EQ(a.boolean(), 1);
    EXPECT_EQ(a.parse("Count, 1.5E3"), 1);
    EXPECT_EQ(a.type(), 1);
    EXPECT_EQ(a.number(), 1500);
    EXPECT_EQ(a.parse("\"Text$\", \"a, b\""), 1);
    EXPECT_EQ(a.string().view(), "a, b");
    for (const char* bad : {"Done%, YES", "Count, abc", "Count, 1, 2", "Count", "2x, 1", "Name$, \"x", "Count, inf"})
        EXPECT_EQ(a.parse(bad), 0) << bad;
    // A refused text leaves the argument as it was.
    EXPECT_EQ(a.name().view(), "Text$");

    gprogramArgument b;
    b.parse("text$, other");
    EXPECT_TRUE(a.hasSameName(b));
}

TEST(gprogramArgument, WritesItsValueByType)
{
    recordingMessages messages;
    std::string pattern = (std::filesystem::temp_directory_path() / "korvelArgXXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    std::string path = pattern + "/out";
    CObjectFile file;
    ASSERT_EQ(file.open(path.c_str(), CObjectFile::modeWrite, false), 1);
    for (const char* text : {"Count, 0.1", "Name$, \" x\"", "Done%, false", "\"odd name\", 1"}) {
        gprogramArgument a;
        if (a.parse(text) == 1)
            a.write(file, 1);
    }
    ASSERT_TRUE(file.close());
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove_all(pattern);
    EXPECT_EQ(bytes, "Count, 0.1\r\nName$, \" x\"\r\nDone%, FALSE\r\n");
}

TEST(gprogramArgument, ReplaceValue)
{
    gprogramArgument b;
    b.parse("Done%, TRUE");
    // Both texts must spell the two values: one of them alone changes nothing.
    struct {
        const char* find;
        const char* replace;
    } const halves[] = {{"true%", "off"}, {"true%", "true%"}, {"yes", "false%"}, {"", "false%"}, {"TRUE", "FALSE"}};
    for (const auto& h : halves) {
        EXPECT_EQ(b.replaceValue(h.find, h.replace, false, false), 0) << h.find << " / " << h.replace;
        EXPECT_EQ(b.boolean(), 1);
    }
    EXPECT_EQ(b.replaceValue("true%", "FALSE%", false, false), 1);
    EXPECT_EQ(b.boolean(), 0);
    EXPECT_EQ(b.replaceValue("true%", "false%", false, false), 0);
    EXPECT_EQ(b.replaceValue("false%", "false%", false, false), 0);
    EXPECT_EQ(b.boolean(), 0);

    gprogramArgument n;
    n.parse("Count, 1");
    EXPECT_EQ(n.replaceValue("1", "x", false, false), 0);
    EXPECT_EQ(n.replaceValue("1", "2", false, false), 1);
    EXPECT_EQ(n.number(), 2.0);

    gprogramArgument s;
    s.parse("Name$, pump one");
    EXPECT_EQ(s.replaceValue("ONE", "two", false, false), 1);
    EXPECT_EQ(s.string().view(), "pump two");
    EXPECT_EQ(s.replaceValue("ONE", "two", false, true), 0);
}

TEST(gprogramArgument, DescriptionsForProgramChoices)
{
    gprocessorCall call;
    EXPECT_EQ(describeProgramArgumentList(call).view(), "");
    const char* values[] = {"Level, 2.5", "Name$, \"a\\\"b\"", "Done%, FALSE"};
    for (const char* v : values) {
        auto* a = new gprogramArgument();
        ASSERT_EQ(a->parse(v), 1) << v;
        call.addArgument(a, true);
    }
    EXPECT_EQ(describeProgramArgumentList(call).view(), " (Done% = FALSE%, Name$ = \"a\"b\", Level = 2.5)");
    // Numbers as the user writes them.
    setUserDecimalSeparator(',');
    EXPECT_EQ(describeProgramArgument(*call.getArgument(0)).view(), "Level = 2,5");
    setUserDecimalSeparator('.');
    call.removeArgument(1);
    EXPECT_EQ(describeProgramArgumentList(call).view(), " (Done% = FALSE%, Level = 2.5)");
}

} // namespace
