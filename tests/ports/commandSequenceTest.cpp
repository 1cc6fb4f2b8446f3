#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "portTestSupport.h"
#include "ports/g2driverErrorHandling.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequence.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyPoll.h"
#include "ports/gserialPort.h"
#include "store/gstation.h"

#include <string>

namespace {

class commandSequenceTest : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        port = station::serialPorts().define("COM1");
        pump = station::g2Drivers().define("Pump");
        ASSERT_EQ(feedLines(*pump, "COMMAND ReadFlow\nPARAMETER Channel, DIGITAL\nPARAMETER Mode, DIGITAL, 0, Off, 1, Fast\n"
                                   "PARAMETER Scale, ANALOG\nPARAMETER Run, BISTATE\nPARAMETER Name, STRING\n"
                                   "CR_TEMPLATE Set\nEND\nCOMMAND Start\nCR_TEMPLATE Set\nEND"),
                  gload::accepted);
        meter = station::legacyDrivers().define("Meter");
        ASSERT_EQ(feedLines(*meter, "COMMAND Read, R\nREPLY Ack, A"), gload::accepted);
        device = port->getDevice("P1");
        device->setDriver(pump);
    }
    // A fresh port of the same devices reads the polling sequence.
    gloadStatus pollingStatus(const std::string& lines)
    {
        gstr tag;
        port = station::serialPorts().define(tag.format("COM%d", ++ports));
        device = port->getDevice("P1");
        device->setDriver(pump);
        if (g2driver* other = station::g2Drivers().find("Other"))
            port->getDevice("Bound")->bindDriver(other);
        gstr none("");
        gloadStatus status = port->loadLine(kw::POLLING_SEQUENCE, none);
        if (status != gload::accepted)
            return status;
        return feedLines(*port, lines + "\nEND");
    }
    std::string pollingWritten() { return writtenBlock(port->pollingSequence()); }

    gserialPort* port = nullptr;
    g2driver* pump = nullptr;
    glegacyDriver* meter = nullptr;
    gdevice* device = nullptr;
    int ports = 1;
};

TEST_F(commandSequenceTest, PollingLinesReadAndWrittenBack)
{
    ASSERT_EQ(pollingStatus("POLL Meter, Read, 0\nPOLL Meter, Read, 3\n"
                            "COMMAND P1, Pump, ReadFlow\nPARAMETER Channel, DIGITAL, 2\nKEEP_WITH_NEXT 1\nEND\n"
                            "COMMAND P1, Pump, ReadFlow\nEND"),
              gload::accepted);
    // Two entries naming one command both stay.
    EXPECT_EQ(port->pollingSequence().count(), 4);
    EXPECT_EQ(pollingWritten(), "POLLING_SEQUENCE\n\tPOLL\t\tMeter, Read\n\tPOLL\t\tMeter, Read, 3\n"
                                "\tCOMMAND\t\tP1, Pump, ReadFlow\n\t\tPARAMETER\tChannel, DIGITAL, 2\n"
                                "\t\tKEEP_WITH_NEXT\t1\n\tEND\n\tCOMMAND\t\tP1, Pump, ReadFlow\n\tEND\nEND\n");
}

TEST_F(commandSequenceTest, RefusedLines)
{
    station::g2Drivers().define("Other");
    struct row {
        const char* lines;
        gloadStatus status;
    };
    const row rows[] = {
        {"COMMAND Bound, Pump, Start", gload::invalidValue},
        {"COMMAND P1, Pump", gload::invalidValue},
        {"COMMAND P1, Pump, Start, x", gload::invalidValue},
        {"COMMAND \"\", Pump, Start", gload::invalidValue},
        {"POLL Meter, Ack", gload::invalidValue},
        {"POLL Meter", gload::invalidValue},
        {"POLL Meter, Read, x", gload::invalidValue},
        {"POLL Meter, Read, 1, 2", gload::invalidValue},
        {"COMMAND P1, Pump, ReadFlow\nPARAMETER Channel, ANALOG, 1.5\nEND", gload::incomplete},
        {"COMMAND P1, Pump, ReadFlow\nPARAMETER Channel, DIGITAL, 1\nPARAMETER Channel, DIGITAL, 2",
         gload::alreadyLoaded},
        {"COMMAND P1, Pump, ReadFlow\nKEEP_WITH_NEXT -1", gload::invalidValue},
        {"COMMAND P1, Pump, ReadFlow\nKEEP_WITH_NEXT 1\nKEEP_WITH_NEXT 1", gload::alreadyLoaded},
        {"STRANGE 1", gload::unknownKeyword},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.lines);
        EXPECT_EQ(pollingStatus(r.lines), r.status);
    }
    // A block without entries is incomplete.
    EXPECT_EQ(pollingStatus(""), gload::incomplete);
    // A POLL line that failed leaves no entry behind.
    port->pollingSequence().clear();
    gstr value("Meter, Ack");
    EXPECT_EQ(port->pollingSequence().loadLine(kw::POLL, value), gload::invalidValue);
    EXPECT_TRUE(port->pollingSequence().isEmpty());
}

