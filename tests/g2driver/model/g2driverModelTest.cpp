#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "ports/portTestSupport.h"
#include "foundation/jhashIterator.h"
#include "store/gstation.h"
#include "support/model/stationLines.h"

#include <string>

namespace {

class g2driverModel : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        driver = station::g2Drivers().define("Pump");
    }
    gloadStatus lineStatus(const std::string& lines)
    {
        emptyAll();
        SetUp();
        return feedLines(*driver, lines);
    }
    std::string written() { return writtenBlock(*driver); }

    g2driver* driver = nullptr;
};

TEST_F(g2driverModel, ParameterLines)
{
    struct row {
        const char* line;
        gloadStatus status;
    };
    const row rows[] = {
        {"PARAMETER Channel, DIGITAL", gload::accepted},
        {"PARAMETER Channel, DIGITAL, 1, On, 0, Off", gload::accepted},
        {"PARAMETER Channel, DIGITAL, 0, Off, 0, On", gload::invalidValue},
        {"PARAMETER Channel, DIGITAL, 0", gload::invalidValue},
        {"PARAMETER Channel, ANALOG, 0, Off", gload::invalidValue},
        {"PARAMETER Channel", gload::invalidValue},
        {"PARAMETER Channel, COLOUR", gload::invalidValue},
        {"PARAMETER Channel, BISTATE\nPARAMETER Channel, BISTATE", gload::alreadyLoaded},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.line);
        EXPECT_EQ(lineStatus(r.line), r.status);
    }
    ASSERT_EQ(lineStatus("PARAMETER Mode, DIGITAL, 2, \"Auto, slow\", 1, Manual\nPARAMETER Channel, DIGITAL"),
              gload::accepted);
    EXPECT_EQ(written(), "G2DRIVER Pump\n\tPARAMETER\tMode, DIGITAL, 1, Manual, 2, \"Auto, slow\"\n"
                         "\tPARAMETER\tChannel, DIGITAL\nEND\n");
}

TEST_F(g2driverModel, InternalParameterReferredToFromOutsideIsRefused)
{
    ASSERT_EQ(lineStatus("COMMAND Read"), gload::accepted);
    g2driverCommand* read = driver->commands().find("Read");
    read->parameters().reference("Ch")->setInternal(-1);
    EXPECT_EQ(feedLines(*read, "INTERNAL_PARAM Ch, DIGITAL"), gload::invalidValue);
}

TEST_F(g2driverModel, ParameterValues)
{
    g2driverParameterValueTable values(5);
    struct row {
        const char* line;
        gloadStatus status;
    };
    const row rows[] = {
        {"A, BISTATE, ON", gload::accepted},     {"B, BISTATE, MAYBE", gload::invalidValue},
        {"C, DIGITAL, 3", gload::accepted},      {"D, DIGITAL, -3", gload::invalidValue},
        {"E, ANALOG, 1e3", gload::accepted},     {"F, ANALOG, inf", gload::invalidValue},
        {"G, STRING, \"x, y\"", gload::accepted}, {"H STRING x", gload::invalidValue},
        {"A, BISTATE, OFF", gload::alreadyLoaded}, {"I, DIGITAL, 1, 2", gload::invalidValue},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.line);
        gstr value(r.line);
        EXPECT_EQ(g2driverParameterValue::loadLine(values, value), r.status);
    }

    ASSERT_EQ(lineStatus("PARAMETER A, BISTATE\nPARAMETER C, DIGITAL, 2, Two\nPARAMETER Z, DIGITAL\n"
                         "PARAMETER E, ANALOG\nPARAMETER G, STRING"),
              gload::accepted);
    gstr text("");
    g2driverParameterValue::describeList(text, driver->parameters().ordered(), values);
    EXPECT_EQ(text.view(), " (A = on, C = 3, E = 1000, G = \"x, y\")");
    values.find("C")->setDigital(2);
    text.assign("");
    g2driverParameterValue::describeList(text, driver->parameters().ordered(), values);
    EXPECT_EQ(text.view(), " (A = on, C = Two, E = 1000, G = \"x, y\")");
    g2driverParameterValueTable none(5);
    text.assign("");
    g2driverParameterValue::describeList(text, driver->parameters().ordered(), none);
    EXPECT_TRUE(text.isEmpty());
}

