#include "registerTestSupport.h"
#include "registers/gdigitalSupplement.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <string>

namespace {

std::string fixture(const std::string& name)
{
    return std::string(KORVEL_TEST_DATA_DIR) + "/registers/fixtures/" + name;
}

// Registers of the four classes with their class fields, log strings and
// formats, a calibration, automatic controls and sources of kinds still
// carried line by line, among the programs their controls run.
TEST_F(registerTest, StationOfRegistersSavesByteForByte)
{
    recordingMessages messages;
    tempFolder folder;
    ASSERT_EQ(loadObjectFile(gstrSlice(fixture("registers.stn").c_str()), false, false), gloadError::none)
        << messages.lastText();
    EXPECT_TRUE(messages.messages.empty()) << messages.lastText();
    std::string out = folder.path("out.stn");
    ASSERT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
    EXPECT_EQ(fileBytes(out), fileBytes(fixture("registers.stn")));

    // The programs know their users; a program still used cannot go.
    EXPECT_EQ(users(*station::programs().find("Alarm")),
              "\nThe register Pump running\nThe register Mode");
    EXPECT_EQ(station::registers().find("Mode")->getDigitalSupplement()->valueControls().size(), 2u);
}

} // namespace
