#include "shell/mainFrameFixture.h"

#include "batch/ui/CChangeProgramsDialog.h"
#include "scl/gsclProgram.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "store/gstation.h"

namespace {

using dialog = CChangeProgramsDialog;

class batchCommands : public mainFrameTest {
protected:
    void SetUp() override
    {
        mainFrameTest::SetUp();
        gfileName station;
        station.fullPath = gstr(KORVEL_TEST_DATA_DIR "/batch/fixtures/batch.stn");
        ASSERT_EQ(frame->openFile(station), 0);
    }
    std::vector<std::string> frameNames() const
    {
        CObjectListCtrl& list = frame->listWindowAt(CMainFrame::sclPrograms)->list();
        std::vector<std::string> names;
        for (int i = 0; i < list.rowCount(); ++i)
            names.push_back(std::string(list.nameAt(i).view()));
        return names;
    }
    // Runs the dialog of the command with the script, then closes it.
    void run(int command, std::function<void(dialog&)> script)
    {
        user.scripts.push_back([script](CDialog& d) {
            script(static_cast<dialog&>(d));
            d.sendCommand(IDCANCEL);
        });
        frame->routeCommand(command);
    }
    static void select(dialog& d, const char* tag)
    {
        CObjectListCtrl& list = d.list();
        list.clearSelection();
        list.topLevelItem(list.indexOf(station::programs().find(tag)))->setSelected(true);
    }
};

TEST_F(batchCommands, ProgramsDialogKeepsTheProgramsWindowUpToDate)
{
    ASSERT_TRUE(enabled(32877));
    std::vector<std::string> renamed;
    run(32877, [this, &renamed](dialog& d) {
        d.setControlText(dialog::findId, "PUMP");
        d.setControlText(dialog::replaceId, "Pump");
        d.setChecked(dialog::wholeWordId, false);
        d.setChecked(dialog::matchCaseId, true);
        for (int id : {dialog::literalsId, dialog::remarksId, dialog::allCodeId})
            d.setChecked(id, false);
        select(d, "PUMP1");
        d.sendCommand(dialog::replaceAllId);
        renamed = frameNames();
        select(d, "Alarm2");
        d.setControlText(dialog::findId, "2");
        d.setControlText(dialog::replaceId, "3");
        d.sendCommand(dialog::duplicateId);
        select(d, "PUMP1");
        user.answers.push_back(ganswer::ok);
        d.sendCommand(dialog::deleteAllId);
    });
    EXPECT_EQ(renamed, (std::vector<std::string>{"Alarm bell", "Alarm2", "Pump1", "Tank filling"}));
    EXPECT_EQ(frameNames(), (std::vector<std::string>{"Alarm bell", "Alarm2", "Alarm3", "Tank filling"}));
    EXPECT_EQ(station::programs().find("PUMP1"), nullptr);
}

} // namespace
