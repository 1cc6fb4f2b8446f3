#include "shell/mainFrameFixture.h"

#include "batch/ui/CChangeProgramsDialog.h"
#include "batch/ui/CCopyProgramCodeDialog.h"
#include "platform/textCodec.h"
#include "scl/gsclProgram.h"
#include "scl/ui/CSclDoc.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "store/gstation.h"
#include "support/ui/controlHost.h"

#include <QListWidget>

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
        list.selectRow(list.indexOf(station::programs().find(tag)));
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

// Text typed in an open program window is what the tools search, change
// and copy, and the window keeps it.
TEST_F(batchCommands, ProgramToolsWorkOnWhatOpenWindowsShow)
{
    gsclProgram* pump = station::programs().find("PUMP1");
    CSclGlobalDoc* doc = CSclGlobalDoc::openWindow(*pump);
    ASSERT_NE(doc, nullptr);
    typeText(doc->views().at(0), "ABC=1:");
    run(32877, [](dialog& d) {
        d.setControlText(dialog::findId, "ABC");
        d.setControlText(dialog::replaceId, "XYZ");
        d.setChecked(dialog::wholeWordId, true);
        d.setChecked(dialog::matchCaseId, true);
        select(d, "PUMP1");
        d.sendCommand(dialog::replaceAllId);
    });
    EXPECT_EQ(std::string(pump->code().view()), "XYZ=1:PRINT \"XYZ\"\rREM XYZ");
    EXPECT_EQ(std::string(doc->lineText(0), static_cast<size_t>(doc->getLineLength(0))), "XYZ=1:PRINT \"XYZ\"");

    // Copy Program Code takes the window's text as well.
    pressKey(doc->views().at(0), Qt::Key_Home, Qt::ControlModifier);
    typeText(doc->views().at(0), "B=2:");
    gsclProgram* tank = station::programs().find("TANK_FILL");
    user.scripts.push_back([pump, tank](CDialog& d) {
        auto pick = [](QListWidget* list, gsclProgram* p) {
            list->clearSelection();
            list->findItems(toUiText(p->getTitle(true)), Qt::MatchExactly).front()->setSelected(true);
        };
        pick(d.controlAs<QListWidget>(CCopyProgramCodeDialog::fromId), pump);
        pick(d.controlAs<QListWidget>(CCopyProgramCodeDialog::toId), tank);
        d.sendCommand(CCopyProgramCodeDialog::appendId);
        d.sendCommand(IDCANCEL);
    });
    frame->routeCommand(32873);
    EXPECT_EQ(std::string(tank->code().view()), "A$=\"ABC\":REM ABCB=2:XYZ=1:PRINT \"XYZ\"\rREM XYZ");
}

} // namespace