TEST_F(commandSequenceTest, DriverSequenceRequestsNameOnlyTheCommand)
{
    EXPECT_EQ(feedLines(pump->reinitSequence(), "COMMAND Start\nKEEP_WITH_NEXT 1"), gload::unknownKeyword);
    gcommandSequence& first = pump->firstTimeSequence();
    ASSERT_EQ(feedLines(first, "COMMAND ReadFlow\nPARAMETER Channel, DIGITAL, 4\nEND\nPOLL Meter, Read"),
              gload::unknownKeyword);
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(writtenBlock(first), "INIT_SEQUENCE\tFIRST TIME\n\tCOMMAND\t\tReadFlow\n\t\tPARAMETER\tChannel, "
                                   "DIGITAL, 4\n\tEND\nEND\n");
}

TEST_F(commandSequenceTest, Descriptions)
{
    ASSERT_EQ(pollingStatus("COMMAND P1, Pump, ReadFlow\nPARAMETER Channel, DIGITAL, 3\nPARAMETER Mode, DIGITAL, 1\n"
                            "PARAMETER Scale, ANALOG, 0.25\nPARAMETER Run, BISTATE, ON\nPARAMETER Name, STRING, \"a\\tb\"\n"
                            "END\nPOLL Meter, Read"),
              gload::accepted);
    const gcommandSequenceEntry* request = port->pollingSequence().first();
    gstr text("");
    request->describe(text, true);
    EXPECT_EQ(text.view(), "P1 - ReadFlow (Channel = 3, Mode = Fast, Scale = 0.25, Run = on, Name = \"a\\tb\")");
    text.assign("");
    request->describe(text, false);
    EXPECT_EQ(text.view(), "ReadFlow (Channel = 3, Mode = Fast, Scale = 0.25, Run = on, Name = \"a\\tb\")");
    text.assign("");
    request->getNext()->describe(text, true);
    EXPECT_EQ(text.view(), "Meter - Read");
    meter->setTitle("Meter unit");
    EXPECT_EQ(request->getNext()->getDeviceDisplayName().view(), "Meter unit");
    EXPECT_EQ(request->getDeviceDisplayName().view(), "");
}

TEST_F(commandSequenceTest, SequencesDescribeThemselvesAsUsers)
{
    glegacyDevice* legacy = port->getLegacyDevice("Meter");
    gcommandSequence loose(gcommandSequence::deviceInit, kw::COMMON);
    gcommandSequence working(gcommandSequence::polling, kw::NONE);
    gstr text("");
    for (const gcommandSequence* s : {&working, &loose, &device->commonSequence(), &legacy->initSequence(),
                                      &port->pollingSequence(), &pump->reinitSequence()}) {
        s->describeReferrer(text);
        text.append('|');
    }
    loose.setOwner(nullptr, device);
    loose.describeReferrer(text);
    EXPECT_EQ(text.view(), "The polling sequence|The initialization sequence|"
                           "The initialization sequence of device P1 in serial port COM1|"
                           "The initialization sequence of legacy device Meter in serial port COM1|"
                           "The polling sequence of serial port COM1|The initialization sequence|"
                           "The initialization sequence of device P1");
}

