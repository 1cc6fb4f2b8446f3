#include "g2driver/model/g2driverFixedStringCommandElement.h"
#include "g2driverTestSupport.h"

#include <string>
#include <string_view>

namespace {

struct lines {
    std::string text;
    gloadStatus status;
};

// Lines of a template (after its header) or of a command, each row read by
// a fresh driver whose template T, command C and parameters exist; the
// status of the row's last line.
class elementLines : public g2driverTest {
protected:
    gloadStatus templateStatus(const std::string& text)
    {
        fresh();
        return load("CR_TEMPLATE T2\nPARAMETER Speed, ANALOG\nPARAMETER On, BISTATE\n" + text);
    }
    gloadStatus commandStatus(const std::string& text)
    {
        fresh();
        return load("COMMAND C2\nPARAMETER Count, DIGITAL\nCR_TEMPLATE T\n" + text);
    }
    void fresh()
    {
        emptyAll();
        SetUp();
        ASSERT_EQ(load("PARAMETER Address, DIGITAL\nCR_TEMPLATE T\nPARAMETER Speed, ANALOG\n"
                       "COMMAND_ELEMENT DATA\nNAME Body\nEND\nEND"),
                  gload::accepted);
    }
};

TEST_F(elementLines, CommandElements)
{
    const lines rows[] = {
        {"COMMAND_ELEMENT FOO", gload::invalidValue},
        {"COMMAND_ELEMENT FIXED STRING, x", gload::invalidValue},
        {"COMMAND_ELEMENT FIXED STRING\nSTRING \"\"", gload::invalidValue},
        {"COMMAND_ELEMENT FIXED STRING\nSTRING \"\\0\"\nEND", gload::accepted},
        {"COMMAND_ELEMENT FIXED STRING\nSTRING a\nSTRING b", gload::alreadyLoaded},
        {"COMMAND_ELEMENT FIXED STRING\nEND", gload::incomplete},
        {"COMMAND_ELEMENT DELAY\nDELAY 0", gload::invalidValue},
        {"COMMAND_ELEMENT DELAY\nDELAY 0.25\nEND", gload::accepted},
        {"COMMAND_ELEMENT DATA\nNAME A\nEND\nCOMMAND_ELEMENT DATA\nNAME A", gload::alreadyLoaded},
        {"COMMAND_ELEMENT DATA\nNAME A\nNAME B", gload::alreadyLoaded},
        {"COMMAND_ELEMENT LENGTH\nCHAR_SIZE 5", gload::invalidValue},
        {"COMMAND_ELEMENT LENGTH\nSKIP_FIRST -1", gload::invalidValue},
        {"COMMAND_ELEMENT LENGTH\nOFFSET 1\nOFFSET 2", gload::alreadyLoaded},
        {"COMMAND_ELEMENT LENGTH\nEND", gload::incomplete},
        {"COMMAND_ELEMENT BISTATE\nTEMPLATE_PARAM Speed", gload::invalidValue},
        {"COMMAND_ELEMENT BISTATE\nPARAMETER On", gload::invalidValue},
        {"COMMAND_ELEMENT BISTATE\nTEMPLATE_PARAM On\nTEMPLATE_PARAM On", gload::alreadyLoaded},
        {"COMMAND_ELEMENT BISTATE\nTEMPLATE_PARAM On\nOFF_STRING 0\nEND", gload::accepted},
        {"COMMAND_ELEMENT BISTATE\nTEMPLATE_PARAM On\nEND", gload::incomplete},
        {"COMMAND_ELEMENT DIGITAL NUMBER\nDRIVER_PARAM Address\nTYPE BYTE\nWIDTH 1\nEND", gload::accepted},
        {"COMMAND_ELEMENT DIGITAL STRINGS\nTEMPLATE_PARAM New\nDEFAULT_STRING x\nEND", gload::incomplete},
        {"COMMAND_ELEMENT ANALOG\nTEMPLATE_PARAM Speed\nFACTOR inf", gload::invalidValue},
        {"COMMAND_ELEMENT ANALOG\nTEMPLATE_PARAM Speed\nFACTOR 2\nFACTOR 3", gload::alreadyLoaded},
        {"COMMAND_ELEMENT STRING\nTEMPLATE_PARAM Name\nREPLACEMENT \"\\x01\"", gload::invalidValue},
        {"COMMAND_ELEMENT STRING\nTEMPLATE_PARAM Name\nEND", gload::accepted},
        {"COMMAND_ELEMENT BIT FIELD\nTEMPLATE_PARAM 8, On", gload::invalidValue},
        {"COMMAND_ELEMENT BIT FIELD\nTEMPLATE_PARAM -1, On", gload::invalidValue},
        {"COMMAND_ELEMENT BIT FIELD\nTEMPLATE_PARAM 2, On\nTEMPLATE_PARAM 2, On", gload::alreadyLoaded},
        {"COMMAND_ELEMENT BIT FIELD\nTEMPLATE_PARAM 7, Speed", gload::invalidValue},
        {"COMMAND_ELEMENT BIT FIELD\nMASK 256", gload::invalidValue},
        {"COMMAND_ELEMENT BIT FIELD\nTEMPLATE_PARAM 7, On\nEND", gload::accepted},
        {"COMMAND_ELEMENT CHECKSUM\nCHECKSUM CRC 16", gload::invalidValue},
        {"COMMAND_ELEMENT CHECKSUM\nCHECKSUM CRC 16, 65535, 0\nTYPE BYTE\nWIDTH 1\nEND", gload::accepted},
        {"COMMAND_ELEMENT CHECKSUM\nCHECKSUM SUM, 12 BITS", gload::invalidValue},
        {"COMMAND_ELEMENT CHECKSUM\nCHECKSUM MOD 256, 8 BITS", gload::invalidValue},
        {"COMMAND_ELEMENT CHECKSUM\nCOMPLEMENT 3", gload::invalidValue},
        {"COMMAND_ELEMENT CHECKSUM\nCHECKSUM CRC 32, 0, 0\nCOMPLEMENT 1\nTYPE BYTE\nWIDTH 1\nEND", gload::incomplete},
        {"COMMAND_ELEMENT CHECKSUM\nCHECKSUM PROCESSOR\nTYPE BYTE\nWIDTH 1\nEND", gload::incomplete},
        {"COMMAND_ELEMENT CHECKSUM\nPROGRAM Crc", gload::invalidValue},
        {"COMMAND_ELEMENT CHECKSUM\nSKIP_FIRST -1", gload::invalidValue},
    };
    for (const lines& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(templateStatus(row.text), row.status);
    }
}

TEST_F(elementLines, ParametersTakeTheKindOfTheirFirstUser)
{
    ASSERT_EQ(templateStatus("COMMAND_ELEMENT DIGITAL NUMBER\nTEMPLATE_PARAM New\nTYPE BYTE\nWIDTH 1\nEND\n"
                             "COMMAND_ELEMENT BISTATE\nTEMPLATE_PARAM New"),
              gload::invalidValue);
    g2driverParameter* created = driver->templates().find("T2")->parameters().find("New");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->getKind(), g2valueKind::digital);
    EXPECT_FALSE(created->isDefined());
    gstr undefined("");
    driver->listUndefinedReferences(undefined);
    EXPECT_EQ(undefined.view(), "\n parameter in command template T2 of device driver Pump : \"New\"");
}

