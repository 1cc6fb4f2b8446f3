#include "platform/runtimeConversation.h"
#include "platform/runtimeProgram.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The run-time folder of one test.
class runtimeFolderFixture : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "korvelRunXXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        hadOld = old != nullptr;
        if (old)
            oldValue = old;
        ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }

    void TearDown() override
    {
        if (hadOld)
            ::setenv("XDG_RUNTIME_DIR", oldValue.c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
        fs::remove_all(folder);
    }

    // Waits up to 5 s for a file to appear.
    static bool appears(const std::string& path)
    {
        for (int i = 0; i < 500 && !fs::exists(path); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return fs::exists(path);
    }

    std::string folder;
    bool hadOld = false;
    std::string oldValue;
};

TEST(runtimeRetries, AfterAStartUpTo101AttemptsWithAWaitOf100MsBetween)
{
    runtimeTiming timing;
    int attempts = 0;
    std::vector<int> waits;
    bool answered = attemptWithRetries(
        timing.retries, timing.intervalMs, [&] { return ++attempts < 0; }, [&](int ms) { waits.push_back(ms); });
    EXPECT_FALSE(answered);
    EXPECT_EQ(attempts, 101);
    EXPECT_EQ(waits, std::vector<int>(100, 100));
    EXPECT_EQ(timing.answerTimeoutMs, 2000);

    // Running already: one attempt, no wait.
    attempts = 0;
    waits.clear();
    EXPECT_FALSE(attemptWithRetries(0, 100, [&] { return ++attempts < 0; }, [&](int ms) { waits.push_back(ms); }));
    EXPECT_EQ(attempts, 1);
    EXPECT_TRUE(waits.empty());

    // The third attempt answers: two waits.
    attempts = 0;
    EXPECT_TRUE(attemptWithRetries(100, 100, [&] { return ++attempts == 3; }, [&](int ms) { waits.push_back(ms); }));
    EXPECT_EQ(waits.size(), 2u);
}

TEST_F(runtimeFolderFixture, FilesLiveInTheRuntimeFolder)
{
    EXPECT_EQ(runtimeFolder(), folder);
    EXPECT_EQ(runtimeLockPath(), folder + "/K.O.R.V.E.L..lock");
    EXPECT_EQ(runtimeSocketPath(), folder + "/Korvel.system");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(runtimeFolder(), "/tmp/korvel-" + std::to_string(::getuid()));
}

// Tests run as root in CI, so that a folder of another user can be made.
constexpr uid_t otherUser = 12345;

TEST_F(runtimeFolderFixture, OnlyAPrivateFolderOfTheUserIsUsed)
{
    std::string privateOne = folder + "/private";
    ASSERT_EQ(::mkdir(privateOne.c_str(), 0700), 0);
    std::string open = folder + "/open";
    ASSERT_EQ(::mkdir(open.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0777), 0);
    std::string groupReadable = folder + "/group";
    ASSERT_EQ(::mkdir(groupReadable.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(groupReadable.c_str(), 0750), 0);
    std::string link = folder + "/link";
    ASSERT_EQ(::symlink(privateOne.c_str(), link.c_str()), 0);
    std::string plain = folder + "/plain";
    std::ofstream(plain) << "x";
    std::string foreign = folder + "/foreign";
    ASSERT_EQ(::mkdir(foreign.c_str(), 0700), 0);
    bool canChown = ::chown(foreign.c_str(), otherUser, otherUser) == 0;

    struct caseRow {
        std::string path;
        bool create;
        std::string problem;
    };
    std::vector<caseRow> cases{
        {privateOne, false, ""},
        {open, true, "other users have access to it"},
        {groupReadable, false, "other users have access to it"},
        {link, true, "it is a symbolic link"},
        {plain, true, "it is not a folder"},
        {folder + "/missing", false, "No such file or directory"},
        {folder + "/made", true, ""},
    };
    if (canChown)
        cases.push_back({foreign, true, "it belongs to another user"});
    for (const caseRow& c : cases)
        EXPECT_EQ(privateFolderProblem(c.path, c.create), c.problem) << c.path;
    struct stat st {};
    ASSERT_EQ(::lstat((folder + "/made").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_TRUE(canChown || ::geteuid() != 0);

    // The run-time folder itself is judged, whether named or the fallback.
    ::setenv("XDG_RUNTIME_DIR", open.c_str(), 1);
    EXPECT_EQ(runtimeFolderProblem(), "other users have access to it");
    ::setenv("XDG_RUNTIME_DIR", link.c_str(), 1);
    EXPECT_EQ(runtimeFolderProblem(), "it is a symbolic link");
    ::unsetenv("XDG_RUNTIME_DIR");
    bool fallbackExisted = fs::exists(runtimeFolder());
    if (!fallbackExisted) {
        EXPECT_EQ(runtimeFolderProblem(), "");
        ASSERT_EQ(::lstat(runtimeFolder().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        fs::remove(runtimeFolder());
    }
}

// A server that answers every line with ACK; it ends with 1 when it was told
// anything, 0 when the client left without a word.
pid_t serveAsOtherUser(const std::string& socketPath)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
        int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::setgid(otherUser) != 0 || ::setuid(otherUser) != 0 || ::listen(server, 1) != 0)
            ::_exit(2);
        if (::write(ready[1], "r", 1) != 1)
            ::_exit(2);
        int client = ::accept(server, nullptr, nullptr);
        char buffer[256];
        ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n > 0 && ::send(client, "ACK\n", 4, MSG_NOSIGNAL) != 4)
            ::_exit(2);
        ::_exit(n > 0 ? 1 : 0);
    }
    ::close(ready[1]);
    char c = 0;
    bool listening = ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
    return listening ? child : -1;
}

TEST_F(runtimeFolderFixture, SocketServedByAnotherUserIsToldNothing)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "serving as another user needs root";
    pid_t server = serveAsOtherUser(runtimeSocketPath());
    ASSERT_GT(server, 0);
    runtimeConversation conversation(2000);
    EXPECT_FALSE(conversation.initiate(runtimeSocketPath()));
    EXPECT_FALSE(conversation.isOpen());
    int status = 0;
    ASSERT_EQ(::waitpid(server, &status, 0), server);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(runtimeFolderFixture, LockIsHeldOnlyWhileAnotherHoldsItExclusively)
{
    EXPECT_FALSE(runtimeLockHeld());
    int fd = ::open(runtimeLockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(runtimeLockHeld());
    // flock belongs to the open file: a second open of it is another holder.
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    EXPECT_TRUE(runtimeLockHeld());
    // The probe took nothing: the holder can still let go and take it again.
    ASSERT_EQ(::flock(fd, LOCK_UN), 0);
    EXPECT_FALSE(runtimeLockHeld());
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    ::close(fd);
    EXPECT_FALSE(runtimeLockHeld());
}

// The program's path and an argument hold a byte that is not UTF-8: they
// reach the program as the bytes they are.
TEST_F(runtimeFolderFixture, CommandLineIsSplitAsStoredAndRunDetached)
{
    std::string out = folder + "/out";
    std::string script = folder + "/record w\xE9rds";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/out\"\n";
    fs::permissions(script, fs::perms::owner_all);
    std::string line = "\"" + script + "\" \"two words\" caf\xE9 %1";
    ASSERT_TRUE(startDetachedCommand(gstrSlice(line.c_str())));
    ASSERT_TRUE(appears(out));
    std::string text;
    for (int i = 0; i < 500 && text.empty(); ++i) {
        std::ifstream in(out);
        std::getline(in, text);
        if (text.empty())
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(text, "two words|caf\xE9|%1|");

    EXPECT_FALSE(startDetachedCommand(gstrSlice((folder + "/no-such-program --flag").c_str())));
    EXPECT_FALSE(startDetachedCommand(""));
    EXPECT_FALSE(startDetachedCommand("   "));
}

TEST_F(runtimeFolderFixture, NobodyListeningFails)
{
    runtimeConversation conversation(2000);
    EXPECT_FALSE(conversation.initiate(runtimeSocketPath()));
    EXPECT_FALSE(conversation.isOpen());
    EXPECT_FALSE(conversation.execute("[test(\"x\")]"));
    EXPECT_FALSE(conversation.initiate(std::string(200, 'x')));
}

} // namespace
