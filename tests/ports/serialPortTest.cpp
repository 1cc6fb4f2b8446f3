#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "portTestSupport.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "store/gstation.h"
#include "store/gstationState.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <string>
#include <vector>

namespace {

class serialPortTest : public emptyStation {
protected:
    int load(const std::string& path) { return loadObjectFile(gstrSlice(path.c_str()), false, false); }
    std::string saved()
    {
        std::string out = folder.path("out.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
        return fileBytes(out);
    }
    // A port of the station read from the lines up to its END.
    gloadStatus portStatus(const std::string& lines)
    {
        emptyAll();
        gserialPort* port = station::serialPorts().define("P");
        return feedLines(*port, lines + "\nEND");
    }

    tempFolder folder;
    recordingMessages messages;
};

const std::string complete = "DEVICE_PATH COM1\nSETTINGS 9600, 8, NONE, 1\nLINE_TERM CR";

TEST_F(serialPortTest, StationWithPortsDevicesSequencesAndPollsSavesAsLoaded)
{
    ASSERT_EQ(load(portFixture("plant.stn")), gloadError::none) << messages.lastText();
    EXPECT_EQ(stationState().modified, 0);
    std::string first = saved();
    EXPECT_EQ(first, fileBytes(portFixture("plant.expected.stn")));

    emptyAll();
    ASSERT_EQ(load(portFixture("plant.expected.stn")), gloadError::none);
    EXPECT_EQ(saved(), first);

    gserialPort* north = station::serialPorts().find("North");
    ASSERT_NE(north, nullptr);
    EXPECT_EQ(north->getLinkedPort(), station::serialPorts().find("South"));
    std::vector<std::string> order;
    for (const gdeviceRef* ref = north->firstDevice(); ref; ref = ref->getNext())
        order.emplace_back(ref->getDisplayName().view());
    EXPECT_EQ(order, (std::vector<std::string>{"Pump one", "Meter 12", "P 2"}));

    // The sequences are linked to what they send and to whom.
    g2driver* pump = station::g2Drivers().find("Pump");
    gstr users("");
    pump->commands().find("ReadFlow")->usedBy().describeUsers(users);
    EXPECT_EQ(users.view(), "\nThe initialization sequence of device Pump one in serial port North line"
                            "\nThe polling sequence of serial port North line");
    gstr deviceUsers("");
    north->devices().find("P 2")->describeUsers(deviceUsers);
    EXPECT_EQ(deviceUsers.view(), "\nThe polling sequence of serial port North line");
    gstr driverUsers("");
    pump->usedBy().describeUsers(driverUsers);
    EXPECT_EQ(driverUsers.view(), "\nThe device Pump one in serial port North line\nThe device P 2 in serial port North line");
}

TEST_F(serialPortTest, OlderFormIsReadAndSavedInTheCurrentOne)
{
    ASSERT_EQ(load(portFixture("olderForm.stn")), gloadError::none) << messages.lastText();
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(saved(), fileBytes(portFixture("olderForm.expected.stn")));
    glegacyDevice* meter = station::serialPorts().find("West")->legacyDevices().find("Meter");
    ASSERT_NE(meter, nullptr);
    EXPECT_TRUE(meter->isDefined());
    EXPECT_EQ(meter->getDriver(), station::legacyDrivers().find("Meter"));
    ASSERT_EQ(meter->initSequence().count(), 1);
    EXPECT_EQ(meter->initSequence().first()->getKeepWithNext(), 3);
}

TEST_F(serialPortTest, OlderLinesMarkTheStationModified)
{
    for (const char* line : {"OK_LOG_STR \"fine\"", "TIMEOUT_LOG_STR x, y", "INIT_ON_TIMEOUT whatever"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(portStatus(complete + "\n" + line), gload::finished);
        EXPECT_EQ(stationState().modified, 1);
    }
    EXPECT_EQ(portStatus(complete + "\nDRIVER \"\""), gload::invalidValue);
    EXPECT_EQ(stationState().modified, 0);
}

TEST_F(serialPortTest, SettingsLine)
{
    struct row {
        const char* value;
        gloadStatus status;
    };
    const row rows[] = {
        {"9600, 8, NONE, 1", gload::finished},    {"921600, 7, ODD, 2", gload::finished},
        {"300, 8, even, 1", gload::finished},     {"600, 8, NONE, 1", gload::invalidValue},
        {"9600, 9, NONE, 1", gload::invalidValue}, {"9600, 8, MARK, 1", gload::invalidValue},
        {"9600, 8, NONE, 3", gload::invalidValue}, {"9600, 8, NONE", gload::invalidValue},
        {"9600, 8, NONE, 1, 1", gload::invalidValue},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(portStatus(std::string("DEVICE_PATH COM1\nLINE_TERM CR\nSETTINGS ") + r.value), r.status);
    }
    // A failed line with a valid rate still counts as given.
    emptyAll();
    gserialPort* port = station::serialPorts().define("P");
    EXPECT_EQ(feedLines(*port, "SETTINGS 9600, 9, NONE, 1"), gload::invalidValue);
    EXPECT_EQ(feedLines(*port, "SETTINGS 9600, 8, NONE, 1"), gload::alreadyLoaded);
}

TEST_F(serialPortTest, KeywordFieldsAndTwiceGivenFields)
{
    struct row {
        const char* lines;
        gloadStatus status;
    };
    const row rows[] = {
        {"FLOW_CONTROL DTR/DSR", gload::finished},
        {"FLOW_CONTROL RTS", gload::invalidValue},
        {"FLOW_CONTROL XON/XOFF\nFLOW_CONTROL XON/XOFF", gload::alreadyLoaded},
        {"LINE_TERM LF", gload::alreadyLoaded},
        {"DEVICE_PATH COM2", gload::alreadyLoaded},
        {"DELAY 0.5\nDELAY 1", gload::alreadyLoaded},
        {"DELAY -1", gload::invalidValue},
        {"WAIT_FOR_DATA NO\nWAIT_FOR_DATA NO", gload::alreadyLoaded},
        {"MESSAGE_CONTROL x", gload::invalidValue},
        {"POLLING_SEQUENCE x", gload::invalidValue},
        {"PORT Q\nPORT Q", gload::alreadyLoaded},
        {"G2DEVICE \"\"", gload::invalidValue},
        {"NO_SUCH_FIELD 1", gload::unknownKeyword},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        EXPECT_EQ(portStatus(complete + "\n" + r.lines), r.status);
    }
    EXPECT_EQ(portStatus("DEVICE_PATH \"\""), gload::invalidValue);
}

TEST_F(serialPortTest, Completeness)
{
    struct row {
        std::string lines;
        gloadStatus status;
    };
    const std::string message = "MESSAGE_CONTROL\nPROGRAM OnMessage\nEND";
    const std::string poll = "POLLING_SEQUENCE\nCOMMAND D, G, C\nEND\nEND";
    const std::string device = "G2DEVICE D\nDRIVER G\n";
    const row rows[] = {
        {"DEVICE_PATH COM1\nSETTINGS 9600, 8, NONE, 1", gload::incomplete},
        {"DEVICE_PATH COM1\nLINE_TERM CR", gload::incomplete},
        {"SETTINGS 9600, 8, NONE, 1\nLINE_TERM CR", gload::incomplete},
        {complete, gload::finished},
        {complete + "\n" + message, gload::incomplete},
        {complete + "\nWAIT_FOR_DATA NO\n" + message, gload::incomplete},
        {complete + "\nWAIT_FOR_DATA YES\n" + message, gload::finished},
        {complete + "\n" + device + message + "\nEND", gload::incomplete},
        {complete + "\nWAIT_FOR_DATA YES\n" + device + "END\n" + poll, gload::incomplete},
        {complete + "\nWAIT_FOR_DATA NO\n" + device + "END\n" + poll, gload::finished},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        EXPECT_EQ(portStatus(r.lines), r.status);
    }
}

TEST_F(serialPortTest, DefaultsAfterLoading)
{
    ASSERT_EQ(portStatus(complete), gload::finished);
    gserialPort* port = station::serialPorts().find("P");
    EXPECT_EQ(port->getMinimumDelay(), gmilliseconds(0));
    EXPECT_EQ(port->getWaitForData(), 0);
    EXPECT_EQ(port->getFlowControl(), gserialPort::flowNone);
    EXPECT_EQ(writtenBlock(*port), "PORT P\n\tDEVICE_PATH\tCOM1\n\tSETTINGS\t9600, 8, NONE, 1\n\tLINE_TERM\tCR\n"
                                   "\tDELAY\t\t0\nEND\n");
}

TEST_F(serialPortTest, DevicesOfAPort)
{
    ASSERT_EQ(portStatus(complete + "\nG2DEVICE D\nDRIVER G\nEND\nG2DEVICE D"), gload::invalidValue);
    // A legacy device named by the older DRIVER line is complete on its own.
    ASSERT_EQ(portStatus(complete + "\nDRIVER X"), gload::finished);
    gserialPort* port = station::serialPorts().find("P");
    glegacyDevice* x = port->legacyDevices().find("X");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->getDriver(), station::legacyDrivers().find("X"));
    EXPECT_EQ(writtenBlock(*port).find("\tDEVICE\t\tX\n\tEND\n") != std::string::npos, true);
    EXPECT_EQ(portStatus(complete + "\nDEVICE X\nEND\nDRIVER X"), gload::invalidValue);
}

TEST_F(serialPortTest, UndefinedDevicesAreListed)
{
    ASSERT_EQ(portStatus("TITLE Main\n" + complete + "\nPOLLING_SEQUENCE\nCOMMAND D, G, C\nEND\nPOLL L, R\nEND"),
              gload::finished);
    gstr text("");
    station::serialPorts().find("P")->listUndefinedReferences(text);
    EXPECT_EQ(text.view(), "\n device in serial port Main: \"D\"\n legacy device in serial port Main: \"L\"");
}

TEST_F(serialPortTest, DeviceListIsRebuiltFromWorkingCopies)
{
    ASSERT_EQ(portStatus(complete + "\nG2DEVICE A\nDRIVER G\nEND\nG2DEVICE B\nDRIVER G\nEND\nDEVICE L\nEND\n"
                                    "POLLING_SEQUENCE\nCOMMAND A, G, C\nEND\nEND"),
              gload::finished);
    gserialPort* port = station::serialPorts().find("P");
    gdevice* a = port->devices().find("A");

    // A dialog's working list: B dropped, A kept, a new C.
    gserialPort working;
    gdevice copyA;
    copyA.setName("A");
    copyA.copy(*a, working.devices(), working.legacyDevices(), true);
    gdevice newC;
    newC.setName("C");
    newC.setDriver(station::g2Drivers().find("G"));
    port->clearDevices();
    EXPECT_EQ(port->firstDevice(), nullptr);
    EXPECT_FALSE(a->isDefined());
    EXPECT_EQ(port->addDeviceCopy(copyA), a);
    port->addDeviceCopy(newC);
    port->purgeUndefinedDevices();

    std::vector<std::string> names;
    for (const gdeviceRef* ref = port->firstDevice(); ref; ref = ref->getNext())
        names.emplace_back(ref->getName().view());
    EXPECT_EQ(names, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(port->devices().count(), 2);
    EXPECT_EQ(port->legacyDevices().count(), 0);
    EXPECT_TRUE(a->isDefined());
    EXPECT_EQ(a->getPort(), port);
    // The polling sequence still names the same device object.
    EXPECT_EQ(port->pollingSequence().first()->getDevice(), a);
}

TEST_F(serialPortTest, UsedByDescription)
{
    gserialPort* port = station::serialPorts().define("COM1");
    gstr text("");
    port->describeReferrer(text);
    EXPECT_EQ(text.view(), "The serial port COM1");
    port->setTitle("North");
    text.assign("");
    port->pollingSequence().describeReferrer(text);
    EXPECT_EQ(text.view(), "The polling sequence of serial port North");
}

} // namespace
