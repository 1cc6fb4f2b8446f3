#include "legacyTestSupport.h"

#include "store/gstationState.h"

#include <string>

namespace {

class legacyDriverTest : public legacyStation {
protected:
    gloadStatus lineStatus(const std::string& lines)
    {
        emptyAll();
        driver = station::legacyDrivers().define("Meter");
        return feedLines(*driver, lines);
    }

    glegacyDriver* driver = nullptr;
};

TEST_F(legacyDriverTest, CommandsRepliesResponsesAndMessages)
{
    struct row {
        const char* lines;
        gloadStatus status;
    };
    const row rows[] = {
        {"COMMAND c, \"\\x05\", r\nRESPONSE r, M", gload::accepted},
        {"RESPONSE r, M, x", gload::invalidValue},
        {"RESPONSE r, \"\"", gload::invalidValue},
        {"REPLY a, x, y", gload::invalidValue},
        {"COMMAND c, x", gload::accepted},
        {"COMMAND c, x, \"\"", gload::invalidValue},
        {"COMMAND c, x, r, s", gload::invalidValue},
        {"COMMAND \"\", x", gload::invalidValue},
        {"RESPONSE s, M\nCOMMAND s, x", gload::accepted},
        {"COMMAND s, x\nREPLY s, y", gload::alreadyLoaded},
        {"RESPONSE s, M\nMESSAGE s, M", gload::alreadyLoaded},
        {"MESSAGE m, M, x\nCOMMAND x, y", gload::invalidValue},
        {"COMMAND c, x, r\nMESSAGE r, M", gload::invalidValue},
        {"ERROR_PATTERN x\nERROR_PATTERN2 y", gload::alreadyLoaded},
        {"PREFIX a{2}\nSUFFIX a{", gload::invalidValue},
        {"ERROR_PATTERN a{", gload::accepted},
        {"DELAY 1\nDELAY 2", gload::alreadyLoaded},
        {"DELAY -1", gload::invalidValue},
        {"COMMAND c", gload::invalidValue},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        EXPECT_EQ(lineStatus(r.lines), r.status);
    }
    ASSERT_EQ(lineStatus("COMMAND c, \"\\x05\", r\nREPLY a, \"x,y\"\nMESSAGE m, M, a\nRESPONSE r, M\nDELAY 0.2"),
              gload::accepted);
    EXPECT_EQ(driver->commands().find("c")->getString().view(), "\x05");
    std::string bytes = writtenBlock(*driver);
    EXPECT_LT(bytes.find("\tRESPONSE\tr, M\n"), bytes.find("\tCOMMAND\t\tc, \"\\x05\", r\n"));
    EXPECT_NE(bytes.find("\tMESSAGE\t\tm, M, a\n"), std::string::npos);
    EXPECT_NE(bytes.find("\tREPLY\t\ta, \"x,y\"\n"), std::string::npos);
    EXPECT_EQ(driver->responses().find("r")->getMask(), station::legacyMasks().find("M"));
}

// References are links: a command's response and a message's reply count
// as users inside the driver, a response as a user of its mask.
TEST_F(legacyDriverTest, ReferencesAreRecordedAsUsers)
{
    ASSERT_EQ(lineStatus("TITLE Gauge\nCOMMAND c, x, r\nCOMMAND d, y, r\nRESPONSE r, M\nMESSAGE m, M, a\nREPLY a, z"),
              gload::accepted);
    glegacyResponse* r = driver->responses().find("r");
    EXPECT_EQ(usersOf(r->usedBy()), "\nThe command c in device driver Gauge\nThe command d in device driver Gauge");
    EXPECT_FALSE(r->usedBy().members().isUnused());
    EXPECT_EQ(usersOf(driver->commands().find("a")->usedBy()), "\nThe message m in device driver Gauge");
    EXPECT_EQ(usersOf(station::legacyMasks().find("M")->usedBy()),
              "\nThe response r in device driver Gauge\nThe message m in device driver Gauge");
    EXPECT_EQ(driver->commands().find("c")->getResponse(), r);
    EXPECT_EQ(driver->commands().find("a")->getResponse(), glegacyCommand::replyMarker());

    delete station::legacyDrivers().find("Meter");
    EXPECT_TRUE(station::legacyMasks().find("M")->usedBy().isUnused());
}

TEST_F(legacyDriverTest, UndefinedEntriesAndMasksFailTheLoad)
{
    struct row {
        const char* block;
        const char* listed;
    };
    const row rows[] = {
        {"COMMAND c, x, r", "\n response in legacy device driver Gauge: \"r\""},
        {"MESSAGE m, M, a", "\n reply in legacy device driver Gauge: \"a\""},
        {"RESPONSE r, Nowhere", "\n legacy data mask: \"Nowhere\""},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.block);
        emptyAll();
        messages.messages.clear();
        std::string text = "MASK M\n\tPATTERN2 #\n\tBUFFER_SIZE 1\n\tTIMEOUT 1\nEND\nDRIVER D\n\tTITLE Gauge\n\t" +
                           std::string(r.block) + "\nEND\n";
        EXPECT_EQ(loadText(text), gloadError::undefinedObjects);
        EXPECT_EQ(messages.lastText(),
                  "The following non-existent objects were referenced by other objects:\n" + std::string(r.listed));
        EXPECT_EQ(station::legacyDrivers().count(), 0);
    }