// A parameter's own line must give the kind its first user gave it, or the
// file written in another order would no longer load.
TEST_F(elementLines, ADefinitionAfterItsFirstUserKeepsThatKind)
{
    const std::string user = "COMMAND_ELEMENT DIGITAL NUMBER\nTEMPLATE_PARAM New\nTYPE BYTE\nWIDTH 1\nEND\n";
    EXPECT_EQ(templateStatus(user + "PARAMETER New, BISTATE"), gload::incomplete);
    EXPECT_EQ(templateStatus(user + "PARAMETER New, DIGITAL"), gload::accepted);
}

TEST_F(elementLines, TemplatesAndTheirResponses)
{
    const std::string ok = "RESPONSE_ELEMENT REGEXP\nPATTERN OK\nEND\n";
    const lines rows[] = {
        {"BUFFER_SIZE 0", gload::invalidValue},
        {"BUFFER_SIZE 40\nDELAY 1\nEND", gload::incomplete},
        {ok + "DELAY 1\nEND", gload::incomplete},
        {"BUFFER_SIZE 40\n" + ok + "END", gload::incomplete},
        {"BUFFER_SIZE 40\nDELAY 1\n" + ok + "END", gload::accepted},
        {"BUFFER_SIZE 40\nDELAY 1\n" + ok + "ERROR_CODE E1, NUMERICAL VALUE, 5\nEND", gload::incomplete},
        {"ERROR_CODE E1, NUMERICAL VALUE, 5\nERROR_CODE E1, NUMERICAL VALUE, 6", gload::alreadyLoaded},
        {"ERROR_CODE \"E1\", NUMERICAL VALUE, 0, 5", gload::invalidValue},
        {"ERROR_CODE E1, TEXT, 5", gload::invalidValue},
        {"ERROR_ELEMENT DATA", gload::invalidValue},
        {"RESPONSE_ELEMENT NUMERICAL ERROR CODE", gload::invalidValue},
        {"RESPONSE_ELEMENT STRING ERROR CODE", gload::invalidValue},
        {"RESPONSE_ELEMENT REGEXP, x", gload::invalidValue},
        {"RESPONSE_ELEMENT REGEXP\nCONDITION \"X\", >, 1\nCONDITION \"X\", >, 2", gload::alreadyLoaded},
        {"RESPONSE_ELEMENT REGEXP\nCONDITION \"X\", MORE, 1", gload::invalidValue},
        {"RESPONSE_ELEMENT REGEXP\nCONDITION \"X\", >, ab", gload::invalidValue},
        {"RESPONSE_ELEMENT REGEXP\nCONDITION \"X\", IS, \"ok\"\nPATTERN a\nEND\n"
         "RESPONSE_ELEMENT NUMERICAL VALUE\nNAME \"X\"",
         gload::invalidValue},
        {"RESPONSE_ELEMENT STRING VALUE\nCONDITION \"X\", =, 1\nNAME \"X\"", gload::invalidValue},
        {"RESPONSE_ELEMENT NUMERICAL VALUE\nNAME \"N\"\nTYPE BYTE\nWIDTH 1\nEND\n"
         "RESPONSE_ELEMENT NUMERICAL VALUE\nNAME \"N\"",
         gload::alreadyLoaded},
        {"RESPONSE_ELEMENT NUMERICAL VALUE\nNAME \"N\"\nTYPE BYTE\nWIDTH 1\nEND\n"
         "ERROR_ELEMENT NUMERICAL VALUE\nNAME \"N\"\nTYPE BYTE\nWIDTH 1\nEND",
         gload::accepted},
        {"RESPONSE_ELEMENT REGEXP\nREPEAT_VALUE \"\"", gload::invalidValue},
        {"RESPONSE_ELEMENT REGEXP\nREPEAT_VALUE \"N\", x", gload::invalidValue},
        {"RESPONSE_ELEMENT COMMAND ELEMENT\nCOMMAND_ELEMENT 0", gload::invalidValue},
        {"RESPONSE_ELEMENT DIGITAL NUMBER\nDRIVER_PARAM \"\"", gload::invalidValue},
        {"RESPONSE_ELEMENT DIGITAL NUMBER\nDRIVER_PARAM \"Address\"\nTEMPLATE_PARAM \"Speed\"", gload::alreadyLoaded},
        {"RESPONSE_ELEMENT BISTATE\nTEMPLATE_PARAM \"Speed\"", gload::invalidValue},
        {"RESPONSE_ELEMENT ANALOG\nTEMPLATE_PARAM \"Speed\"\nOFFSET nan", gload::invalidValue},
        {"RESPONSE_ELEMENT DATA\nLENGTH \"L\", 5", gload::invalidValue},
        {"RESPONSE_ELEMENT DATA\nLENGTH \"L\", 1, -1", gload::invalidValue},
        {"RESPONSE_ELEMENT DATA\nFACTOR 2\nFACTOR_VALUE \"F\"", gload::alreadyLoaded},
        {"RESPONSE_ELEMENT DATA\nNAME \"D\"\nPATTERN x\nFACTOR 2\nEND", gload::incomplete},
        {"RESPONSE_ELEMENT DATA\nNAME \"D\"\nPATTERN x\nEND\nRESPONSE_ELEMENT DATA\nNAME \"D\"",
         gload::alreadyLoaded},
        {"ERROR_ELEMENT NUMERICAL ERROR CODE\nNAME \"E\"\nTYPE BYTE\nWIDTH 1\nEND\n"
         "ERROR_ELEMENT STRING ERROR CODE\nNAME \"E\"",
         gload::invalidValue},
        {"ERROR_CODE E, STRING VALUE, x\nERROR_ELEMENT NUMERICAL ERROR CODE\nNAME \"E\"", gload::invalidValue},
        {"ERROR_ELEMENT STRING ERROR CODE\nNAME \"E\"\nNAME \"E\"", gload::alreadyLoaded},
        {"COMMAND_ELEMENT DATA\nNAME X\nEND", gload::accepted},
    };
    for (const lines& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(templateStatus(row.text), row.status);
    }
}

