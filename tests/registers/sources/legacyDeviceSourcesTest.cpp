#include "legacyStation.h"

#include "legacy/glegacyDriver.h"
#include "ports/gserialPort.h"
#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceLegacyBitCollection.h"
#include "registers/sources/gsourceLegacyFilter.h"
#include "registers/sources/gsourceLegacyLevel.h"
#include "registers/sources/gsourceLegacyProcessor.h"
#include "scl/gsclProgram.h"

#include <string>

namespace {

struct roundTripCase {
    const char* read;
    const char* written;
};

// Every kind writes back what it reads: same lines, the optional ones
// left out when they hold their defaults, ordered lists in their order.
TEST_F(legacyStationTest, EveryLegacyKindWritesWhatItReads)
{
    const roundTripCase cases[] = {
        {"BISTATE_REG R\nSOURCE BIT MASK\nTYPE \"LITTLE ENDIAN\"\nLENGTH 4\nOFFSET 2\nKEY V=\n"
         "RESPONSE North, Meter, Status\nMASK 255, 15\nINVERT YES\nEND\nEND\n",
         "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tBIT MASK\n\t\tRESPONSE\tNorth, Meter, Status\n\t\tKEY\t\tV=\n"
         "\t\tOFFSET\t\t2\n\t\tLENGTH\t\t4\n\t\tTYPE\t\tLITTLE ENDIAN\n\t\tMASK\t\t255, 15\n\t\tINVERT\t\tYES\n"
         "\tEND\nEND\n"},
        // MASK 255, 0 is the AND mask alone; INVERT NO and OFFSET 0 write nothing.
        {"BISTATE_REG R\nSOURCE BIT MASK\nRESPONSE North, Meter, Status\nTYPE BYTE\nOFFSET 0\nMASK 255, 0\n"
         "INVERT NO\nEND\nEND\n",
         "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tBIT MASK\n\t\tRESPONSE\tNorth, Meter, Status\n"
         "\t\tTYPE\t\tBYTE\n\t\tMASK\t\t255\n\tEND\nEND\n"},
        // INVERT NO is read and not written; a search string keeps its
        // quotes where a bare one would read differently.
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nINVERT NO\nSEARCH_STRING \"a, b\"\nRESPONSE North, Meter, Status\n"
         "LENGTH 3\nEND\nEND\n",
         "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tSEARCH STRING\n\t\tRESPONSE\tNorth, Meter, Status\n"
         "\t\tLENGTH\t\t3\n\t\tSEARCH_STRING\t\"a, b\"\n\tEND\nEND\n"},
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nRESPONSE North, Meter, Status\nSEARCH_STRING ERR#+\nINVERT YES\n"
         "KEY X\nEND\nEND\n",
         "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tSEARCH STRING\n\t\tRESPONSE\tNorth, Meter, Status\n"
         "\t\tKEY\t\tX\n\t\tSEARCH_STRING\tERR#+\n\t\tINVERT\t\tYES\n\tEND\nEND\n"},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE South, Valve, Position\nTYPE DECIMAL\nVALUE_MAP 5, 1\n"
         "VALUE_MAP 2, 3\nOFFSET -5\nEND\nEND\n",
         "DIGITAL_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tDIRECT\n\t\tRESPONSE\tSouth, Valve, Position\n"
         "\t\tOFFSET\t\t-5\n\t\tTYPE\t\tDECIMAL\n\t\tVALUE_MAP\t2, 3\n\t\tVALUE_MAP\t5, 1\n\tEND\nEND\n"},
        {"DIGITAL_REG R\nSOURCE THRESHOLDS\nTHRESHOLD 7.5, 2\nRESPONSE North, Pump, State\nTYPE BCD\nLENGTH 2\n"
         "BOTTOM 0\nTHRESHOLD -1.25, 1\nEND\nEND\n",
         "DIGITAL_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tTHRESHOLDS\n\t\tRESPONSE\tNorth, Pump, State\n"
         "\t\tLENGTH\t\t2\n\t\tTYPE\t\tBCD\n\t\tBOTTOM\t\t0\n\t\tTHRESHOLD\t-1.25, 1\n\t\tTHRESHOLD\t7.5, 2\n"
         "\tEND\nEND\n"},
        {"DIGITAL_REG R\nSOURCE STRINGS\nTRIGGER 3, B\nRESPONSE North, Meter, Alarm\nTRIGGER 1, \"A, a\"\nEND\nEND\n",
         "DIGITAL_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tSTRINGS\n\t\tRESPONSE\tNorth, Meter, Alarm\n"
         "\t\tTRIGGER\t\t1, \"A, a\"\n\t\tTRIGGER\t\t3, B\n\tEND\nEND\n"},
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nVALUE_MAP 9, 1\nMASK 0\nSECTION\nRESPONSE North, Meter, Value\n"
         "TYPE HEX\nROTATE_LEFT -3\nMASK 15\nEND\nSECTION\nMASK 240, 16\nRESPONSE South, Meter, Status\n"
         "TYPE \"SIGNED BYTE\"\nROTATE_LEFT 0\nEND\nVALUE_MAP 1, 2\nEND\nEND\n",
         "DIGITAL_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tBIT COLLECTION\n\t\tVALUE_MAP\t1, 2\n\t\tVALUE_MAP\t9, 1\n"
         "\t\tSECTION\n\t\t\tRESPONSE\tNorth, Meter, Value\n\t\t\tTYPE\t\tHEX\n\t\t\tMASK\t\t15\n"
         "\t\t\tROTATE_LEFT\t-3\n\t\tEND\n\t\tSECTION\n\t\t\tRESPONSE\tSouth, Meter, Status\n"
         "\t\t\tTYPE\t\tSIGNED BYTE\n\t\t\tMASK\t\t240, 16\n\t\tEND\n\tEND\nEND\n"},
        {"ANALOG_REG R\nSOURCE LEVEL\nFACTOR 2.5\nVALUE_OFFSET -0\nRESPONSE North, Meter, Value\nTYPE OCTAL\n"
         "END\nEND\n",
         "ANALOG_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tLEVEL\n\t\tRESPONSE\tNorth, Meter, Value\n\t\tTYPE\t\tOCTAL\n"
         "\t\tFACTOR\t\t2.5\n\tEND\nEND\n"},
        {"ANALOG_REG R\nSOURCE LEVEL\nFACTOR 1\nVALUE_OFFSET 1E-3\nRESPONSE North, Meter, Value\nTYPE BINARY\n"
         "END\nEND\n",
         "ANALOG_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tLEVEL\n\t\tRESPONSE\tNorth, Meter, Value\n\t\tTYPE\t\tBINARY\n"
         "\t\tVALUE_OFFSET\t0.001\n\tEND\nEND\n"},
        {"STRING_REG R\nSOURCE LITERAL\nLENGTH 12\nRESPONSE \"North\", Meter, Value\nEND\nEND\n",
         "STRING_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tLITERAL\n\t\tRESPONSE\tNorth, Meter, Value\n"
         "\t\tLENGTH\t\t12\n\tEND\nEND\n"},
        // ALLOW reads braces as plain bytes; written as ALLOW2 they stay so.
        {"STRING_REG R\nSOURCE FILTER\nALLOW a{2}\nRESPONSE North, Meter, Value\nALLOW2 b{2}\nALLOW2 b{2}\nEND\nEND\n",
         "STRING_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tFILTER\n\t\tRESPONSE\tNorth, Meter, Value\n"
         "\t\tALLOW2\t\t\"a\\{2}\"\n\t\tALLOW2\t\tb{2}\n\t\tALLOW2\t\tb{2}\n\tEND\nEND\n"},
        // The short form of the call comes back nested.
        {"STRING_REG R\nSOURCE PROCESSOR\nPROGRAM Scale\nRESPONSE North, Meter, Value\nEND\nEND\n",
         "STRING_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tPROCESSOR\n\t\tRESPONSE\tNorth, Meter, Value\n\t\tPROGRAM\n"
         "\t\t\tPROGRAM\t\tScale\n\t\tEND\n\tEND\nEND\n"},
        {"BISTATE_REG R\nSOURCE PROCESSOR\nRESPONSE North, Meter, Value\nPROGRAM\nARGUMENT Line, 2\nPROGRAM Scale\n"
         "END\nEND\nEND\n",
         "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tPROCESSOR\n\t\tRESPONSE\tNorth, Meter, Value\n\t\tPROGRAM\n"
         "\t\t\tPROGRAM\t\tScale\n\t\t\tARGUMENT\tLine, 2\n\t\tEND\n\tEND\nEND\n"},
    };
    for (const roundTripCase& c : cases) {
        SCOPED_TRACE(c.read);
        EXPECT_EQ(roundTrip(c.read), c.written);
        emptyRegisters();
        // What is written reads back to the same lines.
        EXPECT_EQ(roundTrip(c.written), c.written);
        emptyRegisters();
    }
}

