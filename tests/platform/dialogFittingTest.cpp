#include "platform/textRoom.h"

#include "support/ui/controlHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A host that adds controls as a derived dialog does.
class fittingHost : public controlHost {
public:
    using controlHost::controlHost;
    using CDialog::addButton;
    using CDialog::addCheckBox;
    using CDialog::addComboBox;
    using CDialog::addEdit;
    using CDialog::addLabel;
};

TEST(dialogFitting, ADropDownComboIsAsHighAsItsFontNotItsList)
{
    fittingHost host;
    QComboBox* combo = host.addComboBox(1001, false, 10, 10, 80, 100);
    host.addItem(1001, "9600");
    host.selectItem(1001, 0);
    EXPECT_EQ(combo->height(), combo->sizeHint().height());
    EXPECT_EQ(combo->width(), host.dialogUnits(10, 10, 80, 100).width());
}

TEST(dialogFitting, TextsThatDoNotFitGrowTheirControlAndTheDialog)
{
    fittingHost host(60, 40);
    QWidget* controls[] = {
        host.addCheckBox(1001, "Command doesn't expect a response", 4, 4, 20, 8),
        host.addButton(1002, "&Error Handling...", 4, 16, 20, 8),
        host.addLabel(1003, "Don't transmit over network", 4, 28, 20, 4),
    };
    host.show();
    for (QWidget* control : controls) {
        QSize room = textRoom(*control);
        std::string name = control->objectName().toStdString();
        EXPECT_GE(control->width(), room.width()) << name;
        EXPECT_GE(control->height(), room.height()) << name;
        EXPECT_TRUE(host.rect().contains(control->geometry())) << name;
    }
    // A later text fits as well.
    host.setControlText(1003, "A much longer text than the label had when the dialog was built");
    EXPECT_GE(host.control(1003)->width(), textRoom(*host.control(1003)).width());
}

TEST(dialogFitting, ANarrowButtonKeepsItsWidthWhenItsTextFits)
{
    fittingHost host;
    QPushButton* button = host.addButton(1001, "...", 10, 10, 14, 14);
    EXPECT_EQ(button->width(), host.dialogUnits(10, 10, 14, 14).width());
}

TEST(dialogFitting, ALabelsMnemonicUnderlinesAndFocusesTheNextControl)
{
    fittingHost host;
    QLabel* label = host.addLabel(-1, "&Name:", 10, 10, 40, 8);
    QLineEdit* edit = host.addEdit(1001, 50, 10, 80, 12);
    // Without the dialog started, as the panes of a bar are.
    EXPECT_EQ(label->buddy(), edit);
}

} // namespace
