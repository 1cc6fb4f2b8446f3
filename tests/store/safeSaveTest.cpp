#include "store/safeSave.h"

#include "store/stationFile.h"
#include "storeTestSupport.h"
#include "support/model/recordingMessages.h"

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string fixture(const std::string& name) { return std::string(KORVEL_TEST_DATA_DIR) + "/store/fixtures/" + name; }

class safeSave : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        ASSERT_EQ(loadObjectFile(gstrSlice(fixture("everyType.stn").c_str()), false, false), 0);
        putFile(target, "old station\r\n");
    }

    // Files of the folder other than the target: temporary files left over.
    int strayFiles() const
    {
        int n = 0;
        for (const auto& e : fs::directory_iterator(folder.dir()))
            n += e.path() != fs::path(target);
        return n;
    }

    tempFolder folder;
    std::string target = folder.path("station.stn");
    recordingMessages messages;
};

TEST_F(safeSave, ReplacesTheTargetKeepingItsPermissions)
{
    ::chmod(target.c_str(), 0640);
    stationState().modified = 1;
    gstr reason;
    ASSERT_TRUE(saveObjectFileSafely(gstrSlice(target.c_str()), false, reason));
    EXPECT_EQ(fileBytes(target), fileBytes(fixture("everyType.expected.stn")));
    EXPECT_EQ(strayFiles(), 0);
    EXPECT_EQ(stationState().modified, 0);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A file-size limit stops writes even for root, where a read-only folder
// would not. The child process that meets it does what the program does at
// start-up, and reports through its exit code: without that, the signal
// ends it.
TEST_F(safeSave, FullDiskLeavesTheTargetUntouched)
{
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        ignoreFileSizeSignal();
        rlimit limit{200, 200};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        stationState().modified = 1;
        gstr reason;
        bool saved = saveObjectFileSafely(gstrSlice(target.c_str()), false, reason);
        bool named = reason.view().find("Could not write the temporary file") == 0 &&
                     reason.view().find("File too large") != std::string_view::npos;
        ::_exit(saved ? 1 : !named ? 2 : stationState().modified != 1 ? 3 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(fileBytes(target), "old station\r\n");
    EXPECT_EQ(strayFiles(), 0);
}

TEST_F(safeSave, FailedRenameRemovesTheTemporaryFile)
{
    fs::remove(target);
    fs::create_directory(target);
    putFile(target + "/inside", "x");
    stationState().modified = 1;
    gstr reason;
    EXPECT_FALSE(saveObjectFileSafely(gstrSlice(target.c_str()), false, reason));
    EXPECT_EQ(reason.view().find("Could not replace " + target + ": "), 0u) << reason.view();
    EXPECT_EQ(strayFiles(), 0);
    EXPECT_EQ(fileBytes(target + "/inside"), "x");
    EXPECT_EQ(stationState().modified, 1);
}

// Relative, absolute, chained and dangling links: the file at the end of the
// chain gets the station, every link stays, and nothing is left beside
// either.
TEST_F(safeSave, LinkedTargetIsSavedWhereTheLinkLeads)
{
    fs::create_directory(folder.path("real"));
    std::string real = folder.path("real/station.stn");
    struct caseRow {
        std::string linkTo;
        bool realExists;
    };
    for (const caseRow& c : {caseRow{"real/station.stn", true}, caseRow{real, true},
                             caseRow{folder.path("middle"), true}, caseRow{"real/station.stn", false}}) {
        fs::remove(target);
        fs::remove(folder.path("middle"));
        fs::remove(real);
        fs::create_symlink("real/station.stn", folder.path("middle"));
        fs::create_symlink(c.linkTo, target);
        if (c.realExists)
            putFile(real, "old station\r\n");
        gstr reason;
        ASSERT_TRUE(saveObjectFileSafely(gstrSlice(target.c_str()), false, reason)) << reason.view();
        EXPECT_TRUE(fs::is_symlink(target)) << c.linkTo;
        EXPECT_EQ(fs::read_symlink(target), c.linkTo);
        EXPECT_EQ(fileBytes(real), fileBytes(fixture("everyType.expected.stn"))) << c.linkTo;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path("real")), fs::directory_iterator()), 1);
    }
}

// Root could write it, but a file nobody may write stays as it is; the
// message names it and says why.
TEST_F(safeSave, ReadOnlyTargetIsNamedWithTheReason)
{
    ::chmod(target.c_str(), 0444);
    stationState().modified = 1;
    gstr reason;
    EXPECT_FALSE(saveObjectFileSafely(gstrSlice(target.c_str()), false, reason));
    EXPECT_EQ(reason.view(), "Could not write " + target + ": Permission denied");
    EXPECT_EQ(fileBytes(target), "old station\r\n");
    EXPECT_EQ(strayFiles(), 0);
    EXPECT_EQ(stationState().modified, 1);
}

// What is at the path and is not a regular file stays what it is: a pipe,
// a device node (made here, so that no real one is at stake), each also
// behind a link, and a loop of links.
TEST_F(safeSave, TargetThatIsNotARegularFileIsRefused)
{
    std::string pipe = folder.path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string device = folder.path("null");
    bool haveDevice = ::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    fs::create_symlink("loopB", folder.path("loopA"));
    fs::create_symlink("loopA", folder.path("loopB"));
    fs::create_symlink("pipe", folder.path("toPipe"));
    fs::create_symlink(device, folder.path("toDevice"));
    struct caseRow {
        std::string path;
        std::string reason;
        bool needsDevice;
    };
    const std::string notRegular = ": Not a regular file";
    const std::string loop = ": Too many levels of symbolic links";
    for (const caseRow& c : {caseRow{pipe, "Could not replace " + pipe + notRegular, false},
                             caseRow{folder.path("toPipe"), "Could not replace " + pipe + notRegular, false},
                             caseRow{device, "Could not replace " + device + notRegular, true},
                             caseRow{folder.path("toDevice"), "Could not replace " + device + notRegular, true},
                             caseRow{folder.path("loopA"), "Could not replace " + folder.path("loopA") + loop, false}}) {
        if (c.needsDevice && !haveDevice)
            continue;
        stationState().modified = 1;
        gstr reason;
        EXPECT_FALSE(saveObjectFileSafely(gstrSlice(c.path.c_str()), false, reason)) << c.path;
        EXPECT_EQ(reason.view(), c.reason);
        EXPECT_EQ(stationState().modified, 1);
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(!haveDevice || fs::is_character_file(device));
    EXPECT_EQ(fs::read_symlink(folder.path("loopA")), "loopB");
    EXPECT_EQ(fs::read_symlink(folder.path("loopB")), "loopA");
    EXPECT_EQ(strayFiles(), haveDevice ? 6 : 5);
}

TEST_F(safeSave, MissingFolderIsReported)
{
    gstr reason;
    std::string missing = folder.path("gone/station.stn");
    EXPECT_FALSE(saveObjectFileSafely(gstrSlice(missing.c_str()), false, reason));
    EXPECT_EQ(reason.view(), "Could not create a temporary file in " + folder.path("gone") +
                                 ": No such file or directory");
    EXPECT_EQ(strayFiles(), 0);
}

} // namespace
