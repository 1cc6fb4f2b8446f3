#include "legacyStation.h"

#include "legacy/glegacyDriver.h"
#include "ports/gserialPort.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceLegacyDirect.h"
#include "registers/sources/gsourceLegacyLiteral.h"

#include <string>

namespace {

class legacyRebindingTest : public legacyStationTest {
protected:
    // A direct source of the register R at port, device and response.
    gsourceLegacyDirect& direct(const std::string& response, const std::string& more = "")
    {
        std::string text = "DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE " + response + "\nTYPE DECIMAL\n" + more + "END\nEND\n";
        gregister* reg = loadRegister(text).reg;
        return sourceAs<gsourceLegacyDirect>(reg->getDigitalSupplement()->getSource());
    }

    static std::string where(const gsourceSerialInterface& location)
    {
        return location.getPort()->getTag().view().data() + std::string(", ") +
               location.getDriver()->getTag().view().data() + ", " + location.getResponse()->getName().view().data();
    }

    static gserialPort* port(const char* tag) { return station::serialPorts().find(tag); }

    static void renameDevices(gregisterBatchOptions& options, const char* find, const char* replace)
    {
        options.devices.on = true;
        options.devices.find = find;
        options.devices.replace = replace;
        options.devices.matchCase = true;
    }

    static void renameBuffers(gregisterBatchOptions& options, const char* find, const char* replace)
    {
        options.serialObjects.on = true;
        options.serialObjects.find = find;
        options.serialObjects.replace = replace;
        options.serialObjects.matchCase = true;
    }

