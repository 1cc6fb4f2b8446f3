#include "mainFrameFixture.h"

#include "platform/runtimeProgram.h"
#include "platform/settingsStore.h"
#include "ports/gserialPort.h"
#include "store/gstation.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <sstream>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const char* const openCommandKey = "Korvel.StationFile\\shell\\open\\command";
// A station with one complete port, as an editor of it would have saved it.
const char* const plantText = "PORT COM1\n\tDEVICE_PATH\tCOM1\n\tSETTINGS\t9600, 8, NONE, 1\n\tLINE_TERM\tCR\nEND\n";

// Save and Test against the stand-in run-time program of tests/tools, in a
// run-time folder of the test's own.
class saveAndTest : public mainFrameTest {
protected:
    void SetUp() override
    {
        standin = std::string(KORVEL_TEST_BINARY_DIR) + "/tools/runtime-standin";
        ASSERT_TRUE(fs::exists(standin)) << "runtime-standin was not built";
        std::string pattern = "/tmp/korvelRtXXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        runtime = pattern;
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            oldRuntime = old;
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        mainFrameTest::SetUp();
        record = path("record");
        frame->setRuntimeTiming({100, 10, 2000});
    }

    void TearDown() override
    {
        if (runtime.empty())
            return;
        for (pid_t pid : started) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
        // One started through the association is not our child; its number
        // may have gone to another program since it ended.
        pid_t pid = recordedPid();
        if (pid && bytesOf("/proc/" + std::to_string(pid) + "/cmdline").find("runtime-standin") != std::string::npos)
            ::kill(pid, SIGTERM);
        mainFrameTest::TearDown();
        if (oldRuntime.empty())
            ::unsetenv("XDG_RUNTIME_DIR");
        else
            ::setenv("XDG_RUNTIME_DIR", oldRuntime.c_str(), 1);
        fs::remove_all(runtime);
    }

