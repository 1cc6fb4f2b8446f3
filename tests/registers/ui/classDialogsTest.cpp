#include "registerDialogFixture.h"

#include "platform/settingsStore.h"
#include "registers/ganalogSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/ui/CEditAnalogRegisterDialog.h"
#include "registers/ui/CEditDigitalRegisterDialog.h"
#include "registers/ui/CEditStringRegisterDialog.h"
#include "registers/ui/CRegexpEntryDialog.h"

#include "shell/valueNamesDialog.h"

#include <QLineEdit>
#include <map>

namespace {

using base = CRegisterDialog;
using digital = CEditDigitalRegisterDialog;
using analog = CEditAnalogRegisterDialog;
using string = CEditStringRegisterDialog;

// A source pane that supplies the element count and marks values beyond
// its range, as a data-object pane does.
class countingPane final : public CSourcePane {
public:
    countingPane() : CSourcePane(838) {}
    bool create(CRegisterDialog& dialog) override
    {
        setParent(&dialog, Qt::Widget);
        setDialogSize(290, 20);
        ensureInitialized();
        dialog.showElementCount(8);
        return true;
    }
    int hasGreaterLess() const override { return 1; }
    bool needsOwnElementCount() const override { return false; }
};

TEST_F(registerDialogTest, NewDigitalRegisterAndItsAlarmValues)
{
    gregister* made = run(2, nullptr, nullptr, [this](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Digital Register");
        d.setControlText(base::tagId, "D1");
        d.selectItem(base::levelId, 2);
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10146);
        EXPECT_TRUE(d.hasFocus(digital::alarmValuesId));
        d.setControlText(digital::alarmValuesId, "3, x");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10071);
        EXPECT_EQ(user.lastMessage().text,
                  "Please enter a list of numbers, separated by commas, into the \"Alarm values\" field.");
        d.setControlText(digital::alarmValuesId, " 7,2 , 7");
        d.selectItem(base::levelId, 1);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(writtenRegister(*made), "DIGITAL_REG D1\n"
                                      "\tLEVEL\t\tSTATUS\n"
                                      "\tNEW_LOG_STRINGS\tYES\n"
                                      "\tALARM_VALUES\t7, 2, 7\n"
                                      "\tSOURCE\t\tG2 PARAMETER\n"
                                      "\tEND\n"
                                      "END\n");
    // Level <none> takes an empty list.
    EXPECT_NE(run(2, nullptr, nullptr,
                  [](CDialog& d) {
                      d.setControlText(base::tagId, "D2");
                      d.sendCommand(IDOK);
                  }),
              nullptr);
}

TEST_F(registerDialogTest, NewAnalogRegisterAndItsLimits)
{
    writeProfileInt("General", "WarnNewLogStrings", 0);
    gregister* made = run(3, nullptr, nullptr, [this](CDialog& d) {
        EXPECT_EQ(d.controlText(analog::sizeId).view(), "1");
        d.setControlText(base::tagId, "F1");
        d.selectItem(base::levelId, 2);
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10147);
        EXPECT_TRUE(d.hasFocus(analog::lowLimitId));
        d.setControlText(analog::sizeId, "0");
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10331);
        d.setControlText(analog::sizeId, "3");
        d.setControlText(analog::lowLimitId, "low");
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10432);
        d.setControlText(analog::lowLimitId, "");
        d.setControlText(analog::highLimitId, "1.8E308");
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10433);
        d.setControlText(analog::highLimitId, "95.5");
        clickButton(d, analog::calibrateId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(writtenRegister(*made), "ANALOG_REG F1\n"
                                      "\tLEVEL\t\tALARM\n"
                                      "\tNEW_LOG_STRINGS\tYES\n"
                                      "\tELEMENTS\t3\n"
                                      "\tMAXIMUM\t\t95.5\n"
                                      "\tCALIBRATE\tYES\n"
                                      "\tSOURCE\t\tG2 PARAMETER\n"
                                      "\tEND\n"
                                      "END\n");
}

