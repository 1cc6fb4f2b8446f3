#include "registerDialogFixture.h"

#include "platform/settingsStore.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gvalueLogInfo.h"
#include "registers/ui/CLogStringsTabDialog.h"
#include "registers/ui/CRegisterDialog.h"
#include "registers/ui/CStateLogStringsDialog.h"
#include "registers/ui/CValueLogPane.h"
#include "registers/ui/CValueLogStringsPane.h"

#include <QTabBar>

namespace {

using base = CRegisterDialog;
using state = CStateLogStringsDialog;
using pane = CValueLogStringsPane;

constexpr int offSample = 1636;
constexpr int onSample = 1635;
constexpr int ackSample = 1637;
constexpr int maskSample = 1638;
constexpr int unmaskSample = 1639;

std::vector<std::string> samples(CDialog& page)
{
    std::vector<std::string> texts;
    for (int id : {offSample, onSample, ackSample, maskSample, unmaskSample})
        texts.emplace_back(page.controlText(id).view());
    return texts;
}

class logStringsTest : public registerDialogTest {
protected:
    // In the register dialog: the name and level typed, then the log
    // strings dialog with the script.
    void openLogStrings(CDialog& d, const char* name, int level, std::function<void(CDialog&)> script)
    {
        d.setControlText(base::nameId, name);
        d.selectItem(base::levelId, level - 1);
        user.scripts.push_front(std::move(script));
        d.sendCommand(base::logStringsId);
    }
};

TEST_F(logStringsTest, DefaultSamplesFollowLevelStyleAndName)
{
    struct {
        int level;
        bool oldStyle;
        std::vector<std::string> expected;
    } cases[] = {
        {gregister::levelNone, false, {"", "", "", "Pump masked", "Pump unmasked"}},
        {gregister::levelStatus, false, {"Pump off", "Pump on", "", "Pump masked", "Pump unmasked"}},
        {gregister::levelStatus, true, {"Pump off", "Pump on", "", "Pump masked", "Pump unmasked"}},
        {gregister::levelAlarm, false, {"Pump clear", "Pump", "Pump acknowledged", "Pump masked", "Pump unmasked"}},
        {gregister::levelLatchingAlarm, true,
         {"Pump alarm clear", "Pump alarm", "Pump alarm acknowledged", "Pump masked", "Pump unmasked"}},
    };
    for (const auto& c : cases) {
        run(1, nullptr, nullptr, [&](CDialog& d) {
            openLogStrings(d, "Pump", c.level, [&](CDialog& page) {
                EXPECT_EQ(page.templateId(), 523);
                EXPECT_EQ(page.windowTitle(), "Edit Register Log Strings");
                for (const auto& row : state::rows)
                    EXPECT_TRUE(page.isChecked(row.defaultId));
                if (c.oldStyle)
                    clickButton(page, state::oldStyleId);
                EXPECT_EQ(samples(page), c.expected) << c.level;
                page.sendCommand(IDCANCEL);
            });
            d.sendCommand(IDCANCEL);
        });
    }
    // Without name and tag the samples name a sample register.
    run(1, nullptr, nullptr, [&](CDialog& d) {
        openLogStrings(d, "", gregister::levelNone, [](CDialog& page) {
            EXPECT_EQ(page.controlText(maskSample).view(), "Sample register name masked");
            page.sendCommand(IDCANCEL);
        });
        d.sendCommand(IDCANCEL);
    });
}

TEST_F(logStringsTest, CustomTextsAndNoneAreStored)
{
    gregister* made = run(1, nullptr, nullptr, [&](CDialog& d) {
        d.setControlText(base::tagId, "P");
        openLogStrings(d, "Pump", gregister::levelStatus, [](CDialog& page) {
            const auto& on = state::rows[1];
            EXPECT_FALSE(page.isControlEnabled(on.editId));
            clickButton(page, on.customId);
            EXPECT_TRUE(page.isControlEnabled(on.editId));
            page.setControlText(on.editId, "% tripped");
            EXPECT_EQ(page.controlText(onSample).view(), "Pump tripped");
            page.setControlText(on.editId, "100%% %s");
            EXPECT_EQ(page.controlText(onSample).view(), "100% Pumps");
            const auto& off = state::rows[0];
            clickButton(page, off.customId);
            clickButton(page, state::rows[2].noneId);
            EXPECT_EQ(page.controlText(ackSample).view(), "");
            page.sendCommand(IDOK);
        });
        // Cancel keeps what OK stored before.
        user.scripts.push_front([](CDialog& page) {
            EXPECT_EQ(page.controlText(state::rows[1].editId).view(), "100%% %s");
            EXPECT_TRUE(page.isChecked(state::rows[0].noneId));
            clickButton(page, state::rows[1].defaultId);
            page.sendCommand(IDCANCEL);
        });
        d.sendCommand(base::logStringsId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    std::string written = writtenRegister(*made);
    EXPECT_NE(written.find("\tON_LOG_STR\t100%% %s\n\tOFF_LOG_STR\t\"\"\n\tACK_LOG_STR\t\"\"\n"),
              std::string::npos)
        << written;
}

TEST_F(logStringsTest, TabbedDialogOpensOnTheStatePageWhenOnlyItHasSettings)
{
    gregister* reg = loadRegister("DIGITAL_REG D\nACK_LOG_STR seen\nEND\n").reg;
    run(2, reg, reg, [&](CDialog& d) {
        user.scripts.push_front([](CDialog& tabs) {
            EXPECT_EQ(tabs.templateId(), 847);
            auto* bar = tabs.controlAs<QTabBar>(CLogStringsTabDialog::tabsId);
            EXPECT_EQ(bar->tabText(0), "Value Log Strings");
            EXPECT_EQ(bar->tabText(1), "On/Off State Log Strings");
            EXPECT_EQ(bar->currentIndex(), 1);
            auto& dialog = dynamic_cast<CLogStringsTabDialog&>(tabs);
            EXPECT_TRUE(dialog.statePage().isVisible() || !dialog.valuePane().isVisibleTo(&tabs));
            EXPECT_FALSE(dialog.valuePane().isVisibleTo(&tabs));
            bar->setCurrentIndex(0);
            EXPECT_TRUE(dialog.valuePane().isVisibleTo(&tabs));
            EXPECT_FALSE(dialog.statePage().isVisibleTo(&tabs));
            tabs.sendCommand(IDCANCEL);
        });
        d.sendCommand(base::logStringsId);
        d.sendCommand(IDCANCEL);
    });
}

TEST_F(logStringsTest, ARefusedValuePaneStoresNothing)
{
    gregister* reg = loadRegister("DIGITAL_REG D\nEND\n").reg;
    run(2, reg, reg, [&](CDialog& d) {
        user.scripts.push_front([this](CDialog& tabs) {
            auto& dialog = dynamic_cast<CLogStringsTabDialog&>(tabs);
            EXPECT_EQ(tabs.controlAs<QTabBar>(CLogStringsTabDialog::tabsId)->currentIndex(), 0);
            CDialog& page = dialog.statePage();
            clickButton(page, state::rows[3].noneId);
            CDialog& values = dialog.valuePane();
            values.selectItem(pane::otherValuesId, 4);
            tabs.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10703);
            EXPECT_FALSE(tabs.hasEnded());
            tabs.sendCommand(IDCANCEL);
        });
        d.sendCommand(base::logStringsId);
        auto& dialog = dynamic_cast<CRegisterDialog&>(d);
        EXPECT_TRUE(dialog.logStringCopy(gregister::maskLog).isNull());
        d.sendCommand(IDCANCEL);
    });
}

// The value log strings pane, in the digital register's tabbed dialog.
class valueLogPaneTest : public logStringsTest {
protected:
    void withPane(gregister* reg, std::function<void(CLogStringsTabDialog&, CDialog&)> script, bool ok = true)
    {
        run(2, reg, reg, [&](CDialog& d) {
            user.scripts.push_front([&](CDialog& tabs) {
                auto& dialog = dynamic_cast<CLogStringsTabDialog&>(tabs);
                script(dialog, dialog.valuePane());
                if (!tabs.hasEnded())
                    tabs.sendCommand(IDOK);
            });
            d.sendCommand(base::logStringsId);
            d.sendCommand(ok ? IDOK : IDCANCEL);
        });
    }

    static std::string logInfoLines(gregister& reg)
    {
        std::string written = writtenRegister(reg);
        size_t start = written.find("\tVALUE_LOG_INFO");
        return start == std::string::npos ? "" : written.substr(start, written.find("\n\tEND\n", start) + 6 - start);
    }
};

TEST_F(valueLogPaneTest, NewRegisterStartsWithoutLogging)
{
    run(2, nullptr, nullptr, [&](CDialog& d) {
        user.scripts.push_front([](CDialog& tabs) {
            auto& dialog = dynamic_cast<CLogStringsTabDialog&>(tabs);
            CDialog& values = dialog.valuePane();
            EXPECT_EQ(values.templateId(), 846);
            EXPECT_FALSE(dialog.valuePane().hasSettings());
            EXPECT_EQ(values.controlText(pane::otherValuesId).view(), "Don't log other values");
            EXPECT_EQ(values.controlText(pane::baseId).view(), "Decimal");
            EXPECT_EQ(values.controlText(pane::digitsId).view(), "0");
            EXPECT_EQ(values.controlText(pane::sampleId).view(), "");
            for (int id : {pane::prefixId, pane::suffixId, pane::baseId, pane::digitsId, pane::useNamesId,
                           pane::valuesId})
                EXPECT_FALSE(values.isControlEnabled(id)) << id;
            tabs.sendCommand(IDCANCEL);
        });
        d.sendCommand(base::logStringsId);
        d.sendCommand(IDCANCEL);
    });
}

TEST_F(valueLogPaneTest, LogStringsOfValuesKeepTheirOrderAndUniqueValues)
{
    gregister* reg = loadRegister("DIGITAL_REG D\nVALUE_LOG_INFO\nVALUE_LOG_STR 9, nine\nVALUE_LOG_STR 3, three\n"
                                  "VALUE_LOG_STR 4, four\nVALUE_LOG_STR 5, five\nVALUE_LOG_STR 7, \"\"\nEND\nEND\n")
                       .reg;
    withPane(reg, [this](CLogStringsTabDialog& tabs, CDialog& values) {
        auto& p = dynamic_cast<CValueLogStringsPane&>(tabs.valuePane());
        EXPECT_TRUE(p.hasSettings());
        EXPECT_EQ(items(values, pane::listId),
                  (std::vector<std::string>{"3\tthree", "4\tfour", "5\tfive", "7\t", "9\tnine"}));
        EXPECT_EQ(p.nextFreeValue(), 6u);
        for (int row : {1, 2}) {
            values.selectItem(pane::listId, row);
            EXPECT_EQ(p.nextFreeValue(), 6u);
        }
        values.selectItem(pane::listId, 4);
        EXPECT_EQ(p.nextFreeValue(), 10u);

        // Editing 7 and keeping it asks nothing; moving it onto 9 asks.
        values.selectItem(pane::listId, 3);
        user.scripts.push_front([](CDialog& e) {
            EXPECT_EQ(e.windowTitle(), "Edit Value Log String");
            EXPECT_EQ(e.controlText(1496).view(), "7");
            EXPECT_FALSE(e.isControlEnabled(IDOK));
            e.setControlText(1231, "% seven");
            EXPECT_EQ(e.controlText(1659).view(), "D seven");
            e.sendCommand(IDOK);
        });
        values.sendCommand(pane::editId);
        size_t asked = user.messages.size();
        EXPECT_EQ(items(values, pane::listId)[3], "7\t% seven");
        user.scripts.push_front([this](CDialog& e) {
            e.setControlText(1496, "9");
            user.answers.push_back(ganswer::no);
            e.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10230);
            EXPECT_FALSE(e.hasEnded());
            user.answers.push_back(ganswer::yes);
            e.sendCommand(IDOK);
        });
        values.sendCommand(pane::editId);
        EXPECT_EQ(user.messages.size(), asked + 2);
        EXPECT_EQ(items(values, pane::listId),
                  (std::vector<std::string>{"3\tthree", "4\tfour", "5\tfive", "9\t% seven"}));
        EXPECT_EQ(values.selectedItem(pane::listId), 3);

        // New proposes the first free value after the selected run.
        values.selectItem(pane::listId, 0);
        user.scripts.push_front([](CDialog& e) {
            EXPECT_EQ(e.windowTitle(), "New Value Log String");
            EXPECT_EQ(e.controlText(1496).view(), "6");
            e.setControlText(1496, "x");
            e.setControlText(1231, "six");
            e.sendCommand(IDOK);
            e.setControlText(1496, "6");
            e.sendCommand(IDOK);
        });
        values.sendCommand(pane::newId);
        EXPECT_EQ(user.lastMessage().promptId, 10082);
        values.selectItem(pane::listId, 4);
        values.sendCommand(pane::deleteId);
        EXPECT_EQ(values.selectedItem(pane::listId), 3);
    });
    // "Don't log other values" still stores the log strings.
    EXPECT_EQ(logInfoLines(*reg), "\tVALUE_LOG_INFO\n"
                                  "\t\tVALUE_LOG_STR\t3, three\n"
                                  "\t\tVALUE_LOG_STR\t4, four\n"
                                  "\t\tVALUE_LOG_STR\t5, five\n"
                                  "\t\tVALUE_LOG_STR\t6, six\n"
                                  "\tEND\n");
}

TEST_F(valueLogPaneTest, FormatOfOtherValuesAndItsSample)
{
    gregister* reg = loadRegister("DIGITAL_REG Pump\nVALUE_NAME 720, Full\nVALUE_LOG_INFO\nVALUES ALL\nBASE 8\n"
                                  "PREFIX \"% at \"\nSUFFIX !\nEND\nEND\n")
                       .reg;
    withPane(reg, [this](CLogStringsTabDialog&, CDialog& values) {
        EXPECT_EQ(values.controlText(pane::baseId).view(), "Octal");
        EXPECT_TRUE(values.isChecked(pane::useNamesId));
        EXPECT_EQ(values.controlText(pane::sampleId).view(), "Pump at Full!");
        clickButton(values, pane::useNamesId);
        EXPECT_EQ(values.controlText(pane::sampleId).view(), "Pump at 1320!");
        values.setControlText(pane::digitsId, "2147483647");
        EXPECT_LT(values.controlText(pane::sampleId).length(), 1200);
        values.setControlText(pane::digitsId, "5");
        EXPECT_EQ(values.controlText(pane::sampleId).view(), "Pump at 01320!");
        struct {
            int base;
            const char* sample;
        } bases[] = {{0, "Pump at 00720!"}, {1, "Pump at 002D0!"}, {2, "Pump at 1011010000!"}};
        for (auto [index, sample] : bases) {
            values.selectItem(pane::baseId, index);
            EXPECT_EQ(values.controlText(pane::sampleId).view(), sample);
        }

        values.selectItem(pane::otherValuesId, 5);
        EXPECT_TRUE(values.isControlEnabled(pane::valuesId));
        values.setControlText(pane::valuesId, "1, a");
        auto& tabs = dynamic_cast<CDialog&>(*values.parentWidget());
        tabs.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10706);
        values.setControlText(pane::valuesId, "4, 2");
        values.setControlText(pane::digitsId, "");
        tabs.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10707);
        EXPECT_TRUE(values.hasFocus(pane::digitsId));
        values.setControlText(pane::digitsId, "0");
        tabs.sendCommand(IDOK);
        EXPECT_TRUE(tabs.hasEnded());
    });
    EXPECT_EQ(logInfoLines(*reg), "\tVALUE_LOG_INFO\n"
                                  "\t\tVALUES\t\tEXCLUDE, 4, 2\n"
                                  "\t\tPREFIX\t\t\"% at \"\n"
                                  "\t\tSUFFIX\t\t!\n"
                                  "\t\tBASE\t\t2\n"
                                  "\t\tUSE_VALUE_NAMES\tNO\n"
                                  "\tEND\n");
}

} // namespace