struct statusCase {
    const char* block; // the lines after "SOURCE"
    gloadStatus last;
};

// The answers to the last line of a register whose source block ends with
// the line.
TEST_F(legacyStationTest, LegacyKindsRefuseWhatTheyCannotRead)
{
    const statusCase cases[] = {
        // The location.
        {"DIGITAL_REG R\nSOURCE DIRECT\nOFFSET 2147483647\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nOFFSET 2147483646\n", gload::accepted},
        {"DIGITAL_REG R\nSOURCE DIRECT\nOFFSET 1\nOFFSET 2\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE DIRECT\nOFFSET 0\nOFFSET 2\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE DIRECT\nOFFSET 2, 3\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nLENGTH 0\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nLENGTH 2\nLENGTH 2\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE DIRECT\nKEY\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nKEY a, b\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nKEY (a\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nKEY a\nKEY b\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE DIRECT\nTYPE \"MULTIBYTE LO-HI\"\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nTYPE BYTE, BCD\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nTYPE BYTE\nTYPE BYTE\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value, X\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, , Value\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value\nRESPONSE North, Meter, Value\n",
         gload::alreadyLoaded},
        // The search string.
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nRESPONSE North, Meter, Status\nEND\n", gload::incomplete},
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nSEARCH_STRING x\nEND\n", gload::incomplete},
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nSEARCH_STRING x\nSEARCH_STRING y\n", gload::alreadyLoaded},
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nSEARCH_STRING\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nSEARCH_STRING (\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nINVERT MAYBE\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE SEARCH STRING\nINVERT NO\nINVERT NO\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE SEARCH STRING\n", gload::invalidValue},
        // Completeness by data type.
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value\nTYPE BYTE\nEND\n", gload::accepted},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value\nTYPE BYTE\nLENGTH 2\nEND\n", gload::incomplete},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value\nTYPE BCD\nEND\n", gload::incomplete},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value\nTYPE \"BIG ENDIAN\"\nLENGTH 5\nEND\n",
         gload::incomplete},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value\nTYPE DECIMAL\nLENGTH 9\nEND\n",
         gload::accepted},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value\nEND\n", gload::incomplete},
        {"DIGITAL_REG R\nSOURCE DIRECT\nTYPE HEX\nEND\n", gload::incomplete},
        {"DIGITAL_REG R\nSOURCE DIRECT\nVALUE_MAP 5, 1\nVALUE_MAP 5, 2\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE DIRECT\nVALUE_MAP 5\n", gload::invalidValue},
        // Bit mask.
        {"BISTATE_REG R\nSOURCE BIT MASK\nMASK 0\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE BIT MASK\nMASK 0, 3\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE BIT MASK\nINVERT NO\nINVERT YES\n", gload::alreadyLoaded},
        {"BISTATE_REG R\nSOURCE BIT MASK\nRESPONSE North, Meter, Value\nTYPE DECIMAL\nEND\n", gload::incomplete},
        // Level.
        {"ANALOG_REG R\nSOURCE LEVEL\nFACTOR 2\nFACTOR 3\n", gload::alreadyLoaded},
        {"ANALOG_REG R\nSOURCE LEVEL\nFACTOR x\n", gload::invalidValue},
        {"ANALOG_REG R\nSOURCE LEVEL\nVALUE_OFFSET 1e999\n", gload::invalidValue},
        // Literal has no data type.
        {"STRING_REG R\nSOURCE LITERAL\nTYPE BYTE\n", gload::unknownKeyword},
        // Strings.
        {"DIGITAL_REG R\nSOURCE STRINGS\nTRIGGER 1, A\nTRIGGER 1, B\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE STRINGS\nTRIGGER 1 A\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE STRINGS\nTRIGGER 1,\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE STRINGS\nRESPONSE North, Meter, Value\nEND\n", gload::incomplete},
        // Filter.
        {"STRING_REG R\nSOURCE FILTER\nALLOW2 a, b\n", gload::invalidValue},
        {"STRING_REG R\nSOURCE FILTER\nRESPONSE North, Meter, Value\nEND\n", gload::incomplete},
        // Processor.
        {"STRING_REG R\nSOURCE PROCESSOR\nPROGRAM Scale\nPROGRAM Scale\n", gload::alreadyLoaded},
        {"STRING_REG R\nSOURCE PROCESSOR\nPROGRAM Scale, Other\n", gload::invalidValue},
        {"STRING_REG R\nSOURCE PROCESSOR\nRESPONSE North, Meter, Value\nEND\n", gload::incomplete},
        {"STRING_REG R\nSOURCE PROCESSOR\nRESPONSE North, Meter, Value\nPROGRAM\nARGUMENT A, 1\nEND\n",
         gload::incomplete},
        // Thresholds.
        {"DIGITAL_REG R\nSOURCE THRESHOLDS\nBOTTOM 1\nBOTTOM 2\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE THRESHOLDS\nTHRESHOLD 1.5, 1\nTHRESHOLD 1.5, 2\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE THRESHOLDS\nRESPONSE North, Meter, Value\nTYPE HEX\nBOTTOM 1\nEND\n",
         gload::incomplete},
        {"DIGITAL_REG R\nSOURCE THRESHOLDS\nRESPONSE North, Meter, Value\nTYPE HEX\nTHRESHOLD 1, 1\nEND\n",
         gload::incomplete},
        // Bit collection and its sections.
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nEND\n", gload::incomplete},
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nMASK 0\nMASK 0\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nSECTION x\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nSECTION\nMASK 0, 1\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nSECTION\nMASK 1, 2, 3\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nSECTION\nROTATE_LEFT 32\n", gload::invalidValue},
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nSECTION\nROTATE_LEFT 31\nROTATE_LEFT 1\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nSOURCE BIT COLLECTION\nSECTION\nRESPONSE North, Meter, Value\nTYPE HEX\nEND\n",
         gload::incomplete},
    };
    for (const statusCase& c : cases) {
        SCOPED_TRACE(c.block);
        EXPECT_EQ(loadRegister(c.block).last(), c.last);
        emptyRegisters();
    }
}