TEST_F(registerDialogTest, ASourceThatCountsItsValuesMakesTheSizeReadOnly)
{
    gregister* made = run(3, nullptr, nullptr, [](CDialog& d) {
        auto& dialog = dynamic_cast<CEditAnalogRegisterDialog&>(d);
        dialog.showSourcePane(16, std::make_unique<countingPane>());
        EXPECT_EQ(d.controlText(analog::sizeId).view(), "8");
        EXPECT_TRUE(dialog.hasRangeMarks());
        d.setControlText(base::tagId, "F2");
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getAnalogSupplement()->getElements(), 1);

    run(3, nullptr, nullptr, [this](CDialog& d) {
        auto& dialog = dynamic_cast<CEditAnalogRegisterDialog&>(d);
        EXPECT_FALSE(d.controlAs<QLineEdit>(analog::sizeId)->isReadOnly());
        dialog.showSourcePane(16, std::make_unique<countingPane>());
        d.setControlText(analog::sizeId, "");
        // A change of type gives the register its own count back.
        user.answers.push_back(ganswer::ok);
        d.selectItem(base::sourceTypeId, 3);
        EXPECT_EQ(dialog.sourceTypeCode(), 3);
        EXPECT_FALSE(d.controlAs<QLineEdit>(analog::sizeId)->isReadOnly());
        d.sendCommand(IDCANCEL);
    });
}

TEST_F(registerDialogTest, StringRegisterTriggers)
{
    writeProfileInt("General", "WarnNewLogStrings", 0);
    gregister* made = run(4, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(base::tagId, "S1");
        d.selectItem(base::levelId, 2);
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10145);
        for (int id : {string::editId, string::deleteId, string::duplicateId})
            EXPECT_FALSE(d.isControlEnabled(id));

        // New: an expression that can match nothing is refused.
        user.scripts.push_back([this](CDialog& e) {
            EXPECT_EQ(e.templateId(), 524);
            EXPECT_EQ(e.windowTitle(), "New Alarm Trigger");
            EXPECT_FALSE(e.isControlEnabled(IDOK));
            e.setControlText(CRegexpEntryDialog::fieldId, "x*");
            e.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10225);
            EXPECT_EQ(user.lastMessage().text, "This is not a valid regular expression. ");
            e.setControlText(CRegexpEntryDialog::fieldId, "OVER #+");
            e.sendCommand(IDOK);
        });
        d.sendCommand(string::newId);
        user.scripts.push_back([](CDialog& e) {
            e.setControlText(CRegexpEntryDialog::fieldId, "ERR");
            e.sendCommand(IDOK);
        });
        d.sendCommand(string::newId);
        EXPECT_EQ(items(d, string::triggersId), (std::vector<std::string>{"ERR", "OVER #+"}));
        EXPECT_EQ(d.selectedItem(string::triggersId), 0);

        // Duplicate opens on the trigger's text as a new trigger; Edit keeps
        // the template's caption.
        user.scripts.push_back([](CDialog& e) {
            EXPECT_EQ(e.windowTitle(), "New Alarm Trigger");
            EXPECT_EQ(e.controlText(CRegexpEntryDialog::fieldId).view(), "ERR");
            e.setControlText(CRegexpEntryDialog::fieldId, "WARN");
            e.sendCommand(IDOK);
        });
        d.sendCommand(string::duplicateId);
        d.selectItem(string::triggersId, 0);
        user.scripts.push_back([](CDialog& e) {
            EXPECT_EQ(e.windowTitle(), "Edit Alarm Trigger");
            e.setControlText(CRegexpEntryDialog::fieldId, "ZERO");
            e.sendCommand(IDOK);
        });
        d.sendCommand(string::editId);
        EXPECT_EQ(items(d, string::triggersId), (std::vector<std::string>{"OVER #+", "WARN", "ZERO"}));
        EXPECT_EQ(d.selectedItem(string::triggersId), 2);
        d.sendCommand(string::deleteId);
        EXPECT_EQ(d.selectedItem(string::triggersId), 1);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    std::string written = writtenRegister(*made);
    EXPECT_NE(written.find("\tTRIGGER2\tOVER #+\n\tTRIGGER2\tWARN\n\tSOURCE\t\tG2 PARAMETER\n"), std::string::npos)
        << written;

    // Deleting the only trigger leaves nothing selected.
    gregister* one = loadRegister("STRING_REG S2\nTRIGGER2 A\nEND\n").reg;
    run(4, one, one, [](CDialog& d) {
        d.selectItem(string::triggersId, 0);
        d.sendCommand(string::deleteId);
        EXPECT_EQ(d.itemCount(string::triggersId), 0);
        EXPECT_EQ(d.selectedItem(string::triggersId), -1);
        EXPECT_FALSE(d.isControlEnabled(string::deleteId));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(one->getStringSupplement()->triggers().size(), 0);
}

TEST_F(registerDialogTest, EditingAnOlderTriggerStillRefusesAnEmptyMatch)
{
    gregister* reg = loadRegister("STRING_REG S3\nTRIGGER x*\nEND\n").reg;
    run(4, reg, reg, [this](CDialog& d) {
        d.selectItem(string::triggersId, 0);
        user.scripts.push_back([this](CDialog& e) {
            EXPECT_EQ(e.controlText(CRegexpEntryDialog::fieldId).view(), "x*");
            e.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10225);
            e.setControlText(CRegexpEntryDialog::fieldId, "x+");
            e.sendCommand(IDOK);
        });
        d.sendCommand(string::editId);
        d.sendCommand(IDOK);
    });
    EXPECT_NE(writtenRegister(*reg).find("\tTRIGGER2\tx+\n"), std::string::npos);
}

TEST_F(registerDialogTest, ASourceThatSuppliesOneValueKeepsTheSizeReadOnly)
{
    objectTypes::legacyParameter().defineObject("Speed", false);
    std::string text = "ANALOG_REG LP\nLEVEL NONE\nSOURCE PARAMETER\nPARAMETER Speed\nEND\nEND\n";
    gregister* reg = loadRegister(text).reg;
    std::string before = writtenRegister(*reg);
    run(3, reg, reg, [](CDialog& d) {
        EXPECT_TRUE(d.controlAs<QLineEdit>(analog::sizeId)->isReadOnly());
        EXPECT_EQ(d.controlText(analog::sizeId).view(), "1");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(writtenRegister(*reg), before);
    EXPECT_NE(before.find("\tSOURCE\t\tPARAMETER\n\t\tPARAMETER\tSpeed\n\tEND\n"), std::string::npos) << before;
}

TEST_F(registerDialogTest, ValueNamesGoThroughTheInstalledDialog)
{
    installValueNamesDialog([](std::map<uint32_t, gstr>& names, QWidget*) {
        names[720] = gstr("Full");
        return true;
    });
    gregister* made = run(2, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(base::tagId, "V");
        d.sendCommand(digital::valueNamesId);
        gstr name("");
        EXPECT_TRUE(dynamic_cast<CEditDigitalRegisterDialog&>(d).valueName(720, name));
        EXPECT_EQ(name.view(), "Full");
        d.sendCommand(IDOK);
    });
    installValueNamesDialog({});
    ASSERT_NE(made, nullptr);
    EXPECT_NE(writtenRegister(*made).find("\tVALUE_NAME\t720, Full\n"), std::string::npos);
}

} // namespace
