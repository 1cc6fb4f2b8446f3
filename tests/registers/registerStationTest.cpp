#include "registerTestSupport.h"
#include "legacy/glegacyParameter.h"
#include "ports/gserialPort.h"
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
// formats, a calibration, automatic controls and sources, among the
// programs their controls run.
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

// A register of every class with each source kind that names no device
// data: parameters, remote registers and stations, summaries, ping and
// timeouts; what they name by tag lists them as users.
TEST_F(registerTest, StationOfRegisterSourcesSavesByteForByte)
{
    recordingMessages messages;
    tempFolder folder;
    ASSERT_EQ(loadObjectFile(gstrSlice(fixture("registerSources.stn").c_str()), false, false), gloadError::none)
        << messages.lastText();
    EXPECT_TRUE(messages.messages.empty()) << messages.lastText();
    std::string out = folder.path("out.stn");
    ASSERT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
    EXPECT_EQ(fileBytes(out), fileBytes(fixture("registerSources.stn")));

    EXPECT_EQ(users(station::serialPorts().find("COM1")->usedBy()), "\nThe register B19");
    EXPECT_EQ(users(station::serialPorts().find("COM2")->usedBy()), "\nThe register B20");
    EXPECT_EQ(users(station::legacyParameters().find("Limit")->usedBy()), "\nThe register A5\nThe register B5");
    EXPECT_EQ(users(*station::programs().find("Sum")), "\nThe register A7\nThe register D7");
    EXPECT_EQ(users(station::registers().find("B1")->usedBy()), "\nThe register B7");
}

// Tags the sources name that the file never defines are listed at load.
TEST_F(registerTest, UndefinedTagsOfSourcesAreListed)
{
    recordingMessages messages;
    std::string path = std::string(KORVEL_TEST_DATA_DIR) + "/fuzz/corpus/stationLoadFuzz/registerSources-undefined.stn";
    loadObjectFile(gstrSlice(path.c_str()), false, false);
    EXPECT_EQ(messages.lastText(), "The following non-existent objects were referenced by other objects:\n\n"
                                   " serial port: \"COM9\"\n legacy device driver: \"Meter\"\n register: \"Gone\"\n"
                                   " SCL program: \"NoProgram\"\n parameter: \"Nothing\"");
}

} // namespace