// A RESPONSE may name what the file defines later; what it never defines
// fails the load with the list of undefined objects.
TEST_F(registerTest, ResponseNamesObjectsDefinedLaterOrNever)
{
    recordingMessages messages;
    std::string later = std::string("DIGITAL_REG R\n\tSOURCE\tDIRECT\n\t\tRESPONSE\tNorth, Meter, Status\n"
                                     "\t\tTYPE\tDECIMAL\n\tEND\nEND\n") +
                        legacyStationText;
    EXPECT_EQ(loadStationText(later, messages), 0) << messages.lastText();
    emptyAll();
    std::string never = std::string("DIGITAL_REG R\n\tSOURCE\tDIRECT\n\t\tRESPONSE\tNorth, Meter, Missing\n"
                                    "\t\tTYPE\tDECIMAL\n\tEND\nEND\n") +
                        legacyStationText;
    EXPECT_EQ(loadStationText(never, messages), gloadError::undefinedObjects);
    EXPECT_NE(messages.lastText().find("Missing"), std::string::npos) << messages.lastText();
}

// The port, the device and the response list the register that reads them;
// a deleted source releases them.
TEST_F(legacyStationTest, LocationKeepsPortDeviceAndResponseInUse)
{
    gregister* reg = loadRegister("DIGITAL_REG R\nTITLE \"Flow meter\"\nSOURCE DIRECT\n"
                                  "RESPONSE North, Meter, Status\nTYPE DECIMAL\nEND\nEND\n")
                         .reg;
    gserialPort* north = station::serialPorts().find("North");
    glegacyDriver* meter = station::legacyDrivers().find("Meter");
    EXPECT_EQ(users(north->usedBy()), "\nThe register Flow meter");
    EXPECT_EQ(users(*north->legacyDevices().find("Meter")), "\nThe register Flow meter");
    EXPECT_EQ(users(meter->responses().find("Status")->usedBy()), "\nThe register Flow meter");
    reg->getDigitalSupplement()->newSource(2);
    EXPECT_TRUE(north->usedBy().isUnused());
    EXPECT_TRUE(meter->responses().find("Status")->usedBy().isUnused());
}

