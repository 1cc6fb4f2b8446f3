#include "portsUiFixture.h"

#include "platform/systemColours.h"
#include "ports/gcommandSequenceEntry.h"
#include "legacy/glegacyDriver.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyPoll.h"
#include "ports/ui/CEditDeviceDialog.h"
#include "ports/ui/CEditLegacyDeviceDialog.h"
#include "ports/ui/CEditPollDialog.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CTestPortDialog.h"
#include "ports/ui/portDialogItems.h"
#include "scl/gsclProgram.h"
#include "shell/CProgramCombo.h"
#include "shell/CSpinEdit.h"
#include "store/gusedByList.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

using dialog = CEditSerialPortDialog;

class editSerialPort : public portsUi {
protected:
    QListWidget* devices(dialog& d) { return d.controlAs<QListWidget>(dialog::devicesId); }
    QListWidget* polls(dialog& d) { return d.controlAs<QListWidget>(dialog::pollsId); }
    void selectRow(QListWidget* list, int row) { list->setCurrentRow(row); }
};

// A station object that refers to a device, as a register source does.
struct sourceUser : greferrer {
    void describeReferrer(gstr& text) const override { text.append("The register Flow"); }
};

TEST_F(editSerialPort, NewPortStartsWithTheDefaultsAndNeedsATag)
{
    dialog d(nullptr, nullptr);
    d.ensureInitialized();
    EXPECT_EQ(d.windowTitle().toStdString(), "New Serial Port");
    EXPECT_FALSE(d.isControlEnabled(IDOK));
    EXPECT_EQ(text(d.controlText(dialog::baudId)), "230400 baud");
    EXPECT_EQ(text(d.controlText(dialog::dataFormatId)), "8N1");
    EXPECT_EQ(text(d.controlText(dialog::terminationId)), "CR only");
    EXPECT_EQ(text(d.controlText(dialog::flowId)), "No flow control");
    EXPECT_EQ(text(d.controlText(dialog::delayId)), "0");
    EXPECT_TRUE(d.isChecked(dialog::pollRadioId));
    EXPECT_FALSE(d.isControlEnabled(dialog::messageComboId));

    d.setControlText(dialog::tagId, "West");
    EXPECT_TRUE(d.isControlEnabled(IDOK));
    d.setControlText(dialog::comPortId, "/dev/ttyUSB3");
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    gserialPort* port = station::serialPorts().find("West");
    ASSERT_EQ(d.editedPort(), port);
    EXPECT_EQ(text(port->getDevicePath()), "/dev/ttyUSB3");
    EXPECT_EQ(port->getBaudRate(), 230400u);
    EXPECT_EQ(port->getDataBits(), 8);
    EXPECT_EQ(port->getParity(), gserialPort::parityNone);
    EXPECT_EQ(port->getStopBits(), 1);
    EXPECT_EQ(port->getLineTermination(), gserialPort::termCr);
    EXPECT_EQ(port->getFlowControl(), gserialPort::flowNone);
    EXPECT_EQ(port->getMinimumDelay(), gmilliseconds(0));
    EXPECT_EQ(port->getWaitForData(), 0);
    EXPECT_FALSE(port->hasTitle());
}

TEST_F(editSerialPort, EditingWithoutChangesSavesTheStationAsItWas)
{
    std::string before = savedStation();
    dialog d(north(), north());
    d.ensureInitialized();
    EXPECT_TRUE(d.controlAs<QLineEdit>(dialog::tagId)->isReadOnly());
    EXPECT_EQ(rowTexts(devices(d)), (std::vector<std::string>{"Pump one", "Meter 12", "P 2"}));
    EXPECT_EQ(rowTexts(polls(d)), (std::vector<std::string>{"Pump one - ReadFlow (Channel = 1)", "Meter 12 - Read",
                                                             "P 2 - Start (On = off)"}));
    EXPECT_EQ(text(d.controlText(dialog::dataFormatId)), "8N1");
    EXPECT_EQ(text(d.controlText(dialog::flowId)), "RTS/DTS");
    EXPECT_EQ(text(d.controlText(dialog::terminationId)), "CR + LF");
    EXPECT_TRUE(d.isControlEnabled(dialog::duplicateDevicePollsId));
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    EXPECT_EQ(savedStation(), before);
}

