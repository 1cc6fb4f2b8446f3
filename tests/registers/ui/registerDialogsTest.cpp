#include "registerDialogFixture.h"

#include "registers/gbistateSupplement.h"
#include "registers/sources/ui/CParameterSourcePanes.h"
#include "registers/ui/CEditBistateRegisterDialog.h"
#include "registers/ui/CRegisterDialog.h"

#include "platform/settingsStore.h"
#include "registers/sources/gregisterSource.h"
#include "store/gobjectType.h"
#include "store/stationFile.h"

#include <QLineEdit>

namespace {

using base = CRegisterDialog;

TEST_F(registerDialogTest, NewBistateRegister)
{
    gregister* made = run(1, nullptr, nullptr, [](CDialog& d) {
        EXPECT_EQ(d.templateId(), 536);
        EXPECT_EQ(d.windowTitle(), "New Bistate Register");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        EXPECT_TRUE(d.hasFocus(base::tagId));
        d.setControlText(base::tagId, "P1");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.setControlText(base::tagId, "");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.setControlText(base::tagId, "P1");
        d.setControlText(base::nameId, "Pump one");
        d.selectItem(base::levelId, 1);
        d.setControlText(CEditBistateRegisterDialog::responseTimeId, "0.0015");
        clickButton(d, CEditBistateRegisterDialog::setDelayId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(station::registers().find("P1"), made);
    EXPECT_EQ(writtenRegister(*made), "BISTATE_REG P1\n"
                                      "\tTITLE\t\tPump one\n"
                                      "\tLEVEL\t\tSTATUS\n"
                                      "\tNEW_LOG_STRINGS\tYES\n"
                                      "\tDELAY\t\t0.002\n"
                                      "\tSET_DELAY\tYES\n"
                                      "\tSOURCE\t\tG2 PARAMETER\n"
                                      "\tEND\n"
                                      "END\n");
}


TEST_F(registerDialogTest, EditOfALoadedRegisterWithoutChangesWritesTheSameLines)
{
    struct {
        const char* header;
        int classCode;
    } cases[] = {{"BISTATE_REG Pump", 1}, {"DIGITAL_REG Mode", 2}, {"ANALOG_REG Flow", 3}, {"STRING_REG Text", 4}};
    // The port, device and response that the text register's source reads.
    tempFolder folder;
    putFile(folder.path("objects.stn"), "MASK Reading\nPATTERN2 #+\nBUFFER_SIZE 32\nTIMEOUT 0.5\nEND\n"
                                        "DRIVER Meter\nRESPONSE Status, Reading\nEND\nPORT COM1\nDEVICE_PATH COM1\n"
                                        "SETTINGS 9600, 8, NONE, 1\nLINE_TERM CR\nDEVICE Meter\nEND\nEND\nPROGRAM Parse\nEND\n");
    ASSERT_EQ(loadObjectFile(gstrSlice(folder.path("objects.stn").c_str()), false, false), 0);
    for (auto [header, classCode] : cases) {
        auto [before, after] = editUnchanged(fixtureBlock(header), classCode);
        EXPECT_EQ(after, before) << header;
        EXPECT_EQ(after.substr(0, 4), std::string(header).substr(0, 4));
    }
    EXPECT_TRUE(user.messages.empty());
}

// The dialog shows the default kind's empty pane for a register without a
// source; OK without touching it leaves the register without one.
TEST_F(registerDialogTest, EditOfARegisterWithoutSourceKeepsItWithout)
{
    struct {
        const char* text;
        int classCode;
    } cases[] = {{"BISTATE_REG N1\nLEVEL NONE\nEND\n", 1},
                 {"DIGITAL_REG N2\nLEVEL NONE\nEND\n", 2},
                 {"ANALOG_REG N3\nLEVEL NONE\nEND\n", 3},
                 {"STRING_REG N4\nLEVEL NONE\nEND\n", 4}};
    for (auto [text, classCode] : cases) {
        auto [before, after] = editUnchanged(text, classCode);
        EXPECT_EQ(after, before) << text;
        EXPECT_EQ(before.find("SOURCE"), std::string::npos) << before;
    }
    EXPECT_TRUE(user.messages.empty());

    // Checking the default makes it a source.
    gregister* reg = station::registers().find("N1");
    run(1, reg, reg, [](CDialog& d) {
        clickButton(*dynamic_cast<CRegisterDialog&>(d).sourcePane(), CParameterSourcePane::persistentId);
        d.sendCommand(IDOK);
    });
    EXPECT_NE(writtenRegister(*reg).find("\tSOURCE\t\tG2 PARAMETER\n"), std::string::npos);
}

TEST_F(registerDialogTest, EditShowsTheTagForAMissingTitleAndKeepsTheTagReadOnly)
{
    gregister* reg = loadRegister("BISTATE_REG B7\nLEVEL NONE\nEND\n").reg;
    run(1, reg, reg, [](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Bistate Register");
        EXPECT_EQ(d.controlText(base::nameId).view(), "B7");
        EXPECT_TRUE(d.controlAs<QLineEdit>(base::tagId)->isReadOnly());
        EXPECT_TRUE(d.hasFocus(base::nameId));
        d.setControlText(base::nameId, "Bell");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(reg->getTitle(false).view(), "Bell");
    // A name equal to the tag is no title.
    run(1, reg, reg, [](CDialog& d) {
        d.setControlText(base::nameId, "B7");
        d.sendCommand(IDOK);
    });
    EXPECT_FALSE(reg->hasTitle());
}

TEST_F(registerDialogTest, DuplicateNeedsANewTagAndCopiesTheSource)
{
    gregister* pump = loadRegister(fixtureBlock("BISTATE_REG Pump")).reg;
    gregister* made = run(1, pump, nullptr, [this](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Bistate Register");
        EXPECT_EQ(d.controlText(base::tagId).view(), "Pump");
        EXPECT_EQ(d.controlText(base::nameId).view(), "Pump running");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10226);
        EXPECT_EQ(user.lastMessage().text, "A register with this tag already exsits. Please enter a different tag.");
        EXPECT_TRUE(d.hasFocus(base::tagId));
        EXPECT_FALSE(d.hasEnded());
        d.setControlText(base::tagId, "Pump2");
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    std::string original = writtenRegister(*pump);
    std::string copy = writtenRegister(*made);
    EXPECT_EQ(copy.substr(copy.find('\n')), original.substr(original.find('\n')));
    EXPECT_EQ(made->getBistateSupplement()->getSource()->getRegister().getTag().view(), "Pump2");
}

TEST_F(registerDialogTest, UserDefinableDecidesTheOptionsBelowIt)
{
    gregister* made = run(1, nullptr, nullptr, [](CDialog& d) {
        for (int id : {base::autoMaskId, base::manualMaskId, base::askToMaskId})
            EXPECT_TRUE(d.isChecked(id)) << id;
        EXPECT_FALSE(d.isControlEnabled(base::askToMaskId));
        EXPECT_FALSE(d.isControlEnabled(base::configureLogStringsId));
        EXPECT_FALSE(d.isControlEnabled(CEditBistateRegisterDialog::polarityId));
        clickButton(d, base::userDefinableId);
        EXPECT_TRUE(d.isControlEnabled(base::askToMaskId));
        EXPECT_TRUE(d.isControlEnabled(CEditBistateRegisterDialog::polarityId));
        clickButton(d, base::manualMaskId);
        EXPECT_FALSE(d.isControlEnabled(base::askToMaskId));
        clickButton(d, base::manualMaskId);
        clickButton(d, CEditBistateRegisterDialog::polarityId);
        clickButton(d, base::userDefinableId);
        d.setControlText(base::tagId, "U");
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getUserDefinable(), 0);
    EXPECT_EQ(made->getAskToMask(), 0);
    EXPECT_EQ(made->getBistateSupplement()->getSetPolarity(), 0);
}

TEST_F(registerDialogTest, ResponseTimeIsRefusedOutsideItsRange)
{
    run(1, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(base::tagId, "R");
        for (const char* text : {"", "-1", "2147483.001", "x"}) {
            d.setControlText(CEditBistateRegisterDialog::responseTimeId, text);
            d.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10074) << text;
            EXPECT_TRUE(d.hasFocus(CEditBistateRegisterDialog::responseTimeId));
        }
        EXPECT_EQ(station::registers().find("R"), nullptr);
        d.setControlText(CEditBistateRegisterDialog::responseTimeId, "1.1");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(station::registers().find("R")->getBistateSupplement()->getResponseTime().get(), 1100u);
}

TEST_F(registerDialogTest, NewAlarmRegisterShowsTheNoticeOfTheNewLogStrings)
{
    auto newAlarm = [this](const char* tag, int level, std::function<void(CDialog&)> notice) {
        user.scripts.push_back([tag, level](CDialog& d) {
            d.setControlText(base::tagId, tag);
            d.selectItem(base::levelId, level - 1);
            d.sendCommand(IDOK);
        });
        user.scripts.push_back(std::move(notice));
        return runRegisterDialog(1, nullptr, nullptr, nullptr);
    };
    // Cancel in the notice keeps the register dialog open, even with the
    // box checked.
    EXPECT_EQ(newAlarm("A1", gregister::levelAlarm,
                       [](CDialog& n) {
                           EXPECT_EQ(n.templateId(), 688);
                           EXPECT_EQ(n.controlText(1241).view(), "A1");
                           EXPECT_EQ(n.controlText(1239).view(), "A1 clear");
                           EXPECT_EQ(n.controlText(1224).view(), "A1 acknowledged");
                           clickButton(n, 1665);
                           n.sendCommand(IDCANCEL);
                       }),
              nullptr);
    EXPECT_EQ(station::registers().find("A1"), nullptr);
    EXPECT_EQ(profileInt("General", "WarnNewLogStrings", 1), 1);

    EXPECT_NE(newAlarm("A2", gregister::levelLatchingAlarm,
                       [](CDialog& n) {
                           clickButton(n, 1665);
                           n.sendCommand(IDOK);
                       }),
              nullptr);
    EXPECT_EQ(profileInt("General", "WarnNewLogStrings", 1), 0);
    size_t runs = user.dialogs.size();
    EXPECT_NE(newAlarm("A3", gregister::levelAlarm, [](CDialog& n) { n.sendCommand(IDCANCEL); }), nullptr);
    EXPECT_EQ(user.dialogs.size(), runs + 1);

    writeProfileInt("General", "WarnNewLogStrings", 1);
    user.scripts.clear();
    runs = user.dialogs.size();
    EXPECT_NE(run(1, nullptr, nullptr,
                  [](CDialog& d) {
                      d.setControlText(base::tagId, "S1");
                      d.selectItem(base::levelId, 1);
                      d.sendCommand(IDOK);
                  }),
              nullptr);
    EXPECT_EQ(user.dialogs.size(), runs + 1);
}

TEST_F(registerDialogTest, SourceTypesOfTheClassAndTheirChange)
{
    gregister* pump = loadRegister(fixtureBlock("BISTATE_REG Pump")).reg;
    run(1, pump, pump, [this](CDialog& d) {
        auto& dialog = dynamic_cast<CRegisterDialog&>(d);
        // Without legacy parameters and drivers: no code 5, none from 20.
        EXPECT_EQ(items(d, base::sourceTypeId),
                  (std::vector<std::string>{"Serial data object source", "Bit mask source", "Timeout source",
                                            "Ping result source", "Summary source", "Remote register value source",
                                            "Grand summary source", "Remote station alarm source",
                                            "Parameter source"}));
        EXPECT_EQ(dialog.sourceTypeCode(), 19);
        EXPECT_EQ(d.selectedItem(base::sourceTypeId), 2);
        // A carried source is not dropped without asking.
        user.answers.push_back(ganswer::cancel);
        d.selectItem(base::sourceTypeId, 8);
        EXPECT_EQ(user.lastMessage().promptId, 10721);
        EXPECT_EQ(user.lastMessage().text,
                  "Are you sure you want to delete the current source and replace it with a Parameter source?");
        EXPECT_EQ(d.selectedItem(base::sourceTypeId), 2);
        EXPECT_EQ(dialog.sourceTypeCode(), 19);
        user.answers.push_back(ganswer::ok);
        d.selectItem(base::sourceTypeId, 8);
        EXPECT_EQ(dialog.sourceTypeCode(), 1);
        // A pane that cannot be made leaves the type as it was.
        d.selectItem(base::sourceTypeId, 4);
        EXPECT_EQ(user.lastMessage().promptId, 10431);
        EXPECT_EQ(dialog.sourceTypeCode(), 1);
        EXPECT_EQ(d.selectedItem(base::sourceTypeId), 8);
        // An empty parameter pane goes without a question.
        size_t asked = user.messages.size();
        d.selectItem(base::sourceTypeId, 6);
        EXPECT_EQ(user.messages.size(), asked);
        EXPECT_EQ(dialog.sourceTypeCode(), 8);
        d.sendCommand(IDCANCEL);
    });
    // Cancel kept the old source.
    EXPECT_EQ(pump->sourceTypeCode(), 19);

    run(1, pump, pump, [this](CDialog& d) {
        user.answers.push_back(ganswer::ok);
        d.selectItem(base::sourceTypeId, 6);
        d.sendCommand(IDOK);
    });
    std::string written = writtenRegister(*pump);
    EXPECT_NE(written.find("\tSOURCE\t\tGRAND SUMMARY\n\tEND\nEND\n"), std::string::npos) << written;
}

TEST_F(registerDialogTest, LegacyObjectsBringTheirSourceTypes)
{
    objectTypes::legacyParameter().defineObject("LP", false);
    run(3, nullptr, nullptr, [](CDialog& d) {
        EXPECT_EQ(items(d, base::sourceTypeId),
                  (std::vector<std::string>{"Serial data object source", "Summary source",
                                            "Remote register value source", "Parameter source",
                                            "Legacy parameter source"}));
        EXPECT_EQ(d.selectedItem(base::sourceTypeId), 3);
        d.sendCommand(IDCANCEL);
    });
    objectTypes::legacyDriver().defineObject("LD", false);
    run(4, nullptr, nullptr, [](CDialog& d) {
        EXPECT_EQ(items(d, base::sourceTypeId).size(), 9u);
        d.sendCommand(IDCANCEL);
    });
}

} // namespace