// "port - device - response": the device by its title, else its driver's.
TEST_F(legacyStationTest, LocationDescribesItself)
{
    auto* one = static_cast<gsourceLegacyBitCollection*>(
        loadRegister("DIGITAL_REG R\nSOURCE BIT COLLECTION\nSECTION\nRESPONSE North, Meter, Value\nTYPE HEX\n"
                     "MASK 1\nEND\nSECTION\nRESPONSE South, Meter, Status\nTYPE HEX\nMASK 1\nEND\nEND\nEND\n")
            .reg->getDigitalSupplement()
            ->getSource());
    EXPECT_EQ(one->collection().sections()[0]->location().describe().view(), "North line - Meter 12 - Value");
    EXPECT_EQ(one->collection().sections()[1]->location().describe().view(), "South - Meter, legacy - Status");
}

// Clones refer to the same objects and keep them in use by themselves; a
// collection's and a filter's lists come out reversed.
TEST_F(legacyStationTest, ClonesKeepTheirOwnLinks)
{
    gregister* from = loadRegister("DIGITAL_REG A\nSOURCE BIT COLLECTION\nMASK 7\nSECTION\n"
                                   "RESPONSE North, Meter, Value\nTYPE HEX\nMASK 1\nEND\nSECTION\n"
                                   "RESPONSE South, Meter, Status\nTYPE HEX\nMASK 2\nEND\nEND\nEND\n")
                          .reg;
    gregister* to = loadRegister("DIGITAL_REG B\nEND\n").reg;
    to->getDigitalSupplement()->copySourceFrom(*from);
    auto* copy = static_cast<gsourceLegacyBitCollection*>(to->getDigitalSupplement()->getSource());
    ASSERT_EQ(copy->collection().sections().size(), 2u);
    EXPECT_EQ(copy->collection().sections()[0]->masks().andMask, 2u);
    EXPECT_EQ(copy->collection().sections()[0]->getOwner(), copy);
    EXPECT_EQ(copy->collection().getXorMask(), 7u);
    EXPECT_EQ(users(station::serialPorts().find("South")->usedBy()), "\nThe register A\nThe register B");
    from->getDigitalSupplement()->newSource(2);
    EXPECT_EQ(users(station::serialPorts().find("South")->usedBy()), "\nThe register B");

    gregister* filter = loadRegister("STRING_REG F\nSOURCE FILTER\nRESPONSE North, Meter, Value\nALLOW2 z\n"
                                     "ALLOW2 b\nALLOW2 m\nEND\nEND\n")
                            .reg;
    auto twin = filter->getStringSupplement()->getSource()->clone(*to->getDigitalSupplement());
    const auto& patterns = static_cast<gsourceLegacyFilter&>(*twin).allowedStrings();
    ASSERT_EQ(patterns.size(), 3u);
    gstr last;
    patterns[0].toString(last, true);
    EXPECT_EQ(last.view(), "m");
}