TEST_F(elementLines, ElementsAfterLoadingAndMoving)
{
    ASSERT_EQ(templateStatus("COMMAND_ELEMENT FIXED STRING\nSTRING \"a\\0b\"\nEND\n"
                             "COMMAND_ELEMENT ANALOG\nTEMPLATE_PARAM Speed\nTYPE BYTE\nWIDTH 1\nFACTOR 1\nEND\n"
                             "BUFFER_SIZE 4\nDELAY 1\n"
                             "RESPONSE_ELEMENT ANALOG\nTEMPLATE_PARAM \"Speed\"\nTYPE BYTE\nWIDTH 1\nFACTOR 1\nEND\nEND"),
              gload::accepted);
    g2driverCommandTemplate* shape = driver->templates().find("T2");
    const auto* bytes = static_cast<const g2driverFixedStringCommandElement*>(shape->elements()[0]);
    EXPECT_EQ(bytes->bytes().view(), std::string_view("a\0b", 3));
    // FACTOR 1 and OFFSET 0 are the defaults and not written.
    std::string written = writtenBlock(*shape);
    EXPECT_EQ(written.find("FACTOR"), std::string::npos) << written;
    EXPECT_EQ(written.find("OFFSET"), std::string::npos) << written;

    // Moved to a template without its parameter, an element has none.
    g2driverCommandElement* analog = shape->elements()[1];
    EXPECT_TRUE(analog->isComplete());
    analog->setTemplate(driver->templates().find("T"));
    EXPECT_TRUE(analog->isComplete());
    g2driverCommandTemplate* bare = driver->referenceTemplate("Bare");
    analog->setTemplate(bare);
    EXPECT_FALSE(analog->isComplete());
    analog->setTemplate(shape);
}

