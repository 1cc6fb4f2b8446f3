#include "platform/runtimeConversation.h"

#include <QEventLoop>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// An answer longer than this is not one of the protocol's.
constexpr size_t answerLimit = 256;
// How often idle runs while an answer is awaited.
constexpr int idleSliceMs = 10;

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

bool attemptWithRetries(int retries, int intervalMs, const std::function<bool()>& attempt,
                        const std::function<void(int)>& wait)
{
    for (;;) {
        if (attempt())
            return true;
        if (retries <= 0)
            return false;
        --retries;
        wait(intervalMs);
    }
}

void waitProcessingEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

runtimeConversation::runtimeConversation(int answerTimeoutMs, std::function<void()> idle)
    : answerTimeoutMs_(answerTimeoutMs), idle_(std::move(idle))
{
}

runtimeConversation::~runtimeConversation() { close(); }

void runtimeConversation::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    received_.clear();
}

bool runtimeConversation::waitFor(short events, long long deadlineMs)
{
    for (;;) {
        long long left = deadlineMs - nowMs();
        if (left <= 0)
            return false;
        pollfd p{fd_, events, 0};
        int n = ::poll(&p, 1, static_cast<int>(left < idleSliceMs ? left : idleSliceMs));
        // Ready, hung up or failed: the next call on the socket tells which.
        if (n > 0)
            return true;
        if (n < 0 && errno != EINTR)
            return false;
        if (idle_)
            idle_();
    }
}

bool runtimeConversation::connectTo(const std::string& socketPath)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0)
        return false;
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return true;
    if (errno != EINPROGRESS && errno != EAGAIN)
        return false;
    if (!waitFor(POLLOUT, nowMs() + answerTimeoutMs_))
        return false;
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

bool runtimeConversation::peerIsThisUser() const
{
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(fd_, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && length == sizeof peer &&
           peer.uid == ::geteuid();
}

bool runtimeConversation::sendAll(const std::string& bytes)
{
    long long deadline = nowMs() + answerTimeoutMs_;
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN && waitFor(POLLOUT, deadline))
            continue;
        return false;
    }
    return true;
}

bool runtimeConversation::readLine(std::string& line)
{
    long long deadline = nowMs() + answerTimeoutMs_;
    for (;;) {
        size_t end = received_.find('\n');
        if (end != std::string::npos) {
            line = received_.substr(0, end);
            received_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        if (received_.size() > answerLimit)
            return false;
        char buffer[answerLimit];
        ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n > 0) {
            received_.append(buffer, static_cast<size_t>(n));
            continue;
        }
        if (n == 0)
            return false;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN || !waitFor(POLLIN, deadline))
            return false;
    }
}

bool runtimeConversation::exchange(const gstrSlice& line, std::string_view answer)
{
    if (fd_ < 0)
        return false;
    std::string bytes(line.view());
    bytes += '\n';
    std::string reply;
    if (sendAll(bytes) && readLine(reply) && reply == answer)
        return true;
    close();
    return false;
}

bool runtimeConversation::initiate(const std::string& socketPath)
{
    close();
    if (!connectTo(socketPath) || !peerIsThisUser()) {
        close();
        return false;
    }
    return exchange("INITIATE Korvel system", "ACK");
}

bool runtimeConversation::closePopups() { return exchange("CLOSEPOPUPS", "ACK"); }

bool runtimeConversation::execute(const gstrSlice& command)
{
    if (command.contains('\n') || command.contains('\r')) {
        close();
        return false;
    }
    gstr line("EXECUTE ");
    line.append(command);
    return exchange(line, "ACK");
}

bool runtimeConversation::terminate()
{
    bool answered = exchange("TERMINATE", "TERMINATE");
    close();
    return answered;
}
