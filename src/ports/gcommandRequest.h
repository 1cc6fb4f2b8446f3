#pragma once

#include "g2driver/model/g2driverParameterValue.h"
#include "store/gstorable.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class g2driver;
class g2driverCommand;
class gdevice;
class gserialPort;
class gusesList;

// One G2 command to send, with the values of the command's parameters by
// tag and the device it is addressed to (none in a driver's sequences).
// Its block is COMMAND with the device, the device's driver and the command.
class gcommandRequest : public gstorable {
public:
    gcommandRequest();
    gcommandRequest(const gcommandRequest&) = delete;
    gcommandRequest& operator=(const gcommandRequest&) = delete;
    ~gcommandRequest() override;

    g2driverCommand* getCommand() const noexcept { return command_; }
    void setCommand(g2driverCommand* command) noexcept { command_ = command; }
    gdevice* getDevice() const noexcept { return device_; }
    void setDevice(gdevice* device) noexcept { device_ = device; }
    g2driverParameterValueTable& values() noexcept { return values_; }
    const g2driverParameterValueTable& values() const noexcept { return values_; }
    // -1 unset, 0 after loading when not given.
    int32_t getKeepWithNext() const noexcept { return keepWithNext_; }
    void setKeepWithNext(int32_t count) noexcept { keepWithNext_ = count; }

    // Command, device, a copy of each value and keep with next.
    void copy(const gcommandRequest& source);
    // The same, with the device of the same tag in another port's table (a
    // placeholder when absent).
    void copy(const gcommandRequest& source, jhashTypedDatabaseTable<gdevice>& devices);
    // The same, with the command of the same tag in another driver's table
    // (none when absent) and no device.
    void copy(const gcommandRequest& source, const jhashTypedDatabaseTable<g2driverCommand>& commands);
    // A new request copied from this one, addressed to the device.
    gcommandRequest* copyForDevice(gdevice* device) const;
    // A set device becomes the port's device of its tag.
    void rebindDevice(gserialPort& port);
    // The command becomes the driver's command of its tag (none when absent).
    void rebindCommand(g2driver& driver);
    // The command, the command's parameter of each value and the device
    // (unless it is the excluded one) into uses.
    void addReferences(gusesList& uses, const gdevice* excluded) const;
    // The command and the parameters only.
    void addDriverReferences(gusesList& uses) const;
    // "<device> - " when asked and set, the command's tag, then the values.
    void describe(gstr& text, bool withDevice) const;

    // COMMAND, with a device "device, driver, " before the command's tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    // PARAMETER lines; KEEP_WITH_NEXT when a device is set and it is above 0.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // keep with next -1 becomes 0.
    void afterLoad() override;
    // A command, and every value of the kind of the command's parameter
    // (an untyped parameter takes the value's kind).
    bool isComplete() const override;

private:
    void addParameterReferences(gusesList& uses) const;

    g2driverCommand* command_ = nullptr;
    gdevice* device_ = nullptr;
    g2driverParameterValueTable values_{5};
    int32_t keepWithNext_ = -1;
};
