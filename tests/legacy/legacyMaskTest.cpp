#include "legacyTestSupport.h"

#include <string>

namespace {

using legacyMaskTest = legacyStation;

TEST_F(legacyMaskTest, MaskLines)
{
    struct row {
        const char* lines;
        gloadStatus status;
        const char* written;
    };
    const char* limits = "\n\tBUFFER_SIZE\t1\n\tTIMEOUT\t\t1";
    const row rows[] = {
        {"PATTERN #{", gload::accepted, "\tPATTERN2\t\"#\\{\""},
        {"PATTERN2 x\nERROR_PATTERN x{\nTOLERANCE 1, 2", gload::accepted, "\tPATTERN2\tx\n\tERROR_PATTERN2\t\"x\\{\""},
        {"TOLERANCE\nPREFIX a\nSUFFIX b\nPATTERN2 c", gload::accepted, "\tPREFIX\t\ta\n\tPATTERN2\tc\n\tSUFFIX\t\tb"},
        {"PATTERN2 x\nPATTERN y", gload::alreadyLoaded, nullptr},
        {"ERROR_PATTERN x\nERROR_PATTERN2 y", gload::alreadyLoaded, nullptr},
        {"PREFIX a{", gload::invalidValue, nullptr},
        {"PATTERN (a", gload::invalidValue, nullptr},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        emptyAll();
        glegacyMask* mask = station::legacyMasks().define("M");
        ASSERT_EQ(feedLines(*mask, r.lines), r.status);
        if (!r.written)
            continue;
        ASSERT_EQ(feedLines(*mask, "BUFFER_SIZE 1\nTIMEOUT 1\nEND"), gload::finished);
        EXPECT_EQ(writtenBlock(*mask), "MASK M\n" + std::string(r.written) + limits + "\nEND\n");
    }
}

TEST_F(legacyMaskTest, LimitsAreBoundedAndRequired)
{
    struct row {
        const char* lines;
        gloadStatus status;
    };
    const row rows[] = {
        {"BUFFER_SIZE 2147483647", gload::accepted}, {"BUFFER_SIZE 2147483648", gload::invalidValue},
        {"BUFFER_SIZE 0", gload::invalidValue},      {"BUFFER_SIZE -3", gload::invalidValue},
        {"BUFFER_SIZE 4, 5", gload::invalidValue},   {"BUFFER_SIZE 4\nBUFFER_SIZE 4", gload::alreadyLoaded},
        {"TIMEOUT 0", gload::invalidValue},          {"TIMEOUT 0.0004", gload::accepted},
        {"TIMEOUT 4294967.295", gload::invalidValue}, {"TIMEOUT 2\nTIMEOUT 2", gload::alreadyLoaded},
        // Complete only with a pattern, a buffer size and a timeout.
        {"PATTERN2 x\nBUFFER_SIZE 1\nEND", gload::incomplete},
        {"PATTERN2 x\nTIMEOUT 1\nEND", gload::incomplete},
        {"BUFFER_SIZE 1\nTIMEOUT 1\nEND", gload::incomplete},
        {"PATTERN2 x\nBUFFER_SIZE 1\nTIMEOUT 1\nEND", gload::finished},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        emptyAll();
        EXPECT_EQ(feedLines(*station::legacyMasks().define("M"), r.lines), r.status);
    }
    emptyAll();
    EXPECT_EQ(loadText("MASK M\n\tPATTERN2 x\nEND\n"), gloadError::incompleteObject);
    EXPECT_EQ(messages.lastText().rfind("Incomplete or inconsistent object on line 3", 0), 0u);
}

TEST_F(legacyMaskTest, ParameterDefaultValue)
{
    struct row {
        const char* lines;
        gloadStatus status;
        const char* written;
    };
    const row rows[] = {
        {"END", gload::finished, "PARAMETER P\n\tDEFAULT\t\t\nEND\n"},
        {"DEFAULT\nEND", gload::finished, "PARAMETER P\n\tDEFAULT\t\t\nEND\n"},
        {"TITLE t\nDEFAULT \" a,\\x07\"\nEND", gload::finished,
         "PARAMETER P\n\tTITLE\t\tt\n\tDEFAULT\t\t\" a,\\x07\"\nEND\n"},
        {"DEFAULT a\nDEFAULT b", gload::alreadyLoaded, nullptr},
        {"DEFAULT a, b", gload::invalidValue, nullptr},
        {"DEFAULT \"a", gload::invalidValue, nullptr},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        emptyAll();
        glegacyParameter* parameter = station::legacyParameters().define("P");
        EXPECT_EQ(feedLines(*parameter, r.lines), r.status);
        if (r.written) {
            EXPECT_EQ(writtenBlock(*parameter), r.written);
        }
    }
    // Not read and not set: nothing to write.
    emptyAll();
    EXPECT_EQ(writtenBlock(*station::legacyParameters().define("P")), "PARAMETER P\nEND\n");
}

} // namespace
