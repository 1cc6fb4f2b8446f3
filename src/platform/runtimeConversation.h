#pragma once

#include "foundation/gstr.h"

#include <functional>
#include <string>
#include <string_view>

// How long Save and Test waits for the run-time program. The defaults are the
// program's: after a start up to 100 more attempts 100 ms apart, and 2 s for
// each answer; tests pass smaller ones.
struct runtimeTiming {
    int retries = 100;
    int intervalMs = 100;
    int answerTimeoutMs = 2000;
};

// Calls attempt; while it fails and retries are left, waits intervalMs through
// wait and calls it again. So it makes at most retries + 1 attempts and waits
// only between them. True as soon as one attempt succeeds.
bool attemptWithRetries(int retries, int intervalMs, const std::function<bool()>& attempt,
                        const std::function<void(int)>& wait);

// Waits the given time while the program repaints and runs its timers; input
// from the user waits until afterwards.
void waitProcessingEvents(int milliseconds);

// The editor's side of one conversation with the run-time program over its
// socket (runtimeProgram.h): one line each way, LF-terminated, the bytes as
// the model holds them.
//
//   INITIATE Korvel system  -> ACK
//   CLOSEPOPUPS             -> ACK   (the program closes its open dialogs)
//   EXECUTE <command>       -> ACK
//   TERMINATE               -> TERMINATE, then both close
//
// An answer that does not come within the answer time-out, or any other
// answer, fails the step and closes the connection. While it waits it calls
// idle every few milliseconds.
class runtimeConversation {
public:
    explicit runtimeConversation(int answerTimeoutMs = 2000, std::function<void()> idle = {});
    ~runtimeConversation();
    runtimeConversation(const runtimeConversation&) = delete;
    runtimeConversation& operator=(const runtimeConversation&) = delete;

    // Connects to socketPath and is acknowledged. A socket served by another
    // user is left before anything is sent: it is not the user's run-time
    // program.
    bool initiate(const std::string& socketPath);
    bool closePopups();
    // A command containing a line break is refused without being sent.
    bool execute(const gstrSlice& command);
    // Ends the conversation; the connection is closed whatever the answer.
    bool terminate();
    bool isOpen() const { return fd_ >= 0; }

private:
    bool connectTo(const std::string& socketPath);
    bool peerIsThisUser() const;
    bool exchange(const gstrSlice& line, std::string_view answer);
    bool sendAll(const std::string& bytes);
    bool readLine(std::string& line);
    // Waits for the events on the socket until the deadline; false when it
    // passed or the socket failed.
    bool waitFor(short events, long long deadlineMs);
    void close();

    int fd_ = -1;
    int answerTimeoutMs_;
    std::function<void()> idle_;
    std::string received_;
};
