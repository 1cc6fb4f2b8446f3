#include "g2driver/model/g2driver.h"
#include "portTestSupport.h"
#include "ports/g2serialTransaction.h"
#include "ports/gcommandRequest.h"
#include "ports/gdevice.h"
#include "ports/gexchangeResult.h"
#include "ports/gnamedValue.h"
#include "ports/gserialPort.h"
#include "ptyDevice.h"
#include "responseElements.h"
#include "store/gstation.h"
#include "support/model/manualClock.h"

#include <string>

namespace {

using matcher = g2responseMatcher;

// A clock that moves one millisecond each time it is read: however fast
// bytes come, every deadline is reached.
class steppingClock : public gclock {
public:
    steppingClock() { installClock(this); }
    ~steppingClock() override { installClock(nullptr); }
    uint32_t tickCount() override { return ++now_; }
    void sleep(uint32_t milliseconds) override { now_ += milliseconds; }

private:
    uint32_t now_ = 0;
};

class serialTransactionTest : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        driver = station::g2Drivers().define("Pump");
        shape = driver->referenceTemplate("Query");
        shape->setBufferSize(16);
        shape->setTime(gmilliseconds(500));
        command = driver->referenceCommand("Read");
        command->setTemplate(shape);
        request.setCommand(command);
    }
    int feed(g2serialTransaction& t, const std::string& bytes)
    {
        int result = gexchangeResult::timedOut;
        for (char c : bytes) {
            result = t.receiveByte(c);
            if (result != gexchangeResult::timedOut)
                break;
        }
        return result;
    }
    static std::string window(const g2serialTransaction& t) { return std::string(t.windowStart(), t.windowUsed()); }

    g2driver* driver = nullptr;
    g2driverCommandTemplate* shape = nullptr;
    g2driverCommand* command = nullptr;
    gcommandRequest request;
};

TEST_F(serialTransactionTest, ValidResponseWithDecodedValues)
{
    shape->responses().append(new patternElement("OK"));
    shape->responses().append(new numberElement("flow", 3));
    shape->responses().append(new patternElement("\r"));
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(t.getWindowSize(), 16);
    EXPECT_EQ(feed(t, "noiseOK04"), gexchangeResult::timedOut);
    EXPECT_EQ(feed(t, "2\r"), gexchangeResult::valid);
    const matcher& m = *t.currentMatcher();
    EXPECT_EQ(&m, t.responseMatcher());
    EXPECT_EQ(m.position(0), 5);
    EXPECT_EQ(m.position(1), 7);
    EXPECT_EQ(m.position(2), 10);
    EXPECT_EQ(m.position(3), 11);
    auto* flow = static_cast<gnamedValue*>(m.values().find("flow"));
    ASSERT_NE(flow, nullptr);
    EXPECT_EQ(flow->getNumber(), 42u);
    EXPECT_EQ(m.label(0).view(), "OK");
    EXPECT_EQ(m.label(1).view(), "flow");
}

TEST_F(serialTransactionTest, WindowDropsItsOldestBytesAndCandidatesFollow)
{
    shape->setBufferSize(8);
    shape->responses().append(new patternElement("AB"));
    shape->responses().append(new numberElement("n", 4));
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(feed(t, "xxxxxxAB123"), gexchangeResult::timedOut);
    EXPECT_EQ(t.responseMatcher()->position(0), 3);
    EXPECT_EQ(feed(t, "4"), gexchangeResult::valid);
    EXPECT_EQ(window(t), "xxAB1234");
    const matcher& m = *t.responseMatcher();
    EXPECT_EQ(m.position(0), 2);
    EXPECT_EQ(m.position(1), 4);
    EXPECT_EQ(m.position(2), 8);
}

