#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "ports/portTestSupport.h"
#include "store/gstation.h"

#include <string>

namespace {

class legacyDriverTest : public emptyStation {
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
        {"REPLY a, x, y", gload::invalidValue},
        {"COMMAND c, x", gload::accepted},
        {"COMMAND c, x, \"\"", gload::invalidValue},
        {"RESPONSE s, M\nCOMMAND s, x", gload::accepted},
        {"COMMAND s, x\nREPLY s, y", gload::alreadyLoaded},
        {"MESSAGE m, M, x\nCOMMAND x, y", gload::invalidValue},
        {"COMMAND c, x, r\nMESSAGE r, M", gload::invalidValue},
        {"ERROR_PATTERN x\nERROR_PATTERN2 y", gload::alreadyLoaded},
        {"PREFIX a{2}\nSUFFIX a{", gload::invalidValue},
        {"ERROR_PATTERN a{", gload::accepted},
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

TEST_F(legacyDriverTest, MaskLines)
{
    struct row {
        const char* lines;
        gloadStatus status;
        const char* written;
    };
    const row rows[] = {
        {"PATTERN #{", gload::accepted, "MASK M\n\tPATTERN2\t\"#\\{\"\nEND\n"},
        {"ERROR_PATTERN x\nTOLERANCE 1, 2", gload::accepted, "MASK M\n\tERROR_PATTERN2\tx\nEND\n"},
        {"BUFFER_SIZE 2147483647\nTIMEOUT 1.5", gload::accepted,
         "MASK M\n\tBUFFER_SIZE\t2147483647\n\tTIMEOUT\t\t1.5\nEND\n"},
        {"BUFFER_SIZE 2147483648", gload::invalidValue, nullptr},
        {"BUFFER_SIZE 0", gload::invalidValue, nullptr},
        {"TIMEOUT 0", gload::invalidValue, nullptr},
        {"PATTERN x\nPATTERN2 y", gload::alreadyLoaded, nullptr},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        emptyAll();
        glegacyMask* mask = station::legacyMasks().define("M");
        EXPECT_EQ(feedLines(*mask, r.lines), r.status);
        if (r.written) {
            EXPECT_EQ(writtenBlock(*mask), r.written);
        }
    }
}

TEST_F(legacyDriverTest, ImportedResponsesUseStationMasks)
{
    glegacyDriver* library = driverLibrary::legacyDrivers().define("Lib");
    library->setLibraryFlag(1);
    ASSERT_EQ(feedLines(*library, "RESPONSE a, Shared\nRESPONSE b, Own"), gload::accepted);
    glegacyMask* shared = station::legacyMasks().define("Shared");
    glegacyMask* own = driverLibrary::legacyMasks().find("Own");
    ASSERT_NE(own, nullptr);
    own->setLibraryFlag(1);
    driverLibrary::legacyMasks().find("Shared")->setLibraryFlag(1);

    library->importIntoStation();
    EXPECT_EQ(library->responses().find("a")->getMask(), shared);
    EXPECT_EQ(library->responses().find("b")->getMask(), own);
    EXPECT_EQ(station::legacyMasks().find("Own"), own);
    EXPECT_EQ(own->getLibraryFlag(), 0);
    EXPECT_EQ(driverLibrary::legacyMasks().find("Own"), nullptr);
}

} // namespace
