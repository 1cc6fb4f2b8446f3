#include "portsUiFixture.h"

#include "legacy/glegacyDriver.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyPoll.h"
#include "ports/ui/CEditLegacyDeviceDialog.h"
#include "ports/ui/CEditPollDialog.h"
#include "ports/ui/CEditSerialPortDialog.h"

#include <QComboBox>
#include <QListWidget>
#include <memory>

namespace {

using legacyDialog = CEditLegacyDeviceDialog;

class editLegacyDevice : public portsUi {
protected:
    void SetUp() override
    {
        portsUi::SetUp();
        owner = std::make_unique<CEditSerialPortDialog>(north(), north());
        owner->ensureInitialized();
        meter = owner->workingLegacyDevices().find("Meter");
    }
    static QListWidget* sequence(legacyDialog& d) { return d.controlAs<QListWidget>(legacyDialog::sequenceId); }
    static QComboBox* drivers(legacyDialog& d) { return d.controlAs<QComboBox>(legacyDialog::driverId); }
    static glegacyDriver* driver(const char* tag) { return station::legacyDrivers().find(tag); }
    // A poll of the working meter for the command.
    void addPoll(glegacyDevice& device, const char* command)
    {
        auto* poll = new glegacyPoll;
        poll->setDevice(&device);
        poll->setCommand(device.getDriver()->commands().find(command));
        device.initSequence().append(new gcommandSequenceEntry(poll));
    }
    // The Edit Poll dialog that answers a New in the sequence: the device
    // itself and the command.
    void answerPoll(const char* command)
    {
        thenOk([command](CDialog& poll) {
            auto* devices = poll.controlAs<QComboBox>(CEditPollDialog::deviceId);
            EXPECT_EQ(devices->itemText(0).toStdString(), "<This device>");
            choose(devices, 0);
            chooseText(poll.controlAs<QComboBox>(CEditPollDialog::commandId), command);
        });
    }