    std::vector<std::string> lines() const
    {
        std::istringstream in(bytesOf(record));
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);)
            out.push_back(line);
        return out;
    }

    pid_t recordedPid() const
    {
        std::vector<std::string> l = lines();
        return !l.empty() && l[0].rfind("START ", 0) == 0 ? static_cast<pid_t>(std::stoi(l[0].substr(6))) : 0;
    }

    // The stand-in as a child of the test, listening once this returns.
    pid_t runStandin(std::vector<std::string> options = {})
    {
        std::vector<std::string> words{standin, record};
        words.insert(words.end(), options.begin(), options.end());
        std::vector<char*> argv;
        for (std::string& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        EXPECT_EQ(::posix_spawn(&pid, standin.c_str(), nullptr, nullptr, argv.data(), environ), 0);
        started.push_back(pid);
        for (int i = 0; i < 500 && recordedPid() == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_TRUE(runtimeLockHeld());
        return pid;
    }

    int exitCodeOf(pid_t pid)
    {
        int status = 0;
        EXPECT_EQ(::waitpid(pid, &status, 0), pid);
        std::erase(started, pid);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void associate(const std::string& commandLine)
    {
        settings().writeString(settingsHive::classesRoot, openCommandKey, "", gstrSlice(commandLine.c_str()));
    }

    std::string openPlant(const std::string& name = "plant.korvel-station")
    {
        std::string plant = file(name, plantText);
        open(plant);
        return plant;
    }

    std::string standin;
    std::string runtime;
    std::string oldRuntime;
    std::string record;
    std::vector<pid_t> started;
};

TEST_F(saveAndTest, RunningProgramGetsTheStationInOneConversation)
{
    std::string plant = openPlant();
    pid_t pid = runStandin();
    frame->routeCommand(32880);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(lines(), (std::vector<std::string>{"START " + std::to_string(pid), "CONNECT", "INITIATE Korvel system",
                                                 "CLOSEPOPUPS", "EXECUTE [test(\"" + plant + "\")]", "TERMINATE"}));
    EXPECT_EQ(exitCodeOf(pid), 0);
    // An unmodified station is not written again.
    EXPECT_EQ(bytesOf(plant), plantText);

    // A modified one is saved first.
    fs::remove(record);
    station::serialPorts().define("COM2");
    stationState().modified = 1;
    pid = runStandin();
    frame->routeCommand(32880);
    EXPECT_NE(bytesOf(plant).find("PORT COM2\r\n"), std::string::npos);
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_EQ(lines().at(4), "EXECUTE [test(\"" + plant + "\")]");
    EXPECT_EQ(exitCodeOf(pid), 0);
}

TEST_F(saveAndTest, ProgramIsStartedThroughTheFileAssociation)
{
    std::string plant = openPlant();
    associate("\"" + standin + "\" \"" + record + "\"");
    frame->setRuntimeTiming({500, 10, 2000});
    frame->routeCommand(32880);
    EXPECT_TRUE(user.messages.empty());
    std::vector<std::string> got = lines();
    ASSERT_GE(got.size(), 6u);
    EXPECT_EQ(got[1], "CONNECT");
    EXPECT_EQ(got[4], "EXECUTE [test(\"" + plant + "\")]");
    EXPECT_EQ(got[5], "TERMINATE");
}

TEST_F(saveAndTest, ProgramThatNeverAnswersIsNotFound)
{
    openPlant();
    // Running already: one attempt.
    pid_t pid = runStandin({"--silent"});
    frame->setRuntimeTiming({100, 10, 100});
    frame->routeCommand(32880);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "Could not find the K.O.R.V.E.L. Marrowick.");
    EXPECT_EQ(user.lastMessage().promptId, 10306);
    EXPECT_EQ(user.lastMessage().buttons, gbuttons::ok);
    ::kill(pid, SIGTERM);
    exitCodeOf(pid);
    std::vector<std::string> first = lines();
    EXPECT_EQ(std::count(first.begin(), first.end(), "CONNECT"), 1);
    fs::remove(runtimeSocketPath());

    // Started but silent: the message after the retries.
    fs::remove(record);
    associate("\"" + standin + "\" \"" + record + "\" --silent --lifetime-ms 5000");
    frame->setRuntimeTiming({3, 10, 100});
    frame->routeCommand(32880);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.lastMessage().promptId, 10306);
    std::vector<std::string> got = lines();
    EXPECT_LE(std::count(got.begin(), got.end(), "CONNECT"), 4);
}

TEST_F(saveAndTest, WithoutAnAssociationTheMessageComesAtOnce)
{
    openPlant();
    frame->routeCommand(32880);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().promptId, 10306);

    // An association whose program does not exist: the same.
    associate("\"" + runtime + "/no such program\" \"%1\"");
    frame->routeCommand(32880);
    EXPECT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.lastMessage().promptId, 10306);
    EXPECT_FALSE(fs::exists(record));
}

TEST_F(saveAndTest, RuntimeFolderOthersCanEnterIsRefused)
{
    std::string plant = openPlant();
    pid_t pid = runStandin();
    fs::permissions(runtime, fs::perms::all);
    frame->routeCommand(32880);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "The station cannot be tested: the run-time folder \"" + runtime +
                                           "\" cannot be used, other users have access to it.");
    EXPECT_EQ(lines().size(), 1u);
    fs::permissions(runtime, fs::perms::owner_all);
    ::kill(pid, SIGTERM);
    exitCodeOf(pid);
}

TEST_F(saveAndTest, NothingIsSentWhenTheStationIsNotSavedOrItsPathCannotBeSent)
{
    pid_t pid = runStandin();
    // An untitled station whose Save As is cancelled.
    station::serialPorts().define("COM1");
    stationState().modified = 1;
    frame->routeCommand(32880);
    EXPECT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_TRUE(user.messages.empty());

    stationState().modified = 0;
    openPlant("quoted\".korvel-station");
    frame->routeCommand(32880);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text.rfind("The station cannot be tested", 0), 0u);
    EXPECT_EQ(lines().size(), 1u);
    ::kill(pid, SIGTERM);
    exitCodeOf(pid);
}

} // namespace
