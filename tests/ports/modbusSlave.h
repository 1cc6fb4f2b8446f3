#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

// Debian's Modbus RTU serial server (python3-pymodbus) on one end of a socat
// pseudo-terminal pair, run by modbusSlave.py beside this file: a real
// protocol peer that nobody here wrote. The port under test opens path().
// Every wait has a limit, and the server with its socat ends with this
// object, or by itself when the test dies and its input closes.
class modbusSlave {
public:
    // Why the peer cannot run here (its packages are missing), else empty.
    static std::string missingTools()
    {
        if (std::system("command -v socat >/dev/null 2>&1") != 0)
            return "socat is not installed (tools/install-deps.sh installs it)";
        if (std::system("timeout 60 /usr/bin/python3 -c 'import pymodbus.server.async_io' >/dev/null 2>&1") != 0)
            return "python3-pymodbus is not installed (tools/install-deps.sh installs it)";
        return {};
    }

    explicit modbusSlave(const std::string& folder) : folder_(folder) {}
    ~modbusSlave() { stop(); }
    modbusSlave(const modbusSlave&) = delete;
    modbusSlave& operator=(const modbusSlave&) = delete;

    // Starts the server and waits until it serves; false when it did not
    // within the limit (log() tells why).
    bool start()
    {
        int in[2];
        int out[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0)
            return false;
        std::string script = std::string(KORVEL_TEST_DATA_DIR) + "/ports/modbusSlave.py";
        std::string logPath = folder_ + "/server.log";
        // A server that died must fail the test, not end it on a write.
        std::signal(SIGPIPE, SIG_IGN);
        pid_ = ::fork();
        if (pid_ == 0) {
            // A group of its own, so that socat ends with it when it is killed.
            ::setpgid(0, 0);
            int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            if (log >= 0)
                ::dup2(log, 2);
            ::execl("/usr/bin/python3", "python3", script.c_str(), folder_.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        toServer_ = in[1];
        fromServer_ = out[0];
        if (pid_ < 0)
            return false;
        ::setpgid(pid_, pid_);
        // A loaded machine takes its time to start Python and import pymodbus.
        return readLine(60000) == "ready";
    }

    std::string path() const { return folder_ + "/line"; }
    std::string log() const
    {
        std::string text;
        char buffer[512];
        int fd = ::open((folder_ + "/server.log").c_str(), O_RDONLY | O_CLOEXEC);
        for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<size_t>(n));
        if (fd >= 0)
            ::close(fd);
        return text;
    }

    // The value the server holds in a holding register, as it says; -1
    // when it does not answer.
    long holdingRegister(int address)
    {
        std::string request = "show " + std::to_string(address) + "\n";
        if (::write(toServer_, request.data(), request.size()) != static_cast<ssize_t>(request.size()))
            return -1;
        std::string prefix = "register " + std::to_string(address) + " ";
        std::string line = readLine(10000);
        return line.rfind(prefix, 0) == 0 ? std::atol(line.c_str() + prefix.size()) : -1;
    }

private:
    // One line of the server's output without its end, empty after the
    // milliseconds.
    std::string readLine(int milliseconds)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        for (;;) {
            if (size_t end = pending_.find('\n'); end != std::string::npos) {
                std::string line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                return line;
            }
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd p{fromServer_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
                return {};
            char buffer[256];
            ssize_t n = ::read(fromServer_, buffer, sizeof buffer);
            if (n <= 0)
                return {};
            pending_.append(buffer, static_cast<size_t>(n));
        }
    }

    // Closing its input asks the server to end; a server that does not
    // within a few seconds is killed with its group.
    void stop()
    {
        if (toServer_ >= 0)
            ::close(toServer_);
        if (fromServer_ >= 0)
            ::close(fromServer_);
        toServer_ = fromServer_ = -1;
        if (pid_ <= 0)
            return;
        for (int i = 0; i < 100; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ::kill(-pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    std::string folder_;
    pid_t pid_ = -1;
    int toServer_ = -1;
    int fromServer_ = -1;
    std::string pending_;
};