TEST_F(commandSequenceTest, CopiesFollowTheTablesTheyAreGiven)
{
    ASSERT_EQ(pollingStatus("COMMAND P1, Pump, ReadFlow\nPARAMETER Channel, DIGITAL, 3\nEND\nPOLL Meter, Read, 2"),
              gload::accepted);
    gserialPort other;
    gcommandSequence copy(gcommandSequence::polling, kw::NONE);
    copy.copy(port->pollingSequence(), other.devices(), other.legacyDevices());
    ASSERT_EQ(copy.count(), 2);
    EXPECT_EQ(copy.first()->getDevice(), other.devices().find("P1"));
    EXPECT_EQ(copy.first()->getCommand(), pump->commands().find("ReadFlow"));
    EXPECT_EQ(copy.first()->getRequest()->values().find("Channel")->getNumber(), 3u);
    EXPECT_EQ(copy.last()->getLegacyDevice(), other.legacyDevices().find("Meter"));
    EXPECT_EQ(copy.last()->getKeepWithNext(), 2);

    // Taking over moves the entries; the source is left empty.
    gcommandSequence target(gcommandSequence::polling, kw::NONE);
    target.takeOver(copy);
    EXPECT_EQ(target.count(), 2);
    EXPECT_TRUE(copy.isEmpty());
    // Set to a port, the entries' devices become that port's.
    target.setOwner(port, static_cast<gdevice*>(nullptr));
    EXPECT_EQ(target.first()->getDevice(), device);
    EXPECT_EQ(target.last()->getLegacyDevice(), port->legacyDevices().find("Meter"));

    // A driver sequence copied into another driver's commands.
    g2driver* clone = station::g2Drivers().define("Clone");
    ASSERT_EQ(feedLines(*clone, "COMMAND Start\nCR_TEMPLATE Set\nEND"), gload::accepted);
    ASSERT_EQ(feedLines(pump->firstTimeSequence(), "COMMAND Start\nEND\nCOMMAND ReadFlow\nEND\nEND"),
              gload::finished);
    clone->firstTimeSequence().copyDriverSequence(pump->firstTimeSequence(), clone->commands());
    ASSERT_EQ(clone->firstTimeSequence().count(), 2);
    EXPECT_EQ(clone->firstTimeSequence().first()->getCommand(), clone->commands().find("Start"));
    EXPECT_EQ(clone->firstTimeSequence().last()->getCommand(), nullptr);
}

TEST_F(commandSequenceTest, EntriesForAnotherDevice)
{
    ASSERT_EQ(pollingStatus("COMMAND P1, Pump, ReadFlow\nEND\nPOLL Meter, Read, 1"), gload::accepted);
    const gcommandSequenceEntry* request = port->pollingSequence().first();
    const gcommandSequenceEntry* poll = port->pollingSequence().last();

    gdevice* p2 = port->getDevice("P2");
    std::unique_ptr<gcommandSequenceEntry> forP2(request->copyForDevice(gdeviceRef(p2)));
    ASSERT_NE(forP2, nullptr);
    EXPECT_EQ(forP2->getDevice(), p2);
    EXPECT_EQ(forP2->getCommand(), request->getCommand());

    glegacyDriver* gauge = station::legacyDrivers().define("Gauge");
    ASSERT_EQ(feedLines(*gauge, "COMMAND Write, W"), gload::accepted);
    glegacyDevice* gaugeDevice = port->getLegacyDevice("Gauge");
    EXPECT_EQ(poll->copyForDevice(gdeviceRef(gaugeDevice)), nullptr);
    ASSERT_EQ(feedLines(*gauge, "COMMAND Read, R2"), gload::accepted);
    std::unique_ptr<gcommandSequenceEntry> forGauge(poll->copyForDevice(gdeviceRef(gaugeDevice)));
    ASSERT_NE(forGauge, nullptr);
    EXPECT_EQ(forGauge->getLegacyCommand(), gauge->commands().find("Read"));
    EXPECT_EQ(forGauge->getKeepWithNext(), 1);
    EXPECT_TRUE(forGauge->matches(gdeviceRef(gaugeDevice)));
    EXPECT_FALSE(forGauge->matches(gdeviceRef(p2)));
}

TEST_F(commandSequenceTest, PollFollowsADriverChange)
{
    glegacyDevice* legacy = port->getLegacyDevice("Meter");
    glegacyPoll poll;
    ASSERT_EQ(poll.parse(*port, "Meter, Read"), 1);
    EXPECT_TRUE(poll.rebindDriver(*meter, nullptr));
    EXPECT_EQ(poll.getDevice(), legacy);

    glegacyDriver* gauge = station::legacyDrivers().define("Gauge");
    ASSERT_EQ(feedLines(*gauge, "COMMAND Read, R\nREPLY Ack, A"), gload::accepted);
    EXPECT_TRUE(poll.rebindDriver(*gauge, legacy));
    EXPECT_EQ(poll.getDevice(), nullptr);
    EXPECT_EQ(poll.getCommand(), gauge->commands().find("Read"));

    glegacyPoll reply;
    reply.setCommand(meter->commands().find("Ack"));
    reply.setDevice(legacy);
    EXPECT_FALSE(reply.rebindDriver(*gauge, legacy));
}