    std::unique_ptr<CEditSerialPortDialog> owner;
    glegacyDevice* meter = nullptr;
};

TEST_F(editLegacyDevice, EditShowsTheDeviceAndStoresReinitializationAsNo)
{
    legacyDialog d(owner.get(), meter, nullptr);
    d.ensureInitialized();
    EXPECT_EQ(text(d.controlText(legacyDialog::nameId)), "Meter 12");
    EXPECT_EQ(itemTexts(drivers(d)), std::vector<std::string>{"Meter, legacy"});
    EXPECT_FALSE(drivers(d)->isEnabled());
    // Not given in the file: shown as reinitializing.
    EXPECT_TRUE(d.isChecked(legacyDialog::reinitId));
    EXPECT_EQ(text(d.controlText(legacyDialog::toleranceId)), "3");
    EXPECT_EQ(rowTexts(sequence(d)), std::vector<std::string>{"Reset"});

    d.setChecked(legacyDialog::reinitId, false);
    d.setControlText(legacyDialog::nameId, "");
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    EXPECT_EQ(meter->getInitOnTimeout(), 0);
    EXPECT_EQ(meter->initSequence().first()->getLegacyDevice(), meter);
    owner->sendCommand(IDOK);
    ASSERT_TRUE(owner->hasEnded());
    std::string saved = savedStation();
    EXPECT_NE(saved.find("INIT_ON_TIMEOUT\tNO"), std::string::npos);
    EXPECT_EQ(saved.find("Meter 12"), std::string::npos);
}

TEST_F(editLegacyDevice, NewOffersOnlyFreeDrivers)
{
    legacyDialog first(owner.get(), nullptr, nullptr);
    first.ensureInitialized();
    EXPECT_EQ(first.windowTitle().toStdString(), "New Device");
    EXPECT_EQ(itemTexts(drivers(first)), std::vector<std::string>{"Gauge"});
    EXPECT_TRUE(first.isChecked(legacyDialog::reinitId));
    EXPECT_EQ(text(first.controlText(legacyDialog::toleranceId)), "0");
    first.sendCommand(IDOK);
    ASSERT_TRUE(first.hasEnded());
    glegacyDevice* gauge = first.editedDevice();
    ASSERT_EQ(owner->workingLegacyDevices().find("Gauge"), gauge);
    EXPECT_EQ(gauge->getDriver(), driver("Gauge"));

    legacyDialog none(owner.get(), nullptr, nullptr);
    none.ensureInitialized();
    EXPECT_TRUE(none.hasEnded());
    EXPECT_EQ(user.lastMessage().text, "The port is already using all availiable drivers.");
}

TEST_F(editLegacyDevice, DuplicateKeepsThePollsTheNewDriverCanSend)
{
    addPoll(*meter, "Read");
    addPoll(*meter, "Reset");
    addPoll(*meter, "Read");
    meter->initSequence().first()->getNext()->setKeepWithNext(1);
    legacyDialog d(owner.get(), meter, driver("Gauge"));
    d.ensureInitialized();
    EXPECT_EQ(text(d.controlText(legacyDialog::driverId)), "Gauge");
    // Reset (twice: the file's and the added one) is gone; the order stays.
    EXPECT_EQ(rowTexts(sequence(d)), (std::vector<std::string>{"Read", "Read"}));
    EXPECT_EQ(d.entryAt(0)->getKeepWithNext(), 1);
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    glegacyDevice* copy = owner->workingLegacyDevices().find("Gauge");
    ASSERT_EQ(copy->initSequence().count(), 2);
    EXPECT_EQ(copy->initSequence().first()->getLegacyDevice(), copy);
    EXPECT_EQ(copy->initSequence().first()->getLegacyCommand(), driver("Gauge")->commands().find("Read"));
    EXPECT_EQ(meter->initSequence().count(), 4);
}

TEST_F(editLegacyDevice, ChangingTheDriverAsksWhenPollsWouldGo)
{
    CEditSerialPortDialog bare(nullptr, nullptr);
    bare.ensureInitialized();
    legacyDialog d(&bare, nullptr, nullptr);
    d.ensureInitialized();
    ASSERT_EQ(itemTexts(drivers(d)), (std::vector<std::string>{"Gauge", "Meter, legacy"}));
    answerPoll("Read");
    d.OnNewPoll();
    chooseText(drivers(d), "Meter, legacy");
    EXPECT_TRUE(user.messages.empty());
    answerPoll("Reset");
    d.OnNewPoll();
    // New goes above the selected row.
    ASSERT_EQ(rowTexts(sequence(d)), (std::vector<std::string>{"Reset", "Read"}));

    user.answers.push_back(ganswer::cancel);
    chooseText(drivers(d), "Gauge");
    EXPECT_EQ(user.lastMessage().promptId, 10012);
    EXPECT_EQ(drivers(d)->currentText().toStdString(), "Meter, legacy");
    EXPECT_EQ(rowTexts(sequence(d)), (std::vector<std::string>{"Reset", "Read"}));

    user.answers.push_back(ganswer::ok);
    chooseText(drivers(d), "Gauge");
    EXPECT_EQ(d.currentDriver(), driver("Gauge"));
    EXPECT_EQ(rowTexts(sequence(d)), std::vector<std::string>{"Read"});

    // When nothing would remain the question says so.
    legacyDialog other(&bare, nullptr, nullptr);
    other.ensureInitialized();
    chooseText(drivers(other), "Meter, legacy");
    answerPoll("Reset");
    other.OnNewPoll();
    user.answers.push_back(ganswer::cancel);
    chooseText(drivers(other), "Gauge");
    EXPECT_EQ(user.lastMessage().promptId, 10603);
}

TEST_F(editLegacyDevice, ToleranceMustFitInThirtyOneBits)
{
    struct toleranceCase {
        const char* text;
        bool accepted;
    };
    const toleranceCase cases[] = {{"2147483648", false}, {"", false}, {"0", true}, {"2147483647", true}};
    for (const toleranceCase& c : cases) {
        user.messages.clear();
        legacyDialog d(owner.get(), meter, nullptr);
        d.ensureInitialized();
        d.setControlText(legacyDialog::toleranceId, c.text);
        d.sendCommand(IDOK);
        EXPECT_EQ(d.hasEnded(), c.accepted) << c.text;
        if (c.accepted)
            EXPECT_EQ(text(gstr().format("%d", meter->getTolerance())), c.text);
        else
            EXPECT_EQ(messageIds(), std::vector<int>{10111}) << c.text;
    }
}

TEST_F(editLegacyDevice, SequenceRowsGoAboveOrBelowTheSelection)
{
    legacyDialog d(owner.get(), meter, nullptr);
    d.ensureInitialized();
    QListWidget* rows = sequence(d);
    EXPECT_FALSE(d.isControlEnabled(legacyDialog::editId));
    rows->setCurrentRow(0);
    EXPECT_TRUE(d.isControlEnabled(legacyDialog::deleteId));
    // Tied to the device being edited: the poll dialog offers it as itself.
    answerPoll("Read");
    d.OnNewPoll();
    EXPECT_EQ(rowTexts(rows), (std::vector<std::string>{"Read", "Reset"}));
    thenOk();
    d.OnDuplicatePoll();
    EXPECT_EQ(rowTexts(rows), (std::vector<std::string>{"Read", "Read", "Reset"}));
    EXPECT_EQ(rows->currentRow(), 1);
    for (int i = 0; i < 3; ++i)
        d.OnDeletePoll();
    EXPECT_EQ(rows->count(), 0);
    EXPECT_FALSE(d.isControlEnabled(legacyDialog::editId));
    EXPECT_FALSE(d.isControlEnabled(legacyDialog::duplicateId));
}

} // namespace
