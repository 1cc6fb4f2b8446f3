#pragma once

#include "foundation/gstr.h"

#include <cstdint>

#include <termios.h>

// A serial device opened for a port test: a terminal device in raw mode with
// a port's line settings. Reads take one byte with a time limit; nothing here
// waits without a limit. A device name is a path, a name under /dev
// ("ttyUSB0") or a short name "COMn", which stands for /dev/ttyS(n-1).
class gcomPort {
public:
    gcomPort() noexcept = default;
    gcomPort(const gcomPort&) = delete;
    gcomPort& operator=(const gcomPort&) = delete;
    ~gcomPort() { close(); }

    // Opens the device for exclusive use with the settings: baud rate, data
    // bits (5 to 8), parity (0 none, 1 even, 2 odd), stop bits (1 or 2) and
    // flow control (0 none, 1 RTS/CTS, 2 XON/XOFF, 3 DTR/DSR). A setting out
    // of its range leaves the device's own. False, and closed, when the
    // device cannot be opened, is not a terminal, is in use or refuses the
    // settings; modem lines and speeds a device refuses are not fatal.
    bool open(const gstrSlice& deviceName, uint32_t baud, int32_t dataBits, int32_t parity, int32_t stopBits,
              int32_t flowControl);
    void close() noexcept;
    bool isOpen() const noexcept { return fd_ >= 0; }
    // The file descriptor, -1 when closed.
    int handle() const noexcept { return fd_; }

    // True when exactly one byte came within the milliseconds.
    bool readByte(char& byte, uint32_t milliseconds);
    // Writes all the bytes; false when the device failed or stopped taking
    // them for a second.
    bool write(const char* bytes, int32_t length);
    // Drops whatever the device sent that was not read yet: a late reply to
    // an earlier command, or bytes left from earlier use of the line.
    void discardInput() noexcept;

    // Puts the settings into a terminal's attributes, raw mode included; the
    // modem lines the flow control holds on (TIOCM_RTS, TIOCM_DTR), or -1 to
    // leave them. Pseudo-terminals keep their own character size, parity,
    // stop bits and handshake whatever is asked.
    static int configure(termios& tio, uint32_t baud, int32_t dataBits, int32_t parity, int32_t stopBits,
                         int32_t flowControl);
    // The path a device name stands for; empty text for an empty name.
    static gstr devicePath(const gstrSlice& deviceName);

private:
    int fd_ = -1;
};

// Suspends the calling thread through the installed clock.
void sleepMs(uint32_t milliseconds);
