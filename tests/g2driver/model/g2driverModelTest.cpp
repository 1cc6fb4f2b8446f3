#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "ports/portTestSupport.h"
#include "store/gstation.h"

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

} // namespace
