#pragma once

#include "store/gstorable.h"

class gserialPort;

// Reads the INIT_SEQUENCE block that ports of older files hold: each POLL
// line goes to the initialization sequence of the legacy device of its
// command's driver. It keeps nothing itself.
class gserialPortPollReader : public gstorable {
public:
    explicit gserialPortPollReader(gserialPort& port) noexcept : port_(port) {}

    // Never written: the polls belong to the devices.
    void writeHeader(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;

private:
    gserialPort& port_;
};
