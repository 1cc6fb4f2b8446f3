#include "platform/recordingResponder.h"

#include "platform/CDialog.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace {

recordingResponder::unusedReporter theUnusedReporter = nullptr;

} // namespace

recordingResponder::unusedReporter recordingResponder::installUnusedReporter(unusedReporter reporter)
{
    return std::exchange(theUnusedReporter, reporter);
}

recordingResponder::recordingResponder() : previous_(installedModalResponder()) { installModalResponder(this); }

recordingResponder::~recordingResponder()
{
    installModalResponder(previous_);
    if (leavesUnused)
        return;
    std::string unused = unusedEntries();
    if (unused.empty())
        return;
    if (theUnusedReporter) {
        theUnusedReporter(unused);
        return;
    }
    std::fprintf(stderr, "%s\n", unused.c_str());
    std::abort();
}

std::string recordingResponder::unusedEntries() const
{
    std::string text;
    auto note = [&](size_t count, const char* what) {
        if (count == 0)
            return;
        text += (text.empty() ? "left unused: " : ", ") + std::to_string(count) + " " + what;
    };
    note(scripts.size(), "dialog script(s)");
    note(answers.size(), "message answer(s)");
    note(chosenFiles.size(), "chosen file(s)");
    return text;
}

ganswer recordingResponder::answerMessage(const shownMessage& message)
{
    messages.push_back(message);
    if (!answers.empty()) {
        ganswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (message.buttons) {
    case gbuttons::ok: return ganswer::ok;
    case gbuttons::yesNo: return ganswer::no;
    case gbuttons::abortRetryIgnore: return ganswer::abort;
    default: return ganswer::cancel;
    }
}

int recordingResponder::runDialog(CDialog& dialog)
{
    size_t index = dialogs.size();
    dialogs.push_back({dialog.templateId(), dialog.windowTitle().toStdString(), IDCANCEL});
    while (!dialog.hasEnded() && !scripts.empty()) {
        auto script = std::move(scripts.front());
        scripts.pop_front();
        script(dialog);
    }
    if (!dialog.hasEnded())
        dialog.sendCommand(IDCANCEL);
    if (!dialog.hasEnded())
        dialog.EndDialog(IDCANCEL);
    dialogs[index].result = dialog.endResult();
    return dialog.endResult();
}

std::optional<gstr> recordingResponder::answerFileDialog(const fileDialogRequest& request)
{
    fileDialogs.push_back(request);
    if (chosenFiles.empty())
        return std::nullopt;
    std::optional<std::string> chosen = std::move(chosenFiles.front());
    chosenFiles.pop_front();
    if (!chosen)
        return std::nullopt;
    return gstr(gstrSlice(chosen->data(), static_cast<int32_t>(chosen->size())));
}

const shownMessage& recordingResponder::lastMessage() const
{
    if (messages.empty())
        throw std::logic_error("no message box was shown");
    return messages.back();
}
