#include "../registerTestSupport.h"

#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "registers/gregister.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/gsourceDataObjectThresholds.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <string>

namespace {

// The station of the serial data-object sources: device M1 on COM1 with the
// driver Meter, whose Mode is digital and Flow analog.
class dataObjectThresholds : public registerTest {
protected:
    void SetUp() override
    {
        registerTest::SetUp();
        reload();
    }
    void reload()
    {
        emptyAll();
        std::string path = std::string(KORVEL_TEST_DATA_DIR) + "/registers/sources/fixtures/dataObjectRegisters.stn";
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), gloadError::none) << messages.lastText();
    }
    static std::string block(const char* object, const char* lines)
    {
        return std::string("DIGITAL_REG T\n\tLEVEL\t\tNONE\n\tSOURCE\t\tG2D THRESHOLDS\n") + lines +
               "\t\tDEVICE\t\tCOM1, M1\n\t\tDRIVER\t\tMeter\n\t\t\tOBJECT\t\t" + object + "\n\t\tEND\n";
    }

    recordingMessages messages;
};

TEST_F(dataObjectThresholds, LinesAndTheirAnswers)
{
    const char* points = "\t\tBOTTOM\t\t0\n\t\tTHRESHOLD\t1.5, 1\n";
    const struct {
        std::string text;
        gloadStatus status;
    } rows[] = {
        {"DIGITAL_REG T\nSOURCE G2D THRESHOLDS\nVALUE LOWEST\n", gload::invalidValue},
        {"DIGITAL_REG T\nSOURCE G2D THRESHOLDS\nVALUE MAXIMUM\nVALUE VALUE\n", gload::alreadyLoaded},
        {"DIGITAL_REG T\nSOURCE G2D THRESHOLDS\nBOTTOM 1\nBOTTOM 1\n", gload::alreadyLoaded},
        {"BISTATE_REG T\nSOURCE G2D THRESHOLDS\n", gload::invalidValue},
        // A digital object has only its current value.
        {block("Mode", points) + "\t\tVALUE\t\tMINIMUM\n\tEND\n", gload::incomplete},
        {block("Mode", points) + "\t\tVALUE\t\tVALUE\n\tEND\n", gload::accepted},
        {block("Flow", points) + "\t\tVALUE\t\tMINIMUM\n\tEND\n", gload::accepted},
        // An object the driver defines later may be analog.
        {block("Later", points) + "\t\tVALUE\t\tMAXIMUM\n\tEND\n", gload::accepted},
        {block("Flow", "\t\tBOTTOM\t\t0\n") + "\tEND\n", gload::incomplete},
        {block("Flow", "\t\tTHRESHOLD\t1.5, 1\n") + "\tEND\n", gload::incomplete},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        reload();
        loadedRegister loaded = loadRegister(row.text);
        ASSERT_NE(loaded.reg, nullptr);
        EXPECT_EQ(loaded.last(), row.status);
    }
}

// The selector is written only for an analog object and only when it is
// not the current value; points come back in ascending order.
TEST_F(dataObjectThresholds, WrittenForms)
{
    const char* points = "\t\tBOTTOM\t\t2\n\t\tTHRESHOLD\t-1, 3\n\t\tTHRESHOLD\t7.25, 4\n";
    std::string maximum = block("Flow", points) + "\t\tVALUE\t\tMAXIMUM\n\tEND\nEND\n";
    EXPECT_EQ(roundTrip(maximum), maximum);
    reload();
    EXPECT_EQ(roundTrip(block("Flow", points) + "\t\tVALUE\t\tVALUE\n\tEND\nEND\n"),
              block("Flow", points) + "\tEND\nEND\n");
    reload();
    std::string shuffled = std::string("DIGITAL_REG T\n\tLEVEL\t\tNONE\n\tSOURCE\t\tG2D THRESHOLDS\n") +
                           "\t\tTHRESHOLD\t7.25, 4\n\t\tDEVICE\t\tCOM1, M1\n\t\tDRIVER\t\tMeter\n\t\t\tOBJECT\t\tMode\n"
                           "\t\tEND\n\t\tTHRESHOLD\t-1, 3\n\t\tBOTTOM\t\t2\n\tEND\nEND\n";
    EXPECT_EQ(roundTrip(shuffled), block("Mode", points) + "\tEND\nEND\n");
}

// A clone reads the same object with the same list and selector, and names
// its own register among the object's users.
TEST_F(dataObjectThresholds, CloneKeepsEverything)
{
    loadedRegister loaded = loadRegister(block("Flow", "\t\tBOTTOM\t\t0\n\t\tTHRESHOLD\t1, 1\n") +
                                         "\t\tVALUE\t\tMINIMUM\n\tEND\nEND\n");
    ASSERT_EQ(loaded.last(), gload::finished);
    gregister* to = loadRegister("DIGITAL_REG U\nEND\n").reg;
    to->getDigitalSupplement()->copySourceFrom(*loaded.reg);
    auto& cloned = *static_cast<gsourceDataObjectThresholds*>(to->getDigitalSupplement()->getSource());
    EXPECT_EQ(cloned.getSelector(), gsourceDataObjectThresholds::lowestValue);
    EXPECT_EQ(cloned.thresholds().getBottom(), 0u);
    EXPECT_EQ(cloned.part().getDataObject(), station::g2Drivers().find("Meter")->dataObjects().find("Flow"));
    const std::string named = users(cloned.part().getDataObject()->usedBy(1));
    EXPECT_NE(named.find("The register T"), std::string::npos) << named;
    EXPECT_NE(named.find("The register U"), std::string::npos) << named;
}

} // namespace
