#include "registers/sources/gsourceTimeout.h"

#include "ports/gdevice.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "registers/gbistateSupplement.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/registerTestSupport.h"

#include <string>

namespace {

std::string block(const std::string& fields)
{
    return "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tTIMEOUT\n" + fields + "\tEND\nEND\n";
}

class timeoutTest : public registerTest {
protected:
    static gserialPort* port(const char* tag)
    {
        gserialPort* p = station::serialPorts().find(tag);
        return p ? p : station::serialPorts().define(tag);
    }
    static glegacyDevice* legacy(const char* portTag, const char* tag)
    {
        glegacyDevice* d = port(portTag)->getLegacyDevice(tag);
        d->setDefined(1);
        return d;
    }
    static gdevice* g2(const char* portTag, const char* tag)
    {
        gdevice* d = port(portTag)->getDevice(tag);
        d->setDefined(1);
        return d;
    }
    static gsourceTimeout& timeoutOf(gregister* reg)
    {
        return sourceAs<gsourceTimeout>(reg->getBistateSupplement()->getSource());
    }
};

TEST_F(timeoutTest, WritesWhatItReads)
{
    const char* cases[] = {
        "\t\tG2DEVICE\tCOM1, P1\n",
        "\t\tDEVICE\t\tCOM1, Meter\n",
        "\t\tPORT\t\tCOM1\n",
        "\t\tDEVICE\t\t\"North, 2\", Meter 1\n",
    };
    for (const char* fields : cases) {
        emptyAll();
        EXPECT_EQ(roundTrip(block(fields)), block(fields));
    }
    // The older two-line form, in either order, is one DEVICE line.
    for (const char* older : {"DRIVER Meter\nPORT COM1\n", "PORT COM1\nDRIVER Meter\n"}) {
        emptyAll();
        gregister* reg = loadRegister(std::string("BISTATE_REG R\nSOURCE TIMEOUT\n") + older + "END\nEND\n").reg;
        EXPECT_EQ(writtenRegister(*reg), block("\t\tDEVICE\t\tCOM1, Meter\n")) << older;
        EXPECT_EQ(timeoutOf(reg).getLegacyDevice(), port("COM1")->legacyDevices().find("Meter"));
    }
}

TEST_F(timeoutTest, Refusals)
{
    struct {
        const char* lines;
        gloadStatus status;
    } cases[] = {
        {"DEVICE COM1\n", gload::invalidValue},
        {"DEVICE COM1, M, X\n", gload::invalidValue},
        {"G2DEVICE \"\", M\n", gload::invalidValue},
        {"PORT A, B\n", gload::invalidValue},
        {"DRIVER A, B\n", gload::invalidValue},
        {"PORT COM1\nPORT COM1\n", gload::alreadyLoaded},
        {"PORT COM1\nG2DEVICE COM1, P\n", gload::alreadyLoaded},
        {"DEVICE COM1, M\nDRIVER M\n", gload::alreadyLoaded},
        {"DRIVER M\nDRIVER M\n", gload::alreadyLoaded},
        {"END\n", gload::incomplete},
        {"DRIVER M\nEND\n", gload::incomplete},
        {"PORT COM1\nEND\n", gload::accepted},
    };
    for (auto [lines, status] : cases) {
        emptyAll();
        EXPECT_EQ(loadRegister(std::string("BISTATE_REG R\nSOURCE TIMEOUT\n") + lines).last(), status) << lines;
    }
    // Only bistate registers have timeout sources.
    emptyAll();
    EXPECT_NE(loadRegister("DIGITAL_REG R\nSOURCE TIMEOUT\n").last(), gload::accepted);
}

TEST_F(timeoutTest, PortAndDeviceListTheRegister)
{
    gdevice* p1 = g2("COM1", "P1");
    gregister* reg = loadRegister("BISTATE_REG R\nTITLE Pump lost\nSOURCE TIMEOUT\nG2DEVICE COM1, P1\nEND\nEND\n").reg;
    EXPECT_EQ(users(port("COM1")->usedBy()), "\nThe register Pump lost");
    EXPECT_EQ(users(*p1), "\nThe register Pump lost");
    EXPECT_EQ(timeoutOf(reg).getDevice(), p1);

    reg->getBistateSupplement()->newPingSource();
    EXPECT_TRUE(port("COM1")->usedBy().isUnused());
    EXPECT_TRUE(p1->isUnused());
}

// The batch's port change and device renaming, with what is kept when a
// device cannot be found.
TEST_F(timeoutTest, Rebinding)
{
    glegacyDevice* m1 = legacy("COM1", "Meter1");
    legacy("COM1", "Meter2");
    glegacyDevice* m3 = legacy("COM1", "Meter3");
    legacy("COM1", "Meter4");
    legacy("COM2", "Meter1");
    g2("COM2", "Meter2");
    gregister* reg = loadRegister("BISTATE_REG R\nSOURCE TIMEOUT\nDEVICE COM1, Meter1\nEND\nEND\n").reg;
    gsourceTimeout& source = timeoutOf(reg);

    struct step {
        glegacyDevice* from; // the device on COM1 the step starts with; nullptr: the whole port
        bool movePort;
        const char* find; // nullptr: no renaming
        const char* replace;
        int result;
        const char* port;
        const char* device;
        bool g2;
        const char* log;
    } steps[] = {
        {m1, false, nullptr, nullptr, 0, "COM1", "Meter1", false, ""},
        {m1, false, "1", "9", 0, "COM1", "Meter1", false,
         "\nThe serial device Meter9 specified by R is not in port COM1: retained device Meter1"},
        {m1, false, "1", "2", 1, "COM1", "Meter2", false, ""},
        // A replacement that gives the same tag changes nothing.
        {m1, false, "1", "1", 0, "COM1", "Meter1", false, ""},
        {m1, true, nullptr, nullptr, 1, "COM2", "Meter1", false, ""},
        // A legacy device's new tag found among the target's G2 devices.
        {m1, true, "1", "2", 2, "COM2", "Meter2", true, ""},
        {m1, true, "1", "9", 1, "COM2", "Meter1", false,
         "\nThe serial device Meter9 specified by R is not in port COM2: retained device Meter1"},
        {m3, true, nullptr, nullptr, 0, "COM1", "Meter3", false,
         "\nThe serial device Meter3 specified by R is not in port COM2: retained port COM1"},
        {m3, true, "3", "4", 1, "COM1", "Meter4", false,
         "\nThe serial device Meter4 specified by R is not in port COM2: retained port COM1"},
        {m3, true, "3", "9", 0, "COM1", "Meter3", false,
         "\nThe serial device Meter9 specified by R is not in port COM2: retained device Meter3 in port COM1"},
        {nullptr, true, nullptr, nullptr, 1, "COM2", "", false, ""},
    };
    for (const step& s : steps) {
        source.set(port("COM1"), nullptr, s.from);
        gregisterBatchOptions options;
        if (s.movePort) {
            options.fromPort = port("COM1");
            options.toPort = port("COM2");
        }
        if (s.find) {
            options.devices.on = true;
            options.devices.find.assign(s.find);
            options.devices.replace.assign(s.replace);
        }
        gstr log("");
        EXPECT_EQ(source.resolveReferences(options, log, nullptr), s.result) << s.log;
        EXPECT_EQ(source.getPort()->getTag().view(), s.port);
        const gstr* device = source.getDevice()          ? &source.getDevice()->getName()
                             : source.getLegacyDevice() ? &source.getLegacyDevice()->getName()
                                                        : nullptr;
        EXPECT_EQ(device ? std::string(device->view()) : std::string(), s.device);
        EXPECT_EQ(source.getDevice() != nullptr, s.g2);
        EXPECT_EQ(log.view(), s.log);
        EXPECT_EQ(users(source.getPort()->usedBy()), "\nThe register R");
    }
}

} // namespace
