#pragma once

#include "registers/gregisterBatchOptions.h"
#include "registers/registerTestSupport.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <string>

// Legacy drivers, ports with legacy devices and programs that the legacy
// sources of the tests refer to:
//   port North ("North line"): devices Meter ("Meter 12") and Pump
//   port South: devices Meter and Valve
//   port Empty: no device
//   driver Meter ("Meter, legacy"): Value, Status, message Alarm
//   driver Pump: Status, State; driver Valve: Position
inline const char* const legacyStationText =
    "MASK Reading\n\tPATTERN2\t#+\n\tBUFFER_SIZE\t32\n\tTIMEOUT\t0.5\nEND\n"
    "DRIVER Meter\n\tTITLE\t\"Meter, legacy\"\n\tRESPONSE\tValue, Reading\n\tRESPONSE\tStatus, Reading\n"
    "\tMESSAGE\tAlarm, Reading\nEND\n"
    "DRIVER Pump\n\tRESPONSE\tStatus, Reading\n\tRESPONSE\tState, Reading\nEND\n"
    "DRIVER Valve\n\tRESPONSE\tPosition, Reading\nEND\n"
    "PROGRAM Scale\nEND\nPROGRAM PUMP_1\nEND\nPROGRAM VALVE_1\nEND\n"
    "PORT North\n\tTITLE\t\"North line\"\n\tDEVICE_PATH\tCOM1\n\tSETTINGS\t9600, 8, NONE, 1\n\tLINE_TERM\tCR\n\tDEVICE\tMeter\n\t\tTITLE\t\"Meter 12\"\n\tEND\n"
    "\tDEVICE\tPump\n\tEND\nEND\n"
    "PORT South\n\tDEVICE_PATH\tCOM2\n\tSETTINGS\t9600, 8, NONE, 1\n\tLINE_TERM\tCR\n\tDEVICE\tMeter\n\tEND\n\tDEVICE\tValve\n\tEND\nEND\n"
    "PORT Empty\n\tDEVICE_PATH\tCOM3\n\tSETTINGS\t9600, 8, NONE, 1\n\tLINE_TERM\tCR\nEND\n";

// Loads station text as a file; the load error (0 when it loaded).
inline int loadStationText(const std::string& text, recordingMessages& messages)
{
    tempFolder folder;
    std::string path = folder.path("station.stn");
    putFile(path, text);
    int error = loadObjectFile(gstrSlice(path.c_str()), false, false);
    EXPECT_TRUE(error == 0 || !messages.messages.empty());
    return error;
}

// A register test whose station holds the legacy objects above.
class legacyStationTest : public registerTest {
protected:
    void SetUp() override
    {
        registerTest::SetUp();
        ASSERT_EQ(loadStationText(legacyStationText, messages), 0) << messages.lastText();
    }

    static void emptyRegisters() { station::registers().deleteAll(); }

    recordingMessages messages;
};
