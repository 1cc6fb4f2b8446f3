#pragma once

#include "ports/g2driverCommandOutput.h"

#include <cstdint>

class g2driver;
class g2driverCommand;
class gcommandRequest;
class gdevice;

// The build of one request's command: the request, the device it is sent to
// (the request's own, or the one given for a driver-sequence request that
// names none), the driver, the output and the index of the element being
// worked on. The serial transaction derives from it.
class g2driverCommandBuilder {
public:
    g2driverCommandBuilder(const gcommandRequest& request, gdevice* device);
    g2driverCommandBuilder(const g2driverCommandBuilder&) = delete;
    g2driverCommandBuilder& operator=(const g2driverCommandBuilder&) = delete;
    virtual ~g2driverCommandBuilder();

    // Clears the output and fills it with the command's bytes. The command
    // elements that make the bytes come with the G2 driver model; until then
    // a command assembles to no bytes.
    void buildCommand(g2driverCommandOutput& output);

    const gcommandRequest& getRequest() const noexcept { return *request_; }
    g2driverCommand* getCommand() const noexcept;
    gdevice* getDevice() const noexcept { return device_; }
    g2driver* getDriver() const noexcept { return driver_; }
    g2driverCommandOutput& getOutput() noexcept { return output_; }

    int32_t currentElement() const noexcept { return element_; }
    void setCurrentElement(int32_t index) noexcept { element_ = index; }

private:
    const gcommandRequest* request_;
    gdevice* device_;
    g2driver* driver_ = nullptr;
    g2driverCommandOutput output_;
    int32_t element_ = 0;
};