// The delay shown in seconds goes back as the milliseconds it showed, to
// the port and to the port the Test button tries.
TEST_F(editSerialPort, AnUnchangedDelayKeepsItsMilliseconds)
{
    for (uint32_t ms : {1001u, 1005u, 2007u, 4350u, 99999u}) {
        north()->setMinimumDelay(gmilliseconds(ms));
        dialog d(north(), north());
        d.ensureInitialized();
        uint32_t tested = 0;
        user.scripts.push_back([&](CDialog& test) {
            tested = static_cast<CTestPortDialog&>(test).testPort().getMinimumDelay().get();
            test.sendCommand(IDOK);
        });
        d.OnTest();
        EXPECT_EQ(tested, ms);
        d.sendCommand(IDOK);
        ASSERT_TRUE(d.hasEnded());
        EXPECT_EQ(north()->getMinimumDelay().get(), ms);
    }
}

TEST_F(editSerialPort, LineSettingsTravelByTheirIndexFormulas)
{
    struct lineCase {
        int baud, format, flow, termination;
        uint32_t rate;
        int dataBits, parity, stopBits;
    };
    const lineCase cases[] = {
        {0, 0, 0, 0, 921600, 7, gserialPort::parityNone, 1},
        {7, 9, 2, 1, 9600, 8, gserialPort::parityEven, 2},
        {11, 10, 3, 2, 300, 7, gserialPort::parityOdd, 2},
    };
    for (const lineCase& c : cases) {
        dialog d(north(), north());
        d.ensureInitialized();
        d.selectItem(dialog::baudId, c.baud);
        d.selectItem(dialog::dataFormatId, c.format);
        d.selectItem(dialog::flowId, c.flow);
        d.selectItem(dialog::terminationId, c.termination);
        d.sendCommand(IDOK);
        ASSERT_TRUE(d.hasEnded());
        EXPECT_EQ(north()->getBaudRate(), c.rate);
        EXPECT_EQ(north()->getDataBits(), c.dataBits);
        EXPECT_EQ(north()->getParity(), c.parity);
        EXPECT_EQ(north()->getStopBits(), c.stopBits);
        EXPECT_EQ(north()->getFlowControl(), c.flow);
        EXPECT_EQ(north()->getLineTermination(), c.termination + 1);

        dialog again(north(), north());
        again.ensureInitialized();
        EXPECT_EQ(again.selectedItem(dialog::baudId), c.baud);
        EXPECT_EQ(again.selectedItem(dialog::dataFormatId), c.format);
    }
}

TEST_F(editSerialPort, MinimumDelayAndComPortAreChecked)
{
    struct delayCase {
        const char* text;
        bool accepted;
        uint32_t ms;
    };
    const delayCase cases[] = {{"-1", false, 0},     {"", false, 0},          {"5000000", false, 0},
                               {"0", true, 0},       {"4294967", true, 4294967000u}, {"1.2345", true, 1234}};
    for (const delayCase& c : cases) {
        user.messages.clear();
        dialog d(north(), north());
        d.ensureInitialized();
        d.setControlText(dialog::delayId, c.text);
        d.sendCommand(IDOK);
        EXPECT_EQ(d.hasEnded(), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(north()->getMinimumDelay(), gmilliseconds(c.ms)) << c.text;
            continue;
        }
        EXPECT_EQ(messageIds(), std::vector<int>{10217}) << c.text;
    }

    user.messages.clear();
    dialog d(nullptr, nullptr);
    d.ensureInitialized();
    d.setControlText(dialog::tagId, "East");
    d.sendCommand(IDOK);
    EXPECT_FALSE(d.hasEnded());
    EXPECT_EQ(messageIds(), std::vector<int>{10036});
    EXPECT_EQ(station::serialPorts().find("East"), nullptr);
}

TEST_F(editSerialPort, DuplicateNeedsANewTagAndCopiesDevicesAndPolls)
{
    dialog d(north(), nullptr);
    d.ensureInitialized();
    EXPECT_EQ(text(d.controlText(dialog::nameId)), "North line");
    d.sendCommand(IDOK);
    EXPECT_FALSE(d.hasEnded());
    EXPECT_EQ(messageIds(), std::vector<int>{10216});

    d.setControlText(dialog::tagId, "South");
    d.setControlText(dialog::nameId, "South");
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    gserialPort* south = station::serialPorts().find("South");
    ASSERT_EQ(d.editedPort(), south);
    EXPECT_FALSE(south->hasTitle());
    std::vector<std::string> names;
    for (const gdeviceRef* ref = south->firstDevice(); ref; ref = ref->getNext())
        names.emplace_back(ref->getDisplayName().view());
    EXPECT_EQ(names, (std::vector<std::string>{"Pump one", "Meter 12", "P 2"}));
    ASSERT_EQ(south->pollingSequence().count(), 3);
    // The copies belong to the new port, the originals stay with theirs.
    EXPECT_EQ(south->pollingSequence().first()->getDevice(), south->devices().find("P1"));
    EXPECT_EQ(north()->pollingSequence().first()->getDevice(), north()->devices().find("P1"));
    EXPECT_EQ(north()->devices().find("P1")->commonSequence().count(), 1);
    EXPECT_EQ(south->devices().find("P1")->commonSequence().first()->getDevice(), south->devices().find("P1"));
}