TEST_F(g2driverModel, BlocksOfTheDriver)
{
    struct row {
        const char* lines;
        gloadStatus status;
    };
    const row rows[] = {
        {"COMMAND Read\nCR_TEMPLATE T\nEND\nCOMMAND Read", gload::alreadyLoaded},
        {"COMMAND Read Write", gload::accepted},
        {"COMMAND Read, Write", gload::invalidValue},
        {"COMMAND", gload::invalidValue},
        {"CR_TEMPLATE T\nBUFFER_SIZE 0", gload::invalidValue},
        {"CR_TEMPLATE T\nDELAY 1\nDELAY 2", gload::alreadyLoaded},
        {"COMMAND C\nCR_TEMPLATE T\nCR_TEMPLATE T", gload::alreadyLoaded},
        {"ERROR_CODE E, NUMERICAL VALUE\nERROR_CODE E, STRING VALUE", gload::alreadyLoaded},
        {"ERROR_CODE E, TEXT", gload::invalidValue},
        {"DELAY 0.1\nDELAY 0.2", gload::alreadyLoaded},
        {"INIT_SEQUENCE LATER", gload::invalidValue},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        EXPECT_EQ(lineStatus(r.lines), r.status);
    }
}

TEST_F(g2driverModel, CommandOverridesAreWrittenOnlyForTemplatesThatExpectAResponse)
{
    ASSERT_EQ(lineStatus("CR_TEMPLATE Quiet\nDELAY 0.5\nEND\nCOMMAND Go\nCR_TEMPLATE Quiet\nTIMEOUT 1\nEND"),
              gload::accepted);
    EXPECT_EQ(written(), "G2DRIVER Pump\n\tCR_TEMPLATE\tQuiet\n\t\tDELAY\t\t0.5\n\tEND\n"
                         "\tCOMMAND\t\tGo\n\t\tCR_TEMPLATE\tQuiet\n\tEND\nEND\n");
    driver->templates().find("Quiet")->setBufferSize(10);
    EXPECT_NE(written().find("\t\tTIMEOUT\t\t1\n"), std::string::npos);
}

TEST_F(g2driverModel, PlaceholdersAreListed)
{
    ASSERT_EQ(lineStatus("TITLE Pumps\nCOMMAND Go\nCR_TEMPLATE Shape\nPARAMETER X, DIGITAL\nEND\n"
                         "ERROR_HANDLING Status, NUMERICAL VALUE\nIGNORE_ERRORS DEFAULT\nREINIT_ERRORS NONE\n"
                         "RETRY_ERRORS NONE\nEND"),
              gload::accepted);
    driver->parameters().referenceAs("Address", 0);
    driver->referenceCommand("Stop");
    gstr text("");
    driver->listUndefinedReferences(text);
    EXPECT_EQ(text.view(), "\n parameter in device driver Pumps : \"Address\""
                           "\n error code in device driver Pumps : \"Status\""
                           "\n command template in device driver Pumps: \"Shape\""
                           "\n command in device driver Pumps: \"Stop\"");
    gstr users("");
    driver->templates().find("Shape")->usedBy().describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe command Go in device driver Pumps");
}

TEST_F(g2driverModel, DefaultsAfterLoadingAndWhatIsWritten)
{
    const struct {
        const char* lines;
        gloadStatus status;
    } rows[] = {
        {"RETRIES 0", gload::invalidValue},
        {"RETRIES -1", gload::invalidValue},
        {"RETRIES 2\nRETRIES 3", gload::alreadyLoaded},
        {"INIT_SEQUENCE FIRST TIME\nCOMMAND Go\nEND\nEND\nINIT_SEQUENCE FIRST TIME", gload::alreadyLoaded},
        {"PROGRAM P\nEND\nPROGRAM P", gload::alreadyLoaded},
        {"PROGRAM P\nINTERNAL MAYBE", gload::invalidValue},
        {"OBJECT O, ANALOG\nSOURCE PARAMETER\nEND\nEND\nOBJECT O, ANALOG", gload::alreadyLoaded},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lines);
        EXPECT_EQ(lineStatus(r.lines), r.status);
    }

    // Nothing given: no delay, one attempt, errors ignored by default and
    // neither reinitialized nor retried, none of which is written but the
    // attempt.
    ASSERT_EQ(lineStatus("END"), gload::finished);
    EXPECT_EQ(driver->getDelay(), gmilliseconds(0));
    EXPECT_EQ(driver->getRetries(), 1);
    EXPECT_EQ(driver->errorHandling().ignoreSet().getKind(), g2driverErrorValueSet::byDefault);
    EXPECT_EQ(written(), "G2DRIVER Pump\n\tRETRIES\t\t1\nEND\n");
    ASSERT_EQ(lineStatus("ERROR_CODE S, NUMERICAL VALUE\nERROR_HANDLING S, NUMERICAL VALUE\nIGNORE_ERRORS DEFAULT\n"
                         "REINIT_ERRORS NONE\nRETRY_ERRORS NONE\nEND\nPROGRAM P\nINTERNAL YES\nEND\nEND"),
              gload::finished);
    EXPECT_EQ(written(), "G2DRIVER Pump\n\tRETRIES\t\t1\n\tERROR_CODE\tS, NUMERICAL VALUE\n"
                         "\tPROGRAM\t\tP\n\t\tINTERNAL\tYES\n\tEND\nEND\n");
}

