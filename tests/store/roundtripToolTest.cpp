#include "storeFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/wait.h>

namespace {

std::string fixture(const std::string& name) { return std::string(KORVEL_TEST_DATA_DIR) + "/store/fixtures/" + name; }

struct toolRun {
    int exitCode;
    std::string out;
};

// The tool is built beside the tests, as a build dependency of them.
std::string toolPath() { return std::string(KORVEL_TEST_BINARY_DIR) + "/tools/station-roundtrip"; }

toolRun runTool(const std::string& in, const std::string& out)
{
    std::string tool = toolPath();
    std::string command = "'" + tool + "' '" + in + "' '" + out + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    toolRun run{-1, ""};
    char buf[256];
    while (size_t n = std::fread(buf, 1, sizeof buf, pipe))
        run.out.append(buf, n);
    int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(roundtripTool, SavesWhatItLoadedOrPrintsTheLoadMessage)
{
    ASSERT_TRUE(std::filesystem::exists(toolPath())) << "station-roundtrip was not built";
    tempFolder folder;
    toolRun ok = runTool(fixture("everyType.stn"), folder.path("out.stn"));
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(fileBytes(folder.path("out.stn")), fileBytes(fixture("everyType.expected.stn")));

    toolRun library = runTool(fixture("library.kdl"), folder.path("out.kdl"));
    EXPECT_EQ(library.exitCode, 0);
    EXPECT_EQ(fileBytes(folder.path("out.kdl")), fileBytes(fixture("library.expected.kdl")));

    toolRun failed = runTool(fixture("error03-requestInLibrary.kdl"), folder.path("bad.kdl"));
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out, "Object type not allowed in device driver library on line 3 of file " +
                              fixture("error03-requestInLibrary.kdl") + ".\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path("bad.kdl")));
}

} // namespace
