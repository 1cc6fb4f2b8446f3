#include "legacy/ui/CEditLegacyDriverDialog.h"
#include "legacy/ui/CEditLegacyParameterDialog.h"
#include "legacy/ui/CLegacyListWindows.h"
#include "legacyDialogFixture.h"
#include "shell/CObjectListCtrl.h"
#include "shell/mainFrameFixture.h"

namespace {

struct legacyDevice : greferrer {
    void describeReferrer(gstr& text) const override { text.append("The serial port COM1"); }
};

class listWindows : public legacyDialogTest {
protected:
    template <class W>
    void open(W& window)
    {
        window.create(nullptr);
        window.refresh();
    }
};

TEST_F(listWindows, MaskInUseIsKeptAndAFreeOneDeleted)
{
    mask("Free", "A free mask");
    glegacyMask* used = mask("Used", "Used mask");
    driver("Meter", "RESPONSE r, Used");
    CLegacyDataMasksDialog window;
    open(window);
    EXPECT_TRUE(window.isShownInLibraryMode());
    EXPECT_EQ(window.windowTitle(), "Legacy Data Masks");
    ASSERT_EQ(window.list().rowCount(), 2);
    window.list().selectRow(1);
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(user.lastMessage().text,
              "You cannot delete this item because it is used by the following:\n"
              "\nThe response r in device driver Meter");
    EXPECT_EQ(station::legacyMasks().find("Used"), used);
    EXPECT_EQ(stationState().modified, 0);

    window.list().selectRow(0);
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(station::legacyMasks().find("Free"), nullptr);
    EXPECT_EQ(window.list().rowCount(), 1);
    EXPECT_EQ(window.list().getSelectedIndex(), 0);
    EXPECT_EQ(stationState().modified, 1);
}

TEST_F(listWindows, DriversAreDuplicatedEditedAndGuarded)
{
    mask("M");
    glegacyDriver* meter = driver("Meter", "RESPONSE r, M\nCOMMAND c, C, r\nREPLY a, A");
    legacyDevice device;
    gusesList uses(&device);
    uses.add(meter->usedBy());
    CLegacyDriversDialog window;
    open(window);
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(user.lastMessage().text,
              "You cannot delete this item because it is used by the following:\n\nThe serial port COM1");

    user.scripts.push_back([](CDialog& d) {
        d.setControlText(CEditLegacyDriverDialog::tagId, "Meter2");
        d.setControlText(CEditLegacyDriverDialog::nameId, "Copy");
        d.sendCommand(IDOK);
    });
    window.sendCommand(CSelectDialog::duplicateId);
    glegacyDriver* copy = station::legacyDrivers().find("Meter2");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->commands().count(), 2);
    EXPECT_EQ(copy->responses().count(), 1);
    EXPECT_EQ(window.list().getSelectedObject(), copy);
    EXPECT_EQ(window.list().nameAt(0).view(), "Copy");
    EXPECT_EQ(stationState().modified, 1);

    user.scripts.push_back([](CDialog& d) {
        d.setControlText(CEditLegacyDriverDialog::nameId, "Zeta");
        d.sendCommand(IDOK);
    });
    window.sendCommand(CSelectDialog::editId);
    EXPECT_EQ(copy->getTitle(false).view(), "Zeta");
    EXPECT_EQ(window.list().nameAt(1).view(), "Zeta");

    window.list().selectRow(1);
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(station::legacyDrivers().find("Meter2"), nullptr);
    EXPECT_EQ(window.list().rowCount(), 1);
}

TEST_F(listWindows, ParametersAreMadeAndHiddenInLibraryMode)
{
    CLegacyParametersDialog window;
    open(window);
    EXPECT_FALSE(window.isShownInLibraryMode());
    EXPECT_TRUE(window.canCreateObjects());
    EXPECT_FALSE(window.isControlEnabled(CSelectDialog::editId));
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), CEditLegacyParameterDialog::templateId);
        d.setControlText(CEditLegacyParameterDialog::tagId, "Bell");
        d.sendCommand(IDOK);
    });
    window.newObject();
    ASSERT_EQ(window.list().rowCount(), 1);
    EXPECT_TRUE(window.isControlEnabled(CSelectDialog::editId));
    EXPECT_EQ(station::legacyParameters().find("Bell")->getDefaultValue().view(), "");

    // A cancelled New changes nothing.
    stationState().modified = 0;
    window.newObject();
    EXPECT_EQ(window.list().rowCount(), 1);
    EXPECT_EQ(stationState().modified, 0);
}

using mainFrameLegacy = mainFrameTest;

TEST_F(mainFrameLegacy, NewCommandsOpenTheLegacyDialogs)
{
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Parameter");
        d.setControlText(CEditLegacyParameterDialog::tagId, "P1");
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32862);
    EXPECT_EQ(frame->listWindowAt(CMainFrame::legacyParameters)->list().rowCount(), 1);
    EXPECT_EQ(stationState().modified, 1);
    user.scripts.push_back([](CDialog& d) { EXPECT_EQ(d.windowTitle(), "New Data Mask"); });
    frame->routeCommand(32920);
    user.scripts.push_back([](CDialog& d) { EXPECT_EQ(d.windowTitle(), "New Device Driver"); });
    frame->routeCommand(32921);
    EXPECT_EQ(user.dialogs.size(), 3u);
}

} // namespace
