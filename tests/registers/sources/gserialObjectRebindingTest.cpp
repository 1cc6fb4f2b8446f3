#include "registers/sources/gsourceDataObject.h"
#include "registers/sources/gsourceDataObjectThresholds.h"

#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "ports/gdevice.h"
#include "ports/gserialPort.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/registerTestSupport.h"

#include <string>

namespace {

// Data-object sources re-bound by the batch through their location.
// COM1 holds Pump1 (driver A: objects Flow, Level) and Pump2 (driver B:
// Flow); COM2 holds Pump1 and Pump3 (driver A both); COM3 holds nothing.
class serialObjectRebindingTest : public registerTest {
protected:
    void SetUp() override
    {
        registerTest::SetUp();
        g2driver* a = driver("A", {"Flow", "Level"});
        g2driver* b = driver("B", {"Flow"});
        device("COM1", "Pump1", a);
        device("COM1", "Pump2", b);
        device("COM2", "Pump1", a);
        device("COM2", "Pump3", a);
        station::serialPorts().define("COM3");
    }

    static g2driver* driver(const char* tag, std::initializer_list<const char*> objects)
    {
        g2driver* d = station::g2Drivers().define(tag);
        for (const char* name : objects)
            d->dataObjects().define(name);
        return d;
    }
    static gserialPort* port(const char* tag)
    {
        gserialPort* p = station::serialPorts().find(tag);
        return p ? p : station::serialPorts().define(tag);
    }
    static void device(const char* portTag, const char* tag, g2driver* driver)
    {
        gdevice* d = port(portTag)->getDevice(tag);
        d->setDefined(1);
        d->setDriver(driver);
    }
    // A bistate register whose data-object source reads the object of the
    // device on the port.
    static gsourceSerialObject& place(gregister*& reg, const char* portTag, const char* deviceTag, const char* object)
    {
        station::registers().deleteAll();
        reg = loadRegister("BISTATE_REG R\nTITLE Owner\nEND\n").reg;
        auto& source = sourceAs<gsourceDataObjectBistate>(reg->getBistateSupplement()->newDataObjectSource());
        gdevice* d = port(portTag)->devices().find(deviceTag);
        source.part().set(d, d->getDriver()->dataObjects().find(object), g2driverParameterValueTable(5));
        return source.part();
    }
};

TEST_F(serialObjectRebindingTest, FollowsWhatItFindsAndKeepsTheRest)
{
    struct {
        const char* toPort; // null: no port change
        const char* deviceFind;
        const char* deviceReplace;
        const char* objectFind;
        const char* objectReplace;
        int count;
        const char* where; // port, device, object after
        const char* log;
    } cases[] = {
        // Nothing asked, or another port moved: nothing changes.
        {nullptr, nullptr, nullptr, nullptr, nullptr, 0, "COM1 Pump1 Flow", ""},
        {nullptr, "Tank", "Vat", "Mass", "Weight", 0, "COM1 Pump1 Flow", ""},
        // The device renamed to one of the port.
        {nullptr, "1", "2", nullptr, nullptr, 1, "COM1 Pump2 Flow", ""},
        // The device renamed to none of the port.
        {nullptr, "1", "9", nullptr, nullptr, 0, "COM1 Pump1 Flow",
         "\nThe serial device Pump9 specified by Owner is not in port COM1: retained device Pump1"},
        // The object renamed within the driver, and to none of it.
        {nullptr, nullptr, nullptr, "Flow", "Level", 1, "COM1 Pump1 Level", ""},
        {nullptr, nullptr, nullptr, "Flow", "Mass", 0, "COM1 Pump1 Flow",
         "\nThe serial object Mass specified by Owner is not in device Pump1: retained object Flow"},
        // A new port with the device, and one without it.
        {"COM2", nullptr, nullptr, nullptr, nullptr, 1, "COM2 Pump1 Flow", ""},
        {"COM3", nullptr, nullptr, nullptr, nullptr, 0, "COM1 Pump1 Flow",
         "\nThe serial device Pump1 specified by Owner is not in port COM3: retained port COM1"},
        // Port and device: moved and renamed, two changes.
        {"COM2", "1", "3", nullptr, nullptr, 2, "COM2 Pump3 Flow", ""},
        // The new name is not in the new port, the old one is.
        {"COM2", "1", "9", nullptr, nullptr, 1, "COM2 Pump1 Flow",
         "\nThe serial device Pump9 specified by Owner is not in port COM2: retained device Pump1"},
        // Neither name in the new port; the new name in the old one.
        {"COM3", "1", "2", nullptr, nullptr, 1, "COM1 Pump2 Flow",
         "\nThe serial device Pump2 specified by Owner is not in port COM3: retained port COM1"},
        // Nothing of the new names anywhere.
        {"COM3", "1", "9", nullptr, nullptr, 0, "COM1 Pump1 Flow",
         "\nThe serial device Pump9 specified by Owner is not in port COM3: retained device Pump1 in port COM1"},
        // The object kept in a device of the new name in the new port.
        {"COM2", "1", "3", "Flow", "Mass", 2, "COM2 Pump3 Flow",
         "\nThe serial object Mass specified by Owner is not in device Pump3: retained object Flow"},
        // Everything kept.
        {"COM3", "1", "9", "Flow", "Mass", 0, "COM1 Pump1 Flow",
         "\nThe serial device Pump9 specified by Owner is not in port COM3: "
         "retained object Flow in device Pump1 in port COM1"},
        // The new object is missing from the new device's driver: the new
        // device with the old object.
        {nullptr, "1", "2", "Flow", "Level", 1, "COM1 Pump2 Flow",
         "\nThe serial object Level specified by Owner is not in device Pump2: retained object Flow"},
    };
    for (const auto& c : cases) {
        gregister* reg = nullptr;
        gsourceSerialObject& where = place(reg, "COM1", "Pump1", "Flow");
        gregisterBatchOptions options;
        options.fromPort = port(c.toPort ? "COM1" : "COM2");
        options.toPort = port(c.toPort ? c.toPort : "COM3");
        if (c.deviceFind) {
            options.devices.on = true;
            options.devices.find.assign(c.deviceFind);
            options.devices.replace.assign(c.deviceReplace);
        }
        if (c.objectFind) {
            options.serialObjects.on = true;
            options.serialObjects.find.assign(c.objectFind);
            options.serialObjects.replace.assign(c.objectReplace);
        }
        gstr log("");
        EXPECT_EQ(reg->getSupplement()->replaceText(options, log, nullptr), c.count) << c.log;
        std::string after = std::string(where.getDevice()->getPort()->getTag().view()) + " "
                            + std::string(where.getDevice()->getName().view()) + " "
                            + std::string(where.getDataObject()->getName().view());
        EXPECT_EQ(after, c.where) << c.log;
        EXPECT_EQ(log.view(), c.log);
    }
}

// The thresholds source re-binds through its location like the others.
TEST_F(serialObjectRebindingTest, ThresholdsSourceFollowsThePortChange)
{
    gregister* reg = loadRegister("DIGITAL_REG D\nTITLE Level steps\nEND\n").reg;
    auto& source = sourceAs<gsourceDataObjectThresholds>(reg->getDigitalSupplement()->newSource(14));
    gdevice* pump = port("COM1")->devices().find("Pump1");
    source.part().set(pump, pump->getDriver()->dataObjects().find("Flow"), g2driverParameterValueTable(5));
    gregisterBatchOptions options;
    options.fromPort = port("COM1");
    options.toPort = port("COM2");
    gstr log("");
    EXPECT_EQ(reg->getSupplement()->replaceText(options, log, nullptr), 1);
    EXPECT_EQ(source.part().getDevice(), port("COM2")->devices().find("Pump1"));
    EXPECT_EQ(users(port("COM2")->usedBy()), "\nThe register Level steps");
    EXPECT_TRUE(port("COM1")->usedBy().isUnused());
}

} // namespace
