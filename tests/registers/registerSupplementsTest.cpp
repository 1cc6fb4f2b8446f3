#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/gstringSupplement.h"

#include "registerTestSupport.h"

#include <map>
#include <string>

namespace {

TEST_F(registerTest, ClassRulesOfTheSupplements)
{
    struct {
        const char* text;
        gloadStatus last;
    } cases[] = {
        // Analog: limits with an alarm level, a threshold only with a value
        // control, ELEMENTS only where the source does not count.
        {"ANALOG_REG R\nLEVEL ALARM\nEND\n", gload::incomplete},
        {"ANALOG_REG R\nLEVEL STATUS\nMAXIMUM 5\nEND\n", gload::finished},
        {"ANALOG_REG R\nMIN_CHANGE 2\nEND\n", gload::incomplete},
        {"ANALOG_REG R\nMIN_CHANGE 0\n", gload::invalidValue},
        {"ANALOG_REG R\nELEMENTS 0\n", gload::invalidValue},
        {"ANALOG_REG R\nELEMENTS 3\nELEMENTS 3\n", gload::alreadyLoaded},
        {"ANALOG_REG R\nELEMENTS 3\nSOURCE PARAMETER\nPARAMETER P\nEND\nEND\n", gload::incomplete},
        {"ANALOG_REG R\nMAXIMUM 1.7976931348623157e308\n", gload::invalidValue},
        {"ANALOG_REG R\nCALIBRATION x\n", gload::invalidValue},
        {"ANALOG_REG R\nCALIBRATION\nPOINT 1, 2\nEND\nCALIBRATION\n", gload::alreadyLoaded},
        {"ANALOG_REG R\nVALUE_LOG_INFO\nEND\nVALUE_LOG_INFO\n", gload::alreadyLoaded},
        {"ANALOG_REG R\nCALIBRATION\nSMOOTHING 0, 2, YES\nPOINT 1, 0\nEND\n", gload::incomplete},
        // String: a trigger with an alarm level; triggers compile.
        {"STRING_REG R\nLEVEL STATUS\nEND\n", gload::incomplete},
        {"STRING_REG R\nLEVEL STATUS\nTRIGGER2 x\nEND\n", gload::finished},
        {"STRING_REG R\nTRIGGER2 x*\n", gload::invalidValue},
        {"STRING_REG R\nTRIGGER2 a{2\n", gload::invalidValue},
        {"STRING_REG R\nTRIGGER a{2\n", gload::accepted},
        {"STRING_REG R\nTRIGGER2 a, b\n", gload::invalidValue},
        // Sources: the class's kinds only, one per register.
        {"STRING_REG R\nSOURCE LEVEL\n", gload::invalidValue},
        {"ANALOG_REG R\nSOURCE PING\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE ANALOG\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE SOMETHING\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE PING, 2\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE\n", gload::invalidValue},
        {"BISTATE_REG R\nSOURCE grand summary\nEND\nSOURCE \"GRAND SUMMARY\"\n", gload::alreadyLoaded},
        // Bistate: the response time in seconds.
        {"BISTATE_REG R\nDELAY -1\n", gload::invalidValue},
        {"BISTATE_REG R\nDELAY 5000000\n", gload::invalidValue},
        {"BISTATE_REG R\nDELAY 4294967.294\nEND\n", gload::finished},
        {"BISTATE_REG R\nDELAY 1\nDELAY 1\n", gload::alreadyLoaded},
        // Digital: alarm values with an alarm level; one control, name and
        // log string per value.
        {"DIGITAL_REG R\nLEVEL ALARM\nEND\n", gload::incomplete},
        {"DIGITAL_REG R\nLEVEL ALARM\nALARM_VALUES 1, 2, 2\nEND\n", gload::finished},
        {"DIGITAL_REG R\nALARM_VALUES 1\nALARM_VALUES 2\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nALARM_VALUES 1, -2\n", gload::invalidValue},
        {"DIGITAL_REG R\nVALUE_CONTROL 5, A\nVALUE_CONTROL 5, B\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nVALUE_CONTROL 5,\n", gload::invalidValue},
        {"DIGITAL_REG R\nVALUE_CONTROL x\n", gload::invalidValue},
        {"DIGITAL_REG R\nVALUE_CONTROL 5\nARGUMENT X, 1\nEND\n", gload::incomplete},
        {"DIGITAL_REG R\nVALUE_NAME 1, a\nVALUE_NAME 1, b\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nVALUE_NAME 1\n", gload::invalidValue},
        {"DIGITAL_REG R\nVALUE_LOG_STR 1, a\nVALUE_LOG_INFO\n", gload::alreadyLoaded},
        {"DIGITAL_REG R\nVALUE_LOG_INFO x\n", gload::invalidValue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        emptyAll();
        EXPECT_EQ(loadRegister(c.text).last(), c.last);
    }
}

TEST_F(registerTest, SourceKeywordGivesTheKindOfTheClass)
{
    const char* classes[] = {"BISTATE_REG", "DIGITAL_REG", "ANALOG_REG", "STRING_REG"};
    for (int code = 1; code <= 4; ++code) {
        emptyAll();
        loadedRegister loaded =
            loadRegister(std::string(classes[code - 1]) + " R\nSOURCE g2 parameter\nPERSISTENT YES\nEND\nEND\n");
        ASSERT_EQ(loaded.last(), gload::finished);
        EXPECT_EQ(loaded.reg->sourceTypeCode(), code);
        EXPECT_EQ(writtenRegister(*loaded.reg),
                  std::string(classes[code - 1]) +
                      " R\n\tLEVEL\t\tNONE\n\tSOURCE\t\tG2 PARAMETER\n\t\tPERSISTENT\tYES\n\tEND\nEND\n");
    }
}

TEST_F(registerTest, AnalogCountsAndNewSources)
{
    gregister* reg = loadRegister("ANALOG_REG R\nELEMENTS 6\nEND\n").reg;
    ganalogSupplement* analog = reg->getAnalogSupplement();
    EXPECT_EQ(analog->elementCount(), 6);
    EXPECT_FALSE(analog->hasRangeMarks());

    struct {
        ganalogRegisterSource* (ganalogSupplement::*make)();
        int code;
    } makers[] = {
        {&ganalogSupplement::newParameterSource, 3},      {&ganalogSupplement::newLegacyParameterSource, 5},
        {&ganalogSupplement::newRemoteRegisterSource, 6}, {&ganalogSupplement::newSummarySource, 7},
        {&ganalogSupplement::newDataObjectSource, 16},    {&ganalogSupplement::newLegacyLevelSource, 26},
        {&ganalogSupplement::newLegacyProcessorSource, 29},
    };
    for (const auto& m : makers) {
        ganalogRegisterSource* source = (analog->*m.make)();
        ASSERT_NE(source, nullptr);
        EXPECT_EQ(analog->getSource(), source);
        EXPECT_EQ(reg->sourceTypeCode(), m.code);
        EXPECT_EQ(&source->getRegister(), reg);
        // A legacy parameter or level supplies one value, whatever ELEMENTS
        // said.
        EXPECT_EQ(analog->elementCount(), m.code == 5 || m.code == 26 ? 1 : 6);
    }
    // A kind of another class is not made and the source stays.
    EXPECT_EQ(analog->newSource(10), nullptr);
    EXPECT_EQ(reg->sourceTypeCode(), 29);
}

TEST_F(registerTest, StringNewSources)
{
    gregister reg;
    gstringSupplement* text = reg.getStringSupplement();
    struct {
        gstringRegisterSource* (gstringSupplement::*make)();
        int code;
    } makers[] = {
        {&gstringSupplement::newParameterSource, 4},         {&gstringSupplement::newLegacyParameterSource, 5},
        {&gstringSupplement::newRemoteRegisterSource, 6},    {&gstringSupplement::newSummarySource, 7},
        {&gstringSupplement::newDataObjectSource, 17},       {&gstringSupplement::newDataObjectFilterSource, 18},
        {&gstringSupplement::newLegacyLiteralSource, 27},    {&gstringSupplement::newLegacyFilterSource, 28},
        {&gstringSupplement::newLegacyProcessorSource, 29},
    };
    for (const auto& m : makers) {
        ASSERT_NE((text->*m.make)(), nullptr);
        EXPECT_EQ(reg.sourceTypeCode(), m.code);
    }
}

TEST_F(registerTest, DigitalValueLogStringsAfterABlockKeepItsMode)
{
    loadedRegister loaded = loadRegister("DIGITAL_REG R\nVALUE_LOG_INFO\nVALUES ALL\nPREFIX <\nEND\n"
                                         "VALUE_LOG_STR 4, four\nEND\n");
    ASSERT_EQ(loaded.last(), gload::finished);
    const gvalueLogInfo& info = loaded.reg->getDigitalSupplement()->logInfo();
    EXPECT_EQ(info.getMode(), gvalueLogInfo::all);
    EXPECT_EQ(info.valueLogStrings().at(4).view(), "four");
    EXPECT_EQ(writtenRegister(*loaded.reg), "DIGITAL_REG R\n\tLEVEL\t\tNONE\n\tVALUE_LOG_INFO\n"
                                            "\t\tVALUE_LOG_STR\t4, four\n\t\tVALUES\t\tALL\n\t\tPREFIX\t\t<\n"
                                            "\tEND\nEND\n");
}

TEST_F(registerTest, DigitalValueNamesAndControls)
{
    gsclProgram* alarm = program("Alarm");
    gsclProgram* clear = program("Clear");
    loadedRegister loaded = loadRegister("DIGITAL_REG R\nTITLE Mode\nVALUE_CONTROL 1, Alarm\nVALUE_CONTROL 2\n"
                                         "PROGRAM Alarm\nARGUMENT Text$, Alarm on\nEND\nVALUE_NAME 3, Three\nEND\n");
    ASSERT_EQ(loaded.last(), gload::finished);
    gdigitalSupplement* digital = loaded.reg->getDigitalSupplement();
    EXPECT_EQ(users(*alarm), "\nThe register Mode\nThe register Mode");

    EXPECT_EQ(digital->getValueName(3).view(), "Three");
    EXPECT_TRUE(digital->getValueName(4).isEmpty());
    std::map<uint32_t, gstr> names;
    EXPECT_TRUE(digital->getValueNames(names));
    EXPECT_EQ(names.size(), 1u);
    digital->valueNames().clear();
    EXPECT_FALSE(digital->getValueNames(names));

    gregisterBatchOptions options;
    options.find.assign("Alarm");
    options.replace.assign("Clear");
    options.automaticControls = true;
    options.controlArguments = true;
    gstr log("");
    EXPECT_EQ(loaded.reg->replaceText(options, log, nullptr), 3);
    EXPECT_TRUE(alarm->isUnused());
    EXPECT_EQ(users(*clear), "\nThe register Mode\nThe register Mode");
    EXPECT_EQ(digital->valueControls().at(2).getArgument(0)->string().view(), "Clear on");

    // The dialog's controls replace the register's.
    std::map<uint32_t, gprocessorCall> controls;
    controls[7].setProgram(alarm);
    digital->setValueControls(controls);
    EXPECT_EQ(users(*alarm), "\nThe register Mode");
    EXPECT_TRUE(clear->isUnused());
}

TEST_F(registerTest, BistateRightsAndClone)
{
    gregister* reg = loadRegister("BISTATE_REG R\nDELAY 0.004\nSET_POLARITY YES\nSOURCE PING\nADDRESS 10.0.0.1\n"
                                  "INTERVAL 30\nEND\nEND\n")
                         .reg;
    gbistateSupplement* bistate = reg->getBistateSupplement();
    EXPECT_EQ(bistate->getResponseTime().get(), 4u);
    EXPECT_EQ(bistate->getSetPolarity(), 1);
    EXPECT_EQ(bistate->getSetDelay(), 0);
    // The polarity right is written only for a user definable register.
    EXPECT_EQ(writtenRegister(*reg).find("SET_POLARITY"), std::string::npos);
    reg->setUserDefinable(1);
    EXPECT_NE(writtenRegister(*reg).find("SET_POLARITY\tYES"), std::string::npos);

    gregister copy(*reg);
    EXPECT_EQ(writtenRegister(copy), writtenRegister(*reg));
    EXPECT_NE(copy.getSupplement()->getSource(), reg->getSupplement()->getSource());
}

} // namespace
