#pragma once

#include "foundation/garray.h"
#include "ports/g2driverCommandOutput.h"

#include <cstdint>
#include <memory>
#include <vector>

class g2driver;
class g2driverCommand;
class g2driverCommandElement;
class g2driverParameter;
class g2driverParameterValue;
class gcommandRequest;
class gdevice;

// The assembly of one request's command: every command element of the
// template gives an output in two passes (parameter values and fixed bytes
// in the first, lengths and checksums over the other outputs in the
// second), then the outputs are joined into the segments that are sent with
// their delays. The serial transaction derives from it and keeps the
// element outputs of the command it sent.
class g2driverCommandBuilder {
public:
    // The device is the one a driver-sequence request (which names none) is
    // sent to; the request's own device comes first.
    g2driverCommandBuilder(const gcommandRequest& request, gdevice* defaultDevice);
    g2driverCommandBuilder(const g2driverCommandBuilder&) = delete;
    g2driverCommandBuilder& operator=(const g2driverCommandBuilder&) = delete;
    virtual ~g2driverCommandBuilder();

    // The value for the parameter by its scope: DRIVER_PARAM the device's,
    // TEMPLATE_PARAM the command's template values, PARAMETER the
    // request's. Null when there is none.
    const g2driverParameterValue* findParameter(const g2driverParameter& parameter) const;
    // The two passes over the elements; the joined result is appended to
    // output. The element outputs are the ones of these elements.
    void build(const garray<g2driverCommandElement>& elements, g2driverCommandOutput& output);
    // Empties output, then builds the elements of the command's template.
    void buildCommand(g2driverCommandOutput& output);
    // Empties output, then builds the content of the command's DATA block
    // of the tag with a builder of its own (nothing when there is none).
    void buildData(const gstrSlice& tag, g2driverCommandOutput& output);

    const gcommandRequest& getRequest() const noexcept { return *request_; }
    g2driverCommand* getCommand() const noexcept;
    gdevice* getDevice() const noexcept { return device_; }
    g2driver* getDriver() const noexcept { return driver_; }

    // The element being encoded (or, in a serial transaction, decoded).
    int32_t currentElement() const noexcept { return element_; }
    void setCurrentElement(int32_t index) noexcept { element_ = index; }
    int32_t outputCount() const noexcept { return static_cast<int32_t>(outputs_.size()); }
    const g2driverCommandOutput& elementOutput(int32_t index) const { return *outputs_.at(static_cast<size_t>(index)); }

private:
    const gcommandRequest* request_;
    gdevice* device_;
    g2driver* driver_ = nullptr;
    std::vector<std::unique_ptr<g2driverCommandOutput>> outputs_;
    int32_t element_ = 0;
};
