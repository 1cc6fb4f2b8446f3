#include "store/gobjectType.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyMask.h"
#include "registers/gregister.h"
#include "screens/model/fscreen.h"
#include "scl/gsclProgram.h"
#include "store/gstation.h"
#include "store/gtitledObject.h"
#include "storeTestSupport.h"

#include <string>
#include <vector>

namespace {

using objectType = emptyStation;

TEST_F(objectType, RegistryIteratesInTheFixedSaveOrder)
{
    std::vector<std::string> order;
    jhashTypedIterator<gobjectType> it(objectTypeRegistry());
    gobjectType* type = nullptr;
    while (it.get(type))
        order.emplace_back(type->keyword().view());
    EXPECT_EQ(order, (std::vector<std::string>{"MASK", "ANALOG_REG", "PORT", "IMAGE", "DRIVER", "REQUEST",
                                               "BISTATE_REG", "STRING_REG", "PROGRAM", "DIGITAL_REG", "G2DRIVER",
                                               "SCREEN", "PARAMETER"}));
}

TEST_F(objectType, LookupIgnoresCaseAndKnowsOnlyTypeKeywords)
{
    EXPECT_EQ(objectTypeRegistry().find("mask"), &objectTypes::legacyMask());
    EXPECT_EQ(objectTypeRegistry().find("MaSk"), &objectTypes::legacyMask());
    EXPECT_EQ(objectTypeRegistry().find("g2driver"), &objectTypes::g2Driver());
    EXPECT_EQ(objectTypeRegistry().find("REGISTER"), nullptr);
    EXPECT_EQ(objectTypes::digitalRegister().displayNameId(), 20177);
    EXPECT_TRUE(objectTypes::digitalRegister().sharesTable());
    EXPECT_EQ(&objectTypes::digitalRegister().stationTable(), &station::registers());
}

TEST_F(objectType, DefineObjectSetsKindAndLibraryFlag)
{
    gtitledObject* reg = objectTypes::analogRegister().defineObject("R1", false);
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(reg->getObjectType(), &objectTypes::analogRegister());
    EXPECT_EQ(gregister::classCode(*static_cast<gregister*>(reg)), 3);
    EXPECT_EQ(objectTypes::bistateRegister().defineObject("R1", false), nullptr);

    // A placeholder that a reference gave a kind keeps it: the loader
    // compares kinds after defining.
    station::registers().reference("R2")->setObjectType(objectTypes::digitalRegister());
    gtitledObject* r2 = objectTypes::stringRegister().defineObject("R2", false);
    ASSERT_NE(r2, nullptr);
    EXPECT_EQ(r2->getObjectType(), &objectTypes::digitalRegister());

    gtitledObject* d = objectTypes::g2Driver().defineObject("D", true);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->getLibraryFlag(), 1);
    EXPECT_NE(driverLibrary::g2Drivers().find("D"), nullptr);
    EXPECT_EQ(station::g2Drivers().find("D"), nullptr);
}

TEST_F(objectType, UndefinedObjectsAreListedOncePerTableInRegistryOrder)
{
    station::screens().reference("S 1");
    station::registers().reference("R")->setObjectType(objectTypes::stringRegister());
    station::legacyMasks().reference("M");
    station::programs().define("defined");
    driverLibrary::g2Drivers().reference("G");
    EXPECT_EQ(listUndefinedObjects(false).view(),
              "\n legacy data mask: \"M\"\n register: \"R\"\n screen: \"S 1\"");
    EXPECT_EQ(listUndefinedObjects(true).view(), "\n device driver: \"G\"");
}

TEST_F(objectType, DriverObjectQuestions)
{
    EXPECT_TRUE(holdsOnlyDriverObjects());
    EXPECT_FALSE(holdsDriverObjects());
    station::legacyMasks().define("M");
    EXPECT_TRUE(holdsOnlyDriverObjects());
    EXPECT_TRUE(holdsDriverObjects());
    station::registers().define("R");
    EXPECT_FALSE(holdsOnlyDriverObjects());
}

} // namespace
