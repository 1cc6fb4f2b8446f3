// Save and Test Station: the station is saved and handed to the run-time
// program, which is started through the file association of station files
// when it does not run.
#include "shell/CMainFrame.h"

#include "foundation/messageBoxes.h"
#include "foundation/textEncodings.h"
#include "platform/modalRun.h"
#include "platform/runtimeProgram.h"
#include "platform/settingsStore.h"
#include "platform/waitCursor.h"
#include "resources/stringTable.h"
#include "store/gstationState.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

constexpr int saveAndTestCommand = 32880;
constexpr int runtimeNotFound = 10306;
constexpr int testCommandText = 10399;
const char* const openCommandKey = "Korvel.StationFile\\shell\\open\\command";

// The test command carries the path inside double quotes on one line: a path
// with a quote or a line break would reach the run-time program as another
// command than the one meant.
bool pathCanBeSent(const gstr& path) { return !path.contains('"') && !path.contains('\n') && !path.contains('\r'); }

// Starts the run-time program with the open command of station files as
// the file association stores it.
bool startRuntimeProgram()
{
    std::optional<gstr> command = settings().readString(settingsHive::classesRoot, openCommandKey, "");
    return command && startDetachedCommand(*command);
}

void runtimeProgramNotFound() { messageBox(runtimeNotFound, gbuttons::ok); }

// A run-time folder that is not the user's own is never used: whoever serves
// its socket would learn the station's path, and the test would seem done.
bool runtimeFolderIsUsable()
{
    std::string problem = runtimeFolderProblem();
    if (problem.empty())
        return true;
    gstr text;
    text.format("The station cannot be tested: the run-time folder \"%s\" cannot be used, %s.",
                runtimeFolder().c_str(), problem.c_str());
    warningBox(text, runtimeNotFound);
    return false;
}

} // namespace

void CMainFrame::addSaveAndTestCommand()
{
    commands_.on(saveAndTestCommand, [this] { OnSaveAndTest(); },
                 [this](commandState& s) { s.enable(stationOpen() && !libraryMode_ && !testing_); });
}

void CMainFrame::OnSaveAndTest()
{
    if (testing_ || (stationState().modified != 0 && !saveForTest()))
        return;
    if (!pathCanBeSent(path_)) {
        gstr text;
        text.format("The station cannot be tested: the path of its file contains a double quote or a line "
                    "break.\n\n%s",
                    pathAsText(path_));
        warningBox(text, runtimeNotFound);
        return;
    }
    if (!runtimeFolderIsUsable())
        return;
    testing_ = true;
    bool handedOver = handOverForTest();
    testing_ = false;
    if (!handedOver)
        runtimeProgramNotFound();
}

// An untitled station is saved under a new name, a titled one in its file.
bool CMainFrame::saveForTest()
{
    if (untitled_)
        return saveAs();
    return documentsSaved() && writeStation(path_, false);
}

// False when the run-time program could not be started or did not answer;
// once it answered, a conversation that breaks off ends silently.
bool CMainFrame::handOverForTest()
{
    waitCursor busy;
    int retries = 0;
    if (!runtimeLockHeld()) {
        if (!startRuntimeProgram())
            return false;
        retries = runtimeTiming_.retries;
    }
    runtimeConversation conversation(runtimeTiming_.answerTimeoutMs,
                                     [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    std::string socket = runtimeSocketPath();
    bool answered = attemptWithRetries(
        retries, runtimeTiming_.intervalMs, [&] { return conversation.initiate(socket); }, waitProcessingEvents);
    if (!answered)
        return false;
    gstr command(stringTableText(testCommandText));
    command.replaceAll("%1", path_, false, true);
    if (conversation.closePopups() && conversation.execute(command))
        conversation.terminate();
    return true;
}