// A driver's PROGRAM block carries the SCL program: code, limit, coders and
// the internal flag, each refused as a station program refuses it.
TEST_F(g2driverModel, ProgramBlocksCarryTheirCodeLimitAndCoders)
{
    const struct {
        const char* lines;
        gloadStatus status;
    } rows[] = {
        {"PROGRAM P\nLIMIT 0", gload::invalidValue},
        {"PROGRAM P\nLIMIT -5", gload::invalidValue},
        {"PROGRAM P\nLIMIT 5\nLIMIT 6", gload::alreadyLoaded},
        {"PROGRAM P\nINTERNAL NO\nINTERNAL YES", gload::alreadyLoaded},
        {"PROGRAM P\nDECODER 7", gload::invalidValue},
        {"PROGRAM P\nDECODER 7, BOGUS", gload::invalidValue},
        {"PROGRAM P\nENCODER 7, STRING\nEND\nENCODER 7, BISTATE", gload::alreadyLoaded},
        {"PROGRAM P\nSHOW_ALWAYS YES", gload::unknownKeyword},
        {"PROGRAM P\nTITLE Poll", gload::unknownKeyword},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lines);
        EXPECT_EQ(lineStatus(r.lines), r.status);
    }

    ASSERT_EQ(lineStatus("PROGRAM \"Poll, fast\"\nCODE 10 SENDCMD \"Read\"\nCODE\nCODE \"20 PRINT \\\"x\\\"\"\n"
                         "LIMIT 50\nDECODER 10, STRING\nPATTERN @+\nEND\nDECODER 2, BISTATE\nON_STRING 1\nOFF_STRING 0\nEND\n"
                         "ENCODER 1, STRING\nREPLACEMENT ?\nEND\nEND\nPROGRAM Idle\nINTERNAL NO\nEND\nEND"),
              gload::finished);
    g2driverProgram* poll = driver->programs().find("Poll, fast");
    ASSERT_NE(poll, nullptr);
    EXPECT_EQ(poll->code().view(), "10 SENDCMD \"Read\"\r\r20 PRINT \"x\"");
    EXPECT_EQ(poll->limit(), 50);
    EXPECT_EQ(poll->getInternal(), 0);
    EXPECT_EQ(poll->decoders().find(2)->getKind(), 1);
    EXPECT_EQ(&poll->getOwnerTitle(), &poll->getName());
    EXPECT_EQ(written(), "G2DRIVER Pump\n\tRETRIES\t\t1\n"
                         "\tPROGRAM\t\t\"Poll, fast\"\n"
                         "\t\tCODE\t\t10 SENDCMD \"Read\"\n\t\tCODE\t\t\n\t\tCODE\t\t20 PRINT \"x\"\n"
                         "\t\tLIMIT\t\t50\n"
                         "\t\tDECODER\t\t2, BISTATE\n\t\t\tON_STRING\t1\n\t\t\tOFF_STRING\t0\n\t\tEND\n"
                         "\t\tDECODER\t\t10, STRING\n\t\t\tPATTERN\t\t@+\n\t\tEND\n"
                         "\t\tENCODER\t\t1, STRING\n\t\t\tREPLACEMENT\t?\n\t\tEND\n"
                         "\tEND\n"
                         "\tPROGRAM\t\tIdle\n\tEND\nEND\n");

    // The driver editor's working copy: the body and flag with coders of
    // its own, no callers.
    poll->setInternal(1);
    g2driverProgram copy(*poll);
    EXPECT_EQ(copy.getName().view(), "Poll, fast");
    EXPECT_EQ(copy.isDefined(), 1);
    EXPECT_EQ(copy.getInternal(), 1);
    EXPECT_EQ(copy.code().view(), poll->code().view());
    EXPECT_NE(copy.decoders().find(2), poll->decoders().find(2));
    delete poll->decoders().remove(2);
    EXPECT_NE(copy.decoders().find(2), nullptr);
}

