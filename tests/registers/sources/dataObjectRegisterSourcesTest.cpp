#include "../registerTestSupport.h"

#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "ports/gdevice.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/gregisterSupplement.h"
#include "registers/sources/gsourceDataObject.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <string>

namespace {

std::string fixture(const std::string& name)
{
    return std::string(KORVEL_TEST_DATA_DIR) + "/registers/sources/fixtures/" + name;
}

class dataObjectRegisters : public registerTest {
protected:
    void SetUp() override
    {
        registerTest::SetUp();
        ASSERT_EQ(loadObjectFile(gstrSlice(fixture("dataObjectRegisters.stn").c_str()), false, false),
                  gloadError::none)
            << messages.lastText();
    }

    recordingMessages messages;
};

// A register of every class reading a data object of a G2 device, with each
// of the six kinds; the device, its port, the driver, the objects and their
// parameters list the registers as users.
TEST_F(dataObjectRegisters, SaveByteForByte)
{
    EXPECT_TRUE(messages.messages.empty()) << messages.lastText();
    tempFolder folder;
    std::string out = folder.path("out.stn");
    ASSERT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
    EXPECT_EQ(fileBytes(out), fileBytes(fixture("dataObjectRegisters.stn")));

    g2driver* meter = station::g2Drivers().find("Meter");
    EXPECT_EQ(users(meter->dataObjects().find("Label")->usedBy(1)), "\nThe register S17\nThe register S18");
    EXPECT_EQ(users(meter->dataObjects().find("Mode")->parameters().find("Channel")->usedBy(2)),
              "\nThe register B12\nThe register D13");
    gserialPort* port = station::serialPorts().find("COM1");
    EXPECT_NE(users(port->usedBy()).find("The register A16"), std::string::npos);
    EXPECT_FALSE(meter->usedBy().isUnused());

    gregister* d13 = station::registers().find("D13");
    auto& digital = sourceAs<gsourceDataObjectDigital>(d13->getSupplement()->getSource());
    EXPECT_EQ(std::string(digital.getValueName(1).view()), "On");
    EXPECT_EQ(std::string(digital.part().describe().view()), "COM1 - M1 - Mode (Channel = 1)");
    auto& analog = sourceAs<gsourceDataObjectAnalog>(station::registers().find("A16")->getSupplement()->getSource());
    EXPECT_EQ(analog.getElementCount(), 3);
}

// Lines of each kind and what the loader answers.
TEST_F(dataObjectRegisters, LinesAndTheirAnswers)
{
    struct row {
        const char* body;
        int status;
    };
    const row rows[] = {
        {"SOURCE BISTATE\nDEVICE COM1, M1\nDRIVER Meter\nOBJECT Running\nEND\nEND\n", gload::accepted},
        {"SOURCE BISTATE\nDEVICE COM1, M1\nDEVICE COM1, M1\n", gload::alreadyLoaded},
        {"SOURCE BISTATE\nDEVICE COM1\n", gload::invalidValue},
        {"SOURCE BISTATE\nDEVICE COM1, M1\nDRIVER Meter\nOBJECT Secret\n", gload::invalidValue},
        {"SOURCE BISTATE\nDEVICE COM1, M1\nDRIVER Meter\nOBJECT Running\nOBJECT Running\n", gload::alreadyLoaded},
        {"SOURCE BISTATE\nDEVICE COM1, M1\nDRIVER Meter\nOBJECT Running\nEND\nINVERT MAYBE\n",
         gload::invalidValue},
        {"SOURCE BISTATE\nDEVICE COM1, M1\nEND\n", gload::incomplete},
        {"SOURCE BISTATE\nDEVICE COM1, M1\nDRIVER Other\nOBJECT Running\nEND\nEND\n", gload::incomplete},
        // An object of a kind the source does not read: Label is a string.
        {"SOURCE BISTATE\nDEVICE COM1, M1\nDRIVER Meter\nOBJECT Label\nEND\nEND\n", gload::incomplete},
        {"SOURCE G2D BIT MASK\nMASK 0, 3\n", gload::invalidValue},
        {"SOURCE G2D BIT MASK\nDEVICE COM1, M1\nDRIVER Meter\nOBJECT Mode\nEND\nEND\n", gload::incomplete},
        // A parameter of another kind than the object's leaves the part
        // incomplete at its own END.
        {"SOURCE G2D BIT MASK\nDEVICE COM1, M1\nDRIVER Meter\nOBJECT Mode\nPARAMETER Channel, ANALOG, 1\nEND\n",
         gload::incomplete},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.body);
        emptyAll();
        ASSERT_EQ(loadObjectFile(gstrSlice(fixture("dataObjectRegisters.stn").c_str()), false, false),
                  gloadError::none);
        std::string text("BISTATE_REG R\nLEVEL NONE\n");
        text.append(r.body);
        loadedRegister loaded = loadRegister(text);
        ASSERT_NE(loaded.reg, nullptr);
        EXPECT_EQ(loaded.last(), r.status);
    }
}

