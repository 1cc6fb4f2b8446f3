#include "registers/gregister.h"
#include "registers/gregisterSet.h"

#include "registerTestSupport.h"
#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/gstringSupplement.h"
#include "store/gstationState.h"

#include <string>

namespace {

// One register of each class with every field of the register and of its
// supplement that a save writes, in the form a save writes it.
const char* const everyField[] = {
    "BISTATE_REG Pump\n"
    "\tTITLE\t\tPump running\n"
    "\tLEVEL\t\tLATCHING ALARM\n"
    "\tLOG_MODE\tFILE ONLY\n"
    "\tNEW_LOG_STRINGS\tYES\n"
    "\tLOCAL\t\tYES\n"
    "\tON_LOG_STR\t% started\n"
    "\tOFF_LOG_STR\t\"\"\n"
    "\tACK_LOG_STR\t\"seen, 100%%\"\n"
    "\tMASK_LOG_STR\tmasked\n"
    "\tUNMASK_LOG_STR\tunmasked\n"
    "\tON_CONTROL\n"
    "\t\tPROGRAM\t\tAlarm\n"
    "\t\tARGUMENT\tLevel, 3\n"
    "\tEND\n"
    "\tOFF_CONTROL\n"
    "\t\tPROGRAM\t\tClear\n"
    "\tEND\n"
    "\tACK_CONTROL\n"
    "\t\tPROGRAM\t\tAck\n"
    "\tEND\n"
    "\tMASK_CONTROL\n"
    "\t\tPROGRAM\t\tMask\n"
    "\tEND\n"
    "\tUNMASK_CONTROL\n"
    "\t\tPROGRAM\t\tUnmask\n"
    "\t\tARGUMENT\tWho$, \"operator, night\"\n"
    "\tEND\n"
    "\tVALUE_CONTROL\n"
    "\t\tPROGRAM\t\tValue\n"
    "\tEND\n"
    "\tAUTO_MASK\tNO\n"
    "\tMASK\t\tNO\n"
    "\tHIDDEN\t\tYES\n"
    "\tSET_TITLE\tYES\n"
    "\tASK_MASK\tNO\n"
    "\tSET_LOG_STRINGS\tYES\n"
    "\tDELAY\t\t2.5\n"
    "\tSET_DELAY\tYES\n"
    "\tSET_POLARITY\tYES\n"
    "\tSOURCE\t\tTIMEOUT\n"
    "\t\tDEVICE\t\tCOM1, Meter\n"
    "\tEND\n"
    "END\n",

    "DIGITAL_REG Mode\n"
    "\tLEVEL\t\tSTATUS\n"
    "\tVALUE_CONTROL\n"
    "\t\tPROGRAM\t\tValue\n"
    "\tEND\n"
    "\tALARM_VALUES\t3, 1, 3\n"
    "\tVALUE_LOG_INFO\n"
    "\t\tVALUE_LOG_STR\t0, Stopped\n"
    "\t\tVALUE_LOG_STR\t7, \"\"\n"
    "\t\tVALUES\t\tEXCLUDE, 4, 2\n"
    "\t\tPREFIX\t\t\"% is \"\n"
    "\t\tSUFFIX\t\t!\n"
    "\t\tBASE\t\t16\n"
    "\t\tWIDTH\t\t4\n"
    "\t\tUSE_VALUE_NAMES\tNO\n"
    "\tEND\n"
    "\tVALUE_CONTROL\t1\n"
    "\t\tPROGRAM\t\tAlarm\n"
    "\tEND\n"
    "\tVALUE_CONTROL\t4294967295\n"
    "\t\tPROGRAM\t\tClear\n"
    "\t\tARGUMENT\tOn%, TRUE\n"
    "\tEND\n"
    "\tVALUE_NAME\t0, Off\n"
    "\tVALUE_NAME\t1, \"On, running\"\n"
    "\tVALUE_NAME\t2, \"\"\n"
    "\tSOURCE\t\tG2D BIT COLLECTION\n"
    "\t\tMASK\t\t3\n"
    "\t\tSECTION\n"
    "\t\t\tDEVICE\t\tCOM1, Meter\n"
    "\t\t\tDRIVER\t\tG2\n"
    "\t\t\t\tOBJECT\t\tState\n"
    "\t\t\tEND\n"
    "\t\t\tMASK\t\t1\n"
    "\t\tEND\n"
    "\tEND\n"
    "END\n",

    "ANALOG_REG Flow\n"
    "\tLEVEL\t\tALARM\n"
    "\tVALUE_CONTROL\n"
    "\t\tPROGRAM\t\tValue\n"
    "\tEND\n"
    "\tSET_TITLE\tYES\n"
    "\tELEMENTS\t4\n"
    "\tMINIMUM\t\t-0.5\n"
    "\tMAXIMUM\t\t1.5E+20\n"
    "\tMIN_CHANGE_DB\t3\n"
    "\tVALUE_LOG_INFO\n"
    "\t\tVALUES\t\tSTRICTLY OUTSIDE\n"
    "\t\tMINIMUM\t\t1\n"
    "\t\tMAXIMUM\t\t2.25\n"
    "\t\tMIN_CHANGE\t0.125\n"
    "\t\tPREFIX\t\t\"Flow \"\n"
    "\t\tSUFFIX\t\t\" \"\n"
    "\t\tSUFFIX2\t\t\" (%)\"\n"
    "\t\tPRECISION\t2\n"
    "\t\tPLUS_SIGN\tYES\n"
    "\t\tEXPONENT\t\" E\"\n"
    "\t\t\tWIDTH\t\t3\n"
    "\t\t\tPLUS_SIGN\tYES\n"
    "\t\tEND\n"
    "\t\tFACTOR\t\t1000\n"
    "\t\tOFFSET\t\t-2.5\n"
    "\tEND\n"
    "\tSET_LIMITS\tYES\n"
    "\tCALIBRATION\n"
    "\t\tSMOOTHING\t1, 3, YES\n"
    "\t\tPOINT\t\t-1, 0.5\n"
    "\t\tPOINT\t\t2, 8\n"
    "\tEND\n"
    "\tCALIBRATE\tYES\n"
    "\tSET_UNITS\tYES\n"
    "\tSET_DECIMALS\tYES\n"
    "\tSOURCE\t\tNETWORK2\n"
    "\t\tREGISTER\tFLOW\n"
    "\t\tADDRESS\t\t10.0.0.2\n"
    "\tEND\n"
    "END\n",

    "STRING_REG Text\n"
    "\tLEVEL\t\tALARM\n"
    "\tTRIGGER2\tERR#+\n"
    "\tTRIGGER2\t\"a, b\"\n"
    "\tTRIGGER\t\tx*\n"
    "\tSOURCE\t\tPROCESSOR\n"
    "\t\tRESPONSE\tCOM1, Meter, Status\n"
    "\t\tPROGRAM\n"
    "\t\t\tPROGRAM\t\tParse\n"
    "\t\tEND\n"
    "\tEND\n"
    "\tVALUE_LOG_INFO\n"
    "\t\tVALUES\t\tINCLUDE, \"[A-Z]+, now\"\n"
    "\t\tPREFIX\t\t<\n"
    "\t\tSUFFIX\t\t>\n"
    "\tEND\n"
    "END\n",
};

TEST_F(registerTest, EveryFieldOfEachClassIsWrittenAsItWasRead)
{
    for (const char* text : everyField) {
        SCOPED_TRACE(text);
        EXPECT_EQ(roundTrip(text), text);
    }
}

// What loading fills in and a save then writes differently.
TEST_F(registerTest, LoadedFormsAreWrittenInTheirOwnForm)
{
    struct {
        const char* read;
        const char* written;
    } cases[] = {
        // No LEVEL is NONE; AUTO_MASK YES and MASK YES are the defaults.
        {"BISTATE_REG R\nAUTO_MASK YES\nMASK YES\nEND\n", "BISTATE_REG R\n\tLEVEL\t\tNONE\nEND\n"},
        // The short control form comes back as a block.
        {"BISTATE_REG R\nON_CONTROL Alarm\nEND\n",
         "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tON_CONTROL\n\t\tPROGRAM\t\tAlarm\n\tEND\nEND\n"},
        // Without SET_TITLE neither ASK_MASK nor SET_LOG_STRINGS, nor the
        // polarity and the units and decimals rights.
        {"BISTATE_REG R\nASK_MASK NO\nSET_LOG_STRINGS YES\nSET_POLARITY YES\nDELAY 0\nEND\n",
         "BISTATE_REG R\n\tLEVEL\t\tNONE\nEND\n"},
        {"ANALOG_REG R\nSET_UNITS YES\nSET_DECIMALS YES\nELEMENTS 1\nEND\n",
         "ANALOG_REG R\n\tLEVEL\t\tNONE\nEND\n"},
        // A threshold without a value control is not written... (see the
        // refusals: it does not load either); the log format's defaults.
        {"ANALOG_REG R\nVALUE_LOG_INFO\nVALUES ALL\nFACTOR 1\nOFFSET 0\nPRECISION 0\nPLUS_SIGN NO\n"
         "EXPONENT E\nWIDTH 1\nPLUS_SIGN NO\nEND\nEND\nEND\n",
         "ANALOG_REG R\n\tLEVEL\t\tNONE\n\tVALUE_LOG_INFO\n\t\tVALUES\t\tALL\n\t\tEXPONENT\tE\n\t\tEND\n\tEND\nEND\n"},
        {"ANALOG_REG R\nVALUE_LOG_INFO\nVALUES NONE\nEND\nCALIBRATION\nPOINT 3, 1\nPOINT 1, 2\nEND\nEND\n",
         "ANALOG_REG R\n\tLEVEL\t\tNONE\n\tCALIBRATION\n\t\tPOINT\t\t1, 2\n\t\tPOINT\t\t3, 1\n\tEND\nEND\n"},
        // The older value log strings without a block, a control of one
        // value in its short form.
        {"DIGITAL_REG R\nVALUE_LOG_STR 2, two\nVALUE_CONTROL 5, Alarm\nEND\n",
         "DIGITAL_REG R\n\tLEVEL\t\tNONE\n\tVALUE_LOG_INFO\n\t\tVALUE_LOG_STR\t2, two\n\tEND\n"
         "\tVALUE_CONTROL\t5\n\t\tPROGRAM\t\tAlarm\n\tEND\nEND\n"},
        {"STRING_REG R\nTRIGGER ab{2}\nVALUE_LOG_INFO\nVALUES NONE\nEND\nEND\n",
         "STRING_REG R\n\tLEVEL\t\tNONE\n\tTRIGGER2\t\"ab\\{2}\"\nEND\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        emptyAll();
        EXPECT_EQ(roundTrip(c.read), c.written);
        emptyAll();
        EXPECT_EQ(roundTrip(c.written), c.written);
    }
}

TEST_F(registerTest, RefusedLinesAnswerTheirStatus)
{
    struct {
        const char* text;
        gloadStatus status;
    } cases[] = {
        {"BISTATE_REG R\nLEVEL WARNING\n", gload::invalidValue},
        {"BISTATE_REG R\nLEVEL NONE\nLEVEL ALARM\n", gload::alreadyLoaded},
        {"BISTATE_REG R\nLOG_MODE NORMAL\nLOG_MODE FILE ONLY\n", gload::alreadyLoaded},
        {"BISTATE_REG R\nHIDDEN maybe\n", gload::invalidValue},
        {"BISTATE_REG R\nON_LOG_STR a, b\n", gload::invalidValue},
        {"BISTATE_REG R\nON_LOG_STR \"\"\nON_LOG_STR x\n", gload::alreadyLoaded},
        {"BISTATE_REG R\nON_CONTROL A\nON_CONTROL B\n", gload::alreadyLoaded},
        {"BISTATE_REG R\nON_CONTROL A, B\n", gload::invalidValue},
        {"BISTATE_REG R\nMASK_CONTROL Mask\n", gload::invalidValue},
        {"BISTATE_REG R\nUNMASK_CONTROL Mask\n", gload::invalidValue},
        {"BISTATE_REG R\nVALUE_CONTROL 5\n", gload::invalidValue},
        {"ANALOG_REG R\nVALUE_CONTROL 5, P\n", gload::invalidValue},
        {"BISTATE_REG R\nOFF_CONTROL\nARGUMENT X, 1\nEND\n", gload::incomplete},
        {"BISTATE_REG R\nMINIMUM 1\n", gload::unknownKeyword},
        {"BISTATE_REG R\nTITLE a\nTITLE b\n", gload::alreadyLoaded},
        {"BISTATE_REG R\nEND x\n", gload::invalidValue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        emptyAll();
        EXPECT_EQ(loadRegister(c.text).last(), c.status);
    }
}

TEST_F(registerTest, LoadedFlagsTakeTheirDefaults)
{
    gregister* plain = loadRegister("BISTATE_REG A\nEND\n").reg;
    EXPECT_EQ(plain->getLevel(), gregister::levelNone);
    for (int32_t flag : {plain->getLogMode(), plain->getNewLogStrings(), plain->getUserDefinable(),
                         plain->getConfigureLogStrings(), plain->getLocal(), plain->getHidden(), plain->getAskToMask()})
        EXPECT_EQ(flag, 0);
    EXPECT_EQ(plain->getAutoMask(), -1);
    EXPECT_EQ(plain->getManualMask(), -1);
    EXPECT_TRUE(plain->getLogString(gregister::onLog).isNull());

    gregister* definable = loadRegister("BISTATE_REG B\nSET_TITLE YES\nON_LOG_STR \"\"\nEND\n").reg;
    EXPECT_EQ(definable->getAskToMask(), 1);
    const gstr& on = definable->getLogString(gregister::onLog);
    EXPECT_FALSE(on.isNull());
    EXPECT_TRUE(on.isEmpty());
}

TEST_F(registerTest, EveryControlListsTheRegisterAsAUserOfItsProgram)
{
    const char* tags[] = {"Alarm", "Clear", "Ack", "Mask", "Unmask", "Value"};
    for (const char* tag : tags)
        program(tag);
    loadedRegister loaded = loadRegister(everyField[0]);
    ASSERT_EQ(loaded.last(), gload::finished);
    for (const char* tag : tags)
        EXPECT_EQ(users(*station::programs().find(tag)), "\nThe register Pump running") << tag;

    station::registers().remove(loaded.reg);
    delete loaded.reg;
    for (const char* tag : tags)
        EXPECT_TRUE(station::programs().find(tag)->isUnused()) << tag;
}

TEST_F(registerTest, ClassIsSetOnceAndBindsThePlaceholder)
{
    gregister* reg = station::registers().reference("R");
    EXPECT_EQ(gregister::classCode(*reg), 0);
    EXPECT_EQ(reg->getSupplement(), nullptr);
    EXPECT_EQ(reg->sourceTypeCode(), 0);

    // A user that needs an analog register gives the placeholder its class.
    ganalogSupplement* analog = reg->getAnalogSupplement();
    ASSERT_NE(analog, nullptr);
    EXPECT_EQ(gregister::classCode(*reg), 3);
    EXPECT_EQ(reg->getAnalogSupplement(), analog);
    EXPECT_EQ(reg->getDigitalSupplement(), nullptr);
    EXPECT_EQ(reg->getBistateSupplement(), nullptr);
    EXPECT_EQ(reg->getStringSupplement(), nullptr);

    // The definition's type does not change it: the loader reports the
    // difference.
    reg->setClass(objectTypes::stringRegister());
    EXPECT_EQ(reg->getObjectType(), &objectTypes::analogRegister());
    EXPECT_EQ(reg->getSupplement(), analog);

    gregister other;
    other.setClass(objectTypes::bistateRegister());
    EXPECT_EQ(gregister::classCode(other), 1);
    EXPECT_NE(other.getBistateSupplement(), nullptr);
}

TEST_F(registerTest, DuplicateCopiesEverythingAndUsesThePrograms)
{
    gsclProgram* value = program("Value");
    for (const char* text : everyField) {
        SCOPED_TRACE(text);
        emptyAll();
        value = program("Value");
        gregister* original = loadRegister(text).reg;
        ASSERT_NE(original, nullptr);
        std::unique_ptr<gregister> copy(original->clone());
        EXPECT_EQ(writtenRegister(*copy), writtenRegister(*original));
        EXPECT_TRUE(copy->usedBy().isUnused());
        EXPECT_NE(copy->getSupplement(), original->getSupplement());
        EXPECT_EQ(&copy->getSupplement()->getRegister(), copy.get());
        EXPECT_EQ(copy->sourceTypeCode(), original->sourceTypeCode());
        std::string expected;
        if (original->getValueControl().isSet())
            expected = "\nThe register " + std::string(original->getTitle(true).view()) + "\nThe register " +
                       std::string(copy->getTitle(true).view());
        EXPECT_EQ(users(*value), expected);
        copy.reset();
    }
}

TEST_F(registerTest, ControlsCopiedOnlyWithAProgram)
{
    gregister reg;
    reg.setClass(objectTypes::bistateRegister());
    gprocessorCall call;
    call.addArgument(new gprogramArgument(1), false);
    reg.setControl(gregister::offControl, call);
    EXPECT_EQ(reg.getControl(gregister::offControl).argumentCount(), 1);
    gregister copy(reg);
    EXPECT_EQ(copy.getControl(gregister::offControl).argumentCount(), 0);

    gsclProgram* p = program("P");
    call.setProgram(p);
    reg.setControl(gregister::offControl, call);
    EXPECT_FALSE(p->isUnused());
    reg.setControl(gregister::offControl, gprocessorCall());
    EXPECT_TRUE(p->isUnused());
}

TEST_F(registerTest, LogStringIsTakenOver)
{
    gregister reg;
    gstr text("% failed");
    reg.setLogString(gregister::offLog, text);
    EXPECT_TRUE(text.isNull());
    EXPECT_EQ(reg.getLogString(gregister::offLog).view(), "% failed");
    gstr none;
    reg.setLogString(gregister::offLog, none);
    EXPECT_TRUE(reg.getLogString(gregister::offLog).isNull());
}

TEST_F(registerTest, ReplaceTextInTitleLogStringsControlsAndArguments)
{
    program("PumpOn", "Start pump");
    program("FanOn");
    loadedRegister loaded = loadRegister("ANALOG_REG R\nTITLE Pump speed\nON_LOG_STR \"Pump on, Pump\"\n"
                                         "OFF_LOG_STR \"\"\nON_CONTROL\nPROGRAM PumpOn\nARGUMENT Name$, Pump 1\nEND\n"
                                         "OFF_CONTROL PumpOn\nMINIMUM 0\nVALUE_LOG_INFO\nVALUES INSIDE\nMINIMUM 1\n"
                                         "PREFIX Pump\nEND\nEND\n");
    ASSERT_EQ(loaded.last(), gload::finished);
    gregister* reg = loaded.reg;
    gregisterBatchOptions options;
    options.find.assign("Pump");
    options.replace.assign("Fan");
    options.names = true;
    options.logStrings = true;
    options.automaticControls = true;
    options.controlArguments = true;
    gstr log("");
    // Title 1, log string 2, the two controls 2, the argument 1, the log
    // format's prefix 1.
    EXPECT_EQ(reg->replaceText(options, log, nullptr), 7);
    EXPECT_EQ(reg->getTitle(false).view(), "Fan speed");
    EXPECT_EQ(reg->getLogString(gregister::onLog).view(), "Fan on, Fan");
    EXPECT_EQ(reg->getControl(gregister::onControl).getProgram(), station::programs().find("FanOn"));
    EXPECT_EQ(reg->getControl(gregister::onControl).getArgument(0)->string().view(), "Fan 1");
    EXPECT_EQ(users(*station::programs().find("FanOn")), "\nThe register Fan speed\nThe register Fan speed");
    EXPECT_TRUE(station::programs().find("PumpOn")->isUnused());
    EXPECT_EQ(log.view(), "");

    // A tag that names no program keeps the old one and says so.
    options.find.assign("Fan");
    options.replace.assign("Mixer");
    options.names = options.logStrings = options.controlArguments = false;
    EXPECT_EQ(reg->replaceText(options, log, nullptr), 1);
    EXPECT_EQ(reg->getControl(gregister::onControl).getProgram(), station::programs().find("FanOn"));
    EXPECT_EQ(log.view(), "\nThe program with tag MixerOn specified by Fan speed does not exist: retained program "
                          "FanOn\nThe program with tag MixerOn specified by Fan speed does not exist: retained "
                          "program FanOn");
}

TEST_F(registerTest, CopySourceOnlyFromAnotherRegisterOfTheClassWithASource)
{
    gregister* from = loadRegister("ANALOG_REG A\nSOURCE LEVEL\nRESPONSE COM1, M, R\nEND\nEND\n").reg;
    gregister* to = loadRegister("ANALOG_REG B\nEND\n").reg;
    gregister* digital = loadRegister("DIGITAL_REG C\nEND\n").reg;
    gregister* empty = loadRegister("ANALOG_REG D\nEND\n").reg;
    ASSERT_TRUE(from && to && digital && empty);

    stationState().modified = 0;
    to->copySourceFrom(*digital);
    to->copySourceFrom(*empty);
    from->copySourceFrom(*from);
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_EQ(to->sourceTypeCode(), 0);

    to->copySourceFrom(*from);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(to->sourceTypeCode(), 26);
    EXPECT_NE(to->getSupplement()->getSource(), from->getSupplement()->getSource());
    EXPECT_EQ(&to->getSupplement()->getSource()->getRegister(), to);
    std::string written = writtenRegister(*to);
    EXPECT_NE(written.find("\tSOURCE\t\tLEVEL\n\t\tRESPONSE\tCOM1, M, R\n\tEND\n"), std::string::npos);

    // Sources that name no register are never left useless.
    to->dropSourceIfEmptied(gregisterSet{from});
    EXPECT_EQ(to->sourceTypeCode(), 26);
}

TEST_F(registerTest, DescribesItselfByTitleElseTag)
{
    gregister* reg = station::registers().define("R7");
    gstr text("");
    reg->describeReferrer(text);
    reg->setTitle("Boiler");
    reg->describeReferrer(text);
    EXPECT_EQ(text.view(), "The register R7The register Boiler");
}

} // namespace
