#include "registerDialogFixture.h"

#include "platform/settingsStore.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/ui/CAnalogLogFormatPane.h"
#include "registers/ui/CEditAnalogRegisterDialog.h"
#include "registers/ui/CLogStringsTabDialog.h"
#include "registers/ui/CStringLogValuesPane.h"

namespace {

using base = CRegisterDialog;
using analogPane = CAnalogLogFormatPane;
using stringPane = CStringLogValuesPane;

// The source of a data object whose values may be marked beyond the range.
class markingPane final : public CSourcePane {
public:
    markingPane() : CSourcePane(838) {}
    bool create(CRegisterDialog& dialog) override
    {
        setParent(&dialog, Qt::Widget);
        ensureInitialized();
        return true;
    }
    int hasGreaterLess() const override { return 1; }
};

class logFormatTest : public registerDialogTest {
protected:
    // The value pane of the class's log strings dialog, then OK there (when
    // the script left it open) and OK or Cancel in the register dialog.
    void withPane(int classCode, gregister* reg, std::function<void(CDialog& tabs, CDialog& pane)> script,
                  std::function<void(CRegisterDialog&)> before = {})
    {
        run(classCode, reg, reg, [&](CDialog& d) {
            if (before)
                before(dynamic_cast<CRegisterDialog&>(d));
            user.scripts.push_front([&](CDialog& tabs) {
                script(tabs, dynamic_cast<CLogStringsTabDialog&>(tabs).valuePane());
                if (!tabs.hasEnded())
                    tabs.sendCommand(IDOK);
            });
            d.sendCommand(base::logStringsId);
            d.sendCommand(IDOK);
        });
    }