TEST_F(serialTransactionTest, FirstElementNeverFound)
{
    shape->responses().append(new patternElement("OK"));
    shape->responses().append(new patternElement("#+"));
    shape->responses().append(new numberElement("n", 2));
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(feed(t, "garbage"), gexchangeResult::timedOut);
    EXPECT_EQ(t.finish(), gexchangeResult::timedOut);
    const matcher& m = *t.currentMatcher();
    EXPECT_EQ(&m, t.responseMatcher());
    EXPECT_EQ(m.position(0), 0);
    EXPECT_EQ(m.position(1), matcher::notFound);
    EXPECT_EQ(m.position(2), matcher::skipped);
    EXPECT_EQ(m.position(3), matcher::skipped);

    // With nothing received at all the first element shows "<not found>" too.
    g2serialTransaction silent(request, nullptr);
    EXPECT_EQ(silent.finish(), gexchangeResult::timedOut);
    EXPECT_EQ(silent.currentMatcher()->position(1), matcher::notFound);
}

TEST_F(serialTransactionTest, ResponseThatGotFurtherIsShownAtTheDeadline)
{
    shape->responses().append(new patternElement("OK"));
    shape->responses().append(new numberElement("n", 2));
    shape->errors().append(new patternElement("ER"));
    shape->errors().append(new numberElement("e", 2));
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(feed(t, "OK1.ER3"), gexchangeResult::timedOut);
    EXPECT_EQ(t.finish(), gexchangeResult::timedOut);
    EXPECT_EQ(t.currentMatcher(), t.errorMatcher());
    g2serialTransaction u(request, nullptr);
    EXPECT_EQ(feed(u, "ER3.OK1"), gexchangeResult::timedOut);
    EXPECT_EQ(u.finish(), gexchangeResult::timedOut);
    EXPECT_EQ(u.currentMatcher(), u.responseMatcher());
}

TEST_F(serialTransactionTest, WindowWithoutResponseElementsReadsUntilTheDeadline)
{
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(feed(t, "anything at all"), gexchangeResult::timedOut);
    EXPECT_EQ(t.finish(), gexchangeResult::sent);
}

TEST_F(serialTransactionTest, ErrorElementsAreTestedFirst)
{
    shape->responses().append(new patternElement("#"));
    shape->errors().append(new patternElement("1"));
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(feed(t, "1"), gexchangeResult::error);
    EXPECT_EQ(t.currentMatcher(), t.errorMatcher());
}

TEST_F(serialTransactionTest, ErrorCodeReplacesTheDefaultAndValuesAreListedByName)
{
    shape->defaultValues().insert(new gnamedValue("code", 0u));
    shape->defaultValues().insert(new gnamedValue("unit", "V\t1"));
    shape->defaultValues().insert(new gnamedValue("Zeta", 4294967295u));
    shape->errors().append(new patternElement("E"));
    shape->errors().append(new errorCodeElement("code"));
    g2serialTransaction t(request, nullptr);
    gstr text("");
    t.describeValues(text);
    EXPECT_EQ(text.view(), " (Zeta = 4294967295, code = 0, unit = \"V\\t1\")");
    EXPECT_EQ(feed(t, "E\xff"), gexchangeResult::error);
    text.assign("");
    t.describeValues(text);
    EXPECT_EQ(text.view(), " (Zeta = 4294967295, code = 255, unit = \"V\\t1\")");
    // The template's own values are not touched.
    EXPECT_EQ(static_cast<gnamedValue*>(shape->defaultValues().find("code"))->getNumber(), 0u);

    shape->defaultValues().deleteAll();
    g2serialTransaction empty(request, nullptr);
    text.assign("");
    empty.describeValues(text);
    EXPECT_TRUE(text.isEmpty());
}

TEST_F(serialTransactionTest, SecondValueOfOneNameIsABadElement)
{
    shape->responses().append(new numberElement("n", 1));
    shape->responses().append(new numberElement("n", 1));
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(feed(t, "12"), gexchangeResult::timedOut);
    EXPECT_EQ(t.finish(), gexchangeResult::timedOut);
    EXPECT_EQ(t.currentMatcher()->position(2), matcher::badElement);
    // Setting a name twice outside the matching is the fault it always was.
    EXPECT_THROW(
        {
            t.setValue("m", 1u);
            t.setValue("m", "x");
        },
        gfault);
}

