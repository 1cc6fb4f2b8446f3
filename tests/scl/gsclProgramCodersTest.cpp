#include "scl/gsclProgram.h"

#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/jhashDatabaseTable.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

gloadStatus line(gsclProgram& program, int token, const char* value)
{
    gstr v(value);
    return program.loadLine(token, v);
}

template <class Coder>
int count(const garrayMapOwned<Coder>& table)
{
    garrayMapIterator<Coder> it(table);
    Coder* coder = nullptr;
    int n = 0;
    while (it.get(coder))
        ++n;
    return n;
}

TEST(sclProgramCoders, CoderLines)
{
    struct {
        const char* value;
        gloadStatus status;
    } const cases[] = {
        {"7, BISTATE", gload::accepted},
        {"0, string", gload::accepted},
        {"4294967295, DIGITAL NUMBER", gload::accepted},
        {"7 BISTATE", gload::invalidValue},
        {"7", gload::invalidValue},
        {"7, BISTATE, STRING", gload::invalidValue},
        {"7, TYPE", gload::invalidValue},
        {"7, NOTHING", gload::invalidValue},
        {"4294967296, BISTATE", gload::invalidValue},
        {"-1, BISTATE", gload::invalidValue},
        {", BISTATE", gload::invalidValue},
    };
    for (const auto& c : cases) {
        gsclProgram program;
        EXPECT_EQ(line(program, kw::DECODER, c.value), c.status) << c.value;
        EXPECT_EQ(count(program.body().decoders()), c.status == gload::accepted ? 1 : 0) << c.value;
    }
}

TEST(sclProgramCoders, NumbersAreKeptPerTable)
{
    gsclProgram program;
    EXPECT_EQ(line(program, kw::DECODER, "7, BISTATE"), gload::accepted);
    EXPECT_EQ(line(program, kw::ON_STRING, "ON"), gload::accepted);
    EXPECT_EQ(line(program, kw::OFF_STRING, "OFF"), gload::accepted);
    EXPECT_EQ(line(program, kw::END, ""), gload::accepted);
    // A second decoder 7 is refused and the first kept; encoder 7 is another table.
    EXPECT_EQ(line(program, kw::DECODER, "7, STRING"), gload::alreadyLoaded);
    EXPECT_EQ(line(program, kw::ENCODER, "7, STRING"), gload::accepted);
    EXPECT_EQ(line(program, kw::END, ""), gload::accepted);
    EXPECT_EQ(line(program, kw::END, ""), gload::finished);
    ASSERT_NE(program.body().decoders().find(7), nullptr);
    EXPECT_EQ(program.body().decoders().find(7)->getKind(), 1);
    EXPECT_EQ(program.body().encoders().find(7)->getKind(), 5);
}

TEST(sclProgramCoders, ACoderKeepsItsLinesUntilItsEnd)
{
    gsclProgram program;
    EXPECT_EQ(line(program, kw::DECODER, "1, STRING"), gload::accepted);
    EXPECT_EQ(line(program, kw::TITLE, "x"), gload::unknownKeyword);
    EXPECT_EQ(line(program, kw::END, "now"), gload::invalidValue);
    EXPECT_EQ(line(program, kw::END, ""), gload::incomplete); // no PATTERN
    EXPECT_EQ(line(program, kw::PATTERN, "x"), gload::accepted);
    EXPECT_EQ(line(program, kw::END, ""), gload::accepted);
    EXPECT_EQ(line(program, kw::TITLE, "Title"), gload::accepted);
}

TEST(sclProgramCoders, CopiesCloneTheCoders)
{
    gsclProgram program;
    line(program, kw::ENCODER, "3, BISTATE");
    line(program, kw::ON_STRING, "ON");
    line(program, kw::END, "");
    gsclProgram copy(program);
    delete program.body().encoders().remove(3);
    ASSERT_NE(copy.body().encoders().find(3), nullptr);
    EXPECT_TRUE(copy.body().encoders().find(3)->isComplete());
    EXPECT_NE(copy.body().encoders().find(3), program.body().encoders().find(3));
}

