#pragma once

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// A device at the far end of a pseudo-terminal: the port under test opens
// the terminal's slave side by its path; the test plays the device on the
// master side, in a thread of its own when the port must wait for it.
class ptyDevice {
public:
    ptyDevice()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            throw std::runtime_error("no pseudo-terminal");
        const char* name = ptsname(master_);
        if (!name)
            throw std::runtime_error("no pseudo-terminal name");
        path_ = name;
        // A serial line echoes nothing: bytes the device sends while the
        // port is closed wait for it as they came.
        int slave = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios raw{};
        if (slave < 0 || tcgetattr(slave, &raw) != 0)
            throw std::runtime_error("no pseudo-terminal settings");
        cfmakeraw(&raw);
        tcsetattr(slave, TCSANOW, &raw);
        ::close(slave);
    }
    ~ptyDevice()
    {
        stop_ = true;
        if (player_.joinable())
            player_.join();
        ::close(master_);
    }
    ptyDevice(const ptyDevice&) = delete;
    ptyDevice& operator=(const ptyDevice&) = delete;

    const std::string& path() const { return path_; }

    // What the port wrote, gathered until nothing came for quietMs.
    std::string received(int quietMs = 50)
    {
        std::string bytes;
        char buffer[256];
        for (;;) {
            pollfd p{master_, POLLIN, 0};
            int ready = poll(&p, 1, quietMs);
            if (ready > 0 && !(p.revents & POLLIN)) {
                // Nobody has the line open (a hang-up): nothing comes until
                // the port opens it, and poll would not wait meanwhile.
                std::this_thread::sleep_for(std::chrono::milliseconds(quietMs));
                return bytes;
            }
            if (ready <= 0)
                return bytes;
            ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0)
                return bytes;
            bytes.append(buffer, static_cast<size_t>(n));
        }
    }

    void send(const std::string& bytes)
    {
        if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("write to pseudo-terminal failed");
    }

    // In a thread: once the port has written as many bytes as the command
    // has, each step waits its milliseconds and sends its bytes.
    void play(size_t commandLength, std::vector<std::pair<int, std::string>> steps)
    {
        std::vector<exchange> exchanges;
        for (auto& [wait, bytes] : steps) {
            exchanges.push_back({commandLength, wait, std::move(bytes)});
            commandLength = 0;
        }
        if (exchanges.empty())
            exchanges.push_back({commandLength, 0, {}});
        converse(std::move(exchanges));
    }

    // One command of a run and the device's answer to it.
    struct exchange {
        size_t commandLength;
        int wait;
        std::string reply;
    };
    // In a thread: for each exchange, once the port has written as many more
    // bytes as its command has, waits its milliseconds and sends its reply.
    // A port empties its input before each command, so a device answers
    // only what it heard.
    void converse(std::vector<exchange> exchanges)
    {
        player_ = std::thread([this, exchanges = std::move(exchanges)] {
            std::string heard;
            for (const exchange& e : exchanges) {
                size_t until = heard.size() + e.commandLength;
                while (heard.size() < until && !stop_)
                    heard += received(20);
                heard_ = heard;
                std::this_thread::sleep_for(std::chrono::milliseconds(e.wait));
                if (stop_)
                    return;
                if (!e.reply.empty())
                    send(e.reply);
            }
        });
    }

    // In a thread: sends the bytes again and again until the device is
    // destroyed.
    void flood(std::string bytes)
    {
        player_ = std::thread([this, bytes = std::move(bytes)] {
            while (!stop_) {
                pollfd p{master_, POLLOUT, 0};
                if (poll(&p, 1, 20) > 0)
                    (void)!::write(master_, bytes.data(), bytes.size());
                received(0);
            }
        });
    }

    // After play: the command the port wrote.
    std::string heard()
    {
        if (player_.joinable())
            player_.join();
        return heard_;
    }

private:
    int master_ = -1;
    std::string path_;
    std::thread player_;
    std::atomic<bool> stop_{false};
    std::string heard_;
};
