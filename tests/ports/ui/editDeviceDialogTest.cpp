#include "portsUiFixture.h"

#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driver.h"
#include "platform/settingsStore.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/ui/CCommandsToSendPage.h"
#include "ports/ui/CEditDeviceDialog.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "scl/gsclProgram.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <memory>

namespace {

using deviceDialog = CEditDeviceDialog;

struct sourceUser : greferrer {
    void describeReferrer(gstr& text) const override { text.append("The register Flow"); }
};

class editDevice : public portsUi {
protected:
    void SetUp() override
    {
        portsUi::SetUp();
        owner = std::make_unique<CEditSerialPortDialog>(north(), north());
        owner->ensureInitialized();
    }
    gdevice* working(const char* tag) { return owner->workingDevices().find(tag); }
    static QComboBox* drivers(deviceDialog& d) { return d.controlAs<QComboBox>(deviceDialog::driverId); }

    std::unique_ptr<CEditSerialPortDialog> owner;
};

TEST_F(editDevice, NewDeviceTakesTheFirstDriverAndItsParameters)
{
    deviceDialog d(owner.get(), nullptr, nullptr);
    int before = d.height();
    d.ensureInitialized();
    EXPECT_EQ(d.windowTitle().toStdString(), "New Device");
    EXPECT_FALSE(d.isControlEnabled(IDOK));
    EXPECT_EQ(itemTexts(drivers(d)), (std::vector<std::string>{"Pump", "Valve"}));
    EXPECT_EQ(drivers(d)->currentIndex(), 0);
    EXPECT_EQ(text(d.controlText(deviceDialog::retriesId)), "1");
    ASSERT_EQ(d.panel()->rowCount(), 1);
    EXPECT_NE(d.panel()->decimalHexPane(), nullptr);
    EXPECT_GT(d.height(), before);

    d.setControlText(deviceDialog::tagId, "P3");
    EXPECT_TRUE(d.isControlEnabled(IDOK));
    d.setControlText(deviceDialog::nameId, "P3");
    d.panel()->row(0)->controlAs<QLineEdit>(1496)->setText("12");
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    gdevice* made = working("P3");
    ASSERT_EQ(d.editedDevice(), made);
    EXPECT_EQ(made->getDriver(), station::g2Drivers().find("Pump"));
    EXPECT_TRUE(made->getTitle().isEmpty());
    EXPECT_EQ(made->getRetries(), 0);
    EXPECT_EQ(made->parameterValues().find("Address")->getNumber(), 12u);
    EXPECT_EQ(made->getDefaultInit(), 0);
}

TEST_F(editDevice, TagMustBeFreeAmongTheG2DevicesOnly)
{
    deviceDialog taken(owner.get(), nullptr, nullptr);
    taken.ensureInitialized();
    taken.setControlText(deviceDialog::tagId, "P1");
    taken.sendCommand(IDOK);
    EXPECT_FALSE(taken.hasEnded());
    EXPECT_EQ(messageIds(), std::vector<int>{10601});

    deviceDialog legacyTag(owner.get(), nullptr, nullptr);
    legacyTag.ensureInitialized();
    legacyTag.setControlText(deviceDialog::tagId, "Meter");
    legacyTag.sendCommand(IDOK);
    EXPECT_TRUE(legacyTag.hasEnded());
    EXPECT_NE(working("Meter"), nullptr);
}

TEST_F(editDevice, CustomRetriesMustBeInRange)
{
    struct retriesCase {
        bool custom;
        const char* text;
        bool accepted;
        int32_t stored;
    };
    const retriesCase cases[] = {{true, "0", false, 0},   {true, "", false, 0},
                                 {true, "2147483647", false, 0}, {true, "1", true, 1},
                                 {true, "2147483646", true, 2147483646}, {false, "0", true, 0}};
    {
        deviceDialog d(owner.get(), working("P1"), working("P1"));
        d.ensureInitialized();
        EXPECT_TRUE(d.isChecked(deviceDialog::customRetriesId));
        EXPECT_EQ(text(d.controlText(deviceDialog::retriesId)), "4");
        EXPECT_FALSE(working("P 2")->getRetries() > 0);
        deviceDialog other(owner.get(), working("P 2"), working("P 2"));
        other.ensureInitialized();
        EXPECT_FALSE(other.isChecked(deviceDialog::customRetriesId));
        EXPECT_FALSE(other.isControlEnabled(deviceDialog::retriesId));
    }
    for (const retriesCase& c : cases) {
        user.messages.clear();
        deviceDialog d(owner.get(), working("P1"), working("P1"));
        d.ensureInitialized();
        d.setChecked(deviceDialog::customRetriesId, c.custom);
        d.OnCustomRetries();
        EXPECT_EQ(d.isControlEnabled(deviceDialog::retriesId), c.custom);
        d.setControlText(deviceDialog::retriesId, c.text);
        d.sendCommand(IDOK);
        EXPECT_EQ(d.hasEnded(), c.accepted) << c.text;
        if (c.accepted)
            EXPECT_EQ(working("P1")->getRetries(), c.stored) << c.text;
        else
            EXPECT_EQ(messageIds(), std::vector<int>{10499}) << c.text;
    }
}

TEST_F(editDevice, DriverOfADeviceInUseStays)
{
    sourceUser source;
    gusesList uses(&source);
    uses.add(*north()->devices().find("P 2"));
    deviceDialog d(owner.get(), working("P 2"), working("P 2"));
    d.ensureInitialized();
    chooseText(drivers(d), "Valve");
    EXPECT_EQ(user.lastMessage().text,
              "You cannot change the device driver because it is used by the following:\n\nThe polling sequence "
              "of serial port North line\nThe register Flow");
    EXPECT_EQ(drivers(d)->currentText().toStdString(), "Pump");
    EXPECT_EQ(d.currentDriver(), station::g2Drivers().find("Pump"));
}

TEST_F(editDevice, ChangingTheDriverAsksBeforeThePollsGo)
{
    // A duplicate of P1 carries its common sequence.
    deviceDialog d(owner.get(), working("P1"), nullptr);
    d.ensureInitialized();
    ASSERT_EQ(d.page(2).rowCount(), 1);
    EXPECT_EQ(text(d.page(2).rowText(0)), "ReadFlow (Channel = 3)");

    user.answers.push_back(ganswer::cancel);
    chooseText(drivers(d), "Valve");
    EXPECT_EQ(user.lastMessage().promptId, 10602);
    EXPECT_EQ(drivers(d)->currentText().toStdString(), "Pump");
    EXPECT_EQ(d.page(2).rowCount(), 1);
    EXPECT_EQ(d.panel()->rowCount(), 1);

    user.answers.push_back(ganswer::ok);
    chooseText(drivers(d), "Valve");
    EXPECT_EQ(d.currentDriver(), station::g2Drivers().find("Valve"));
    EXPECT_EQ(d.page(2).rowCount(), 0);
    EXPECT_EQ(d.panel()->rowCount(), 0);
}

TEST_F(editDevice, OwnCommandsShowWithoutTheDeviceAndComeBackAddressed)
{
    deviceDialog dup(owner.get(), working("P1"), nullptr);
    dup.ensureInitialized();
    EXPECT_EQ(text(dup.controlText(deviceDialog::nameId)), "Pump one");
    dup.setControlText(deviceDialog::tagId, "P9");
    dup.sendCommand(IDOK);
    ASSERT_TRUE(dup.hasEnded());
    gdevice* copy = working("P9");
    ASSERT_EQ(copy->commonSequence().count(), 1);
    EXPECT_EQ(copy->commonSequence().first()->getDevice(), copy);
    EXPECT_EQ(working("P1")->commonSequence().first()->getDevice(), working("P1"));
    EXPECT_EQ(copy->getRetries(), 4);
    EXPECT_EQ(copy->parameterValues().find("Address")->getNumber(), 7u);
}

TEST_F(editDevice, MessageProgramOnlyWhileThePortWaitsForData)
{
    gsclProgram* onMessage = station::programs().find("OnMessage");
    owner->checkRadioButton(CEditSerialPortDialog::pollRadioId, CEditSerialPortDialog::waitRadioId,
                            CEditSerialPortDialog::waitRadioId);
    {
        deviceDialog d(owner.get(), working("P1"), working("P1"));
        d.ensureInitialized();
        EXPECT_TRUE(d.isControlEnabled(deviceDialog::messageComboId));
        auto* combo = d.controlAs<QComboBox>(deviceDialog::messageComboId);
        combo->setCurrentIndex(combo->findText("OnMessage"));
        EXPECT_TRUE(d.isControlEnabled(deviceDialog::messageArgsId));
        d.sendCommand(IDOK);
        EXPECT_EQ(working("P1")->getMessageControl().getProgram(), onMessage);
    }
    owner->checkRadioButton(CEditSerialPortDialog::pollRadioId, CEditSerialPortDialog::waitRadioId,
                            CEditSerialPortDialog::pollRadioId);
    deviceDialog d(owner.get(), working("P1"), working("P1"));
    d.ensureInitialized();
    EXPECT_FALSE(d.isControlEnabled(deviceDialog::messageComboId));
    EXPECT_FALSE(d.isControlEnabled(deviceDialog::messageArgsId));
    d.sendCommand(IDOK);
    EXPECT_FALSE(working("P1")->getMessageControl().isSet());
}

TEST_F(editDevice, TheTabShownLastIsShownFirst)
{
    {
        deviceDialog d(owner.get(), working("P1"), working("P1"));
        d.ensureInitialized();
        auto* tabs = d.controlAs<QTabBar>(deviceDialog::tabsId);
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(tabs->tabText(1).toStdString(), "Reinitialization after timeout");
        tabs->setCurrentIndex(2);
        EXPECT_TRUE(d.page(2).isVisibleTo(&d));
        EXPECT_FALSE(d.page(0).isVisibleTo(&d));
        EXPECT_EQ(text(d.page(2).controlText(CCommandsToSendPageBase::descriptionId)), "(Sent in both cases)");
        d.sendCommand(IDCANCEL);
    }
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Device", "ActivePane", -1), 2);
    deviceDialog again(owner.get(), working("P1"), working("P1"));
    again.ensureInitialized();
    EXPECT_EQ(again.controlAs<QTabBar>(deviceDialog::tabsId)->currentIndex(), 2);
}

TEST_F(editDevice, WithoutG2DriversThereIsNothingToEdit)
{
    owner.reset();
    loadStation("DRIVER Gauge\n\tCOMMAND\t\tRead, \"G\\r\"\nEND\n");
    CEditSerialPortDialog bare(nullptr, nullptr);
    bare.ensureInitialized();
    deviceDialog d(&bare, nullptr, nullptr);
    d.ensureInitialized();
    EXPECT_TRUE(d.hasEnded());
    EXPECT_EQ(d.endResult(), IDCANCEL);
    EXPECT_EQ(user.lastMessage().text, "You haven't created any device drivers yet.");
}

} // namespace
