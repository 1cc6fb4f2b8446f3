#include "ports/gcomPort.h"

#include "foundation/gclock.h"
#include "foundation/valueParsers.h"

#include <cerrno>
#include <chrono>
#include <climits>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// How long a write may make no progress before it is given up.
constexpr int writeStallMs = 1000;

struct baudRate {
    uint32_t rate;
    speed_t code;
};

constexpr baudRate baudRates[] = {
    {300, B300},       {600, B600},       {1200, B1200},     {2400, B2400},     {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
    {230400, B230400}, {460800, B460800}, {921600, B921600},
};

void setSpeed(termios& tio, uint32_t baud)
{
    for (const baudRate& b : baudRates) {
        if (b.rate == baud) {
            cfsetispeed(&tio, b.code);
            cfsetospeed(&tio, b.code);
            return;
        }
    }
}

void setDataBits(termios& tio, int32_t dataBits)
{
    tcflag_t size = 0;
    switch (dataBits) {
    case 5: size = CS5; break;
    case 6: size = CS6; break;
    case 7: size = CS7; break;
    case 8: size = CS8; break;
    default: return;
    }
    tio.c_cflag = (tio.c_cflag & ~CSIZE) | size;
}

void setParity(termios& tio, int32_t parity)
{
    switch (parity) {
    case 0: tio.c_cflag &= ~(PARENB | PARODD); break;
    case 1: tio.c_cflag = (tio.c_cflag | PARENB) & ~PARODD; break;
    case 2: tio.c_cflag |= PARENB | PARODD; break;
    default: break;
    }
}

void setStopBits(termios& tio, int32_t stopBits)
{
    if (stopBits == 1)
        tio.c_cflag &= ~CSTOPB;
    else if (stopBits == 2)
        tio.c_cflag |= CSTOPB;
}

// Raw bytes both ways: no line editing, echo, signals, translation or
// parity checking; the receiver on, modem status ignored for opening.
void makeRaw(termios& tio)
{
    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | INPCK | IXANY);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag |= CREAD | CLOCAL;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
}

// The lines each flow control holds on; -1 leaves them as they are. The
// terminal interface has no DSR handshake: DTR/DSR holds DTR on and lets the
// device pace itself.
int setFlowControl(termios& tio, int32_t flowControl)
{
    switch (flowControl) {
    case 0:
        tio.c_cflag &= ~CRTSCTS;
        tio.c_iflag &= ~(IXON | IXOFF);
        return 0;
    case 1:
        tio.c_cflag |= CRTSCTS;
        tio.c_iflag &= ~(IXON | IXOFF);
        return TIOCM_RTS;
    case 2:
        tio.c_cflag &= ~CRTSCTS;
        tio.c_iflag |= IXON | IXOFF;
        return 0;
    case 3:
        tio.c_cflag &= ~CRTSCTS;
        tio.c_iflag &= ~(IXON | IXOFF);
        return TIOCM_DTR;
    default: return -1;
    }
}

// Pseudo-terminals and some adapters refuse modem-line requests: not fatal.
void setModemLines(int fd, int raised)
{
    int on = raised;
    int off = (TIOCM_RTS | TIOCM_DTR) & ~raised;
    if (on)
        ioctl(fd, TIOCMBIS, &on);
    if (off)
        ioctl(fd, TIOCMBIC, &off);
}

int elapsedSince(std::chrono::steady_clock::time_point start)
{
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    return static_cast<int>(ms.count());
}

} // namespace

gstr gcomPort::devicePath(const gstrSlice& deviceName)
{
    gstr path("");
    if (deviceName.isNull() || deviceName.isEmpty())
        return path;
    if (deviceName[0] == '/') {
        path.assign(deviceName);
        return path;
    }
    if (deviceName.length() > 3 && gstrSlice(deviceName.data(), 3).compareNoCase("COM") == 0) {
        gstr digits(gstrSlice(deviceName.at(3), deviceName.length() - 3));
        uint32_t number = 0;
        if (parseUnsignedItem(digits.data(), number) == itemResult::end && number >= 1 && number <= 256) {
            path.format("/dev/ttyS%u", number - 1);
            return path;
        }
    }
    path.assign("/dev/");
    path.append(deviceName);
    return path;
}

int gcomPort::configure(termios& tio, uint32_t baud, int32_t dataBits, int32_t parity, int32_t stopBits,
                        int32_t flowControl)
{
    makeRaw(tio);
    setSpeed(tio, baud);
    setDataBits(tio, dataBits);
    setParity(tio, parity);
    setStopBits(tio, stopBits);
    return setFlowControl(tio, flowControl);
}

bool gcomPort::open(const gstrSlice& deviceName, uint32_t baud, int32_t dataBits, int32_t parity, int32_t stopBits,
                    int32_t flowControl)
{
    close();
    gstr path = devicePath(deviceName);
    if (path.isEmpty() || path.contains('\0'))
        return false;
    int fd = ::open(path.data(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios tio{};
    if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0 || tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        return false;
    }
    ioctl(fd, TIOCEXCL);
    int raised = configure(tio, baud, dataBits, parity, stopBits, flowControl);
    if (tcsetattr(fd, TCSANOW, &tio) != 0) {
        ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
    }
    if (raised >= 0)
        setModemLines(fd, raised);
    fd_ = fd;
    return true;
}

void gcomPort::close() noexcept
{
    if (fd_ < 0)
        return;
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

bool gcomPort::readByte(char& byte, uint32_t milliseconds)
{
    if (fd_ < 0)
        return false;
    int limit = milliseconds > static_cast<uint32_t>(INT_MAX) ? INT_MAX : static_cast<int>(milliseconds);
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        int left = limit - elapsedSince(start);
        pollfd p{fd_, POLLIN, 0};
        int ready = poll(&p, 1, left < 0 ? 0 : left);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 || !(p.revents & POLLIN))
            return false;
        ssize_t n = ::read(fd_, &byte, 1);
        if (n == 1)
            return true;
        if (n < 0 && (errno == EINTR || errno == EAGAIN) && elapsedSince(start) < limit)
            continue;
        return false;
    }
}

bool gcomPort::write(const char* bytes, int32_t length)
{
    if (fd_ < 0 || length < 0)
        return false;
    int32_t done = 0;
    while (done < length) {
        ssize_t n = ::write(fd_, bytes + done, static_cast<size_t>(length - done));
        if (n > 0) {
            done += static_cast<int32_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return false;
        pollfd p{fd_, POLLOUT, 0};
        int ready = poll(&p, 1, writeStallMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
            return false;
    }
    return true;
}

void gcomPort::discardInput() noexcept
{
    if (fd_ >= 0)
        tcflush(fd_, TCIFLUSH);
}

void sleepMs(uint32_t milliseconds) { currentClock().sleep(milliseconds); }
