#include "registers/sources/gsourceParameter.h"

#include "registers/registerTestSupport.h"

#include <string>

namespace {

std::string block(const char* kind, const std::string& fields)
{
    return std::string(kind) + " R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tG2 PARAMETER\n" + fields + "\tEND\nEND\n";
}

TEST_F(registerTest, ParameterSourcesWriteWhatTheyRead)
{
    struct {
        const char* kind;
        const char* fields;
    } cases[] = {
        {"BISTATE_REG", ""},
        {"BISTATE_REG", "\t\tPERSISTENT\tYES\n\t\tDEFAULT\t\tON\n"},
        {"BISTATE_REG", "\t\tDEFAULT\t\tOFF\n"},
        {"DIGITAL_REG", "\t\tDEFAULT\t\t4294967295\n"},
        {"DIGITAL_REG", "\t\tPERSISTENT\tYES\n\t\tDEFAULT\t\t0\n"},
        {"ANALOG_REG", "\t\tDEFAULT\t\t-2.5E-07\n"},
        {"ANALOG_REG", "\t\tPERSISTENT\tYES\n"},
        {"STRING_REG", "\t\tDEFAULT\t\t\"a, b\"\n"},
        {"STRING_REG", "\t\tPERSISTENT\tYES\n\t\tDEFAULT\t\tidle\n"},
    };
    for (auto [kind, fields] : cases) {
        emptyAll();
        std::string text = block(kind, fields);
        EXPECT_EQ(roundTrip(text), text);
    }
    // NO and an empty text are read and not written again.
    emptyAll();
    EXPECT_EQ(roundTrip("BISTATE_REG R\nLEVEL NONE\nSOURCE G2 PARAMETER\nPERSISTENT NO\nEND\nEND\n"),
              block("BISTATE_REG", ""));
    emptyAll();
    EXPECT_EQ(roundTrip("STRING_REG R\nLEVEL NONE\nSOURCE G2 PARAMETER\nDEFAULT \"\"\nDEFAULT x\nEND\nEND\n"),
              block("STRING_REG", "\t\tDEFAULT\t\tx\n"));
    // A value that 15 significant digits would not keep gets the digits it
    // needs.
    emptyAll();
    EXPECT_EQ(roundTrip("ANALOG_REG R\nLEVEL NONE\nSOURCE G2 PARAMETER\nDEFAULT 0.1234567890123456\nEND\nEND\n"),
              block("ANALOG_REG", "\t\tDEFAULT\t\t0.1234567890123456\n"));
}

TEST_F(registerTest, ParameterSourceRefusals)
{
    struct {
        const char* kind;
        const char* lines;
        gloadStatus status;
    } cases[] = {
        {"BISTATE_REG", "DEFAULT YES\n", gload::invalidValue},
        {"BISTATE_REG", "DEFAULT ON\nDEFAULT OFF\n", gload::alreadyLoaded},
        {"BISTATE_REG", "PERSISTENT YES\nPERSISTENT NO\n", gload::alreadyLoaded},
        {"BISTATE_REG", "PERSISTENT MAYBE\n", gload::invalidValue},
        {"BISTATE_REG", "VALUE 1\n", gload::unknownKeyword},
        {"DIGITAL_REG", "DEFAULT -1\n", gload::invalidValue},
        {"DIGITAL_REG", "DEFAULT 4294967296\n", gload::invalidValue},
        {"DIGITAL_REG", "DEFAULT +1\n", gload::invalidValue},
        {"DIGITAL_REG", "DEFAULT 1, 2\n", gload::invalidValue},
        {"DIGITAL_REG", "DEFAULT 0\nDEFAULT 0\n", gload::alreadyLoaded},
        {"ANALOG_REG", "DEFAULT 1e999\n", gload::invalidValue},
        {"ANALOG_REG", "DEFAULT inf\n", gload::invalidValue},
        {"ANALOG_REG", "DEFAULT 1\nDEFAULT 1\n", gload::alreadyLoaded},
        {"STRING_REG", "DEFAULT \"open\n", gload::invalidValue},
        {"STRING_REG", "DEFAULT a\nDEFAULT b\n", gload::alreadyLoaded},
    };
    for (auto [kind, lines, status] : cases) {
        emptyAll();
        EXPECT_EQ(loadRegister(std::string(kind) + " R\nSOURCE G2 PARAMETER\n" + lines).last(), status)
            << kind << ' ' << lines;
    }
}

} // namespace