TEST_F(editSerialPort, WaitingForDataTakesTheMessageProgramInsteadOfPolls)
{
    gsclProgram* onMessage = station::programs().find("OnMessage");
    dialog d(north(), north());
    d.ensureInitialized();
    d.checkRadioButton(dialog::pollRadioId, dialog::waitRadioId, dialog::waitRadioId);
    d.OnPortUsage();
    auto* pollList = polls(d);
    EXPECT_FALSE(pollList->isEnabled());
    EXPECT_EQ(pollList->palette().color(QPalette::Disabled, QPalette::Base), systemColour(sysColour::buttonFace));
    EXPECT_FALSE(d.isControlEnabled(dialog::newPollId));
    EXPECT_TRUE(d.isControlEnabled(dialog::messageComboId));
    auto* combo = d.controlAs<QComboBox>(dialog::messageComboId);
    combo->setCurrentIndex(combo->findText("OnMessage"));
    EXPECT_TRUE(d.isControlEnabled(dialog::argsId));
    d.sendCommand(IDOK);
    ASSERT_TRUE(d.hasEnded());
    EXPECT_EQ(north()->getWaitForData(), 1);
    EXPECT_TRUE(north()->pollingSequence().isEmpty());
    EXPECT_EQ(north()->getMessageControl().getProgram(), onMessage);

    // Back to polling: the port's program goes, and so do the devices'.
    gdevice* p1 = north()->devices().find("P1");
    gprocessorCall call;
    call.setProgram(onMessage);
    p1->setMessageControl(call);
    dialog back(north(), north());
    back.ensureInitialized();
    EXPECT_TRUE(back.isChecked(dialog::waitRadioId));
    back.checkRadioButton(dialog::pollRadioId, dialog::waitRadioId, dialog::pollRadioId);
    back.OnPortUsage();
    back.sendCommand(IDOK);
    ASSERT_TRUE(back.hasEnded());
    EXPECT_EQ(north()->getWaitForData(), 0);
    EXPECT_FALSE(north()->getMessageControl().isSet());
    EXPECT_FALSE(north()->devices().find("P1")->getMessageControl().isSet());
}

TEST_F(editSerialPort, DeviceOfAPollCannotBeDeletedUntilThePollGoes)
{
    dialog d(nullptr, nullptr);
    d.ensureInitialized();
    // A G2 device and a poll for it, made through their dialogs.
    thenOk(); // driver type: both kinds exist, regular chosen
    thenOk([](CDialog& device) { device.setControlText(CEditDeviceDialog::tagId, "D1"); });
    d.OnNewDevice();
    ASSERT_EQ(rowTexts(devices(d)), std::vector<std::string>{"D1"});
    thenOk();
    d.OnNewPoll();
    ASSERT_EQ(rowTexts(polls(d)), std::vector<std::string>{"D1 - ReadFlow"});

    selectRow(devices(d), 0);
    d.OnDeleteDevice();
    EXPECT_EQ(user.lastMessage().text,
              "You cannot delete this item because it is used by the following:\n\nThe polling sequence");
    EXPECT_EQ(devices(d)->count(), 1);

    selectRow(polls(d), 0);
    d.OnDeletePoll();
    EXPECT_EQ(polls(d)->count(), 0);
    EXPECT_FALSE(d.isControlEnabled(dialog::deletePollId));
    d.OnDeleteDevice();
    EXPECT_EQ(devices(d)->count(), 0);
    EXPECT_FALSE(d.isControlEnabled(dialog::editDeviceId));
    EXPECT_EQ(d.workingDevices().find("D1"), nullptr);
}

