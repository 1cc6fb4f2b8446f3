#pragma once

#include "foundation/gstr.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class CObjectFile;
class glegacyCommand;
class glegacyDevice;
class glegacyDriver;
class gserialPort;
class gusesList;

// One legacy command in a sequence, for a legacy device (none only while it
// is being read), with the number of following polls kept with it. Its line
// is POLL: the device's tag, the command's tag and a count above 0.
class glegacyPoll {
public:
    glegacyPoll() = default;
    glegacyPoll(const glegacyPoll&) = default;
    glegacyPoll& operator=(const glegacyPoll&) = default;

    glegacyCommand* getCommand() const noexcept { return command_; }
    void setCommand(glegacyCommand* command) noexcept { command_ = command; }
    glegacyDevice* getDevice() const noexcept { return device_; }
    void setDevice(glegacyDevice* device) noexcept { device_ = device; }
    int32_t getKeepWithNext() const noexcept { return keepWithNext_; }
    void setKeepWithNext(int32_t count) noexcept { keepWithNext_ = count; }

    // The same command and count, with the device of the same tag in
    // another port's table (a placeholder when absent).
    void copy(const glegacyPoll& source, jhashTypedDatabaseTable<glegacyDevice>& devices);
    // A set device becomes the port's legacy device of its tag.
    void rebindDevice(gserialPort& port);
    // The command, then the device unless it is the excluded one.
    void addReferences(gusesList& uses, const glegacyDevice* excluded) const;
    // When the removed device is this poll's: the device is dropped and the
    // command becomes the driver's command of the same tag. False when the
    // driver has none, or has a REPLY of that tag.
    bool rebindDriver(glegacyDriver& driver, const glegacyDevice* removed);
    // "<device> - " when asked and set, then the command's tag.
    void describe(gstr& text, bool withDevice) const;
    // A new poll for the device with the command of the same tag of the
    // device's driver; null when the driver has no such command.
    glegacyPoll* copyForDevice(glegacyDevice& device) const;

    // A POLL value: device tag, command tag and an optional count. The
    // device is the port's; the command its driver's, which must be (or
    // become) a COMMAND. The item result; 0 on any failure.
    int parse(gserialPort& port, const char* text);
    void write(CObjectFile& file, int indent) const;

private:
    glegacyCommand* command_ = nullptr;
    glegacyDevice* device_ = nullptr;
    int32_t keepWithNext_ = 0;
};
