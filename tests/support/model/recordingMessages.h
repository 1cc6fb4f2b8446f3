#pragma once

#include "foundation/gmessageService.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// Installs itself as the message service for its lifetime. Records every
// message and answers from scripted queues; an empty queue gives the answer
// that changes nothing (Cancel, No, OK for a lone OK button).
class recordingMessages final : public gmessageService {
public:
    struct message {
        std::string text;
        gbuttons buttons;
        gicon icon;
        int promptId;
    };

    recordingMessages();
    ~recordingMessages() override;
    recordingMessages(const recordingMessages&) = delete;
    recordingMessages& operator=(const recordingMessages&) = delete;

    ganswer messageBox(const gstrSlice& text, gbuttons buttons, gicon icon, int promptId) override;
    bool enterText(gstr& text, bool withCancel) override;
    bool warningList(const gstrSlice& text, bool question) override;

    std::vector<message> messages;
    std::vector<std::string> warningLists;
    std::deque<ganswer> answers;
    // Each entry answers one Enter Text: a text means OK with that text,
    // nullopt means Cancel.
    std::deque<std::optional<std::string>> enteredTexts;
    std::deque<bool> warningListAnswers;

    const std::string& lastText() const;
};
