#pragma once

#include "g2driver/model/g2driver.h"
#include "ports/g2driverCommandOutput.h"
#include "ports/g2serialTransaction.h"
#include "ports/gcommandRequest.h"
#include "ports/gdevice.h"
#include "ports/gexchangeResult.h"
#include "ports/gnamedValue.h"
#include "ports/gserialPort.h"
#include "ports/portTestSupport.h"
#include "store/gstation.h"

#include <string>
#include <utility>
#include <vector>

inline std::string g2Fixture(const std::string& name)
{
    return std::string(KORVEL_TEST_DATA_DIR) + "/g2driver/model/fixtures/" + name;
}

// A station with one G2 driver "Pump", built from driver lines, a device
// "D" on port COM1 that uses it, and a request for one of its commands.
class g2driverTest : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        driver = station::g2Drivers().define("Pump");
        device = station::serialPorts().define("COM1")->getDevice("D");
        device->setDriver(driver);
    }
    // Driver lines (not the header); the status of the last.
    gloadStatus load(const std::string& lines) { return feedLines(*driver, lines); }
    // The request for the command, with the request's value lines
    // ("Tag, KIND, value" each), addressed to the device.
    void request(const char* command, const std::vector<std::string>& values = {})
    {
        sent.setCommand(driver->commands().find(command));
        sent.setDevice(device);
        sent.values().deleteAll();
        for (const std::string& line : values) {
            gstr value(line.c_str());
            ASSERT_EQ(g2driverParameterValue::loadLine(sent.values(), value), gload::accepted) << line;
        }
    }
    // The device's values of the driver's parameters.
    void deviceValues(const std::vector<std::string>& values)
    {
        g2driverParameterValueTable table(5);
        for (const std::string& line : values) {
            gstr value(line.c_str());
            ASSERT_EQ(g2driverParameterValue::loadLine(table, value), gload::accepted) << line;
        }
        device->setParameterValues(table);
    }
    // The segments of the built command: bytes, and the delay in ms (-1 for
    // none).
    std::vector<std::pair<std::string, int64_t>> segments(g2driverCommandBuilder& builder)
    {
        g2driverCommandOutput output;
        builder.buildCommand(output);
        std::vector<std::pair<std::string, int64_t>> result;
        for (int32_t i = 0; i < output.segmentCount(); ++i) {
            gmilliseconds delay = output.delay(i);
            result.emplace_back(std::string(output.segment(i).view()), delay.isSet() ? int64_t{delay.get()} : -1);
        }
        return result;
    }
    std::vector<std::pair<std::string, int64_t>> assembled()
    {
        g2driverCommandBuilder builder(sent, nullptr);
        return segments(builder);
    }

    g2driver* driver = nullptr;
    gdevice* device = nullptr;
    gcommandRequest sent;
};
