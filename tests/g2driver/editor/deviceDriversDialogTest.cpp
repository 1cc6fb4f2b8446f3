#include "driverDialogFixture.h"
#include "g2driver/editor/CDeviceDriversDialog.h"
#include "g2driver/editor/CSelectDeviceDriverTypeDialog.h"
#include "legacy/glegacyDriver.h"
#include "shell/CObjectListCtrl.h"
#include "store/gstationState.h"

namespace {

using D = CEditG2DeviceDriverDialog;

struct serialDevice : greferrer {
    void describeReferrer(gstr& text) const override { text.append("The device D on serial port COM1"); }
};

class deviceDriversTest : public driverDialogTest {
protected:
    void SetUp() override
    {
        driverDialogTest::SetUp();
        window.create(nullptr);
        window.refresh();
    }
    void answerDriverDialog(std::function<void(D&)> script)
    {
        user.scripts.push_back([script](CDialog& d) {
            EXPECT_EQ(d.templateId(), D::templateId);
            script(static_cast<D&>(d));
        });
    }

    CDeviceDriversDialog window;
};

TEST_F(deviceDriversTest, NewDuplicateAndEditGoThroughTheDriverDialog)
{
    EXPECT_EQ(window.windowTitle(), "Device Drivers");
    EXPECT_TRUE(window.isShownInLibraryMode());
    ASSERT_EQ(window.list().rowCount(), 1);

    // Cancel changes nothing.
    answerDriverDialog([](D& d) { d.sendCommand(IDCANCEL); });
    window.sendCommand(CSelectDialog::newId);
    EXPECT_EQ(window.list().rowCount(), 1);
    EXPECT_EQ(stationState().modified, 0);

    answerDriverDialog([](D& d) {
        d.setControlText(D::tagId, "Pump");
        d.sendCommand(IDOK);
    });
    window.sendCommand(CSelectDialog::newId);
    EXPECT_EQ(window.list().rowCount(), 2);
    EXPECT_EQ(window.list().getSelectedObject(), station::g2Drivers().find("Pump"));
    EXPECT_EQ(stationState().modified, 1);

    stationState().modified = 0;
    window.list().selectRow(window.list().indexOf(meter()));
    answerDriverDialog([](D& d) {
        EXPECT_EQ(d.source(), station::g2Drivers().find("Meter"));
        EXPECT_FALSE(d.isEditing());
        d.setControlText(D::tagId, "Meter2");
        d.sendCommand(IDOK);
    });
    window.sendCommand(CSelectDialog::duplicateId);
    EXPECT_EQ(window.list().rowCount(), 3);
    ASSERT_NE(station::g2Drivers().find("Meter2"), nullptr);
    EXPECT_EQ(stationState().modified, 1);

    stationState().modified = 0;
    window.list().selectRow(window.list().indexOf(meter()));
    answerDriverDialog([](D& d) {
        EXPECT_TRUE(d.isEditing());
        d.setControlText(D::nameId, "A meter");
        d.sendCommand(IDOK);
    });
    window.sendCommand(CSelectDialog::editId);
    EXPECT_EQ(meter()->getTitle(false).view(), "A meter");
    EXPECT_EQ(stationState().modified, 1);
}

TEST_F(deviceDriversTest, DriverInUseIsKeptAndAFreeOneDeleted)
{
    serialDevice device;
    gusesList uses(&device);
    uses.add(meter()->usedBy());
    window.list().selectRow(0);
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(user.lastMessage().text, "You cannot delete this item because it is used by the following:\n"
                                       "\nThe device D on serial port COM1");
    EXPECT_NE(meter(), nullptr);
    EXPECT_EQ(stationState().modified, 0);

    uses.clear();
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(meter(), nullptr);
    EXPECT_EQ(window.list().rowCount(), 0);
    EXPECT_FALSE(window.isControlEnabled(CSelectDialog::editId));
    EXPECT_EQ(stationState().modified, 1);
}

TEST_F(deviceDriversTest, DriverTypeIsAskedOnlyWithBothKinds)
{
    // With no script a dialog that waited for the user would be cancelled:
    // OK means it answered at once. G2 drivers only: regular.
    {
        CSelectDeviceDriverTypeDialog choice;
        EXPECT_EQ(choice.DoModal(), IDOK);
        EXPECT_TRUE(choice.regularChosen());
    }
    station::legacyDrivers().define("Old");
    {
        user.scripts.push_back([](CDialog& d) {
            EXPECT_TRUE(d.isChecked(CSelectDeviceDriverTypeDialog::regularId));
            d.setChecked(CSelectDeviceDriverTypeDialog::legacyId, true);
            d.sendCommand(IDOK);
        });
        CSelectDeviceDriverTypeDialog choice;
        EXPECT_EQ(choice.DoModal(), IDOK);
        EXPECT_FALSE(choice.regularChosen());
    }
    emptyAll();
    station::legacyDrivers().define("Old");
    CSelectDeviceDriverTypeDialog choice;
    EXPECT_EQ(choice.DoModal(), IDOK);
    EXPECT_FALSE(choice.regularChosen());
}

} // namespace
