// Test Port runs its real modal loop over the serial port dialog's, as the
// user meets them: the window on top takes keys and clicks, the one below
// is blocked.
#include "portsUiFixture.h"

#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CTestPortDialog.h"
#include "support/ui/realModalRun.h"

#include <QRadioButton>

namespace {

using portDialog = CEditSerialPortDialog;
using testDialog = CTestPortDialog;

TEST_F(portsUi, TestPortTakesInputOverItsModalSerialPortDialog)
{
    realModalRun real;
    real.scripts.push_back([](CDialog& port) {
        port.sendCommand(portDialog::testId);
        port.EndDialog(IDCANCEL);
    });
    real.scripts.push_back([](CDialog& test) {
        auto* hex = test.controlAs<QRadioButton>(testDialog::showHexId);
        auto* text = test.controlAs<QRadioButton>(testDialog::showTextId);
        clickAt(*hex, hex->rect().center());
        EXPECT_TRUE(test.isChecked(testDialog::showHexId));
        typeKeys(*text, " ");
        EXPECT_TRUE(test.isChecked(testDialog::showTextId));

        // The serial port dialog below takes nothing meanwhile.
        auto* below = static_cast<CDialog*>(test.parentWidget());
        ASSERT_TRUE(below->isControlEnabled(portDialog::nameId));
        typeKeys(*below->control(portDialog::nameId), "x");
        EXPECT_EQ(below->controlText(portDialog::nameId).view(), "North line");
        test.sendCommand(IDOK);
    });
    portDialog dialog(north(), north());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

} // namespace