TEST_F(serialTransactionTest, ConditionsThatDoNotHoldSkipTheirElements)
{
    shape->responses().append(new numberElement("a", 1));
    shape->responses().append(new patternElement("X", "b"));
    shape->responses().append(new patternElement("Y", "a"));
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(feed(t, "5Y"), gexchangeResult::valid);
    EXPECT_EQ(t.currentMatcher()->position(2), matcher::skipped);
    EXPECT_EQ(t.currentMatcher()->position(3), 2);
}

TEST_F(serialTransactionTest, WindowSizeAndTimeout)
{
    EXPECT_EQ(g2serialTransaction(request, nullptr).getTimeout(), gmilliseconds(500));
    command->setTimeout(gmilliseconds(2500));
    command->setBufferSize(1000000);
    g2serialTransaction big(request, nullptr);
    EXPECT_EQ(big.getTimeout(), gmilliseconds(2500));
    EXPECT_EQ(big.getWindowSize(), g2serialTransaction::maxWindowSize);

    // No response expected: nothing is matched.
    command->setBufferSize(0);
    shape->setBufferSize(0);
    shape->responses().append(new patternElement("OK"));
    g2serialTransaction none(request, nullptr);
    EXPECT_EQ(none.getWindowSize(), 0);
    EXPECT_EQ(none.responseMatcher(), nullptr);
    EXPECT_EQ(none.receiveByte('O'), gexchangeResult::timedOut);
    EXPECT_EQ(none.finish(), gexchangeResult::timedOut);

    // A request without a command builds nothing and reads nothing.
    gcommandRequest bare;
    g2serialTransaction nothing(bare, nullptr);
    EXPECT_EQ(nothing.getWindowSize(), 0);
    EXPECT_EQ(nothing.finish(), gexchangeResult::sent);
}

TEST_F(serialTransactionTest, DriverSequenceRequestTakesTheGivenDevice)
{
    gserialPort* port = station::serialPorts().define("COM1");
    gdevice* device = port->getDevice("P1");
    g2serialTransaction forDevice(request, device);
    EXPECT_EQ(forDevice.getDevice(), device);
    EXPECT_EQ(forDevice.getDriver(), driver);
    gcommandRequest addressed;
    addressed.setCommand(command);
    addressed.setDevice(port->getDevice("P2"));
    EXPECT_EQ(g2serialTransaction(addressed, device).getDevice(), addressed.getDevice());
}

// --- the exchange on a line ---

class lineExchangeTest : public serialTransactionTest {
protected:
    void SetUp() override
    {
        serialTransactionTest::SetUp();
        shape->responses().append(new patternElement("OK"));
        shape->responses().append(new numberElement("flow", 2));
        shape->responses().append(new patternElement("\r"));
        port = station::serialPorts().define("COM1");
        port->setDevicePath(gstrSlice(device.path().c_str()));
        port->setSettings(9600, 8, gserialPort::parityNone, 1);
        ASSERT_TRUE(port->openForTest());
        commandBytes.addSegment("R?\r", gmilliseconds::notSet);
    }
    int exchange(g2serialTransaction& t)
    {
        commandBytes.send(*port);
        return port->receiveTransaction(t);
    }

    ptyDevice device;
    gserialPort* port = nullptr;
    g2driverCommandOutput commandBytes;
};

TEST_F(lineExchangeTest, DeviceAnswers)
{
    device.play(3, {{0, "OK42\r"}});
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(exchange(t), gexchangeResult::valid);
    EXPECT_EQ(device.heard(), "R?\r");
    EXPECT_EQ(static_cast<gnamedValue*>(t.currentMatcher()->values().find("flow"))->getNumber(), 42u);
}

// A reply that came after its command timed out waits in the input queue;
// the next command must not take it for its own.
TEST_F(lineExchangeTest, ReplyQueuedBeforeTheCommandIsNotTakenForItsAnswer)
{
    device.send("OK17\r");
    device.play(3, {{0, "OK42\r"}});
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(exchange(t), gexchangeResult::valid);
    EXPECT_EQ(device.heard(), "R?\r");
    EXPECT_EQ(window(t), "OK42\r");
    EXPECT_EQ(static_cast<gnamedValue*>(t.currentMatcher()->values().find("flow"))->getNumber(), 42u);
}

