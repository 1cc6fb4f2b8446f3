// A stand-in for the station's run-time program, for the tests of Save and
// Test: it takes the run-time lock, serves the conversation socket and
// records what it is told.
//
//   runtime-standin <record file> [--silent] [--lifetime-ms N]
//
// The record file gets "START <pid>" once the socket listens, "CONNECT" for
// every connection and every line received. Without --silent every line is
// answered as the run-time program answers ("ACK", "TERMINATE" to
// TERMINATE) and the program ends after the first TERMINATE; with --silent
// nothing is answered. Either way it ends after its lifetime (10 s unless
// given), so that no test leaves it behind. Exit codes: 0 done, 2 bad
// arguments, 3 the lock is held by another, 4 the socket cannot be served.
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string runtimeFolder()
{
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg)
        return xdg;
    return "/tmp/korvel-" + std::to_string(::getuid());
}

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

class recorder {
public:
    explicit recorder(const char* path) : fd_(::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600)) {}

    void line(const std::string& text) const
    {
        std::string bytes = text + "\n";
        ssize_t ignored = ::write(fd_, bytes.data(), bytes.size());
        (void)ignored;
    }

    bool ok() const { return fd_ >= 0; }

private:
    int fd_;
};

bool sendLine(int fd, const char* text)
{
    std::string bytes = std::string(text) + "\n";
    return ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
}

// Serves one connection until it ends or the deadline passes; true when the
// conversation ended with TERMINATE.
bool serve(int client, const recorder& record, bool silent, long long deadline)
{
    std::string pending;
    for (;;) {
        size_t end = pending.find('\n');
        if (end != std::string::npos) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            record.line(line);
            if (silent)
                continue;
            bool terminate = line == "TERMINATE";
            sendLine(client, terminate ? "TERMINATE" : "ACK");
            if (terminate)
                return true;
            continue;
        }
        long long left = deadline - nowMs();
        if (left <= 0)
            return false;
        pollfd p{client, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        char buffer[512];
        ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        pending.append(buffer, static_cast<size_t>(n));
    }
}

int listenOn(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ::unlink(path.c_str());
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0)
        return -1;
    return fd;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    bool silent = false;
    long long lifetime = 10000;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--silent")
            silent = true;
        else if (a == "--lifetime-ms" && i + 1 < argc)
            lifetime = std::atoll(argv[++i]);
        else
            return 2;
    }
    recorder record(argv[1]);
    if (!record.ok())
        return 2;
    long long deadline = nowMs() + lifetime;
    std::string folder = runtimeFolder();
    ::mkdir(folder.c_str(), 0700);
    int lock = ::open((folder + "/K.O.R.V.E.L..lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0)
        return 3;
    std::string socketPath = folder + "/Korvel.system";
    int server = listenOn(socketPath);
    if (server < 0)
        return 4;
    record.line("START " + std::to_string(::getpid()));
    for (;;) {
        long long left = deadline - nowMs();
        if (left <= 0)
            break;
        pollfd p{server, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        int client = ::accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        record.line("CONNECT");
        bool finished = serve(client, record, silent, deadline);
        ::close(client);
        if (finished)
            break;
    }
    ::unlink(socketPath.c_str());
    return 0;
}
