#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "store/gstation.h"
#include "storeTestSupport.h"

namespace {

using driverImport = emptyStation;

TEST_F(driverImport, DriverMovesUnderTheFirstFreeNumberedTag)
{
    station::g2Drivers().define("PLC");
    station::g2Drivers().define("PLC-2");
    g2driver* first = driverLibrary::g2Drivers().define("PLC");
    first->setTitle("Imported PLC");
    first->setLibraryFlag(1);
    g2driver* fresh = driverLibrary::g2Drivers().define("Meter");

    first->importIntoStation();
    EXPECT_EQ(first->getTag().view(), "PLC-3");
    EXPECT_EQ(station::g2Drivers().find("PLC-3"), first);
    EXPECT_EQ(first->getTitle(false).view(), "Imported PLC");
    EXPECT_EQ(first->getLibraryFlag(), 0);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(driverLibrary::g2Drivers().count(), 1);

    fresh->importIntoStation();
    EXPECT_EQ(station::g2Drivers().find("Meter"), fresh);
    EXPECT_EQ(driverLibrary::g2Drivers().count(), 0);
}

TEST_F(driverImport, LegacyDriverGoesToTheLegacyTable)
{
    station::legacyDrivers().define("Old");
    glegacyDriver* driver = driverLibrary::legacyDrivers().define("Old");
    driver->importIntoStation();
    EXPECT_EQ(driver->getTag().view(), "Old-2");
    EXPECT_EQ(station::legacyDrivers().find("Old-2"), driver);
    EXPECT_EQ(driverLibrary::legacyDrivers().count(), 0);
    EXPECT_EQ(station::g2Drivers().count(), 0);
}

} // namespace
