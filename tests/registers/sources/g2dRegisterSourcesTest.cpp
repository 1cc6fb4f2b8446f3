#include "../registerTestSupport.h"

#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "registers/gregister.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/sources/gsourceDataObjectBitCollection.h"
#include "registers/sources/gsourceDataObjectThresholds.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <string>

namespace {

// The station of the serial data-object sources: device M1 on COM1 with the
// driver Meter, whose Mode is digital and Flow analog.
class g2dRegisterSources : public registerTest {
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

TEST_F(g2dRegisterSources, LinesAndTheirAnswers)
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
TEST_F(g2dRegisterSources, WrittenForms)
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
TEST_F(g2dRegisterSources, CloneKeepsEverything)
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

// Each section reads its own object, its DRIVER block nested in the
// SECTION block; only a digital object gives bits.
TEST_F(g2dRegisterSources, BitCollectionSections)
{
    const std::string head = "DIGITAL_REG B\n\tLEVEL\t\tNONE\n\tSOURCE\t\tG2D BIT COLLECTION\n";
    const std::string section = "\t\tSECTION\n\t\t\tDEVICE\t\tCOM1, M1\n\t\t\tDRIVER\t\tMeter\n"
                                "\t\t\t\tOBJECT\t\tMode\n\t\t\t\tPARAMETER\tChannel, DIGITAL, 2\n\t\t\tEND\n";
    const std::string text = head + "\t\tMASK\t\t9\n\t\tVALUE_MAP\t1, 4\n" + section +
                             "\t\t\tMASK\t\t255, 1\n\t\t\tROTATE_LEFT\t-8\n\t\tEND\n" + section +
                             "\t\t\tMASK\t\t3\n\t\tEND\n\tEND\nEND\n";
    EXPECT_EQ(roundTrip(text), text);
    gregister* b = station::registers().find("B");
    auto* collection = static_cast<gsourceDataObjectBitCollection*>(b->getDigitalSupplement()->getSource());
    ASSERT_EQ(collection->collection().sections().size(), 2u);
    EXPECT_EQ(&collection->collection().sections()[1]->getOwner(), collection);
    g2driverDataObject* mode = station::g2Drivers().find("Meter")->dataObjects().find("Mode");
    EXPECT_NE(users(mode->usedBy(1)).find("The register B"), std::string::npos);

    // A clone lists the sections in the reverse order and names its own
    // register.
    gregister* to = loadRegister("DIGITAL_REG C\nEND\n").reg;
    to->getDigitalSupplement()->copySourceFrom(*b);
    auto* copy = static_cast<gsourceDataObjectBitCollection*>(to->getDigitalSupplement()->getSource());
    ASSERT_EQ(copy->collection().sections().size(), 2u);
    EXPECT_EQ(copy->collection().sections()[0]->masks().andMask, 3u);
    EXPECT_EQ(copy->collection().getXorMask(), 9u);
    EXPECT_NE(users(mode->usedBy(1)).find("The register C"), std::string::npos);

    const struct {
        std::string body;
        gloadStatus status;
    } rows[] = {
        {"\t\tSECTION\n\t\tEND\n", gload::incomplete},
        {"\t\tSECTION\n\t\t\tMASK\t\t0\n", gload::invalidValue},
        {"\t\tSECTION\n\t\t\tROTATE_LEFT\t32\n", gload::invalidValue},
        {section + "\t\tEND\n", gload::incomplete},
        {section + "\t\t\tMASK\t\t1\n\t\tEND\n", gload::accepted},
        {"\t\tSECTION\n\t\t\tDEVICE\t\tCOM1, M1\n\t\t\tDRIVER\t\tMeter\n\t\t\t\tOBJECT\t\tFlow\n"
         "\t\t\tEND\n\t\t\tMASK\t\t1\n\t\tEND\n",
         gload::incomplete},
        {"\tEND\n", gload::incomplete},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.body);
        reload();
        EXPECT_EQ(loadRegister(head + row.body).last(), row.status);
    }
}

// The batch tool's serial-object renaming reaches the thresholds' object
// and every section of a bit collection, each counted and explained alone.
TEST_F(g2dRegisterSources, RebindingFollowsObjectNames)
{
    const std::string section = "\t\tSECTION\n\t\t\tDEVICE\t\tCOM1, M1\n\t\t\tDRIVER\t\tMeter\n"
                                "\t\t\t\tOBJECT\t\tMode\n\t\t\tEND\n\t\t\tMASK\t\t1\n\t\tEND\n";
    const std::string texts[] = {
        block("Mode", "\t\tBOTTOM\t\t0\n") + "\tEND\nEND\n",
        "DIGITAL_REG T\n\tLEVEL\t\tNONE\n\tSOURCE\t\tG2D BIT COLLECTION\n" + section + section + "\tEND\nEND\n",
    };
    const std::string missing = "\nThe serial object Gone specified by T is not in device M1: retained object Mode";
    const struct {
        int text;
        const char* replace;
        int count;
        std::string log;
    } rows[] = {
        {0, "Flow", 1, ""},
        {0, "Gone", 0, missing},
        {1, "Flow", 2, ""},
        {1, "Gone", 0, missing + missing},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.replace);
        reload();
        gregister* reg = loadRegister(texts[row.text]).reg;
        ASSERT_NE(reg, nullptr);
        gregisterBatchOptions options;
        options.serialObjects = {true, "Mode", row.replace, false, true};
        gstr log("");
        EXPECT_EQ(reg->getDigitalSupplement()->getSource()->resolveReferences(options, log, nullptr), row.count);
        EXPECT_EQ(std::string(log.view()), row.log);
    }
}

} // namespace