// A whole station file with programs that carry coders saves as it was read.
TEST(sclProgramCoders, StationFileRoundTrip)
{
    const std::string programs = "PROGRAM Coders\r\n"
                                 "\tTITLE\t\tData coders\r\n"
                                 "\tDECODER\t\t0, BISTATE\r\n"
                                 "\t\tON_STRING\t\"ON,|(1)\"\r\n"
                                 "\t\tOFF_STRING\tOFF\r\n"
                                 "\tEND\r\n"
                                 "\tDECODER\t\t2, ANALOG NUMBER\r\n"
                                 "\t\tLEADING\t\t\" \"\r\n"
                                 "\t\tTYPE\t\tDECIMAL\r\n"
                                 "\t\tSYMBOLS\t\tNONE, -, NONE, .\r\n"
                                 "\t\tDECIMALS\t1\r\n"
                                 "\tEND\r\n"
                                 "\tDECODER\t\t10, DIGITAL STRINGS\r\n"
                                 "\t\tVALUE_STRING\t1, ON\r\n"
                                 "\tEND\r\n"
                                 "\tDECODER\t\t4294967295, STRING\r\n"
                                 "\t\tPATTERN\t\t~*\r\n"
                                 "\t\tSUFFIX\t\t\"\\r\"\r\n"
                                 "\tEND\r\n"
                                 "\tENCODER\t\t1, DIGITAL NUMBER\r\n"
                                 "\t\tWIDTH\t\t4, RIGHT, 0\r\n"
                                 "\t\tTYPE\t\tHEX, A\r\n"
                                 "\tEND\r\n"
                                 "\tENCODER\t\t2, STRING\r\n"
                                 "\t\tWIDTH\t\t8, LEFT, \" \"\r\n"
                                 "\t\tREPLACEMENT\t?\r\n"
                                 "\tEND\r\n"
                                 "\tENCODER\t\t5, DIGITAL STRINGS\r\n"
                                 "\t\tDEFAULT_STRING\t?\r\n"
                                 "\t\tVALUE_STRING\t0, OFF\r\n"
                                 "\tEND\r\n"
                                 "\tENCODER\t\t6, ANALOG NUMBER\r\n"
                                 "\t\tWIDTH\t\t8, FULL RIGHT, \" \"\r\n"
                                 "\t\tTYPE\t\tDECIMAL\r\n"
                                 "\t\tSYMBOLS\t\tNONE, -, NONE\r\n"
                                 "\t\tDECIMALS\t2, .\r\n"
                                 "\tEND\r\n"
                                 "\tENCODER\t\t9, BISTATE\r\n"
                                 "\t\tOFF_STRING\t0\r\n"
                                 "\tEND\r\n"
                                 "END\r\n"
                                 "\r\n"
                                 "PROGRAM Plain\r\n"
                                 "END\r\n"
                                 "\r\n";
    char dir[] = "/tmp/korvelCodersXXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    std::string in = std::string(dir) + "/in.stn";
    std::string out = std::string(dir) + "/out.stn";
    {
        std::ofstream file(in, std::ios::binary);
        file << programs;
    }
    recordingMessages messages;
    EXPECT_EQ(loadObjectFile(gstrSlice(in.c_str()), false, false), gloadError::none);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
    std::ifstream file(out, std::ios::binary);
    std::string saved((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    clearObjectDatabase(false);
    std::remove(in.c_str());
    std::remove(out.c_str());
    ::rmdir(dir);
    size_t start = saved.find("PROGRAM");
    ASSERT_NE(start, std::string::npos);
    std::string objects = saved.substr(start);
    // Programs come out in table order; compare them one by one.
    EXPECT_NE(objects.find(programs.substr(0, programs.find("PROGRAM Plain"))), std::string::npos) << objects;
    EXPECT_NE(objects.find("PROGRAM Plain\r\nEND\r\n"), std::string::npos);
    EXPECT_EQ(objects.size(), programs.size());
}

} // namespace
