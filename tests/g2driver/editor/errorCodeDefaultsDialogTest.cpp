#include "driverDialogFixture.h"
#include "g2driver/editor/CDriverCommandsPane.h"
#include "g2driver/editor/CEditCommandTemplateDialog.h"
#include "g2driver/editor/CErrorCodeDefaultsDialog.h"
#include "g2driver/editor/CErrorCodeValuesPanel.h"
#include "ports/gnamedValue.h"
#include "support/ui/controlHost.h"

#include <functional>

namespace {

using D = CEditG2DeviceDriverDialog;
using T = CEditCommandTemplateDialog;
using R = CErrorCodeValueRow;
using P = CErrorCodeValuesPanel;

class errorCodeDefaultsTest : public driverDialogTest {
protected:
    // The defaults dialog of template Read, driven by the script; then the
    // template and the driver dialogs end with OK.
    void runDefaults(std::function<void(CErrorCodeDefaultsDialog&)> script)
    {
        runDriverDialog(meter(), meter(), [&](D& d) {
            user.scripts.push_back([&](CDialog& t) {
                EXPECT_TRUE(t.isControlEnabled(T::errorHandlingId));
                user.scripts.push_back([&](CDialog& e) {
                    EXPECT_EQ(e.templateId(), CErrorCodeDefaultsDialog::templateId);
                    script(static_cast<CErrorCodeDefaultsDialog&>(e));
                    if (!e.hasEnded())
                        e.sendCommand(IDCANCEL);
                });
                t.sendCommand(T::errorHandlingId);
                t.sendCommand(IDOK);
            });
            select(d.commandsPane(), CDriverCommandsPane::templateListId, "Read");
            d.commandsPane().sendCommand(CDriverCommandsPane::editTemplateId);
            d.sendCommand(IDOK);
        });
    }
    static std::string label(const R& row) { return std::string(row.controlText(R::labelId).view()); }
    static std::string value(const R& row) { return std::string(row.controlText(R::valueId).view()); }
};

TEST_F(errorCodeDefaultsTest, RowsInNameOrderShowTheTemplatesDefaults)
{
    runDefaults([](CErrorCodeDefaultsDialog& e) {
        P& panel = e.panel();
        ASSERT_EQ(panel.rowCount(), 2);
        EXPECT_EQ(label(*panel.row(0)), "Fault:");
        EXPECT_EQ(panel.row(0)->templateId(), 782);
        EXPECT_EQ(value(*panel.row(0)), "0");
        EXPECT_EQ(label(*panel.row(1)), "Message:");
        EXPECT_EQ(panel.row(1)->templateId(), 783);
        EXPECT_EQ(value(*panel.row(1)), "no message");
        ASSERT_NE(panel.pane(), nullptr);
        EXPECT_TRUE(panel.pane()->isChecked(P::textButton));
        e.sendCommand(IDOK);
    });
    EXPECT_EQ(saved(), expected());
}

TEST_F(errorCodeDefaultsTest, RefusedNumberKeepsTheDialogOpenAndAClearedRowDropsItsDefault)
{
    runDefaults([this](CErrorCodeDefaultsDialog& e) {
        R& fault = *e.panel().row(0);
        R& message = *e.panel().row(1);
        fault.setControlText(R::valueId, "12a");
        message.setControlText(R::valueId, "\\x07bell");
        e.sendCommand(IDOK);
        EXPECT_FALSE(e.hasEnded());
        EXPECT_EQ(user.lastMessage().text, "Please enter a number between 0 and 4294967295.");
        fault.setControlText(R::valueId, "");
        e.sendCommand(IDOK);
        EXPECT_TRUE(e.hasEnded());
    });
    std::string all = saved();
    EXPECT_EQ(all.find("ERROR_CODE\t\"Fault\""), std::string::npos);
    size_t at = all.find("\t\tERROR_CODE\t\"Message\"");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(all.substr(at, all.find('\r', at) - at), "\t\tERROR_CODE\t\"Message\", STRING VALUE, \"\\x07bell\"");
}

TEST_F(errorCodeDefaultsTest, RefusedHexSwitchKeepsText)
{
    runDefaults([this](CErrorCodeDefaultsDialog& e) {
        CDialog& pane = *e.panel().pane();
        e.panel().row(1)->setControlText(R::valueId, "bad\\");
        pane.setChecked(P::hexButton, true);
        pane.sendCommand(P::hexButton);
        EXPECT_EQ(user.lastMessage().text, "The string entered is not a valid C-Style string.");
        EXPECT_TRUE(pane.isChecked(P::textButton));
        EXPECT_FALSE(pane.isChecked(P::hexButton));
        EXPECT_EQ(e.panel().hexMode(), 0);

        e.panel().row(1)->setControlText(R::valueId, "AB");
        pane.setChecked(P::hexButton, true);
        pane.sendCommand(P::hexButton);
        EXPECT_EQ(e.panel().hexMode(), 1);
        EXPECT_EQ(value(*e.panel().row(1)), "41 42");
    });
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Driver", "HexMode", 0), 1);
}

TEST_F(errorCodeDefaultsTest, NumericalCodesAloneShowNoPaneAndForeignDefaultsAreDropped)
{
    g2driverErrorCodeTable codes(5);
    codes.define("Zeta")->setKind(g2driverErrorCode::numerical);
    codes.define("Alpha")->setKind(g2driverErrorCode::numerical);
    controlHost host;
    auto* panel = host.add(CErrorCodeDefaultsDialog::panelId, new P);
    panel->setErrorCodes(codes);
    EXPECT_EQ(panel->pane(), nullptr);
    ASSERT_EQ(panel->rowCount(), 2);
    EXPECT_EQ(label(*panel->row(0)), "Alpha:");

    jhashNamedObjectTable defaults;
    defaults.insert(new gnamedValue("Zeta", 7u));
    defaults.insert(new gnamedValue("Alpha", gstrSlice("text")));
    defaults.insert(new gnamedValue("Gone", 1u));
    panel->setValues(defaults);
    EXPECT_EQ(value(*panel->row(0)), "");
    EXPECT_EQ(value(*panel->row(1)), "7");
    jhashNamedObjectTable read;
    ASSERT_TRUE(panel->getValues(read));
    EXPECT_EQ(read.count(), 1);
    read.deleteAll();
    defaults.deleteAll();
    delete panel;
}

} // namespace