TEST_F(elementLines, ErrorCodesTakeTheKindOfTheirFirstUser)
{
    // A template's default types the code; another template's other kind is
    // refused, and so is the driver's own definition with another kind.
    ASSERT_EQ(templateStatus("ERROR_CODE E1, NUMERICAL VALUE, 5\nBUFFER_SIZE 4\nDELAY 1\n"
                             "ERROR_ELEMENT REGEXP\nPATTERN x\nEND\nEND\n"
                             "CR_TEMPLATE T3\nERROR_CODE E1, STRING VALUE, x"),
              gload::invalidValue);
    EXPECT_EQ(load("END\nERROR_CODE E1, STRING VALUE"), gload::incomplete);
}

TEST_F(elementLines, CommandsAndTheirData)
{
    const lines rows[] = {
        {"TIMEOUT 0", gload::invalidValue},
        {"TIMEOUT 0.001\nTIMEOUT 1", gload::alreadyLoaded},
        {"RETRIES 0", gload::invalidValue},
        {"TEMPLATE_PARAM Speed, DIGITAL, 9600\nEND", gload::incomplete},
        {"TEMPLATE_PARAM Speed, ANALOG, 9600\nEND", gload::accepted},
        {"TEMPLATE_PARAM Speed, ANALOG, 1\nTEMPLATE_PARAM Speed, ANALOG, 2", gload::alreadyLoaded},
        {"TEMPLATE_PARAM Speed", gload::invalidValue},
        {"DATA Body\nEND", gload::incomplete},
        {"DATA Body\nCOMMAND_ELEMENT DATA", gload::invalidValue},
        {"DATA Body\nCOMMAND_ELEMENT DIGITAL NUMBER\nTEMPLATE_PARAM Speed", gload::invalidValue},
        {"DATA Body\nCOMMAND_ELEMENT DIGITAL NUMBER\nPARAMETER Count\nTYPE BYTE\nWIDTH 1\nEND\nEND\nEND",
         gload::accepted},
        {"DATA Body\nCOMMAND_ELEMENT FIXED STRING\nSTRING x\nEND\nEND\nDATA Body", gload::alreadyLoaded},
        {"DATA A, B", gload::invalidValue},
    };
    for (const lines& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(commandStatus(row.text), row.status);
    }
    ASSERT_EQ(commandStatus("TIMEOUT 0.001\nBUFFER_SIZE 8\nRETRIES 2\nEND"), gload::accepted);
    g2driverCommand* command = driver->commands().find("C2");
    EXPECT_EQ(command->getTimeout(), gmilliseconds(1));
    // Its template expects no response: the overrides are not written.
    EXPECT_EQ(writtenBlock(*command), "COMMAND\t\tC2\n\tPARAMETER\tCount, DIGITAL\n\tCR_TEMPLATE\tT\nEND\n");
}

