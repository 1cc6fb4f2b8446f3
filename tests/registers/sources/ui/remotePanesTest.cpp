#include "registers/sources/ui/CEditIpAddressDialog.h"
#include "registers/sources/ui/CRemoteRegisterSourcePane.h"
#include "registers/sources/ui/CRemoteStationAlarmSourcePane.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"

namespace {

using base = CRegisterDialog;
using remote = CRemoteRegisterSourcePane;
using ipDialog = CEditIpAddressDialog;

TEST_F(registerDialogTest, RemoteRegisterPaneKeepsItsAddressesInOrder)
{
    gregister* made = run(3, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(base::tagId, "A");
        ASSERT_TRUE(chooseSourceType(d, 6));
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 876);
        for (int id : {remote::editId, remote::removeId, remote::duplicateId})
            EXPECT_FALSE(p.isControlEnabled(id)) << id;
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10369);
        EXPECT_TRUE(p.hasFocus(remote::tagId));
        p.setControlText(remote::tagId, "FLOW");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10371);
        EXPECT_EQ(user.lastMessage().text, "Please add at least one IP address.");

        // Add: a refused address keeps the dialog open.
        user.scripts.push_back([this](CDialog& a) {
            EXPECT_EQ(a.windowTitle(), "Add IP Address");
            EXPECT_FALSE(a.isControlEnabled(IDOK));
            a.setControlText(ipDialog::addressId, "10.0.0.256");
            EXPECT_TRUE(a.isControlEnabled(IDOK));
            a.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10319);
            EXPECT_TRUE(a.hasFocus(ipDialog::addressId));
            a.setControlText(ipDialog::addressId, "10.0.0.1");
            a.sendCommand(IDOK);
        });
        p.sendCommand(remote::addId);
        EXPECT_TRUE(p.isControlEnabled(remote::editId));
        // Duplicate goes after the selected line.
        user.scripts.push_back([](CDialog& a) {
            EXPECT_EQ(a.windowTitle(), "Add IP Address");
            EXPECT_EQ(a.controlText(ipDialog::addressId).view(), "10.0.0.1");
            a.setControlText(ipDialog::addressId, "10.0.0.3");
            a.sendCommand(IDOK);
        });
        p.sendCommand(remote::duplicateId);
        // A new one goes after the selected line too.
        p.selectItem(remote::listId, 0);
        user.scripts.push_back([](CDialog& a) {
            a.setControlText(ipDialog::addressId, "10.0.0.2");
            a.sendCommand(IDOK);
        });
        p.sendCommand(remote::addId);
        // Edit replaces the line in place.
        p.selectItem(remote::listId, 2);
        user.scripts.push_back([](CDialog& a) {
            EXPECT_EQ(a.windowTitle(), "Edit IP Address");
            a.setControlText(ipDialog::addressId, "127.0.0.1");
            a.sendCommand(IDOK);
        });
        p.sendCommand(remote::editId);
        EXPECT_EQ(items(p, remote::listId), (std::vector<std::string>{"10.0.0.1", "10.0.0.2", "127.0.0.1"}));
        EXPECT_EQ(p.selectedItem(remote::listId), 2);
        // Removing the last line selects the one before.
        p.sendCommand(remote::removeId);
        EXPECT_EQ(p.selectedItem(remote::listId), 1);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made),
              "\tSOURCE\t\tNETWORK2\n\t\tREGISTER\tFLOW\n\t\tADDRESS\t\t10.0.0.1\n\t\tADDRESS\t\t10.0.0.2\n\tEND\n");

    // Shown again; removing every line disables the buttons.
    run(3, made, made, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.controlText(remote::tagId).view(), "FLOW");
        EXPECT_EQ(items(p, remote::listId), (std::vector<std::string>{"10.0.0.1", "10.0.0.2"}));
        p.selectItem(remote::listId, 0);
        p.sendCommand(remote::removeId);
        EXPECT_EQ(p.selectedItem(remote::listId), 0);
        p.sendCommand(remote::removeId);
        EXPECT_FALSE(p.isControlEnabled(remote::removeId));
        d.sendCommand(IDCANCEL);
    });
}

TEST_F(registerDialogTest, RemoteStationAlarmPaneNeedsAStationName)
{
    gregister* made = run(1, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(base::tagId, "B");
        ASSERT_TRUE(chooseSourceType(d, 9));
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 569);
        p.setControlText(CRemoteStationAlarmSourcePane::registerId, "B7");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10156);
        EXPECT_TRUE(p.hasFocus(CRemoteStationAlarmSourcePane::stationId));
        p.setControlText(CRemoteStationAlarmSourcePane::stationId, "North, east");
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tNETWORK\n\t\tSTATION\t\t\"North, east\"\n\t\tREGISTER\tB7\n\tEND\n");
    // An empty tag stands for the whole station.
    run(1, made, made, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.controlText(CRemoteStationAlarmSourcePane::stationId).view(), "North, east");
        p.setControlText(CRemoteStationAlarmSourcePane::registerId, "");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tNETWORK\n\t\tSTATION\t\t\"North, east\"\n\tEND\n");
}

TEST_F(registerDialogTest, GrandSummaryPaneMakesTheSource)
{
    gregister* made = run(1, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(base::tagId, "G");
        ASSERT_TRUE(chooseSourceType(d, 8));
        EXPECT_EQ(paneOf(d).templateId(), 858);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tGRAND SUMMARY\n\tEND\n");
}

} // namespace