TEST_F(editSerialPort, DeviceUsedByAStationObjectStaysInEditMode)
{
    sourceUser source;
    gusesList uses(&source);
    uses.add(*north()->devices().find("P 2"));
    dialog d(north(), north());
    d.ensureInitialized();
    selectRow(devices(d), 2);
    d.OnDeleteDevice();
    EXPECT_EQ(user.lastMessage().promptId, 20024);
    EXPECT_NE(user.lastMessage().text.find("The register Flow"), std::string::npos);
    EXPECT_EQ(devices(d)->count(), 3);
}

TEST_F(editSerialPort, EditingADeviceRenamesItsPolls)
{
    dialog d(north(), north());
    d.ensureInitialized();
    selectRow(devices(d), 0);
    thenOk([](CDialog& device) { device.setControlText(CEditDeviceDialog::nameId, "Main pump"); });
    d.OnEditDevice();
    EXPECT_EQ(rowTexts(devices(d))[0], "Main pump");
    EXPECT_EQ(rowTexts(polls(d))[0], "Main pump - ReadFlow (Channel = 1)");
    EXPECT_EQ(rowTexts(polls(d))[2], "P 2 - Start (On = off)");
    // Nothing reaches the station before OK.
    EXPECT_EQ(text(north()->devices().find("P1")->getTitle()), "Pump one");
}

TEST_F(editSerialPort, DuplicatingPollsReportsWhatCouldNotBeCopied)
{
    // Three polls of the legacy device, one of them with a command the
    // Gauge driver lacks.
    dialog d(north(), north());
    d.ensureInitialized();
    user.scripts.push_back([](CDialog& type) {
        type.checkRadioButton(1916, 1917, 1916);
        type.sendCommand(IDOK);
    });
    // Gauge is the one legacy driver the port does not use yet.
    thenOk();
    d.OnNewDevice();
    ASSERT_EQ(devices(d)->count(), 4);
    for (const char* command : {"Read", "Read"}) {
        thenOk([command](CDialog& poll) {
            chooseText(poll.controlAs<QComboBox>(CEditPollDialog::deviceId), "Meter 12");
            chooseText(poll.controlAs<QComboBox>(CEditPollDialog::commandId), command);
        });
        d.OnNewPoll();
    }
    thenOk([](CDialog& poll) {
        chooseText(poll.controlAs<QComboBox>(CEditPollDialog::deviceId), "Meter 12");
        chooseText(poll.controlAs<QComboBox>(CEditPollDialog::commandId), "Reset");
    });
    d.OnNewPoll();
    ASSERT_EQ(polls(d)->count(), 6);

    const gdeviceRef* meter = d.deviceAt(1);
    const gdeviceRef* gauge = d.deviceAt(3);
    d.duplicatePolls(*meter, *gauge);
    EXPECT_EQ(user.lastMessage().text,
              "The source device has 4 polls, but one of them could not be duplicated because the new driver does "
              "not conatin the command it uses.");
    EXPECT_EQ(polls(d)->count(), 9);
    EXPECT_EQ(portItems::selectedRow(*polls(d)), 6);
    EXPECT_EQ(rowTexts(polls(d))[6], "Gauge - Read");

    struct reportCase {
        int polls;
        int copyable;
        int message;
    };
    // The rows of the report table, tried in their order.
    const reportCase cases[] = {{0, 0, 10410}, {1, 1, 10412}, {1, 0, 10411}, {2, 2, 10416},
                                {3, 2, 10414}, {4, 2, 10415}, {2, 0, 10413}};
    for (const reportCase& c : cases) {
        dialog fresh(nullptr, nullptr);
        fresh.ensureInitialized();
        glegacyDevice* from = fresh.workingLegacyDevices().define("Meter");
        from->setPort(nullptr);
        glegacyDevice* to = fresh.workingLegacyDevices().define("Gauge");
        to->setPort(nullptr);
        gdeviceRef fromRef(from), toRef(to);
        for (int i = 0; i < c.polls; ++i) {
            auto* poll = new glegacyPoll;
            poll->setDevice(from);
            poll->setCommand(from->getDriver()->commands().find(i < c.copyable ? "Read" : "Reset"));
            portItems::insertRow(*polls(fresh), -1, "poll", portItems::data(new gcommandSequenceEntry(poll)));
        }
        fresh.duplicatePolls(fromRef, toRef);
        EXPECT_EQ(user.lastMessage().promptId, c.message) << c.polls << " " << c.copyable;
        EXPECT_EQ(polls(fresh)->count(), c.polls + c.copyable);
    }
}

