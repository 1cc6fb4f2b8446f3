#include "scl/sclTokenScanner.h"

#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "store/gstation.h"
#include "store/stationFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The tokens of a line as "[text]kind" separated by blanks, line-number
// mode kept until the first token that is not blanks, as the colouring does.
std::string scan(const char* line, bool driverMode = false)
{
    std::string tokens;
    const char* p = line;
    bool lineNumbers = true;
    for (int guard = 0; guard < 1000; ++guard) {
        const char* start = p;
        int kind = gsclScanToken(p, lineNumbers, driverMode);
        if (kind == sclToken::endOfLine) {
            EXPECT_EQ(p, start);
            return tokens;
        }
        EXPECT_TRUE(p > start || (kind == sclToken::lineNumber && *p == '.')) << line;
        if (!tokens.empty())
            tokens += ' ';
        tokens.push_back('[');
        tokens.append(start, p);
        tokens.push_back(']');
        tokens.append(std::to_string(kind));
        if (kind != sclToken::blanks)
            lineNumbers = false;
    }
    ADD_FAILURE() << "no end of line: " << line;
    return tokens;
}

TEST(sclTokenScanner, Tokens)
{
    struct {
        const char* line;
        const char* tokens;
    } const cases[] = {
        {"10 PRINT X", "[10]5 [ ]2 [PRINT]15 [ ]2 [X]10"},
        {"  20\tGOTO 10", "[  ]2 [20]5 [\t]2 [GOTO]15 [ ]2 [10]7"},
        {"X = 10", "[X]10 [ ]2 [=]14 [ ]2 [10]7"},
        {"$1F $G", "[$1F]7 [ ]2 [$]7 [G]10"},
        {"$1f.5", "[$1f]7 [.5]7"},
        {"%101 %2", "[%101]7 [ ]2 [%]7 [2]7"},
        {"&17 &8", "[&17]7 [ ]2 [&]7 [8]7"},
        {"A<>B", "[A]10 [<>]14 [B]10"},
        {"=> >< << <= >= =< -+*/^", "[=>]14 [ ]2 [><]14 [ ]2 [<]14 [<]14 [ ]2 [<=]14 [ ]2 [>=]14 [ ]2 [=<]14 [ ]2 "
                                    "[-]14 [+]14 [*]14 [/]14 [^]14"},
        {"rem anything \"here", "[rem anything \"here]17"},
        {"10 REM x", "[10]5 [ ]2 [REM x]17"},
        {"REMARK", "[REMARK]10"},
        {"X# PRINT#", "[X]10 [#]0 [ ]2 [PRINT#]15"},
        {"INPUT BEVAL", "[INPUT]0 [ ]2 [BEVAL]0"},
        {"A$ B% C_1 _x", "[A$]8 [ ]2 [B%]9 [ ]2 [C_1]10 [ ]2 [_x]10"},
        {"RESULT% TIME PI NOT LEN", "[RESULT%]13 [ ]2 [TIME]12 [ ]2 [PI]11 [ ]2 [NOT]14 [ ]2 [LEN]16"},
        {"A$$", "[A$]8 [$]7"},
        {"!!x", "[!!]0 [x]10"},
        {"{}~# @", "[{}~#]0 [ ]2 [@]0"},
        {"\"open", "[\"open]6"},
        {"\"a\"\"b\"", "[\"a\"]6 [\"b\"]6"},
        {"(1,2):[3];", "[(]3 [1]7 [,]3 [2]7 [)]3 [:]3 [[]3 [3]7 []]3 [;]3"},
        {"A \\ B", "[A]10 [ ]2 [\\]4 [ ]2 [B]10"},
        {"X=1.5E3+.5e-2", "[X]10 [=]14 [1.5E3]7 [+]14 [.5e-2]7"},
        {"X=1.2.3", "[X]10 [=]14 [1.2]7 [.3]7"},
        {"X=1E", "[X]10 [=]14 [1E]7"},
        {".5", "[]5 [.5]7"},
        {"\xE9t\xE9", "[\xE9]0 [t]10 [\xE9]0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scan(c.line), c.tokens) << c.line;
}

class sclObjectNames : public ::testing::Test {
protected:
    void TearDown() override
    {
        clearSclDriverContext();
        clearObjectDatabase(false);
    }
};

TEST_F(sclObjectNames, StationObjects)
{
    station::serialPorts().define("COM_A")->devices().define("Meter");
    g2driver* drv = station::g2Drivers().define("Drv");
    drv->commands().define("ReadAll");
    drv->dataObjects().define("Level");
    drv->programs().define("Calc");
    drv->dataObjects().reference("Later"); // named by a source, not yet defined
    station::legacyDrivers().define("Old")->responses().define("Ack");
    station::registers().reference("Pending"); // a placeholder names nothing yet
    EXPECT_EQ(scan("\"COM_A\" \"com_a\""), "[\"COM_A\"]18 [ ]2 [\"com_a\"]6");
    EXPECT_EQ(scan("\"Meter\" \"ReadAll\" \"Ack\" \"Pending\" \"Drv"),
              "[\"Meter\"]18 [ ]2 [\"ReadAll\"]18 [ ]2 [\"Ack\"]18 [ ]2 [\"Pending\"]6 [ ]2 [\"Drv]18");
    // A driver's data objects and programs are station objects too.
    EXPECT_EQ(scan("\"Level\" \"Calc\" \"Later\" \"level\""),
              "[\"Level\"]18 [ ]2 [\"Calc\"]18 [ ]2 [\"Later\"]6 [ ]2 [\"level\"]6");
    // Station names mean nothing to a driver's program.
    EXPECT_EQ(scan("\"COM_A\"", true), "[\"COM_A\"]6");
}

// A driver's program names what the driver being edited holds: the tables
// the Edit Device Driver dialog publishes, looked up while they are set.
TEST_F(sclObjectNames, CurrentDriver)
{
    g2driver* pump = station::g2Drivers().define("Pump");
    pump->commands().define("Read");
    pump->dataObjects().define("Level");
    pump->programs().define("Poll");
    pump->programs().reference("Later");
    station::serialPorts().define("COM_A");
    const char* line = "\"Read\" \"Level\" \"Poll\" \"Later\" \"COM_A\"";
    EXPECT_EQ(scan(line, true), "[\"Read\"]6 [ ]2 [\"Level\"]6 [ ]2 [\"Poll\"]6 [ ]2 [\"Later\"]6 [ ]2 [\"COM_A\"]6");
    setSclDriverContext(&pump->commands(), &pump->dataObjects(), &pump->programs());
    EXPECT_EQ(scan(line, true),
              "[\"Read\"]18 [ ]2 [\"Level\"]18 [ ]2 [\"Poll\"]18 [ ]2 [\"Later\"]6 [ ]2 [\"COM_A\"]6");
    // Working tables of the dialog, apart from the driver's; a table not
    // given is skipped.
    jhashTypedDatabaseTable<g2driverDataObject> edited(5);
    edited.define("Flow");
    setSclDriverContext(nullptr, &edited, nullptr);
    EXPECT_EQ(scan("\"Flow\" \"Read\" \"Level\"", true), "[\"Flow\"]18 [ ]2 [\"Read\"]6 [ ]2 [\"Level\"]6");
    // Station programs still name the station's objects.
    EXPECT_EQ(scan("\"Flow\" \"Level\""), "[\"Flow\"]6 [ ]2 [\"Level\"]18");
    clearSclDriverContext();
    EXPECT_EQ(scan("\"Read\" \"Flow\"", true), "[\"Read\"]6 [ ]2 [\"Flow\"]6");
}

} // namespace