    static std::string logInfoLines(gregister& reg)
    {
        std::string written = writtenRegister(reg);
        size_t start = written.find("\tVALUE_LOG_INFO");
        return start == std::string::npos ? "" : written.substr(start, written.find("\n\tEND\n", start) + 6 - start);
    }
};

TEST_F(logFormatTest, AnalogPageOfANewRegisterLogsNothing)
{
    gregister* reg = loadRegister("ANALOG_REG F\nEND\n").reg;
    withPane(3, reg, [](CDialog&, CDialog& p) {
        EXPECT_EQ(p.templateId(), 848);
        EXPECT_EQ(p.controlText(analogPane::modeId).view(), "Don't log any values");
        EXPECT_EQ(p.controlText(analogPane::factorId).view(), "1");
        EXPECT_EQ(p.controlText(analogPane::offsetId).view(), "0");
        EXPECT_EQ(p.controlText(analogPane::markerId).view(), " E");
        EXPECT_EQ(p.controlText(analogPane::exponentDigitsId).view(), "2");
        for (int id : {analogPane::prefixId, analogPane::factorId, analogPane::exponentBoxId, analogPane::fromId,
                       analogPane::thresholdBoxId})
            EXPECT_FALSE(p.isControlEnabled(id)) << id;
        EXPECT_EQ(p.controlText(analogPane::sampleId).view(), "");
    });
    EXPECT_EQ(logInfoLines(*reg), "");
}

TEST_F(logFormatTest, AnalogSamples)
{
    gregister* reg = loadRegister("ANALOG_REG Flow\nEND\n").reg;
    withPane(3, reg, [](CDialog& tabs, CDialog& p) {
        p.selectItem(analogPane::modeId, 1);
        EXPECT_TRUE(p.isControlEnabled(analogPane::prefixId));
        EXPECT_FALSE(p.isControlEnabled(analogPane::fromId));
        p.setControlText(analogPane::prefixId, "% = ");
        p.setControlText(analogPane::suffixId, " l/s");
        p.setControlText(analogPane::factorId, "2");
        p.setControlText(analogPane::offsetId, "1");
        p.setControlText(analogPane::decimalsId, "2");
        EXPECT_EQ(p.controlText(analogPane::sampleId).view(), "Flow = 4.06 l/s");
        clickButton(p, analogPane::plusSignId);
        EXPECT_EQ(p.controlText(analogPane::sampleId).view(), "Flow = +4.06 l/s");
        clickButton(p, analogPane::plusSignId);
        clickButton(p, analogPane::exponentBoxId);
        EXPECT_TRUE(p.isControlEnabled(analogPane::markerId));
        EXPECT_EQ(p.controlText(analogPane::sampleId).view(), "Flow = 4.06 E+00 l/s");
        p.setControlText(analogPane::factorId, "1000");
        p.setControlText(analogPane::offsetId, "0");
        p.setControlText(analogPane::decimalsId, "1");
        EXPECT_EQ(p.controlText(analogPane::sampleId).view(), "Flow = 1.5 E+03 l/s");
        p.setControlText(analogPane::factorId, "0");
        p.setControlText(analogPane::decimalsId, "2");
        EXPECT_EQ(p.controlText(analogPane::sampleId).view(), "Flow = 0.00 E+00 l/s");
        // The units spacer is not part of the sample.
        p.setControlText(analogPane::spacerId, "_");
        EXPECT_EQ(p.controlText(analogPane::sampleId).view(), "Flow = 0.00 E+00 l/s");
        p.setControlText(analogPane::exponentDigitsId, "0");
        tabs.sendCommand(IDOK);
        EXPECT_FALSE(tabs.hasEnded());
        p.setControlText(analogPane::exponentDigitsId, "3");
        p.setControlText(analogPane::factorId, "1e999");
        tabs.sendCommand(IDOK);
        EXPECT_FALSE(tabs.hasEnded());
        p.setControlText(analogPane::factorId, "-2.5");
        tabs.sendCommand(IDOK);
    });
    EXPECT_EQ(prompts(), (std::vector<int>{10716, 10393}));
    EXPECT_EQ(logInfoLines(*reg), "\tVALUE_LOG_INFO\n"
                                  "\t\tVALUES\t\tALL\n"
                                  "\t\tPREFIX\t\t\"% = \"\n"
                                  "\t\tSUFFIX\t\t_\n"
                                  "\t\tSUFFIX2\t\t\" l/s\"\n"
                                  "\t\tPRECISION\t2\n"
                                  "\t\tEXPONENT\t\" E\"\n"
                                  "\t\t\tWIDTH\t\t3\n"
                                  "\t\t\tPLUS_SIGN\tYES\n"
                                  "\t\tEND\n"
                                  "\t\tFACTOR\t\t-2.5\n"
                                  "\tEND\n");
}

TEST_F(logFormatTest, ARangeMarkPrecedesTheNumber)
{
    gregister* reg = loadRegister("ANALOG_REG M\nEND\n").reg;
    withPane(
        3, reg,
        [](CDialog& tabs, CDialog& p) {
            p.selectItem(analogPane::modeId, 1);
            EXPECT_EQ(p.controlText(analogPane::sampleId).view(), ">2");
            p.setControlText(analogPane::factorId, "-1");
            EXPECT_EQ(p.controlText(analogPane::sampleId).view(), "<-2");
            tabs.sendCommand(IDCANCEL);
        },
        [](CRegisterDialog& d) { d.showSourcePane(16, std::make_unique<markingPane>()); });
}

TEST_F(logFormatTest, AnalogLimitsAndThreshold)
{
    gregister* reg = loadRegister("ANALOG_REG L\nEND\n").reg;
    withPane(3, reg, [this](CDialog& tabs, CDialog& p) {
        p.selectItem(analogPane::modeId, 4);
        EXPECT_TRUE(p.isControlEnabled(analogPane::fromId));
        tabs.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10711);
        EXPECT_TRUE(p.hasFocus(analogPane::fromId));
        p.setControlText(analogPane::fromId, "ten");
        tabs.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10712);
        p.setControlText(analogPane::fromId, "50");
        p.setControlText(analogPane::toId, "10");
        clickButton(p, analogPane::thresholdBoxId);
        EXPECT_TRUE(p.isControlEnabled(analogPane::thresholdId));
        tabs.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10714);
        p.setControlText(analogPane::thresholdId, "3");
        clickButton(p, analogPane::decibelId);
    });
    EXPECT_EQ(logInfoLines(*reg), "\tVALUE_LOG_INFO\n"
                                  "\t\tVALUES\t\tINSIDE\n"
                                  "\t\tMINIMUM\t\t50\n"
                                  "\t\tMAXIMUM\t\t10\n"
                                  "\t\tMIN_CHANGE_DB\t3\n"
                                  "\tEND\n");

    // Reopened: the limits and the threshold again; From alone is enough.
    withPane(3, reg, [](CDialog&, CDialog& p) {
        EXPECT_EQ(p.controlText(analogPane::modeId).view(), "Log values within or on the following limits:");
        EXPECT_EQ(p.controlText(analogPane::fromId).view(), "50");
        EXPECT_TRUE(p.isChecked(analogPane::decibelId));
        EXPECT_EQ(p.controlText(analogPane::thresholdId).view(), "3");
        p.selectItem(analogPane::modeId, 6);
        p.setControlText(analogPane::toId, "");
        clickButton(p, analogPane::thresholdBoxId);
    });
    EXPECT_EQ(logInfoLines(*reg), "\tVALUE_LOG_INFO\n"
                                  "\t\tVALUES\t\tSTRICTLY INSIDE\n"
                                  "\t\tMINIMUM\t\t50\n"
                                  "\tEND\n");
}