// A level source gives its analog register one element.
TEST_F(legacyStationTest, LevelSourceCountsOneElement)
{
    gregister* reg = loadRegister("ANALOG_REG R\nSOURCE LEVEL\nRESPONSE North, Meter, Value\nTYPE DECIMAL\n"
                                  "END\nEND\n")
                         .reg;
    auto* level = static_cast<gsourceLegacyLevel*>(reg->getAnalogSupplement()->getSource());
    EXPECT_EQ(level->getElementCount(), 1);
    EXPECT_EQ(level->getFactor(), 1.0);
    EXPECT_EQ(level->getValueOffset(), 0.0);
    EXPECT_EQ(loadRegister("ANALOG_REG S\nELEMENTS 3\nSOURCE LEVEL\nRESPONSE North, Meter, Value\nTYPE DECIMAL\n"
                           "END\nEND\n")
                  .last(),
              gload::incomplete);
}

// The processor source keeps its program in use; re-binding renames it by
// the tag find and replace.
TEST_F(legacyStationTest, ProcessorProgramIsRebound)
{
    gregister* reg = loadRegister("DIGITAL_REG R\nTITLE Pumps\nSOURCE PROCESSOR\nRESPONSE North, Meter, Value\n"
                                  "PROGRAM\nPROGRAM PUMP_1\nARGUMENT Unit$, \"PUMP 1\"\nEND\nEND\nEND\n")
                         .reg;
    auto& source = static_cast<gsourceLegacyProcessorDigital&>(*reg->getDigitalSupplement()->getSource());
    EXPECT_EQ(users(*station::programs().find("PUMP_1")), "\nThe register Pumps");

    gregisterBatchOptions options;
    options.find = "PUMP";
    options.replace = "VALVE";
    options.matchCase = true;
    options.programsInSources = true;
    options.programArgumentsInSources = true;
    gstr log("");
    EXPECT_EQ(source.resolveReferences(options, log, nullptr), 2);
    EXPECT_EQ(log.view(), "");
    EXPECT_EQ(source.call().getProgram()->programTag().view(), "VALVE_1");
    EXPECT_TRUE(station::programs().find("PUMP_1")->isUnused());

    options.find = "VALVE";
    options.replace = "GATE";
    options.programArgumentsInSources = false;
    EXPECT_EQ(source.resolveReferences(options, log, nullptr), 0);
    EXPECT_EQ(log.view(), "\nThe program with tag GATE_1 specified by Pumps does not exist: retained program VALVE_1");
    options.find = "MOTOR";
    log.clear();
    EXPECT_EQ(source.resolveReferences(options, log, nullptr), 0);
    EXPECT_TRUE(log.isEmpty());
}

} // namespace

namespace {

// A station with every legacy-device kind, the processor in all four
// classes, loads and saves byte for byte; what the sources read is in use.
TEST_F(registerTest, StationOfLegacySourcesSavesByteForByte)
{
    recordingMessages messages;
    tempFolder folder;
    std::string fixture = std::string(KORVEL_TEST_DATA_DIR) + "/registers/fixtures/legacySources.stn";
    ASSERT_EQ(loadObjectFile(gstrSlice(fixture.c_str()), false, false), gloadError::none) << messages.lastText();
    std::string out = folder.path("out.stn");
    ASSERT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
    EXPECT_EQ(fileBytes(out), fileBytes(fixture));
    EXPECT_EQ(users(*station::programs().find("Scale")), "\nThe register Computed\nThe register ComputedD");
    EXPECT_EQ(users(station::legacyDrivers().find("Meter")->responses().find("Status")->usedBy()),
              "\nThe register Door open\nThe register Bits");
}

} // namespace