    // A placeholder of either kind, made by a device's poll, is listed by
    // what its kind is not yet.
    emptyAll();
    driver = station::legacyDrivers().define("D");
    driver->referenceCommand("x");
    driver->referenceResponse("y");
    gstr listed("");
    driver->listUndefinedReferences(listed);
    EXPECT_EQ(listed.view(), "\n response or message in legacy device driver D: \"y\""
                             "\n command or reply in legacy device driver D: \"x\"");
}

TEST_F(legacyDriverTest, DelayIsZeroAfterLoadingWhenNotGiven)
{
    ASSERT_EQ(lineStatus("COMMAND c, x\nEND"), gload::finished);
    EXPECT_EQ(driver->getDelay().get(), 0u);
    EXPECT_EQ(writtenBlock(*driver), "DRIVER Meter\n\tDELAY\t\t0\n\tCOMMAND\t\tc, x\nEND\n");
}

// Written with its responses first and read back, a block keeps its order
// even where a message named a reply before the reply's line.
TEST_F(legacyDriverTest, LibraryLoadsAndSavesByteForByte)
{
    ASSERT_EQ(load(legacyFixture("legacy.kdl"), true), gloadError::none) << messages.lastText();
    std::string first = saved(true);
    EXPECT_EQ(first, fileBytes(legacyFixture("legacy.expected.kdl")));

    emptyAll();
    ASSERT_EQ(load(legacyFixture("legacy.expected.kdl"), true), gloadError::none);
    EXPECT_EQ(saved(true), first);
    const glegacyDriver* meter = station::legacyDrivers().find("Meter");
    EXPECT_EQ(meter->commands().find("Read")->getString().view(), "R\x05,");
    EXPECT_EQ(meter->commands().find("Status")->getString().view(), "S\\");
    EXPECT_EQ(meter->getDelay().get(), 200u);
}

TEST_F(legacyDriverTest, StationWithParametersLoadsAndSavesByteForByte)
{
    ASSERT_EQ(load(legacyFixture("parameters.stn")), gloadError::none) << messages.lastText();
    std::string first = saved();
    EXPECT_EQ(first, fileBytes(legacyFixture("parameters.expected.stn")));
    emptyAll();
    ASSERT_EQ(load(legacyFixture("parameters.expected.stn")), gloadError::none);
    EXPECT_EQ(saved(), first);
    EXPECT_EQ(station::legacyParameters().find("Bell")->getDefaultValue().view(), std::string("\a,\0x", 4));
    EXPECT_TRUE(station::legacyParameters().find("Empty")->getDefaultValue().isEmpty());
}

TEST_F(legacyDriverTest, ImportedResponsesUseStationMasks)
{
    glegacyMask* shared = mask("Shared");
    station::legacyDrivers().define("Lib");
    std::string path = folder.path("lib.kdl");
    putFile(path, "MASK Shared\n\tPATTERN2 x\n\tBUFFER_SIZE 1\n\tTIMEOUT 1\nEND\n"
                  "MASK Own\n\tPATTERN2 y\n\tBUFFER_SIZE 1\n\tTIMEOUT 1\nEND\n"
                  "DRIVER Lib\n\tRESPONSE a, Shared\n\tRESPONSE b, Own\n\tMESSAGE c, Own\nEND\n");
    ASSERT_EQ(load(path, true, true), gloadError::none) << messages.lastText();
    glegacyDriver* library = driverLibrary::legacyDrivers().find("Lib");
    glegacyMask* own = driverLibrary::legacyMasks().find("Own");
    stationState().modified = 0;

    library->importIntoStation();
    EXPECT_EQ(station::legacyDrivers().find("Lib-2"), library);
    EXPECT_EQ(library->getLibraryFlag(), 0);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(library->responses().find("a")->getMask(), shared);
    EXPECT_EQ(usersOf(shared->usedBy()), "\nThe response a in device driver Lib-2");
    EXPECT_EQ(library->responses().find("b")->getMask(), own);
    EXPECT_EQ(library->responses().find("c")->getMask(), own);
    EXPECT_EQ(station::legacyMasks().find("Own"), own);
    EXPECT_EQ(own->getLibraryFlag(), 0);
    EXPECT_EQ(driverLibrary::legacyMasks().find("Own"), nullptr);
    EXPECT_TRUE(driverLibrary::legacyMasks().find("Shared")->usedBy().isUnused());
}

} // namespace
