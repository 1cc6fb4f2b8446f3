#include "registers/sources/gregisterSource.h"

#include "foundation/gfault.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/gsourceType.h"
#include "registers/registerTestSupport.h"
#include "resources/stringTable.h"
#include "store/keywordTokens.h"

#include <string>

namespace {

TEST(gsourceType, KeywordsGiveTheKindOfEachClass)
{
    struct {
        int keyword;
        int codes[4]; // bistate, digital, analog, string
    } cases[] = {
        {kw::V_G2_PARAMETER, {1, 2, 3, 4}},  {kw::PARAMETER, {5, 5, 5, 5}},  {kw::NETWORK2, {6, 6, 6, 6}},
        {kw::SUMMARY, {7, 7, 7, 7}},         {kw::PROCESSOR, {29, 29, 29, 29}}, {kw::PING, {10, 0, 0, 0}},
        {kw::V_G2D_THRESHOLDS, {0, 14, 0, 0}}, {kw::LEVEL, {0, 0, 26, 0}},   {kw::V_G2D_FILTER, {0, 0, 0, 18}},
        {kw::TITLE, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        for (int classCode = 1; classCode <= 4; ++classCode) {
            int code = sourceTypeOfKeyword(classCode, c.keyword);
            EXPECT_EQ(code, c.codes[classCode - 1]) << c.keyword << " in class " << classCode;
            if (code != 0) {
                EXPECT_EQ(sourceTypeKeyword(code), c.keyword);
                EXPECT_TRUE(classAcceptsSourceType(classCode, code));
            }
        }
    }
    EXPECT_FALSE(classAcceptsSourceType(1, 0));
    EXPECT_FALSE(classAcceptsSourceType(0, 5));
    EXPECT_THROW(sourceTypeKeyword(30), gfault);
}

// Every code a class offers is one the class accepts, and a supplement's
// new-source operation makes a source of that code; the display names are
// the table's.
TEST_F(registerTest, EveryOfferedKindIsMadeForItsClass)
{
    const char* classes[] = {"BISTATE_REG", "DIGITAL_REG", "ANALOG_REG", "STRING_REG"};
    int offered = 0;
    for (int classCode = 1; classCode <= 4; ++classCode) {
        gregister* reg = loadRegister(std::string(classes[classCode - 1]) + " R" + std::to_string(classCode) + "\n").reg;
        ASSERT_NE(reg, nullptr);
        for (int code : sourceTypesOfClass(classCode)) {
            ++offered;
            EXPECT_TRUE(classAcceptsSourceType(classCode, code)) << classCode << ' ' << code;
            gregisterSource* made = reg->getSupplement()->newSource(code);
            ASSERT_NE(made, nullptr) << code;
            EXPECT_EQ(made->getSourceType(), code);
            EXPECT_EQ(reg->sourceTypeCode(), code);
            EXPECT_EQ(&made->getRegister(), reg);
        }
        // A kind of another class leaves the source alone.
        int foreign = classCode == 1 ? 16 : 10;
        int kept = reg->sourceTypeCode();
        EXPECT_EQ(reg->getSupplement()->newSource(foreign), nullptr);
        EXPECT_EQ(reg->sourceTypeCode(), kept);
    }
    EXPECT_EQ(offered, 13 + 12 + 7 + 9);
    EXPECT_STREQ(stringTableText(sourceTypeNameId(0)), "<No source>");
    EXPECT_STREQ(stringTableText(sourceTypeNameId(10)), "Ping result source");
    EXPECT_STREQ(stringTableText(sourceTypeNameId(29)), "Legacy device processor source");
    EXPECT_EQ(sourceTypeNameId(30), 0);
    EXPECT_TRUE(sourceTypesOfClass(0).empty());

    // The typed operations of the bistate and digital supplements.
    gregister* b = station::registers().find("R1");
    EXPECT_EQ(b->getBistateSupplement()->newPingSource()->getSourceType(), 10);
    EXPECT_EQ(b->getBistateSupplement()->newTimeoutSource()->getSourceType(), 19);
    EXPECT_EQ(station::registers().find("R2")->getDigitalSupplement()->newLegacyStringsSource()->getSourceType(), 24);
}

TEST_F(registerTest, ASourceDescribesItselfAsItsRegister)
{
    gregister* reg = loadRegister("BISTATE_REG Bell\nTITLE Door bell\n").reg;
    gregisterSource* source = reg->getSupplement()->newSource(10);
    gstr text("");
    source->describeReferrer(text);
    EXPECT_EQ(text.view(), "The register Door bell");
    EXPECT_EQ(&sourceAs<gbistateRegisterSource>(source), source);
    EXPECT_THROW(sourceAs<gdigitalRegisterSource>(source), gfault);
}

TEST_F(registerTest, SourceBlockEndsOnlyAtItsOwnEnd)
{
    // The register's END closes the unfinished source; the register stays
    // open.
    EXPECT_EQ(loadRegister("BISTATE_REG R\nSOURCE GRAND SUMMARY\nEND\n").last(), gload::accepted);
    // A nested block's END may not carry a value.
    EXPECT_EQ(loadRegister("DIGITAL_REG Q\nSOURCE BIT COLLECTION\nSECTION\nEND x\n").last(), gload::invalidValue);
    EXPECT_EQ(loadRegister("DIGITAL_REG P\nSOURCE DIRECT\nEND x\n").last(), gload::invalidValue);
    // A section holds no section.
    EXPECT_EQ(loadRegister("DIGITAL_REG O\nSOURCE G2D BIT COLLECTION\nSECTION\nSECTION\n").last(),
              gload::unknownKeyword);
}

} // namespace