    gregisterBatchOptions options;
    gstr log{""};
};

TEST_F(legacyRebindingTest, NothingAskedOfTheLocationChangesNothing)
{
    auto& source = direct("North, Meter, Status");
    options.fromPort = port("South");
    options.toPort = port("Empty");
    EXPECT_EQ(source.resolveReferences(options, log, nullptr), 0);
    EXPECT_EQ(where(source.location()), "North, Meter, Status");
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(legacyRebindingTest, MovesToAnotherPortThatHasTheDevice)
{
    auto& source = direct("North, Meter, Status");
    options.fromPort = port("North");
    options.toPort = port("South");
    EXPECT_EQ(source.resolveReferences(options, log, nullptr), 1);
    EXPECT_EQ(where(source.location()), "South, Meter, Status");
    EXPECT_EQ(source.location().describe().view(), "South - Meter, legacy - Status");
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(users(port("South")->usedBy()), "\nThe register R");
    EXPECT_TRUE(port("North")->usedBy().isUnused());
    EXPECT_TRUE(port("North")->legacyDevices().find("Meter")->isUnused());
}

struct keptCase {
    const char* location;
    const char* devices[2];  // find, replace; empty: no device change
    const char* buffers[2];  // find, replace; empty: no buffer change
    const char* toPort;      // from North, or none
    int changes;
    const char* result;
    const char* log;
};

// What the location ends up with, and why a wanted object was kept.
TEST_F(legacyRebindingTest, KeepsWhatDoesNotExistAndSaysWhy)
{
    const keptCase cases[] = {
        {"North, Pump, Status", {"", ""}, {"", ""}, "South", 0, "North, Pump, Status",
         "\nThe device driver Pump specified by R is not in port South: retained port North line"},
        {"North, Meter, Status", {"", ""}, {"Status", "State"}, nullptr, 0, "North, Meter, Status",
         "\nThe response State specified by R is not in device driver Meter, legacy: retained response Status"},
        {"North, Pump, Status", {"", ""}, {"Status", "State"}, nullptr, 1, "North, Pump, State", ""},
        {"North, Pump, Status", {"Pump", "Valve"}, {"", ""}, nullptr, 0, "North, Pump, Status",
         "\nThe device driver Valve specified by R is not in port North line: retained driver Pump"},
        {"North, Meter, Status", {"Meter", "Pump"}, {"", ""}, "South", 1, "South, Meter, Status",
         "\nThe device driver Pump specified by R is not in port South: retained driver Meter, legacy"},
        {"North, Meter, Status", {"Meter", "Pump"}, {"", ""}, nullptr, 1, "North, Pump, Status", ""},
        {"North, Meter, Status", {"Meter", "Valve"}, {"", ""}, "South", 1, "South, Meter, Status",
         "\nThe response Status specified by R is not in device driver Valve: retained driver Meter, legacy"},
        {"North, Meter, Value", {"Meter", "Valve"}, {"Value", "Position"}, "South", 3, "South, Valve, Position", ""},
        {"North, Meter, Value", {"Meter", "Valve"}, {"Value", "Level"}, "South", 1, "South, Meter, Value",
         "\nThe response Level specified by R is not in device driver Valve: retained response Value in driver "
         "Meter, legacy"},
        {"North, Pump, State", {"Pump", "Valve"}, {"State", "Level"}, "South", 0, "North, Pump, State",
         "\nThe response Level of device driver Valve specified by R is not in port South: retained response "
         "State in driver Pump of port North line"},
    };
    for (const keptCase& c : cases) {
        SCOPED_TRACE(c.location + std::string(" ") + c.devices[1] + c.buffers[1]);
        options = gregisterBatchOptions{};
        if (*c.devices[0])
            renameDevices(options, c.devices[0], c.devices[1]);
        if (*c.buffers[0])
            renameBuffers(options, c.buffers[0], c.buffers[1]);
        if (c.toPort) {
            options.fromPort = port("North");
            options.toPort = port(c.toPort);
        }
        log.assign("");
        auto& source = direct(c.location);
        EXPECT_EQ(source.resolveReferences(options, log, nullptr), c.changes);
        EXPECT_EQ(where(source.location()), c.result);
        EXPECT_EQ(log.view(), c.log);
        emptyRegisters();
    }
}

// Typed locations add the shift to offsets at or above the minimum, of the
// named data buffer or of any; untyped ones never shift.
TEST_F(legacyRebindingTest, ShiftsTypedOffsetsOnly)
{
    options.offsetShift = 3;
    options.minimumOffset = 5;
    EXPECT_EQ(direct("North, Meter, Status", "OFFSET 5\n").resolveReferences(options, log, nullptr), 1);
    EXPECT_EQ(sourceAs<gsourceLegacyDirect>(station::registers().find("R")->getDigitalSupplement()->getSource())
                  .location()
                  .getOffset(),
              8);
    emptyRegisters();
    EXPECT_EQ(direct("North, Meter, Status", "OFFSET 4\n").resolveReferences(options, log, nullptr), 0);
    emptyRegisters();
    options.dataBufferName = "Value";
    EXPECT_EQ(direct("North, Meter, Status", "OFFSET 5\n").resolveReferences(options, log, nullptr), 0);
    emptyRegisters();
    options.dataBufferName = "Status";
    EXPECT_EQ(direct("North, Meter, Status", "OFFSET 5\n").resolveReferences(options, log, nullptr), 1);
    emptyRegisters();

    gregister* literal = loadRegister("STRING_REG L\nSOURCE LITERAL\nRESPONSE North, Meter, Status\nOFFSET 5\nEND\nEND\n").reg;
    EXPECT_EQ(literal->getStringSupplement()->getSource()->resolveReferences(options, log, nullptr), 0);
    EXPECT_TRUE(log.isEmpty());
}

// An offset that would leave the range a file can hold is not shifted.
TEST_F(legacyRebindingTest, RefusesAShiftBeyondTheOffsetRange)
{
    options.offsetShift = 10;
    auto& source = direct("North, Meter, Status", "OFFSET 2147483640\n");
    EXPECT_EQ(source.resolveReferences(options, log, nullptr), 0);
    EXPECT_EQ(source.location().getOffset(), 2147483640);
    EXPECT_EQ(log.view(), "\nThe data buffer offset of R cannot be shifted by 10: retained offset 2147483640");
}

} // namespace
