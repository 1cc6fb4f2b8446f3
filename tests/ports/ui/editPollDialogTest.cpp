#include "portsUiFixture.h"

#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyCommand.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/ui/CEditPollDialog.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CPollPane.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

namespace {

using pollDialog = CEditPollDialog;

class editPoll : public portsUi {
protected:
    void SetUp() override
    {
        portsUi::SetUp();
        owner = std::make_unique<CEditSerialPortDialog>(north(), north());
        owner->ensureInitialized();
    }
    static QComboBox* devices(pollDialog& d) { return d.controlAs<QComboBox>(pollDialog::deviceId); }
    static QComboBox* commands(pollDialog& d) { return d.controlAs<QComboBox>(pollDialog::commandId); }
    gdevice* working(const char* tag) { return owner->workingDevices().find(tag); }

    std::unique_ptr<CEditSerialPortDialog> owner;
};

TEST_F(editPoll, NewPollListsEveryDeviceAndTheCommandsOfTheChosenOne)
{
    pollDialog d(owner.get(), nullptr, nullptr);
    d.ensureInitialized();
    EXPECT_EQ(d.windowTitle().toStdString(), "New Poll");
    EXPECT_EQ(itemTexts(devices(d)), (std::vector<std::string>{"Meter 12", "P 2", "Pump one"}));
    chooseText(devices(d), "Pump one");
    EXPECT_EQ(itemTexts(commands(d)), (std::vector<std::string>{"ReadFlow", "Start"}));
    EXPECT_EQ(d.panel()->rowCount(), 2);
    int tall = d.height();
    int paneTop = d.pane()->y();

    // A legacy device: its commands (no REPLY, which a poll cannot send)
    // and no parameter editors.
    chooseText(devices(d), "Meter 12");
    EXPECT_EQ(itemTexts(commands(d)), (std::vector<std::string>{"Read", "Reset"}));
    EXPECT_EQ(d.panel()->rowCount(), 0);
    EXPECT_LT(d.height(), tall);
    EXPECT_LT(d.pane()->y(), paneTop);
    EXPECT_TRUE(d.isControlEnabled(IDOK));

    chooseText(commands(d), "Reset");
    d.pane()->setKeepWithNext(2);
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    std::unique_ptr<gcommandSequenceEntry> made(d.editedEntry());
    ASSERT_NE(made->getLegacyPoll(), nullptr);
    EXPECT_EQ(made->getLegacyDevice(), owner->workingLegacyDevices().find("Meter"));
    EXPECT_EQ(text(made->getLegacyCommand()->getName()), "Reset");
    EXPECT_EQ(made->getKeepWithNext(), 2);
}

TEST_F(editPoll, SwitchingDevicesKeepsACommandOfTheSameName)
{
    gdevice* valve = owner->workingDevices().define("V1");
    valve->setDriver(station::g2Drivers().find("Valve"));
    pollDialog d(owner.get(), nullptr, nullptr);
    d.ensureInitialized();
    chooseText(devices(d), "Pump one");
    chooseText(commands(d), "Start");
    chooseText(devices(d), "V1");
    EXPECT_EQ(itemTexts(commands(d)), (std::vector<std::string>{"Close", "Start"}));
    EXPECT_EQ(commands(d)->currentText().toStdString(), "Start");

    chooseText(devices(d), "Pump one");
    chooseText(commands(d), "ReadFlow");
    chooseText(devices(d), "V1");
    EXPECT_EQ(commands(d)->currentText().toStdString(), "Close");
}

TEST_F(editPoll, InitializationCommandOffersThisDeviceFirst)
{
    pollDialog d(owner.get(), nullptr, nullptr);
    d.tieToDevice(working("P1"));
    d.ensureInitialized();
    EXPECT_EQ(d.windowTitle().toStdString(), "New Initialization Command");
    EXPECT_EQ(itemTexts(devices(d)), (std::vector<std::string>{"<This device>", "Meter 12", "P 2"}));
    EXPECT_EQ(devices(d)->currentIndex(), 0);
    EXPECT_EQ(itemTexts(commands(d)), (std::vector<std::string>{"ReadFlow", "Start"}));
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    std::unique_ptr<gcommandSequenceEntry> made(d.editedEntry());
    ASSERT_NE(made->getRequest(), nullptr);
    EXPECT_EQ(made->getDevice(), nullptr);
    EXPECT_EQ(made->getKeepWithNext(), 0);
}

TEST_F(editPoll, KeepWithNextMustBeACount)
{
    struct keepCase {
        const char* text;
        bool accepted;
        int32_t count;
    };
    const keepCase cases[] = {{"", false, 0}, {"0", true, 0}, {"2147483647", true, 2147483647}};
    for (const keepCase& c : cases) {
        user.messages.clear();
        pollDialog d(owner.get(), nullptr, nullptr);
        d.ensureInitialized();
        d.pane()->field()->setText(c.text);
        d.sendCommand(IDOK);
        EXPECT_EQ(d.hasEnded(), c.accepted) << c.text;
        if (!c.accepted) {
            EXPECT_EQ(messageIds(), std::vector<int>{10104});
            continue;
        }
        std::unique_ptr<gcommandSequenceEntry> made(d.editedEntry());
        EXPECT_EQ(made->getKeepWithNext(), c.count);
    }
    pollDialog d(owner.get(), nullptr, nullptr);
    d.ensureInitialized();
    EXPECT_FALSE(d.pane()->field()->acceptsChar('-'));
}

TEST_F(editPoll, EditingAPollShowsItsValuesAndChangesItInPlace)
{
    gcommandSequenceEntry* entry = owner->pollAt(0);
    pollDialog d(owner.get(), entry, entry);
    d.ensureInitialized();
    EXPECT_EQ(d.windowTitle().toStdString(), "Edit Poll");
    EXPECT_EQ(devices(d)->currentText().toStdString(), "Pump one");
    EXPECT_EQ(commands(d)->currentText().toStdString(), "ReadFlow");
    auto* channel = d.panel()->row(0)->controlAs<QLineEdit>(1496);
    EXPECT_EQ(channel->text().toStdString(), "1");
    channel->setText("9");
    d.panel()->row(1)->controlAs<QLineEdit>(1496)->setText("2.5");
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    EXPECT_EQ(d.editedEntry(), entry);
    EXPECT_EQ(entry->getRequest()->values().find("Channel")->getNumber(), 9u);
    EXPECT_EQ(entry->getRequest()->values().find("Scale")->getReal(), 2.5);

    // Another command: its own editors, empty.
    pollDialog other(owner.get(), entry, entry);
    other.ensureInitialized();
    chooseText(commands(other), "Start");
    ASSERT_EQ(other.panel()->rowCount(), 1);
    EXPECT_EQ(other.panel()->row(0)->controlAs<QComboBox>(1496)->currentIndex(), 0);
}

TEST_F(editPoll, APortWithoutDevicesHasNothingToPoll)
{
    CEditSerialPortDialog bare(nullptr, nullptr);
    bare.ensureInitialized();
    pollDialog d(&bare, nullptr, nullptr);
    d.ensureInitialized();
    EXPECT_TRUE(d.hasEnded());
    EXPECT_EQ(user.lastMessage().promptId, 10599);
}

} // namespace