TEST_F(g2driverModel, UndefinedReferencesOfEveryTable)
{
    ASSERT_EQ(lineStatus("TITLE Pumps\nCOMMAND Go\nCR_TEMPLATE Shape\nEND\n"
                         "CR_TEMPLATE Used\nBUFFER_SIZE 4\nDELAY 1\n"
                         "RESPONSE_ELEMENT DATA\nCONDITION \"V\", =, 1\nNAME \"D\"\nPATTERN x\nEND\n"
                         "ERROR_ELEMENT REGEXP\nCONDITION \"W\", =, 1\nPATTERN x\nEND\nEND"),
              gload::accepted);
    driver->templates().find("Used")->responseDataNames().reference("Other");
    driver->commands().find("Go")->parameters().referenceAs("Speed", g2parameterScope::command);
    driver->referenceDataObject("Level");
    driver->programs().reference("Calc");
    gstr text("");
    driver->listUndefinedReferences(text);
    EXPECT_EQ(text.view(), "\n command template in device driver Pumps: \"Shape\""
                           "\n response data in command template Used of device driver Pump : \"Other\""
                           "\n response value in command template Used of device driver Pump : \"V\""
                           "\n error response value in command template Used of device driver Pump : \"W\""
                           "\n parameter in command Go of device driver Pumps : \"Speed\""
                           "\n data object in device driver Pumps: \"Level\""
                           "\n program in device driver Pumps: \"Calc\"");
}

TEST_F(g2driverModel, TakenIntoTheStationUnderAFreeTag)
{
    station::g2Drivers().define("PS");
    station::g2Drivers().define("PS-2");
    g2driver* imported = driverLibrary::g2Drivers().define("PS");
    imported->setLibraryFlag(1);
    imported->importIntoStation();
    EXPECT_EQ(imported->getTag().view(), "PS-3");
    EXPECT_EQ(station::g2Drivers().find("PS-3"), imported);
    EXPECT_EQ(imported->getLibraryFlag(), 0);
}

TEST_F(g2driverModel, ParameterValuesReplacedByTheBatchTools)
{
    const struct {
        const char* value;
        const char* find;
        const char* replacement;
        int changed;
        const char* after;
    } rows[] = {
        {"A, BISTATE, ON", "ON", "OFF", 1, "A, BISTATE, OFF"},
        {"A, BISTATE, ON", "OFF", "ON", 0, "A, BISTATE, ON"},
        {"A, BISTATE, ON", "ON", "MAYBE", 0, "A, BISTATE, ON"},
        {"D, DIGITAL, 3", "3", "4", 1, "D, DIGITAL, 4"},
        {"D, DIGITAL, 3", "3", "4.5", 0, "D, DIGITAL, 3"},
        {"D, DIGITAL, 3", "2", "4", 0, "D, DIGITAL, 3"},
        {"N, ANALOG, 2.5", "2.50", "7", 1, "N, ANALOG, 7"},
        {"S, STRING, \"a, a\"", "a", "b", 1, "S, STRING, \"b, a\""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.value);
        g2driverParameterValueTable values(5);
        gstr line(r.value);
        ASSERT_EQ(g2driverParameterValue::loadLine(values, line), gload::accepted);
        jhashTypedIterator<g2driverParameterValue> it(values);
        g2driverParameterValue* value = nullptr;
        it.get(value);
        EXPECT_EQ(value->replace(r.find, r.replacement, true, false), r.changed);
        std::string text = writtenText([&](CObjectFile& file) { value->write(file, 1); });
        EXPECT_EQ(text, std::string(r.after) + "\n");
    }
}

TEST_F(g2driverModel, EditedParametersKeepTheirIdentity)
{
    ASSERT_EQ(lineStatus("PARAMETER A, DIGITAL\nPARAMETER B, BISTATE\nPARAMETER C, ANALOG"), gload::accepted);
    g2driverParameter* a = driver->parameters().find("A");
    g2driverParameter* c = driver->parameters().find("C");
    gusesList user(nullptr);
    user.add(c->usedBy(3));
    g2driverParameterTable edited;
    edited.copyFrom(driver->parameters(), true);
    EXPECT_FALSE(edited.find("C")->isUnused());
    ASSERT_EQ(feedLines(*driver, "PARAMETER D, STRING"), gload::accepted);
    g2driverParameterTable newer;
    ASSERT_EQ(newer.readLine(gstr("A, DIGITAL, 1, One"), g2parameterScope::driver, 0), gload::accepted);
    driver->parameters().assignFrom(newer);
    EXPECT_EQ(driver->parameters().find("A"), a);
    EXPECT_EQ(a->valueName(1).view(), "One");
    EXPECT_EQ(driver->parameters().find("B"), nullptr);
    // C is no longer defined but still used: it stays as a placeholder.
    EXPECT_EQ(driver->parameters().find("C"), c);
    EXPECT_FALSE(c->isDefined());
    EXPECT_EQ(driver->parameters().ordered().size(), 1);
}

} // namespace
