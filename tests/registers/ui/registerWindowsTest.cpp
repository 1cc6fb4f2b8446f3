#include "registers/gregister.h"
#include "registers/ui/CEditDigitalRegisterDialog.h"
#include "registers/ui/CEditProgramArgumentsDialog.h"
#include "registers/ui/CSelectRegisterTypeDialog.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CRegistersDialog.h"
#include "shell/mainFrameFixture.h"
#include "shell/programArgumentsDialog.h"
#include "store/gprocessorCall.h"
#include "store/gstation.h"

#include "support/ui/pageHost.h"

namespace {

using registerWindows = mainFrameTest;

TEST_F(registerWindows, NewRegisterAsksForTheClassAndOpensItsDialog)
{
    frame->newStation();
    ASSERT_TRUE(enabled(32865));
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 589);
        clickButton(d, CSelectRegisterTypeDialog::digitalId);
        d.sendCommand(IDOK);
    });
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 539);
        d.setControlText(1326, "Mode");
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32865);
    gregister* made = station::registers().find("Mode");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(gregister::classCode(*made), 2);
    EXPECT_EQ(stationState().modified, 1);
    auto* window = dynamic_cast<CRegistersDialog*>(frame->listWindowAt(CMainFrame::registers));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->list().getSelectedObject(), made);

    // Edit from the list window runs the same dialog on it.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Digital Register");
        d.setControlText(1480, "Operating mode");
        d.sendCommand(IDOK);
    });
    window->sendCommand(CSelectDialog::editId);
    EXPECT_EQ(made->getTitle(false).view(), "Operating mode");
}

TEST_F(registerWindows, ArgsButtonsRunTheEditProgramArgumentsDialog)
{
    gprocessorCall call;
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 579);
        d.sendCommand(IDOK);
    });
    EXPECT_TRUE(editProgramArguments(call, frame));
}

} // namespace