TEST_F(editSerialPort, DuplicateDevicePollsOnlyForAPortThatHadPolls)
{
    dialog fresh(nullptr, nullptr);
    fresh.ensureInitialized();
    EXPECT_FALSE(fresh.isControlEnabled(dialog::duplicateDevicePollsId));

    dialog d(north(), north());
    d.ensureInitialized();
    ASSERT_TRUE(d.isControlEnabled(dialog::duplicateDevicePollsId));
    // Sources sorted: Meter 12, P 2, Pump one; a G2 source offers only
    // the other devices of its driver.
    thenOk([](CDialog& dup) {
        auto* source = dup.controlAs<QComboBox>(1216);
        EXPECT_EQ(itemTexts(source), (std::vector<std::string>{"Meter 12", "P 2", "Pump one"}));
        EXPECT_TRUE(itemTexts(dup.controlAs<QComboBox>(1604)).empty());
        EXPECT_FALSE(dup.isControlEnabled(IDOK));
        chooseText(source, "Pump one");
        EXPECT_EQ(itemTexts(dup.controlAs<QComboBox>(1604)), std::vector<std::string>{"P 2"});
        dup.sendCommand(IDOK);
        EXPECT_FALSE(dup.hasEnded());
        dup.sendCommand(IDCANCEL);
    });
    d.OnDuplicateDevicePolls();
    EXPECT_EQ(user.lastMessage().promptId, 10412);
    EXPECT_EQ(rowTexts(polls(d)).back(), "P 2 - ReadFlow (Channel = 1)");
}

TEST_F(editSerialPort, DuplicatingALegacyDeviceNeedsAFreeDriver)
{
    dialog d(north(), north());
    d.ensureInitialized();
    selectRow(devices(d), 1);
    // Gauge is free: it is offered, and the copy keeps the polls whose
    // commands Gauge has.
    thenOk([](CDialog& choice) {
        EXPECT_EQ(text(choice.controlText(1606)), "Meter, legacy");
        EXPECT_EQ(itemTexts(choice.controlAs<QComboBox>(1215)), std::vector<std::string>{"Gauge"});
    });
    thenOk([](CDialog& legacy) {
        EXPECT_EQ(legacy.windowTitle().toStdString(), "New Device");
        EXPECT_EQ(text(legacy.controlText(CEditLegacyDeviceDialog::driverId)), "Gauge");
    });
    d.OnDuplicateDevice();
    ASSERT_EQ(rowTexts(devices(d)), (std::vector<std::string>{"Pump one", "Meter 12", "Meter 12", "P 2"}));
    EXPECT_EQ(portItems::selectedRow(*devices(d)), 2);

    user.messages.clear();
    d.OnDuplicateDevice();
    EXPECT_EQ(messageIds(), std::vector<int>{10220});
    EXPECT_EQ(devices(d)->count(), 4);
}

TEST_F(editSerialPort, TestChecksTheLineAndUsesTheLongerDriverDelay)
{
    dialog d(north(), north());
    d.ensureInitialized();
    d.setControlText(dialog::comPortId, "");
    d.OnTest();
    EXPECT_EQ(messageIds(), std::vector<int>{10036});
    EXPECT_TRUE(user.dialogs.empty());

    d.setControlText(dialog::comPortId, "/dev/ttyS7");
    uint32_t delay = 0;
    std::string path;
    user.scripts.push_back([&](CDialog& test) {
        auto& port = static_cast<CTestPortDialog&>(test).testPort();
        delay = port.getMinimumDelay().get();
        path = text(port.getDevicePath());
        test.sendCommand(IDOK);
    });
    d.OnTest();
    EXPECT_EQ(delay, 250u);
    EXPECT_EQ(path, "/dev/ttyS7");

    // A device whose driver waits longer between commands.
    thenOk([](CDialog&) {}); // driver type: regular
    thenOk([](CDialog& device) {
        device.setControlText(CEditDeviceDialog::tagId, "V1");
        chooseText(device.controlAs<QComboBox>(CEditDeviceDialog::driverId), "Valve");
    });
    d.OnNewDevice();
    user.scripts.push_back([&](CDialog& test) {
        delay = static_cast<CTestPortDialog&>(test).testPort().getMinimumDelay().get();
        test.sendCommand(IDOK);
    });
    d.OnTest();
    EXPECT_EQ(delay, 3000u);
    EXPECT_EQ(north()->getMinimumDelay(), gmilliseconds(250));
}

} // namespace