TEST_F(lineExchangeTest, AnswerSplitAcrossReads)
{
    device.play(3, {{0, "xO"}, {30, "K4"}, {30, "2"}, {30, "\r"}});
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(exchange(t), gexchangeResult::valid);
    EXPECT_EQ(window(t), "xOK42\r");
}

TEST_F(lineExchangeTest, DeviceThatNeverAnswers)
{
    command->setTimeout(gmilliseconds(100));
    device.play(3, {});
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(exchange(t), gexchangeResult::timedOut);
    EXPECT_EQ(t.currentMatcher()->position(1), matcher::notFound);
}

TEST_F(lineExchangeTest, AnswerAfterTheDeadline)
{
    manualClock clock(1000);
    command->setTimeout(gmilliseconds(100));
    device.play(3, {{400, "OK42\r"}});
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(exchange(t), gexchangeResult::timedOut);
    EXPECT_EQ(port->getDeadline(), gmilliseconds(1100));
    EXPECT_EQ(t.windowUsed(), 0);
}

TEST_F(lineExchangeTest, EndlessStreamEndsAtTheDeadline)
{
    steppingClock clock;
    command->setTimeout(gmilliseconds(200));
    device.flood("OK");
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(port->receiveTransaction(t), gexchangeResult::timedOut);
    EXPECT_LE(t.windowUsed(), 16);
}

TEST_F(lineExchangeTest, CommandSegmentsAreWrittenWithTheirDelays)
{
    manualClock clock;
    g2driverCommandOutput first;
    first.addSegment("AB", gmilliseconds::notSet);
    first.addSegment("C", gmilliseconds(20));
    g2driverCommandOutput second;
    second.addSegment("D", gmilliseconds::notSet);
    second.addSegment("E", gmilliseconds(5));
    second.addSegment("F", gmilliseconds::notSet);
    g2driverCommandOutput all;
    all.append(first);
    all.append(second);
    // Segments are joined until a delay ends one.
    ASSERT_EQ(all.segmentCount(), 3);
    EXPECT_EQ(all.segment(0).view(), "ABC");
    EXPECT_EQ(all.delay(0), gmilliseconds(20));
    EXPECT_EQ(all.segment(1).view(), "DE");
    EXPECT_EQ(all.delay(1), gmilliseconds(5));
    EXPECT_EQ(all.segment(2).view(), "F");
    EXPECT_FALSE(all.delay(2).isSet());
    all.send(*port);
    EXPECT_EQ(device.received(), "ABCDEF");
    EXPECT_EQ(clock.sleeps(), (std::vector<uint32_t>{20, 5}));

    // A template without command elements builds no bytes.
    g2driverCommandBuilder builder(request, nullptr);
    builder.buildCommand(all);
    EXPECT_EQ(all.segmentCount(), 0);
}

