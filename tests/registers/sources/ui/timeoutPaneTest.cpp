#include "ports/gdevice.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "registers/sources/ui/CTimeoutSourcePane.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"

#include <QComboBox>

namespace {

using base = CRegisterDialog;
using pane = CTimeoutSourcePane;

class timeoutPaneTest : public registerDialogTest {
protected:
    // Two ports: "North line" (COM1) with the G2 device P1 and the legacy
    // device Meter, and COM2 with a legacy device Meter and a G2 device P2.
    void SetUp() override
    {
        registerDialogTest::SetUp();
        gserialPort* com1 = station::serialPorts().define("COM1");
        com1->setTitle("North line");
        gdevice* p1 = station::serialPorts().find("COM1")->getDevice("P1");
        p1->setTitle("Pump one");
        com1->addDeviceCopy(*p1);
        com1->addLegacyDeviceCopy(*com1->getLegacyDevice("Meter"));
        gserialPort* com2 = station::serialPorts().define("COM2");
        com2->addLegacyDeviceCopy(*com2->getLegacyDevice("Meter"));
        com2->addDeviceCopy(*com2->getDevice("P2"));
    }

    static QComboBox& combo(CSourcePane& p, int id) { return *p.controlAs<QComboBox>(id); }
};

TEST_F(timeoutPaneTest, RefusedWithoutPorts)
{
    emptyAll();
    run(1, nullptr, nullptr, [this](CDialog& d) {
        EXPECT_FALSE(chooseSourceType(d, 19) && dynamic_cast<pane*>(dynamic_cast<base&>(d).sourcePane()));
        EXPECT_EQ(user.lastMessage().promptId, 10186);
        EXPECT_EQ(user.lastMessage().text, "You haven't created any ports yet.");
        d.sendCommand(IDCANCEL);
    });
    // A register whose source names no port keeps its source.
    gregister* reg = loadRegister("BISTATE_REG B\nSOURCE TIMEOUT\nDRIVER M\nEND\nEND\n").reg;
    ASSERT_EQ(sourceLines(*reg), "\tSOURCE\t\tTIMEOUT\n\tEND\n");
    run(1, reg, reg, [](CDialog& d) { d.sendCommand(IDOK); });
    EXPECT_EQ(user.lastMessage().promptId, 10186);
    EXPECT_EQ(sourceLines(*reg), "\tSOURCE\t\tTIMEOUT\n\tEND\n");
}

TEST_F(timeoutPaneTest, ChoosesPortAndDevice)
{
    gregister* made = run(1, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(base::tagId, "T");
        ASSERT_TRUE(chooseSourceType(d, 19));
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 621);
        // Sorted by the names shown; the first port is held.
        EXPECT_EQ(items(p, pane::portId), (std::vector<std::string>{"COM2", "North line"}));
        EXPECT_EQ(p.selectedItem(pane::portId), 0);
        EXPECT_EQ(items(p, pane::deviceId), (std::vector<std::string>{"<all>", "Meter", "P2"}));
        EXPECT_EQ(p.selectedItem(pane::deviceId), 0);
        p.selectItem(pane::deviceId, 1);
        // The device of the same tag is kept on the new port.
        p.selectItem(pane::portId, 1);
        EXPECT_EQ(items(p, pane::deviceId), (std::vector<std::string>{"<all>", "Pump one", "Meter"}));
        EXPECT_EQ(p.selectedItem(pane::deviceId), 2);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tTIMEOUT\n\t\tDEVICE\t\tCOM1, Meter\n\tEND\n");
    EXPECT_EQ(users(station::serialPorts().find("COM1")->usedBy()), "\nThe register T");

    // Edit: the source's choice is shown; a G2 device, then the whole port.
    run(1, made, made, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.selectedItem(pane::portId), 1);
        EXPECT_EQ(p.selectedItem(pane::deviceId), 2);
        p.selectItem(pane::deviceId, 1);
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tTIMEOUT\n\t\tG2DEVICE\tCOM1, P1\n\tEND\n");
    run(1, made, made, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.selectedItem(pane::deviceId), 1);
        // No device of the tag P1 on COM2: "<all>".
        p.selectItem(pane::portId, 0);
        EXPECT_EQ(p.selectedItem(pane::deviceId), 0);
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tTIMEOUT\n\t\tPORT\t\tCOM2\n\tEND\n");
    EXPECT_TRUE(station::serialPorts().find("COM1")->usedBy().isUnused());
    run(1, made, made, [](CDialog& d) {
        EXPECT_EQ(paneOf(d).selectedItem(pane::deviceId), 0);
        d.sendCommand(IDCANCEL);
    });
}

} // namespace
