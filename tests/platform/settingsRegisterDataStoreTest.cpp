#include "platform/settingsRegisterDataStore.h"

#include "platform/settingsStore.h"
#include "registers/gcalibration.h"
#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

namespace {

const char* const machineText = "[SOFTWARE\\Korvel Viziveridizuva Inc.\\K.O.R.V.E.L.\\Register Data\\plant.stn\\FLOW]\n"
                                "nCalPoints=2\n"
                                "CalPoint0=(1.5; 20)\n"
                                "CalPoint1=(3; 40)\n";

TEST(settingsRegisterDataStore, CalibrationImportReadsTheMachineThenTheUsersKey)
{
    temporarySettings temp;
    temp.writeMachineFile("HKEY_LOCAL_MACHINE.ini", machineText);
    installRegisterDataStore(&theRegisterDataStore());

    gcalibration calibration;
    EXPECT_TRUE(calibration.importPoints("/stations/plant.stn", "FLOW"));
    ASSERT_NE(calibration.points().first(), nullptr);
    EXPECT_EQ(calibration.points().first()->key, 1.5);
    EXPECT_FALSE(calibration.importPoints("/stations/plant.stn", "LEVEL"));

    // A run-time program run by the user keeps its data in the user's hive,
    // which then answers alone.
    gstr key = registerDataKey("plant.stn", "FLOW");
    ASSERT_TRUE(settings().writeInt(settingsHive::currentUser, key, "nCalPoints", 1));
    ASSERT_TRUE(settings().writeString(settingsHive::currentUser, key, "CalPoint0", "(7; 8)"));
    EXPECT_TRUE(calibration.importPoints("/stations/plant.stn", "FLOW"));
    EXPECT_EQ(calibration.points().first()->key, 7.0);
    EXPECT_EQ(calibration.points().first()->next, nullptr);

    ASSERT_TRUE(settings().writeString(settingsHive::currentUser, key, "nCalPoints", "4294967295"));
    EXPECT_EQ(theRegisterDataStore().readNumber(key, "nCalPoints"), 4294967295u);
    installRegisterDataStore(nullptr);
}

} // namespace
