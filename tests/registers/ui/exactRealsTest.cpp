#include "registerDialogFixture.h"

#include "registers/ui/CRegisterDialog.h"

#include <string>

namespace {

// Reals a dialog shows with ten digits: 15 and 17 significant digits, one
// unit in the last place from 1, the ends of the double range.
const char* const values[] = {
    "0.333333333333333",       "0.123456789012345",        "1.0000000000000002",
    "-1.79769313486231E+308",  "1.7976931348623157E+308",  "-1.7976931348623157E+308",
    "4.94065645841247E-324",   "1.2345678901234568E+17",
};

const char* const lowest = "-1.7976931348623157E+308";
const char* const highest = "1.7976931348623157E+308";

std::string withValue(std::string text, const std::string& value)
{
    for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at + value.size()))
        text.replace(at, 1, value);
    return text;
}

// Edit, then OK without a change in the log strings and the automatic
// controls dialogs and in the register dialog, keeps every real exactly:
// the limits, the change thresholds, the log record's range, factor and
// offset, a parameter source's default; none is refused.
TEST_F(registerDialogTest, ABareOkKeepsEveryRealExactly)
{
    program("Calc");
    // A limit of the most negative or the largest double means none.
    struct {
        const char* text;
        bool positiveOnly;
        const char* noLimit;
    } cases[] = {
        {"ANALOG_REG A\nLEVEL NONE\nMINIMUM @\nEND\n", false, lowest},
        {"ANALOG_REG A\nLEVEL NONE\nMAXIMUM @\nEND\n", false, highest},
        {"ANALOG_REG A\nLEVEL NONE\nVALUE_CONTROL\nPROGRAM Calc\nEND\nMIN_CHANGE_DB @\nEND\n", true, ""},
        {"ANALOG_REG A\nLEVEL NONE\nVALUE_CONTROL\nPROGRAM Calc\nEND\nMIN_CHANGE @\nEND\n", true, ""},
        {"ANALOG_REG A\nLEVEL NONE\nVALUE_LOG_INFO\nVALUES STRICTLY INSIDE\nMINIMUM @\nMIN_CHANGE 1\nFACTOR @\n"
         "OFFSET @\nEND\nEND\n",
         false, lowest},
        {"ANALOG_REG A\nLEVEL NONE\nVALUE_LOG_INFO\nVALUES OUTSIDE\nMAXIMUM @\nEND\nEND\n", false, highest},
        {"ANALOG_REG A\nLEVEL NONE\nVALUE_LOG_INFO\nVALUES ALL\nMIN_CHANGE @\nEND\nEND\n", true, ""},
        {"ANALOG_REG A\nLEVEL NONE\nSOURCE G2 PARAMETER\nDEFAULT @\nEND\nEND\n", false, ""},
    };
    for (const auto& c : cases) {
        for (const char* value : values) {
            if ((c.positiveOnly && value[0] == '-') || std::string(value) == c.noLimit)
                continue;
            std::string text = withValue(c.text, value);
            station::registers().deleteAll();
            loadedRegister loaded = loadRegister(text);
            ASSERT_EQ(loaded.last(), gload::finished) << text;
            std::string before = writtenRegister(*loaded.reg);
            EXPECT_NE(before.find(value), std::string::npos) << before;
            run(3, loaded.reg, loaded.reg, [this](CDialog& d) {
                for (int subDialog : {CRegisterDialog::logStringsId, CRegisterDialog::controlsId}) {
                    user.scripts.push_front([](CDialog& sub) { sub.sendCommand(IDOK); });
                    d.sendCommand(subDialog);
                }
                d.sendCommand(IDOK);
            });
            EXPECT_TRUE(user.scripts.empty()) << "a dialog did not open";
            EXPECT_EQ(writtenRegister(*loaded.reg), before) << text;
        }
    }
    EXPECT_EQ(prompts(), std::vector<int>{});
}

} // namespace