// A command of a driver read from its lines: the transaction builds it,
// the port sends its segments, the device answers with the address it was
// sent, a reading and a checksum, and the response elements decode it.
TEST_F(lineExchangeTest, AssembledCommandAndDecodedAnswer)
{
    manualClock clock;
    g2driver* meter = station::g2Drivers().define("Meter");
    ASSERT_EQ(feedLines(*meter, "PARAMETER Address, DIGITAL\nCR_TEMPLATE Read\nPARAMETER Register, DIGITAL\n"
                                "DELAY 1\nBUFFER_SIZE 32\n"
                                "COMMAND_ELEMENT FIXED STRING\nSTRING \"\\x02\"\nEND\n"
                                "COMMAND_ELEMENT DIGITAL NUMBER\nDRIVER_PARAM Address\nTYPE DECIMAL\nWIDTH 2, RIGHT, 0\nEND\n"
                                "COMMAND_ELEMENT DELAY\nDELAY 0.02\nEND\n"
                                "COMMAND_ELEMENT DIGITAL NUMBER\nTEMPLATE_PARAM Register\nTYPE HEX, A\nEND\n"
                                "COMMAND_ELEMENT CHECKSUM\nCHECKSUM LRC\nTYPE HEX, A\nWIDTH 2, RIGHT, 0\nEND\n"
                                "COMMAND_ELEMENT FIXED STRING\nSTRING \"\\r\"\nEND\n"
                                "RESPONSE_ELEMENT REGEXP\nPATTERN \"\\x06\"\nEND\n"
                                "RESPONSE_ELEMENT COMMAND ELEMENT\nCOMMAND_ELEMENT 2\nEND\n"
                                "RESPONSE_ELEMENT NUMERICAL VALUE\nNAME \"flow\"\nTYPE DECIMAL\nWIDTH 4\nEND\n"
                                "RESPONSE_ELEMENT CHECKSUM\nCHECKSUM MOD 256\nTYPE BYTE\nWIDTH 1\nSKIP_FIRST 1\nEND\n"
                                "END\nCOMMAND Flow\nCR_TEMPLATE Read\nTEMPLATE_PARAM Register, DIGITAL, 255\nEND"),
              gload::accepted);
    gdevice* unit = port->getDevice("U7");
    unit->setDriver(meter);
    g2driverParameterValueTable values(5);
    gstr address("Address, DIGITAL, 7");
    ASSERT_EQ(g2driverParameterValue::loadLine(values, address), gload::accepted);
    unit->setParameterValues(values);
    gcommandRequest flow;
    flow.setCommand(meter->commands().find("Flow"));
    flow.setDevice(unit);

    g2serialTransaction t(flow, nullptr);
    g2driverCommandOutput bytes;
    t.buildCommand(bytes);
    // LRC of the bytes before the checksum: 02 ^ '0' ^ '7' ^ 'F' ^ 'F' = 0x05.
    ASSERT_EQ(bytes.segmentCount(), 2);
    EXPECT_EQ(bytes.segment(0).view(), "\x02" "07");
    EXPECT_EQ(bytes.delay(0), gmilliseconds(20));
    EXPECT_EQ(bytes.segment(1).view(), "FF05\r");
    // '0' '7' '0' '4' '2' '5' add up to 0x132.
    device.play(8, {{0, "\x06" "0704252"}});
    bytes.send(*port);
    EXPECT_EQ(port->receiveTransaction(t), gexchangeResult::valid);
    EXPECT_EQ(device.heard(), "\x02" "07FF05\r");
    EXPECT_EQ(clock.sleeps(), (std::vector<uint32_t>{20}));
    auto* value = static_cast<gnamedValue*>(t.currentMatcher()->values().find("flow"));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->getNumber(), 425u);
}

TEST_F(lineExchangeTest, WaitsAfterCommands)
{
    manualClock clock;
    port->setMinimumDelay(gmilliseconds(100));
    port->waitAfterCommand(*command);
    driver->setDelay(gmilliseconds(250));
    port->waitAfterCommand(*command);
    // A template without response waits its time when that is longer.
    shape->setBufferSize(0);
    port->waitAfterCommand(*command);
    shape->setTime(gmilliseconds(50));
    port->waitAfterCommand(*command);
    EXPECT_EQ(clock.sleeps(), (std::vector<uint32_t>{100, 250, 500, 250}));
}

// The wait of a port test asks the hook between slices; a hook that says
// stop ends this wait and every later one at once.
TEST_F(lineExchangeTest, WaitHookEndsAWaitThatWouldLastLong)
{
    command->setTimeout(gmilliseconds(600000));
    int asked = 0;
    port->setWaitHook([&] { return ++asked < 3; });
    device.play(3, {});
    g2serialTransaction t(request, nullptr);
    EXPECT_EQ(exchange(t), gexchangeResult::timedOut);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(device.heard(), "R?\r");
    port->setMinimumDelay(gmilliseconds(600000));
    port->waitAfterCommand(*command);
    EXPECT_EQ(asked, 4);

    // A hook that lets the wait go on still sees the answer arrive.
    port->setWaitHook([&] { return ++asked > 0; });
    device.play(0, {{60, "OK42\r"}});
    g2serialTransaction answered(request, nullptr);
    EXPECT_EQ(port->receiveTransaction(answered), gexchangeResult::valid);
    EXPECT_GT(asked, 4);
    port->setWaitHook({});
}

} // namespace