// A register read before its driver narrows the object it names to the
// kinds it reads; the object's own header of another kind is then refused.
// Read after the driver, the register itself is refused. Either way the
// station does not load, with the incomplete object's error.
TEST_F(dataObjectRegisters, ObjectsOfAnotherKindDoNotLoadInEitherOrder)
{
    const std::string driver = "G2DRIVER Meter\nOBJECT Label, STRING\nSOURCE PARAMETER\nEND\nEND\nEND\n";
    const std::string port = "PORT COM1\nDEVICE_PATH COM1\nSETTINGS 9600, 8, NONE, 1\nLINE_TERM CR\n"
                             "G2DEVICE M1\nDRIVER Meter\nEND\nEND\n";
    const std::string reg = "BISTATE_REG R\nLEVEL NONE\nSOURCE BISTATE\nDEVICE COM1, M1\nDRIVER Meter\n"
                            "OBJECT Label\nEND\nEND\nEND\n";
    tempFolder folder;
    std::string path = folder.path("kinds.stn");
    // An analog source reads digital or analog objects.
    const std::string analog = "ANALOG_REG A\nLEVEL NONE\nSOURCE ANALOG\nDEVICE COM1, M1\nDRIVER Meter\n"
                               "OBJECT Label\nEND\nEND\nEND\n";
    for (const std::string& text :
         {driver + port + reg, reg + port + driver, port + reg + driver, analog + port + driver}) {
        SCOPED_TRACE(text);
        emptyAll();
        putFile(path, text);
        EXPECT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), gloadError::incompleteObject);
    }
}

TEST_F(dataObjectRegisters, FactorOneAndOffsetZeroAreNotWritten)
{
    std::string text = "ANALOG_REG A\n\tLEVEL\t\tNONE\n\tSOURCE\t\tANALOG\n\t\tDEVICE\t\tCOM1, M1\n"
                       "\t\tDRIVER\t\tMeter\n\t\t\tOBJECT\t\tFlow\n\t\tEND\n";
    loadedRegister loaded = loadRegister(text + "\t\tFACTOR\t\t1\n\t\tOFFSET\t\t-0\n\tEND\nEND\n");
    ASSERT_NE(loaded.reg, nullptr);
    EXPECT_EQ(loaded.last(), gload::finished);
    EXPECT_EQ(writtenRegister(*loaded.reg), text + "\tEND\nEND\n");
}

// The batch tool's port, device and object changes: what is found is taken
// and counted, what is not is kept and explained.
TEST_F(dataObjectRegisters, RebindingFollowsPortDeviceAndObjectNames)
{
    gserialPort* com2 = station::serialPorts().define("COM2");
    gdevice* m2 = com2->addDeviceCopy(*com2->getDevice("M2"));
    m2->setDriver(station::g2Drivers().find("Meter"));
    gdevice* m1 = station::serialPorts().find("COM1")->devices().find("M1");
    auto& source = sourceAs<gsourceDataObjectDigital>(station::registers().find("D13")->getSupplement()->getSource());

    struct row {
        bool toCom2;
        const char* deviceFind;
        const char* deviceReplace;
        const char* objectFind;
        const char* objectReplace;
        int count;
        const char* log;
        gdevice* device;
        const char* object;
    };
    const row rows[] = {
        // The object renamed to another object of the driver: one change.
        {false, nullptr, nullptr, "Mode", "Flow", 1, "", m1, "Flow"},
        // Renamed to nothing: kept and explained.
        {false, nullptr, nullptr, "Mode", "Gone", 0,
         "\nThe serial object Gone specified by D13 is not in device M1: retained object Mode", m1, "Mode"},
        // A device name that names no device of the port.
        {false, "M1", "M9", nullptr, nullptr, 0,
         "\nThe serial device M9 specified by D13 is not in port COM1: retained device M1", m1, "Mode"},
        // A port without the device keeps the device in its own port.
        {true, nullptr, nullptr, nullptr, nullptr, 0,
         "\nThe serial device M1 specified by D13 is not in port COM2: retained port COM1", m1, "Mode"},
        // Port and device both changed and found: two changes.
        {true, "M1", "M2", nullptr, nullptr, 2, "", m2, "Mode"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.log);
        source.part().set(m1, station::g2Drivers().find("Meter")->dataObjects().find("Mode"),
                          source.part().reference().values());
        gregisterBatchOptions options;
        if (r.toCom2) {
            options.fromPort = station::serialPorts().find("COM1");
            options.toPort = com2;
        }
        if (r.deviceFind)
            options.devices = {true, r.deviceFind, r.deviceReplace, false, true};
        if (r.objectFind)
            options.serialObjects = {true, r.objectFind, r.objectReplace, false, true};
        gstr log("");
        EXPECT_EQ(source.resolveReferences(options, log, nullptr), r.count);
        EXPECT_EQ(std::string(log.view()), r.log);
        EXPECT_EQ(source.part().getDevice(), r.device);
        EXPECT_EQ(std::string(source.part().getDataObject()->getName().view()), r.object);
    }
}

} // namespace
