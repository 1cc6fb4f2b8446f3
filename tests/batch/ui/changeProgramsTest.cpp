#include "batchUiFixture.h"

#include "batch/ui/CChangeProgramsDialog.h"
#include "platform/settingsStore.h"
#include "scl/gsclProgram.h"

#include <QPlainTextEdit>

namespace {

using dialog = CChangeProgramsDialog;
constexpr std::initializer_list<int> allScopes{dialog::namesId, dialog::literalsId, dialog::remarksId,
                                               dialog::allCodeId};

class changePrograms : public batchUi {
protected:
    static gsclProgram* program(const char* tag) { return station::programs().find(tag); }
    static std::string code(const char* tag) { return text(program(tag)->code()); }

    // The next warning list: its text is kept, then OK or Cancel.
    void answerLog(bool ok)
    {
        user.scripts.push_back([this, ok](CDialog& d) {
            logs.push_back(text(fromUiText(d.findChild<QPlainTextEdit*>()->toPlainText())));
            d.sendCommand(ok ? IDOK : IDCANCEL);
        });
    }
    std::vector<std::string> logs;
};

TEST_F(changePrograms, OpensWithSettingsAndEnablesByTheRules)
{
    auto d = opened<dialog>();
    EXPECT_EQ(d->windowTitle().toStdString(), "Change/Duplicate Programs");
    EXPECT_EQ(d->list().rowCount(), 4);
    EXPECT_TRUE(d->selectedObjects().empty());
    // Defaults: both options and every scope on, no texts.
    for (int id : {dialog::wholeWordId, dialog::matchCaseId, dialog::namesId, dialog::literalsId,
                   dialog::remarksId, dialog::allCodeId})
        EXPECT_TRUE(d->isChecked(id)) << id;
    for (int id : {dialog::findTagsId, dialog::replaceAllId, dialog::duplicateId, dialog::deleteAllId})
        EXPECT_FALSE(d->isControlEnabled(id)) << id;

    d->setControlText(dialog::findId, "PUMP");
    EXPECT_TRUE(d->isControlEnabled(dialog::findTagsId));
    EXPECT_FALSE(d->isControlEnabled(dialog::duplicateId));
    selectTags(*d, {"PUMP1"});
    EXPECT_TRUE(d->isControlEnabled(dialog::duplicateId));
    EXPECT_TRUE(d->isControlEnabled(dialog::replaceAllId));
    EXPECT_TRUE(d->isControlEnabled(dialog::deleteAllId));
    scopes(*d, allScopes, {});
    EXPECT_FALSE(d->isControlEnabled(dialog::replaceAllId));
    d->setChecked(dialog::remarksId, true);
    EXPECT_TRUE(d->isControlEnabled(dialog::replaceAllId));

    // Close writes the shared values; the next batch dialog shows them.
    d->setChecked(dialog::wholeWordId, false);
    d->sendCommand(IDCANCEL);
    EXPECT_TRUE(d->hasEnded());
    EXPECT_EQ(profileInt("Settings\\Batch Dialogs\\Program List", "SortByTag", -1), 0);
    EXPECT_NE(profileInt("Settings\\Batch Dialogs\\Program List", "Column1", -1), -1);
    auto again = opened<dialog>();
    EXPECT_EQ(text(again->controlText(dialog::findId)), "PUMP");
    EXPECT_FALSE(again->isChecked(dialog::wholeWordId));
    EXPECT_FALSE(again->isChecked(dialog::allCodeId));
    EXPECT_TRUE(again->isChecked(dialog::remarksId));
}

TEST_F(changePrograms, FindAllTagsSelectsAndReports)
{
    auto d = opened<dialog>();
    setFind(*d, "alarm", "", false, false);
    d->sendCommand(dialog::findTagsId);
    EXPECT_EQ(selectedTags(*d), (std::vector<std::string>{"Alarm", "Alarm2"}));
    EXPECT_EQ(last().text, "2 programs found.");
    EXPECT_EQ(last().icon, gicon::information);

    setFind(*d, "Alarm", "", true, true);
    d->sendCommand(dialog::findTagsId);
    EXPECT_EQ(selectedTags(*d), std::vector<std::string>{"Alarm"});
    EXPECT_EQ(last().promptId, 10201);

    setFind(*d, "nothing", "", false, false);
    d->sendCommand(dialog::findTagsId);
    EXPECT_TRUE(d->selectedObjects().empty());
    EXPECT_EQ(last().text, "No programs have tags containing \"nothing\".");
    EXPECT_FALSE(d->isControlEnabled(dialog::deleteAllId));
}

TEST_F(changePrograms, ReplaceInRemarksOnlyAndNothingFound)
{
    auto d = opened<dialog>();
    setFind(*d, "ABC", "X", true, true);
    scopes(*d, allScopes, {dialog::remarksId});
    selectTags(*d, {"PUMP1", "TANK_FILL"});
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(code("PUMP1"), "PRINT \"ABC\"\rREM X");
    EXPECT_EQ(code("TANK_FILL"), "A$=\"ABC\":REM X");
    EXPECT_EQ(text(program("TANK_FILL")->getTitle(false)), "Tank filling");
    EXPECT_EQ(last().text, "\"ABC\" was replaced 2 times.");
    EXPECT_EQ(stationState().modified, 1);

    stationState().modified = 0;
    setFind(*d, "QQQ", "X", true, true);
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(last().text, "\"QQQ\" not found.");
    EXPECT_EQ(last().icon, gicon::warning);
    EXPECT_EQ(stationState().modified, 0);
}

TEST_F(changePrograms, NamesReachTitlesFallingBackToTags)
{
    auto d = opened<dialog>();
    setFind(*d, "PUMP", "Pump", false, true);
    scopes(*d, allScopes, {dialog::namesId});
    selectTags(*d, {"PUMP1", "Alarm2"});
    d->sendCommand(dialog::replaceAllId);
    // The tag stays; the changed name becomes the title. A tag without the
    // find text leaves its object without a title.
    EXPECT_EQ(text(program("PUMP1")->getTitle(false)), "Pump1");
    EXPECT_FALSE(program("Alarm2")->hasTitle());
    EXPECT_EQ(last().promptId, 20163);
    EXPECT_EQ(names(d->list()), (std::vector<std::string>{"Alarm bell", "Alarm2", "Pump1", "Tank filling"}));
    EXPECT_EQ(selectedTags(*d), (std::vector<std::string>{"Alarm2", "PUMP1"}));
}

TEST_F(changePrograms, DuplicateMakesIndependentCopies)
{
    auto d = opened<dialog>();
    setFind(*d, "1", "2", false, true);
    scopes(*d, allScopes, {});
    selectTags(*d, {"PUMP1"});
    d->sendCommand(dialog::duplicateId);
    gsclProgram* copy = program("PUMP2");
    ASSERT_NE(copy, nullptr);
    // Without Names the copy shows the old name.
    EXPECT_EQ(text(copy->getTitle(true)), "PUMP1");
    EXPECT_EQ(text(copy->code()), "PRINT \"ABC\"\rREM ABC");
    EXPECT_EQ(last().text, "One new program was created.");
    EXPECT_EQ(selectedTags(*d), std::vector<std::string>{"PUMP2"});
    EXPECT_EQ(stationState().modified, 1);

    // Coders and schedule are the copy's own; the scopes reach its code.
    setFind(*d, "FILL", "EMPTY", false, true);
    scopes(*d, allScopes, {dialog::literalsId});
    selectTags(*d, {"TANK_FILL"});
    d->sendCommand(dialog::duplicateId);
    gsclProgram* empty = program("TANK_EMPTY");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(text(empty->code()), "A$=\"ABC\":REM ABC");
    d->setControlText(dialog::findId, "ABC");
    d->setControlText(dialog::replaceId, "XYZ");
    selectTags(*d, {"TANK_FILL"});
    d->sendCommand(dialog::replaceAllId);
    EXPECT_EQ(text(empty->code()), "A$=\"ABC\":REM ABC");
    selectTags(*d, {"TANK_FILL"});
    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::deleteAllId);
    EXPECT_EQ(program("TANK_FILL"), nullptr);
    ASSERT_NE(empty->decoders().find(0), nullptr);
    EXPECT_NE(empty->firstExecutionTime(), nullptr);
}