TEST_F(logFormatTest, DontLogAnyValuesStartsOverFromTheDefaults)
{
    gregister* reg = loadRegister(fixtureBlock("ANALOG_REG Flow")).reg;
    withPane(3, reg, [](CDialog&, CDialog& p) {
        EXPECT_EQ(p.controlText(analogPane::modeId).view(), "Log values strictly outside the following limits:");
        EXPECT_TRUE(p.isChecked(analogPane::exponentBoxId));
        p.selectItem(analogPane::modeId, 0);
    });
    EXPECT_EQ(logInfoLines(*reg), "");
    withPane(3, reg, [](CDialog& tabs, CDialog& p) {
        EXPECT_EQ(p.controlText(analogPane::prefixId).view(), "");
        EXPECT_EQ(p.controlText(analogPane::spacerId).view(), "");
        EXPECT_EQ(p.controlText(analogPane::decimalsId).view(), "0");
        EXPECT_EQ(p.controlText(analogPane::factorId).view(), "1");
        EXPECT_FALSE(p.isChecked(analogPane::exponentBoxId));
        p.selectItem(analogPane::modeId, 1);
        EXPECT_FALSE(p.isControlEnabled(analogPane::markerId));
        tabs.sendCommand(IDCANCEL);
    });
}

TEST_F(logFormatTest, StringPagePatternAndSample)
{
    writeProfileString("Settings", "StringValue", "HI");
    gregister* reg = loadRegister("STRING_REG Text\nEND\n").reg;
    withPane(4, reg, [this](CDialog& tabs, CDialog& p) {
        EXPECT_EQ(p.templateId(), 849);
        EXPECT_TRUE(p.isChecked(stringPane::firstModeId));
        EXPECT_FALSE(p.isControlEnabled(stringPane::prefixId));
        clickButton(p, 2043);
        EXPECT_TRUE(p.isControlEnabled(stringPane::patternId));
        p.setControlText(stringPane::prefixId, "% says ");
        EXPECT_EQ(p.controlText(stringPane::sampleId).view(), "Text says HI");
        tabs.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10708);
        p.setControlText(stringPane::patternId, "(AB");
        tabs.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10709);
        p.setControlText(stringPane::patternId, "E#+, x");
    });
    EXPECT_EQ(logInfoLines(*reg), "\tVALUE_LOG_INFO\n"
                                  "\t\tVALUES\t\tINCLUDE, \"E#+, x\"\n"
                                  "\t\tPREFIX\t\t\"% says \"\n"
                                  "\tEND\n");
    withPane(4, reg, [](CDialog&, CDialog& p) {
        EXPECT_EQ(p.controlText(stringPane::patternId).view(), "E#+, x");
        clickButton(p, 2040);
        EXPECT_FALSE(p.isControlEnabled(stringPane::patternId));
    });
    EXPECT_EQ(logInfoLines(*reg), "\tVALUE_LOG_INFO\n"
                                  "\t\tVALUES\t\tALL\n"
                                  "\t\tPREFIX\t\t\"% says \"\n"
                                  "\tEND\n");
}

} // namespace
