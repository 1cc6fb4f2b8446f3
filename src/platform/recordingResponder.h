#pragma once

#include "platform/fileDialog.h"
#include "platform/modalRun.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Stands in for the user while it lives: records every message box and modal
// run and answers them from scripted queues, so that no test ever blocks.
//
//   recordingResponder user;
//   user.scripts.push_back([](CDialog& d) {
//       d.setControlText(1465, "new name");
//       d.sendCommand(IDOK);
//   });
//   user.answers.push_back(ganswer::yes);
//   user.chosenFiles.push_back("/tmp/plant.korvel-station");
//
// A modal run takes the scripts from the front of the queue, one after the
// other, until the dialog has ended (a refused OK leaves it open for the next
// script); with no script left it is cancelled. Dialogs opened by a script
// take their own scripts from the same queue. A message box takes the front
// answer; with none left it gets the answer that changes nothing (OK for a
// lone OK, No for Yes/No, Abort for Abort/Retry/Ignore, else Cancel). A file
// dialog takes the front chosen file (nothing means Cancel); with none left
// it is cancelled.
//
// Whatever is still queued when the responder ends means a dialog, message
// box or file dialog the test expected never came: that is reported through
// the installed reporter (a test harness makes it a failure), unless the
// test says it means to leave some with leavesUnused.
class recordingResponder final : public modalResponder {
public:
    struct dialogRun {
        int templateId;
        std::string title; // UTF-8
        int result;
    };

    recordingResponder();
    ~recordingResponder() override;
    recordingResponder(const recordingResponder&) = delete;
    recordingResponder& operator=(const recordingResponder&) = delete;

    ganswer answerMessage(const shownMessage& message) override;
    int runDialog(CDialog& dialog) override;
    std::optional<gstr> answerFileDialog(const fileDialogRequest& request) override;

    const shownMessage& lastMessage() const;

    using unusedReporter = void (*)(const std::string& what);
    // Without a reporter, a responder that ends with unused entries aborts.
    // Answers the reporter it replaces.
    static unusedReporter installUnusedReporter(unusedReporter reporter);

    std::vector<shownMessage> messages;
    std::deque<ganswer> answers;
    std::vector<dialogRun> dialogs;
    std::deque<std::function<void(CDialog&)>> scripts;
    std::vector<fileDialogRequest> fileDialogs;
    std::deque<std::optional<std::string>> chosenFiles;
    bool leavesUnused = false;

private:
    std::string unusedEntries() const;

    modalResponder* previous_;
};