TEST_F(changePrograms, DuplicateLogsTagsItCannotUse)
{
    auto d = opened<dialog>();
    // Whole word: 1 is no word of PUMP1.
    setFind(*d, "1", "2", true, true);
    scopes(*d, allScopes, {});
    selectTags(*d, {"PUMP1"});
    answerLog(true);
    d->sendCommand(dialog::duplicateId);
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0], "The tag \"PUMP1\" does not contain the find string: PUMP1 not duplicated");
    EXPECT_EQ(last().promptId, 20157);
    EXPECT_EQ(last().icon, gicon::warning);

    // Cancel on the log adds nothing and reports nothing.
    setFind(*d, "A", "B", false, true);
    selectTags(*d, {"Alarm", "PUMP1"});
    user.messages.clear();
    answerLog(false);
    d->sendCommand(dialog::duplicateId);
    EXPECT_EQ(program("Blarm"), nullptr);
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(changePrograms, TwoCopiesUnderOneTag)
{
    loadStation("PROGRAM Tank\nEND\nPROGRAM TANK\n\tTITLE\t\tUpper\nEND\n");
    auto d = opened<dialog>();
    setFind(*d, "tank", "Vessel", false, false);
    scopes(*d, allScopes, {});
    selectTags(*d, {"Tank", "TANK"});
    answerLog(true);
    d->sendCommand(dialog::duplicateId);
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0], "A program with tag Vessel already exists: Upper not duplicated");
    ASSERT_NE(program("Vessel"), nullptr);
    EXPECT_EQ(text(program("Vessel")->getTitle(true)), "Tank");
    EXPECT_EQ(last().promptId, 20165);
}

TEST_F(changePrograms, DeleteAllKeepsProgramsInUse)
{
    auto d = opened<dialog>();
    selectTags(*d, {"Alarm", "Alarm2"});
    d->sendCommand(dialog::deleteAllId); // the question is cancelled
    EXPECT_NE(program("Alarm2"), nullptr);
    EXPECT_EQ(last().text, "Are you sure you want to delete both selected programs?");

    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::deleteAllId);
    EXPECT_EQ(program("Alarm2"), nullptr);
    EXPECT_NE(program("Alarm"), nullptr);
    EXPECT_EQ(selectedTags(*d), std::vector<std::string>{"Alarm"});
    EXPECT_EQ(last().promptId, 10016);

    user.answers.push_back(ganswer::ok);
    d->sendCommand(dialog::deleteAllId);
    EXPECT_EQ(last().text, "None of the could be deleted because they are used by other objects.");
}

} // namespace
