#include "platform/runtimeConversation.h"
#include "platform/runtimeProgram.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
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

TEST_F(runtimeFolderFixture, CommandLineIsSplitAsStoredAndRunDetached)
{
    std::string out = folder + "/out";
    std::string script = folder + "/record words";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/out\"\n";
    fs::permissions(script, fs::perms::owner_all);
    std::string line = "\"" + script + "\" \"two words\" %1";
    ASSERT_TRUE(startDetachedCommand(gstrSlice(line.c_str())));
    ASSERT_TRUE(appears(out));
    std::string text;
    for (int i = 0; i < 500 && text.empty(); ++i) {
        std::ifstream in(out);
        std::getline(in, text);
        if (text.empty())
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(text, "two words|%1|");

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
