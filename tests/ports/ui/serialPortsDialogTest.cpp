#include "portsUiFixture.h"

#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CSerialPortsDialog.h"
#include "shell/CObjectListCtrl.h"
#include "shell/mainFrameFixture.h"

namespace {

using portDialog = CEditSerialPortDialog;

struct sourceUser : greferrer {
    void describeReferrer(gstr& text) const override { text.append("The register Level"); }
};

class serialPortsWindow : public portsUi {
protected:
    void SetUp() override
    {
        portsUi::SetUp();
        window.create(nullptr);
        window.refresh();
    }
    CObjectListCtrl& list() { return window.list(); }
    // The Edit Serial Port dialog of the next run: tag and name, then OK.
    void answerPort(const char* tag, const char* name)
    {
        thenOk([tag, name](CDialog& d) {
            if (tag)
                d.setControlText(portDialog::tagId, tag);
            d.setControlText(portDialog::nameId, name);
            d.setControlText(portDialog::comPortId, "COM2");
        });
    }

    CSerialPortsDialog window;
};

TEST_F(serialPortsWindow, NewAddsTheSelectedRowAndCancelAddsNothing)
{
    ASSERT_EQ(list().rowCount(), 1);
    thenCancel();
    window.sendCommand(CSelectDialog::newId);
    EXPECT_EQ(list().rowCount(), 1);
    EXPECT_EQ(stationState().modified, 0);

    answerPort("East", "");
    window.sendCommand(CSelectDialog::newId);
    ASSERT_EQ(list().rowCount(), 2);
    EXPECT_EQ(list().getSelectedObject(), station::serialPorts().find("East"));
    EXPECT_EQ(text(list().nameAt(list().getSelectedIndex())), "East");
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_TRUE(window.isControlEnabled(CSelectDialog::editId));
    EXPECT_TRUE(window.canCreateObjects());
}

TEST_F(serialPortsWindow, EditRenamesTheRowAndDuplicateAddsOne)
{
    list().selectRow(0);
    answerPort(nullptr, "A line");
    window.sendCommand(CSelectDialog::editId);
    EXPECT_EQ(text(list().nameAt(0)), "A line");
    EXPECT_EQ(list().getSelectedIndex(), 0);
    EXPECT_EQ(stationState().modified, 1);

    answerPort("Copy", "");
    window.sendCommand(CSelectDialog::duplicateId);
    ASSERT_EQ(list().rowCount(), 2);
    EXPECT_EQ(text(list().tagAt(list().getSelectedIndex())), "Copy");
    EXPECT_EQ(station::serialPorts().find("Copy")->pollingSequence().count(), 3);
}

TEST_F(serialPortsWindow, PortInUseStaysAndTheLastDeletionDisablesTheButtons)
{
    sourceUser source;
    auto uses = std::make_unique<gusesList>(&source);
    uses->add(north()->usedBy());
    list().selectRow(0);
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(user.lastMessage().text,
              "You cannot delete this item because it is used by the following:\n\nThe register Level");
    EXPECT_EQ(list().rowCount(), 1);

    uses.reset();
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(list().rowCount(), 0);
    EXPECT_EQ(station::serialPorts().find("North"), nullptr);
    EXPECT_FALSE(window.isControlEnabled(CSelectDialog::editId));
    EXPECT_FALSE(window.isControlEnabled(CSelectDialog::deleteId));
    EXPECT_EQ(stationState().modified, 1);
}

// The main frame's ports window is this one, and New Port runs its New.
class serialPortsInTheFrame : public mainFrameTest {};

TEST_F(serialPortsInTheFrame, NewPortMakesAPortAndItsRow)
{
    auto* window = dynamic_cast<CSerialPortsDialog*>(frame->listWindowAt(CMainFrame::serialPorts));
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isShownInLibraryMode());
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(portDialog::tagId, "West");
        d.setControlText(portDialog::comPortId, "COM4");
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32863);
    ASSERT_EQ(window->list().rowCount(), 1);
    EXPECT_EQ(text(window->list().tagAt(0)), "West");
    EXPECT_EQ(stationState().modified, 1);
}

} // namespace