TEST_F(commandSequenceTest, EntryPayloadSwitches)
{
    gcommandSequenceEntry entry(new gcommandRequest());
    gcommandRequest* request = &entry.useRequest();
    EXPECT_EQ(&entry.useRequest(), request);
    entry.useLegacyPoll().setKeepWithNext(2);
    EXPECT_EQ(entry.getRequest(), nullptr);
    EXPECT_EQ(entry.getKeepWithNext(), 2);
    entry.useRequest();
    EXPECT_EQ(entry.getLegacyPoll(), nullptr);
    EXPECT_EQ(entry.getKeepWithNext(), -1);
}

class errorHandlingTest : public commandSequenceTest {
protected:
    gloadStatus status(const char* header, const std::string& lines)
    {
        emptyAll();
        g2driver* driver = station::g2Drivers().define("D");
        std::string text = std::string("ERROR_CODE Code, NUMERICAL VALUE\nERROR_CODE Text, STRING VALUE\nERROR_HANDLING ")
                           + header + "\n" + lines + "\nEND";
        return feedLines(*driver, text);
    }
};

TEST_F(errorHandlingTest, Rules)
{
    struct row {
        const char* header;
        const char* lines;
        gloadStatus status;
    };
    const row rows[] = {
        {"", "IGNORE_ERRORS DEFAULT\nREINIT_ERRORS NONE\nRETRY_ERRORS NONE", gload::accepted},
        {"", "IGNORE_ERRORS DEFAULT\nREINIT_ERRORS DEFAULT\nRETRY_ERRORS NONE", gload::incomplete},
        {"", "IGNORE_ERRORS DEFAULT\nREINIT_ERRORS NONE", gload::incomplete},
        {"", "IGNORE_ERRORS DEFAULT\nREINIT_ERRORS NONE\nRETRY_ERRORS NONE\nRETRIES 3", gload::incomplete},
        {"", "IGNORE_ERRORS NONE\nREINIT_ERRORS NONE\nRETRY_ERRORS DEFAULT\nRETRIES 1", gload::invalidValue},
        {"", "IGNORE_ERRORS VALUES, 1", gload::invalidValue},
        {"", "IGNORE_ERRORS DEFAULT\nIGNORE_ERRORS NONE", gload::alreadyLoaded},
        {"", "IGNORE_ERRORS DEFAULT, 1", gload::invalidValue},
        {"Code, NUMERICAL VALUE", "IGNORE_ERRORS VALUES, 1, 2\nREINIT_ERRORS NONE\nRETRY_ERRORS DEFAULT\nDELAY 0.5\n"
                                  "RETRIES 2",
         gload::accepted},
        {"Code, NUMERICAL VALUE", "IGNORE_ERRORS VALUES, x", gload::invalidValue},
        {"Text, STRING VALUE", "IGNORE_ERRORS VALUES, E#+\nREINIT_ERRORS NONE\nRETRY_ERRORS DEFAULT", gload::accepted},
        {"Text, NUMERICAL VALUE", "", gload::invalidValue},
        {"Text", "", gload::invalidValue},
        {"E1, YES", "IGNORE_ERRORS DEFAULT\nREINIT_ERRORS NONE\nRETRY_ERRORS NONE", gload::invalidValue},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(std::string(r.header) + " / " + r.lines);
        EXPECT_EQ(status(r.header, r.lines), r.status);
    }
    // A kind keyword that is neither kind makes no error code of unset kind.
    EXPECT_EQ(station::g2Drivers().find("D")->errorCodes().find("E1"), nullptr);
}

TEST_F(errorHandlingTest, WrittenWhenItSaysMoreThanTheDefault)
{
    ASSERT_EQ(status("Text, STRING VALUE", "IGNORE_ERRORS VALUES, \"E,1\"\nREINIT_ERRORS NONE\nRETRY_ERRORS DEFAULT"),
              gload::accepted);
    g2driverErrorHandling& handling = station::g2Drivers().find("D")->errorHandling();
    EXPECT_TRUE(handling.isWritten());
    // Retries other than NONE get a delay of 0.
    EXPECT_EQ(writtenBlock(handling), "ERROR_HANDLING\tText, STRING VALUE\n\tIGNORE_ERRORS\tVALUES, \"E,1\"\n"
                                      "\tREINIT_ERRORS\tNONE\n\tRETRY_ERRORS\tDEFAULT\n\tDELAY\t\t0\nEND\n");
    ASSERT_EQ(status("", "IGNORE_ERRORS DEFAULT\nREINIT_ERRORS NONE\nRETRY_ERRORS NONE"), gload::accepted);
    EXPECT_FALSE(station::g2Drivers().find("D")->errorHandling().isWritten());
}

} // namespace
