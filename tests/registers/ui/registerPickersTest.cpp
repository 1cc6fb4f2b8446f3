#include "registerDialogFixture.h"

#include "platform/settingsStore.h"
#include "registers/ui/CAddRegistersDialog.h"
#include "registers/ui/CFactorOffsetPane.h"
#include "registers/ui/CPasteRegisterTagDialog.h"
#include "registers/ui/CRegexpEntryDialog.h"
#include "registers/ui/CSelectRegisterTypeDialog.h"

namespace {

using paste = CPasteRegisterTagDialog;

class registerPickersTest : public registerDialogTest {
protected:
    void SetUp() override
    {
        registerDialogTest::SetUp();
        for (const char* text : {"BISTATE_REG Alarm1\nLEVEL ALARM\nEND\n", "BISTATE_REG Status1\nLEVEL STATUS\nEND\n",
                                 "ANALOG_REG Level\nTITLE \"Tank level\"\nLEVEL LATCHING ALARM\nMAXIMUM 3\nEND\n",
                                 "STRING_REG Text\nEND\n"})
            loadRegister(text);
    }

    static gregister* reg(const char* tag) { return station::registers().find(tag); }
};

TEST_F(registerPickersTest, AddRegistersListsWhatIsLeftAndReturnsTheSelection)
{
    CAddRegistersDialog all(false);
    all.setLeftOut(reg("Text"));
    all.result().push_back(reg("Status1"));
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Add Registers");
        EXPECT_EQ(items(d, CAddRegistersDialog::listId), (std::vector<std::string>{"Alarm1", "Tank level"}));
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        auto* list = d.controlAs<QListWidget>(CAddRegistersDialog::listId);
        list->item(1)->setSelected(true);
        list->item(0)->setSelected(true);
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(all.DoModal(), IDOK);
    EXPECT_EQ(all.result(), (std::vector<gregister*>{reg("Alarm1"), reg("Level")}));

    // Only alarms, all of them already chosen.
    CAddRegistersDialog alarms(true);
    alarms.result() = {reg("Alarm1"), reg("Level")};
    EXPECT_EQ(alarms.DoModal(), IDCANCEL);
    EXPECT_EQ(user.lastMessage().promptId, 10295);
    EXPECT_EQ(alarms.result().size(), 2u);
}

TEST_F(registerPickersTest, PasteRegisterTagRemembersItsChoice)
{
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(items(d, paste::listId), (std::vector<std::string>{"Alarm1", "Status1", "Tank level", "Text"}));
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        for (int id : {paste::bistateId, paste::digitalId, paste::analogId, paste::stringId})
            clickButton(d, id);
        EXPECT_EQ(d.itemCount(paste::listId), 0);
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        clickButton(d, paste::analogId);
        d.selectItem(paste::listId, 0);
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
    });
    {
        CPasteRegisterTagDialog dialog;
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.result().view(), "\"Level\"");
    }
    EXPECT_EQ(profileString("Settings\\Paste Dialogs", "Register", "").view(), "Level");
    EXPECT_EQ(profileInt("Settings\\Paste Dialogs", "ShowBistateRegisters", 1), 0);

    // Reopened: the last choice is selected while its class is shown; a
    // click on a class box keeps it.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(items(d, paste::listId), (std::vector<std::string>{"Tank level"}));
        EXPECT_EQ(d.selectedItem(paste::listId), 0);
        clickButton(d, paste::stringId);
        EXPECT_EQ(d.selectedItem(paste::listId), 0);
        d.controlAs<QListWidget>(paste::listId)->clearSelection();
        d.sendCommand(IDCANCEL);
    });
    {
        CPasteRegisterTagDialog dialog;
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(profileString("Settings\\Paste Dialogs", "Register", "none").view(), "none");
    EXPECT_EQ(profileInt("Settings\\Paste Dialogs", "ShowStringRegisters", 0), 1);
}

TEST_F(registerPickersTest, AllowedStringEntryMakesANewPattern)
{
    CRegexpEntryDialog entry(CRegexpEntryDialog::allowedStringTemplate, 10436, nullptr, nullptr);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Allowed String");
        d.setControlText(CRegexpEntryDialog::fieldId, " A|B ");
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(entry.DoModal(), IDOK);
    std::unique_ptr<gregexp> pattern = entry.takePattern();
    ASSERT_TRUE(pattern);
    gstr text;
    pattern->toString(text, true);
    EXPECT_EQ(text.view(), " A|B ");
}

TEST_F(registerPickersTest, SelectRegisterTypeAnswersTheChoice)
{
    for (int id : {CSelectRegisterTypeDialog::bistateId, CSelectRegisterTypeDialog::stringId}) {
        CSelectRegisterTypeDialog choice;
        user.scripts.push_back([id](CDialog& d) {
            EXPECT_TRUE(d.isChecked(CSelectRegisterTypeDialog::bistateId));
            clickButton(d, id);
            d.sendCommand(IDOK);
        });
        ASSERT_EQ(choice.DoModal(), IDOK);
        EXPECT_EQ(choice.choice(), id == CSelectRegisterTypeDialog::bistateId ? 0 : 3);
    }
}

TEST(factorOffsetPane, ShowsOneAndZeroAndRefusesWhatIsNoNumber)
{
    recordingResponder user;
    pageHost host;
    CFactorOffsetPane fresh;
    fresh.create(host, pageHost::placeholderId, nullptr);
    EXPECT_EQ(fresh.controlText(CFactorOffsetPane::factorId).view(), "1");
    EXPECT_EQ(fresh.controlText(CFactorOffsetPane::offsetId).view(), "0");

    gfactorOffset source{2.5, -1};
    CFactorOffsetPane pane;
    pane.create(host, pageHost::placeholderId, &source);
    EXPECT_EQ(pane.controlText(CFactorOffsetPane::factorId).view(), "2.5");
    QPoint origin = pane.pos();
    pane.move(30);
    EXPECT_EQ(pane.pos(), origin + QPoint(0, 30));
    pane.setControlText(CFactorOffsetPane::factorId, "x");
    pane.setControlText(CFactorOffsetPane::offsetId, "y");
    EXPECT_FALSE(pane.store(source));
    EXPECT_EQ(user.lastMessage().promptId, 10393);
    pane.setControlText(CFactorOffsetPane::factorId, "3");
    EXPECT_FALSE(pane.store(source));
    EXPECT_EQ(user.lastMessage().promptId, 10303);
    EXPECT_EQ(source.factor, 2.5);
    pane.setControlText(CFactorOffsetPane::offsetId, "0.5");
    EXPECT_TRUE(pane.store(source));
    EXPECT_EQ(source.factor, 3);
    EXPECT_EQ(source.offset, 0.5);
}

} // namespace
