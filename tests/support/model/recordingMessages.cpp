#include "support/model/recordingMessages.h"

#include <stdexcept>

recordingMessages::recordingMessages() { installMessageService(this); }

recordingMessages::~recordingMessages() { installMessageService(nullptr); }

ganswer recordingMessages::messageBox(const gstrSlice& text, gbuttons buttons, gicon icon, int promptId)
{
    messages.push_back({std::string(text.view()), buttons, icon, promptId});
    if (!answers.empty()) {
        ganswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (buttons) {
    case gbuttons::ok: return ganswer::ok;
    case gbuttons::yesNo: return ganswer::no;
    case gbuttons::abortRetryIgnore: return ganswer::abort;
    default: return ganswer::cancel;
    }
}

bool recordingMessages::enterText(gstr& text, bool)
{
    if (enteredTexts.empty())
        return false;
    auto answer = enteredTexts.front();
    enteredTexts.pop_front();
    if (!answer)
        return false;
    text.assign(gstrSlice(answer->data(), static_cast<int32_t>(answer->size())));
    return true;
}

bool recordingMessages::warningList(const gstrSlice& text, bool question)
{
    warningLists.emplace_back(text.view());
    if (warningListAnswers.empty())
        return !question;
    bool a = warningListAnswers.front();
    warningListAnswers.pop_front();
    return a;
}

const std::string& recordingMessages::lastText() const
{
    if (messages.empty())
        throw std::logic_error("no message was shown");
    return messages.back().text;
}
