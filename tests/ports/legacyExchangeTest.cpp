#include "foundation/jbuffer.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "portTestSupport.h"
#include "ports/gexchangeResult.h"
#include "ports/glegacyReplyMatcher.h"
#include "ports/gserialPort.h"
#include "ptyDevice.h"
#include "store/gstation.h"
#include "support/model/manualClock.h"

#include <string>

namespace {

class legacyExchangeTest : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        reading = station::legacyMasks().define("Reading");
        // A loaded machine can hold a reply back for well over a tenth of a
        // second; the timeout only decides the test that waits in silence.
        ASSERT_EQ(feedLines(*reading, "PREFIX \"\\x02\"\nPATTERN2 #+\nSUFFIX \"\\x03\"\nBUFFER_SIZE 16\nTIMEOUT 1.5"),
                  gload::accepted);
        meter = station::legacyDrivers().define("Meter");
        ASSERT_EQ(feedLines(*meter, "DELAY 0.3\nERROR_PATTERN2 NAK\nRESPONSE Value, Reading\n"
                                    "COMMAND Read, \"R\\r\", Value\nCOMMAND Reset, X\nREPLY Ack, \"\\x06\""),
                  gload::accepted);
        value = meter->responses().find("Value");
        port = station::serialPorts().define("COM1");
        port->setDevicePath(gstrSlice(device.path().c_str()));
        port->setSettings(9600, 8, gserialPort::parityNone, 1);
        ASSERT_TRUE(port->openForTest());
    }
    int receive(const std::string& reply, std::string& kept)
    {
        device.play(0, {{10, reply}});
        jbuffer buffer;
        int result = port->receiveLegacy(buffer, *value);
        kept.assign(reinterpret_cast<const char*>(buffer.data()), static_cast<size_t>(buffer.used()));
        return result;
    }

    ptyDevice device;
    glegacyMask* reading = nullptr;
    glegacyDriver* meter = nullptr;
    glegacyResponse* value = nullptr;
    gserialPort* port = nullptr;
};

TEST_F(legacyExchangeTest, ValidResponseKeepsThePatternsBytes)
{
    std::string kept;
    EXPECT_EQ(receive("noise\x02" "123\x03", kept), gexchangeResult::valid);
    EXPECT_EQ(kept, "123");
}

TEST_F(legacyExchangeTest, ErrorPatternOfTheDriver)
{
    std::string kept;
    EXPECT_EQ(receive("xxNAKyy", kept), gexchangeResult::error);
    EXPECT_EQ(kept, "NAK");
}

TEST_F(legacyExchangeTest, ValidResponseWinsOverTheErrorPattern)
{
    // Both match only once the last byte is in: the valid response is
    // tested first.
    ASSERT_EQ(feedLines(*reading, "ERROR_PATTERN2 \"#\\x03\""), gload::accepted);
    std::string kept;
    EXPECT_EQ(receive("\x02" "7\x03", kept), gexchangeResult::valid);
    EXPECT_EQ(kept, "7");
}

TEST_F(legacyExchangeTest, SilenceAndBadMasksTimeOut)
{
    std::string kept;
    EXPECT_EQ(receive("", kept), gexchangeResult::timedOut);
    glegacyMask empty;
    glegacyResponse loose;
    loose.setMask(&empty);
    jbuffer buffer;
    EXPECT_EQ(port->receiveLegacy(buffer, loose), gexchangeResult::timedOut);
    EXPECT_EQ(buffer.capacity(), 0);
}

TEST_F(legacyExchangeTest, ReceiveBufferIsBounded)
{
    glegacyMask huge;
    ASSERT_EQ(feedLines(huge, "PATTERN2 aZ\nBUFFER_SIZE 2147483647\nTIMEOUT 5"), gload::accepted);
    glegacyResponse response;
    response.setMask(&huge);
    jbuffer buffer;
    device.play(0, {{0, std::string(5000, 'a') + "Z"}});
    EXPECT_EQ(port->receiveLegacy(buffer, response), gexchangeResult::valid);
    EXPECT_EQ(buffer.capacity(), 4096);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data()), buffer.used()), "aZ");
}

TEST_F(legacyExchangeTest, MatcherOnItsOwn)
{
    gregexp prefix(false);
    gregexp pattern(true);
    gregexp error(false);
    ASSERT_EQ(prefix.parse("=", true, false), 1);
    ASSERT_EQ(pattern.parse("#+", true, false), 1);
    ASSERT_EQ(error.parse("E", true, false), 1);
    glegacyReplyMatcher matcher(&prefix, &pattern, nullptr, &error);
    jbuffer buffer;
    buffer.create(4);
    buffer.append("xx=", 3);
    EXPECT_EQ(matcher.match(buffer), 0);
    buffer.appendByte('5');
    EXPECT_EQ(matcher.match(buffer), gexchangeResult::valid);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data()), buffer.used()), "5");
}

TEST_F(legacyExchangeTest, WaitsAfterLegacyCommands)
{
    manualClock clock;
    port->setMinimumDelay(gmilliseconds(100));
    port->waitAfterLegacyCommand(*meter->commands().find("Ack"));
    port->waitAfterLegacyCommand(*meter->commands().find("Read"));
    port->waitAfterLegacyCommand(*meter->commands().find("Reset"));
    meter->setDelay(gmilliseconds(50));
    port->waitAfterLegacyCommand(*meter->commands().find("Reset"));
    EXPECT_EQ(clock.sleeps(), (std::vector<uint32_t>{100, 300, 100}));
    EXPECT_EQ(meter->commands().find("Ack")->getResponse(), glegacyCommand::replyMarker());
    EXPECT_EQ(meter->commands().find("Read")->getResponse(), value);
    EXPECT_EQ(meter->commands().find("Reset")->getResponse(), nullptr);
}

} // namespace
