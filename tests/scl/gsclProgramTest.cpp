#include "scl/gsclDriverProgram.h"
#include "scl/gsclProgram.h"

#include "foundation/jhashObject.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

gloadStatus line(gstorable& object, int token, const char* value)
{
    gstr v(value);
    return object.loadLine(token, v);
}

// The lines as the station-file reader hands them over; the answers.
std::vector<gloadStatus> feed(gstorable& object, const std::string& text)
{
    return feedLines(text, [&](int token, gstr& value) { return object.loadLine(token, value); });
}

std::string fields(const gstorable& object)
{
    return writtenText([&](CObjectFile& file) { object.writeFields(file, 1); });
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(sclProgram, FieldLines)
{
    struct {
        int token;
        const char* value;
        gloadStatus status;
    } const cases[] = {
        {kw::CODE, "PRINT 1", gload::accepted},
        {kw::CODE, "\"a\\tb\"", gload::accepted},
        {kw::CODE, "\"unclosed", gload::invalidValue},
        {kw::CODE, "\"bad \\x4 escape\"", gload::invalidValue},
        {kw::CODE, "PRINT A, B", gload::invalidValue},
        {kw::LIMIT, "1", gload::accepted},
        {kw::LIMIT, "2147483647", gload::accepted},
        {kw::LIMIT, "0", gload::invalidValue},
        {kw::LIMIT, "-5", gload::invalidValue},
        {kw::LIMIT, "5x", gload::invalidValue},
        {kw::LIMIT, "5, 6", gload::invalidValue},
        {kw::LIMIT, "2147483648", gload::invalidValue},
        {kw::INTERVAL, "0.0001", gload::accepted},
        {kw::INTERVAL, "4294967.294", gload::accepted},
        {kw::INTERVAL, "0", gload::invalidValue},
        {kw::INTERVAL, "-1", gload::invalidValue},
        {kw::INTERVAL, "4294967.295", gload::invalidValue},
        {kw::INTERVAL, "1, 2", gload::invalidValue},
        {kw::INTERVAL, "nan", gload::invalidValue},
        {kw::EXEC_AT_STARTUP, "YES", gload::accepted},
        {kw::EXEC_AT_STARTUP, "no", gload::accepted},
        {kw::EXEC_AT_STARTUP, "TRUE", gload::invalidValue},
        {kw::EXEC_AT_STARTUP, "YES, NO", gload::invalidValue},
        {kw::SHOW_ALWAYS, "NO", gload::accepted},
        {kw::SHOW_ALWAYS, "1", gload::invalidValue},
        {kw::SCHEDULE, "", gload::accepted},
        {kw::SCHEDULE, "now", gload::invalidValue},
        {kw::INTERNAL, "YES", gload::unknownKeyword},
        {kw::MINUTES, "5", gload::unknownKeyword},
    };
    for (const auto& c : cases) {
        gsclProgram program;
        EXPECT_EQ(line(program, c.token, c.value), c.status) << gkeyword::byToken(c.token).getText().view() << " "
                                                            << c.value;
    }
}

TEST(sclProgram, SecondLinesAreRefused)
{
    gsclProgram program;
    std::vector<gloadStatus> answers = feed(program, "LIMIT 10\n"
                                                     "LIMIT 10\n"
                                                     "INTERVAL 1\n"
                                                     "INTERVAL 1\n"
                                                     "EXEC_AT_STARTUP NO\n"
                                                     "EXEC_AT_STARTUP NO\n"
                                                     "SHOW_ALWAYS YES\n"
                                                     "SHOW_ALWAYS YES\n"
                                                     "CODE a\n"
                                                     "CODE b\n");
    std::vector<gloadStatus> expected = {0, 4, 0, 4, 0, 4, 0, 4, 0, 0};
    EXPECT_EQ(answers, expected);
    EXPECT_EQ(program.limit(), 10);
    EXPECT_EQ(program.getInterval().get(), 1000u);
    EXPECT_EQ(program.code().view(), "a\rb");
}

// Each text is written as CODE lines and read back unchanged, empty lines
// at either end included.
TEST(sclProgram, CodeLinesRoundTrip)
{
    struct {
        const char* code;
        const char* lines;
    } const cases[] = {
        {"A\rB", "\tCODE\t\tA\n\tCODE\t\tB\n"},
        {"A\r", "\tCODE\t\tA\n\tCODE\t\t\n"},
        {"\rA", "\tCODE\t\t\n\tCODE\t\tA\n"},
        {"\r\r", "\tCODE\t\t\n\tCODE\t\t\n\tCODE\t\t\n"},
        {"X = \"a, b\"\r\tY", "\tCODE\t\t\"X = \\\"a, b\\\"\"\n\tCODE\t\t\"\\tY\"\n"},
        {" lead\rtrail ", "\tCODE\t\t\" lead\"\n\tCODE\t\t\"trail \"\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        gsclProgram program;
        program.setCode(c.code);
        std::string written = fields(program);
        EXPECT_EQ(written, c.lines) << c.code;
        gsclProgram read;
        feed(read, written + "END\n");
        EXPECT_EQ(read.code().view(), std::string_view(c.code)) << c.code;
    }
    // A single empty line is no code at all.
    gsclProgram empty;
    feed(empty, "CODE\nEND\n");
    EXPECT_TRUE(empty.code().isEmpty());
    EXPECT_EQ(fields(empty), "");
}

TEST(sclProgram, LongLinesOfCode)
{
    std::string longLine = "PRINT \"" + std::string(20000, 'x') + "\"";
    gsclProgram program;
    program.setCode(gstrSlice(longLine.c_str()));
    gsclProgram read;
    feed(read, fields(program) + "END\n");
    EXPECT_EQ(read.code().view(), longLine);
}

TEST(sclProgram, FieldsInOrder)
{
    gsclProgram program;
    program.setTitle("Pump");
    program.setCode("10 PRINT 1");
    program.setLimit(200);
    program.setShowAlways(1);
    program.setExecAtStartup(1);
    program.setInterval(gmilliseconds(100));
    auto* rule = new gexecutionTime;
    garrayVariable<int32_t> minutes;
    minutes.append(5);
    rule->setMinutes(minutes);
    program.addExecutionTime(rule);
    ASSERT_EQ(line(program, kw::DECODER, "3, STRING"), gload::accepted);
    ASSERT_EQ(line(program, kw::PATTERN, "x"), gload::accepted);
    ASSERT_EQ(line(program, kw::END, ""), gload::accepted);
    EXPECT_EQ(fields(program), "\tTITLE\t\tPump\n"
                               "\tCODE\t\t10 PRINT 1\n"
                               "\tLIMIT\t\t200\n"
                               "\tDECODER\t\t3, STRING\n"
                               "\t\tPATTERN\t\tx\n"
                               "\tEND\n"
                               "\tSHOW_ALWAYS\tYES\n"
                               "\tEXEC_AT_STARTUP\tYES\n"
                               "\tINTERVAL\t0.1\n"
                               "\tSCHEDULE\n"
                               "\t\tMINUTES\t\t5\n"
                               "\tEND\n");
    // Flags that are off, unset or never read write nothing.
    gsclProgram plain;
    plain.setShowAlways(0);
    EXPECT_EQ(fields(plain), "");
    EXPECT_EQ(plain.getExecAtStartup(), -1);
}

TEST(sclProgram, FlagsUnsetAtTheEndBecomeNo)
{
    gsclProgram program;
    EXPECT_EQ(feed(program, "SHOW_ALWAYS YES\nEND\n"), (std::vector<gloadStatus>{0, gload::finished}));
    EXPECT_EQ(program.getShowAlways(), 1);
    EXPECT_EQ(program.getExecAtStartup(), 0);
}

TEST(sclProgram, CodersAreWrittenInUnsignedOrder)
{
    gsclProgram program;
    feed(program, "DECODER 10, STRING\nPATTERN a\nEND\n"
                  "DECODER 3000000000, STRING\nPATTERN b\nEND\n"
                  "DECODER 2, STRING\nPATTERN c\nEND\n");
    std::string written = fields(program);
    size_t two = written.find("DECODER\t\t2,");
    size_t ten = written.find("DECODER\t\t10,");
    size_t big = written.find("DECODER\t\t3000000000,");
    ASSERT_NE(big, std::string::npos);
    EXPECT_LT(two, ten);
    EXPECT_LT(ten, big);
}

std::vector<int32_t> firstMinutes(const gsclProgram& program)
{
    std::vector<int32_t> minutes;
    for (const gexecutionTime* rule = program.firstExecutionTime(); rule; rule = rule->next())
        minutes.push_back(rule->getMinute(0));
    return minutes;
}

// Rules read from a file keep the file's order, so saving an unchanged
// station gives the same file; a rule made in the editor goes first.
TEST(sclProgram, ScheduleOrder)
{
    gsclProgram program;
    std::string blocks = "\tSCHEDULE\n\t\tMINUTES\t\t1\n\tEND\n"
                         "\tSCHEDULE\n\t\tMINUTES\t\t2\n\tEND\n"
                         "\tSCHEDULE\n\t\tMINUTES\t\t3\n\tEND\n";
    feed(program, blocks + "END\n");
    EXPECT_EQ(firstMinutes(program), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(fields(program), blocks);

    auto* rule = new gexecutionTime;
    garrayVariable<int32_t> minutes;
    minutes.append(0);
    rule->setMinutes(minutes);
    program.addExecutionTime(rule);
    EXPECT_EQ(firstMinutes(program), (std::vector<int32_t>{0, 1, 2, 3}));

    gsclProgram copy(program);
    EXPECT_EQ(firstMinutes(copy), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_NE(copy.firstExecutionTime(), program.firstExecutionTime());
    program.clearSchedule();
    EXPECT_EQ(program.firstExecutionTime(), nullptr);
    EXPECT_EQ(firstMinutes(copy).size(), 4u);
}

TEST(sclProgram, ScheduleBlocksEndWithTheirRule)
{
    gsclProgram program;
    std::vector<gloadStatus> answers = feed(program, "SCHEDULE\n"
                                                     "HOURS 9\n"
                                                     "TITLE x\n"
                                                     "END\n"
                                                     "MINUTES 5\n"
                                                     "END\n"
                                                     "TITLE Pump\n"
                                                     "END\n");
    std::vector<gloadStatus> expected = {0, 0, gload::unknownKeyword, gload::incomplete, 0, 0, 0, gload::finished};
    EXPECT_EQ(answers, expected);
    EXPECT_EQ(program.getTitle(false).view(), "Pump");
}

TEST(sclProgram, CopiesAreIndependent)
{
    gsclProgram program;
    feed(program, "TITLE Source\nCODE a\nLIMIT 7\nINTERVAL 60\nEXEC_AT_STARTUP YES\n"
                  "ENCODER 4, STRING\nEND\nSCHEDULE\nMINUTES 3\nEND\nEND\n");
    std::string written = fields(program);
    auto* copy = new gsclProgram(program);
    EXPECT_EQ(fields(*copy), written);
    program.setCode("changed");
    program.encoders().deleteAll();
    EXPECT_EQ(fields(*copy), written);

    gsclProgram assigned;
    assigned = *copy;
    delete copy;
    EXPECT_EQ(fields(assigned), written);
}

// A program of a device driver: its table entry supplies the tag.
class driverProgram : public gsclDriverProgram, public jhashDatabaseObject {
public:
    explicit driverProgram(const char* tag) { setName(tag); }
    const gstr& programTag() const override { return getName(); }
};

TEST(sclProgram, DriverProgramLines)
{
    driverProgram program("Poll, fast");
    EXPECT_EQ(feed(program, "CODE SENDCMD \"Read\"\n"
                            "LIMIT 50\n"
                            "INTERNAL YES\n"
                            "INTERNAL NO\n"
                            "TITLE x\n"
                            "SHOW_ALWAYS YES\n"
                            "ENCODER 1, BISTATE\n"
                            "ON_STRING 1\n"
                            "END\n"
                            "END\n"),
              (std::vector<gloadStatus>{0, 0, 0, gload::alreadyLoaded, gload::unknownKeyword, gload::unknownKeyword, 0,
                                        0, 0, gload::finished}));
    EXPECT_EQ(program.getInternal(), 1);
    std::string written = writtenText([&](CObjectFile& file) { program.writeEmbedded(file, 1); });
    EXPECT_EQ(written, "\tPROGRAM\t\t\"Poll, fast\"\n"
                       "\t\tCODE\t\tSENDCMD \"Read\"\n"
                       "\t\tLIMIT\t\t50\n"
                       "\t\tENCODER\t\t1, BISTATE\n"
                       "\t\t\tON_STRING\t1\n"
                       "\t\tEND\n"
                       "\t\tINTERNAL\tYES\n"
                       "\tEND\n");
    EXPECT_EQ(&program.getOwnerTitle(), &program.getName());

    driverProgram unset("Idle");
    EXPECT_EQ(fields(unset), "");
    feed(unset, "END\n");
    EXPECT_EQ(unset.getInternal(), 0);
}

// A station with programs (code with quotes, escapes, tabs, a long line and
// empty lines, schedules, coders) saves as it was read.
TEST(sclProgram, StationFileRoundTrip)
{
    std::string fixture = std::string(KORVEL_TEST_DATA_DIR) + "/scl/fixtures/programs.stn";
    std::string pattern = (std::filesystem::temp_directory_path() / "korvelSclXXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    std::string out = pattern + "/out.stn";
    recordingMessages messages;
    EXPECT_EQ(loadObjectFile(gstrSlice(fixture.c_str()), false, false), gloadError::none);
    EXPECT_TRUE(messages.messages.empty()) << messages.lastText();
    gsclProgram* pump = station::programs().find("Pump_Control");
    ASSERT_NE(pump, nullptr);
    EXPECT_EQ(pump->code().view().substr(0, 12), "\r10 REM Star");
    EXPECT_EQ(pump->getInterval().get(), 2007u);
    EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
    clearObjectDatabase(false);
    EXPECT_EQ(fileBytes(out), fileBytes(fixture));
    std::filesystem::remove_all(pattern);
}

} // namespace