TEST_F(elementLines, DataObjects)
{
    const lines rows[] = {
        {"OBJECT Level, ANALOG\nVALUE_NAME 1, x", gload::unknownKeyword},
        {"OBJECT Level, DIGITAL\nELEMENTS 2", gload::unknownKeyword},
        {"OBJECT Level, DIGITAL\nVALUE_NAME 1, x\nVALUE_NAME 1, y", gload::alreadyLoaded},
        {"OBJECT Level, ANALOG\nINTERNAL YES\nINTERNAL NO", gload::alreadyLoaded},
        {"OBJECT Level, ANALOG\nELEMENTS 0", gload::invalidValue},
        {"OBJECT Level, ANALOG\nEND", gload::incomplete},
        {"OBJECT Level, COLOUR", gload::invalidValue},
        {"OBJECT Level", gload::invalidValue},
        {"OBJECT Level, DIGITAL\nSOURCE BISTATE", gload::invalidValue},
        {"OBJECT Level, BISTATE\nSOURCE LIMIT", gload::invalidValue},
        {"OBJECT Level, BISTATE\nSOURCE LIMIT, TEXT", gload::invalidValue},
        {"OBJECT Level, BISTATE\nSOURCE STRING", gload::invalidValue},
        {"OBJECT Level, STRING\nSOURCE STRING, x", gload::invalidValue},
        {"OBJECT Level, STRING\nSOURCE MULTIPLE\nSOURCE MULTIPLE", gload::invalidValue},
        {"OBJECT Level, STRING\nSOURCE MULTIPLE\nSOURCE ANALOG NUMBER", gload::invalidValue},
        {"OBJECT Level, STRING\nSOURCE PARAMETER\nEND\nSOURCE STRING", gload::alreadyLoaded},
        {"OBJECT Level, STRING\nSOURCE STRING\nEND x", gload::invalidValue},
        {"OBJECT Level, STRING\nSOURCE STRING\nEND", gload::incomplete},
        {"OBJECT Level, ANALOG\nSOURCE PARAMETER\nEND\nEND", gload::accepted},
    };
    for (const lines& row : rows) {
        SCOPED_TRACE(row.text);
        emptyAll();
        SetUp();
        EXPECT_EQ(load(row.text), row.status);
    }
    emptyAll();
    SetUp();
    ASSERT_EQ(load("OBJECT Level, ANALOG\nELEMENTS 1\nSOURCE PARAMETER\nEND\nEND"), gload::accepted);
    g2driverDataObject* level = driver->dataObjects().find("Level");
    EXPECT_EQ(level->getElements(), 1);
    EXPECT_EQ(writtenBlock(*level), "OBJECT\t\tLevel, ANALOG\n\tSOURCE\t\tPARAMETER\n\tEND\nEND\n");

    // Used from outside before its definition: it may no longer be internal.
    g2driverDataObject* later = driver->referenceDataObject("Later");
    EXPECT_TRUE(later->acceptOutsideUser());
    EXPECT_EQ(load("OBJECT Later, BISTATE\nINTERNAL YES"), gload::invalidValue);
}

} // namespace
