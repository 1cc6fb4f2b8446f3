#include "portsUiFixture.h"

#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driver.h"
#include "platform/settingsStore.h"
#include "ports/g2serialTransaction.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/ptyDevice.h"
#include "ports/responseElements.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CResponseElementsList.h"
#include "ports/ui/CSendingCommandsDialog.h"
#include "ports/ui/CTestPortDialog.h"
#include "ports/ui/portDialogItems.h"
#include "shell/CEscapedStringEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <memory>

namespace {

using testDialog = CTestPortDialog;

// The Test Port over the working lists of an Edit Serial Port dialog on
// North, talking to a scripted device on a pseudo-terminal.
class testPort : public portsUi {
protected:
    void SetUp() override
    {
        portsUi::SetUp();
        readFlow = station::g2Drivers().find("Pump")->commands().find("ReadFlow");
        readFlow->setTimeout(gmilliseconds(2000));
        owner = std::make_unique<CEditSerialPortDialog>(north(), north());
        owner->ensureInitialized();
        line.setDevicePath(gstrSlice(pty.path().c_str()));
        line.setSettings(9600, 8, gserialPort::parityNone, 1);
        line.setMinimumDelay(gmilliseconds(0));
    }

    std::unique_ptr<testDialog> open()
    {
        auto dialog = std::make_unique<testDialog>(owner.get(), &line);
        dialog->ensureInitialized();
        return dialog;
    }
    static QComboBox* combo(testDialog& d, int id) { return d.controlAs<QComboBox>(id); }
    static std::string status(testDialog& d) { return text(d.controlText(testDialog::statusId)); }
    static std::string shown(testDialog& d, int id) { return d.controlAs<QLineEdit>(id)->text().toStdString(); }
    void select(testDialog& d, const char* device, const char* command)
    {
        chooseText(combo(d, testDialog::deviceId), device);
        chooseText(combo(d, testDialog::commandId), command);
    }

    ptyDevice pty;
    gserialPort line;
    g2driverCommand* readFlow = nullptr;
    std::unique_ptr<CEditSerialPortDialog> owner;
};

TEST_F(testPort, OpeningListsThePortsDevicesAndTheirDriversCommands)
{
    auto d = open();
    EXPECT_EQ(itemTexts(combo(*d, testDialog::deviceId)), (std::vector<std::string>{"Pump one", "Meter 12", "P 2"}));
    EXPECT_EQ(combo(*d, testDialog::deviceId)->currentIndex(), 0);
    EXPECT_EQ(itemTexts(combo(*d, testDialog::commandId)), (std::vector<std::string>{"ReadFlow", "Start"}));
    EXPECT_EQ(d->panel()->rowCount(), 2);
    EXPECT_TRUE(d->isChecked(testDialog::useSpecifiedId));
    EXPECT_FALSE(d->isControlEnabled(testDialog::comPortId));
    EXPECT_TRUE(d->isControlEnabled(testDialog::initPortId));
    EXPECT_TRUE(d->isControlEnabled(testDialog::pollPortId));
    int withPanel = d->height();

    // A legacy device: its driver's commands, no parameter editors.
    chooseText(combo(*d, testDialog::deviceId), "Meter 12");
    EXPECT_EQ(itemTexts(combo(*d, testDialog::commandId)), (std::vector<std::string>{"Ack", "Read", "Reset"}));
    EXPECT_EQ(d->panel()->rowCount(), 0);
    EXPECT_LT(d->height(), withPanel);

    // Two devices of one driver share the list and its selection.
    chooseText(combo(*d, testDialog::deviceId), "Pump one");
    chooseText(combo(*d, testDialog::commandId), "Start");
    QComboBox* commands = combo(*d, testDialog::commandId);
    chooseText(combo(*d, testDialog::deviceId), "P 2");
    EXPECT_EQ(commands->currentText().toStdString(), "Start");
}

TEST_F(testPort, LegacyCommandWithItsResponse)
{
    auto d = open();
    select(*d, "Meter 12", "Read");
    pty.play(2, {{0, "noise\x02" "42\x03"}});
    d->sendCommand(testDialog::sendId);
    EXPECT_EQ(pty.heard(), "R\r");
    EXPECT_EQ(status(*d), "A valid response was received.");
    EXPECT_EQ(shown(*d, testDialog::commandDataId), "R\\r");
    EXPECT_EQ(shown(*d, testDialog::responseDataId), "42");
    EXPECT_FALSE(line.isOpenForTest());

    pty.play(2, {{0, "xxNAK"}});
    d->sendCommand(testDialog::sendId);
    EXPECT_EQ(status(*d), "An error response was received.");
    EXPECT_EQ(shown(*d, testDialog::responseDataId), "NAK");
}

// Bytes waiting on the line when Send is pressed (the reply to a command
// that timed out before) are no answer to the new command.
TEST_F(testPort, ReplyWaitingBeforeSendIsNotTakenForTheAnswer)
{
    readFlow->setTimeout(gmilliseconds(300));
    auto d = open();
    select(*d, "Pump one", "ReadFlow");
    d->sendCommand(testDialog::sendId);
    EXPECT_EQ(status(*d), "The command timed out.");
    pty.send("OK17\r");
    d->sendCommand(testDialog::sendId);
    EXPECT_EQ(status(*d), "The command timed out.");
    EXPECT_EQ(shown(*d, testDialog::responseDataId), "");
    EXPECT_EQ(pty.received(), "Q\rQ\r");

    // The same for a legacy command: the stale frame is dropped and the
    // reply that follows the command is taken.
    select(*d, "Meter 12", "Read");
    pty.send("\x02" "17\x03");
    pty.play(2, {{0, "\x02" "42\x03"}});
    d->sendCommand(testDialog::sendId);
    EXPECT_EQ(pty.heard(), "R\r");
    EXPECT_EQ(status(*d), "A valid response was received.");
    EXPECT_EQ(shown(*d, testDialog::responseDataId), "42");
}

TEST_F(testPort, G2CommandShowsItsResponseElementsInTextOrHex)
{
    auto d = open();
    select(*d, "Pump one", "ReadFlow");
    CParameterValuesPanel* panel = d->panel();
    ASSERT_EQ(panel->rowCount(), 2);
    panel->row(0)->controlAs<QLineEdit>(1496)->setText("5");
    pty.play(2, {{0, "xOK42\rtail"}});
    d->sendCommand(testDialog::sendId);
    pty.heard();
    EXPECT_EQ(status(*d), "A valid response was received.");
    EXPECT_EQ(shown(*d, testDialog::responseDataId), "xOK42\\r");
    const g2serialTransaction* kept = d->keptTransaction();
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->getRequest().getDevice(), owner->workingDevices().find("P1"));
    EXPECT_EQ(kept->getRequest().values().find("Channel")->getNumber(), 5u);

    CResponseElementsList* list = d->responseList();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(text(list->lineLabel(1)), "flow:");
    EXPECT_EQ(text(list->lineText(0)), "OK");
    EXPECT_EQ(text(list->lineText(1)), "42");
    EXPECT_EQ(text(list->lineText(2)), "\\r");
    EXPECT_GT(list->labelWidth(), 0);

    d->setChecked(testDialog::showHexId, true);
    d->OnShowAsClicked();
    EXPECT_EQ(text(list->lineText(0)), "4F 4B");
    EXPECT_EQ(text(list->lineText(2)), "0D");
    EXPECT_EQ(shown(*d, testDialog::responseDataId), "78 4F 4B 34 32 0D");
}

TEST_F(testPort, ErrorResponseListsItsValuesAndMarksTheCode)
{
    auto d = open();
    select(*d, "Pump one", "ReadFlow");
    pty.play(2, {{0, "ER\x05"}});
    d->sendCommand(testDialog::sendId);
    pty.heard();
    EXPECT_EQ(status(*d), "An error response was received. (code = 5)");
    CResponseElementsList* list = d->responseList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->lineColour(1), QColor(255, 0, 0));
    EXPECT_NE(list->lineColour(0), QColor(255, 0, 0));
}

TEST_F(testPort, TimeoutMarksWhatWasNotFound)
{
    // Far longer than a loaded machine takes to answer, so that the reply
    // is in before the command times out.
    readFlow->setTimeout(gmilliseconds(1500));
    auto d = open();
    select(*d, "Pump one", "ReadFlow");
    pty.play(2, {{0, "OKx4\r"}});
    d->sendCommand(testDialog::sendId);
    pty.heard();
    EXPECT_EQ(status(*d), "The command timed out.");
    CResponseElementsList* list = d->responseList();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(shown(*d, testDialog::responseDataId), "OKx4\\r");
    EXPECT_EQ(text(list->lineText(0)), "OK");
    // The decimal element waits for two digits, which never came.
    EXPECT_EQ(text(list->lineText(1)), "<not found>");
    EXPECT_EQ(list->lineColour(1), QColor(255, 0, 0));
    EXPECT_EQ(text(list->lineText(2)), "<skipped>");

    // An element that cannot evaluate the bytes it meets.
    g2driverResponseList& responses = station::g2Drivers().find("Pump")->templates().find("Query")->responses();
    responses.clear();
    responses.append(new patternElement("OK"));
    responses.append(new numberElement("flow", 2));
    responses.append(new patternElement("\r"));
    pty.play(2, {{0, "OKx4\r"}});
    d->sendCommand(testDialog::sendId);
    pty.heard();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(text(list->lineText(1)), "<bad response element>");
    EXPECT_EQ(list->lineColour(1), QColor(255, 0, 0));
}

TEST_F(testPort, CommandWithoutResponseWaitsItsDelay)
{
    auto d = open();
    select(*d, "Pump one", "Start");
    d->sendCommand(testDialog::sendId);
    EXPECT_EQ(status(*d), "The command was successfully sent.");
    EXPECT_EQ(d->responseList()->count(), 0);
}

TEST_F(testPort, PortThatCannotBeOpenedClearsTheDisplay)
{
    auto d = open();
    select(*d, "Meter 12", "Reset");
    d->sendCommand(testDialog::sendId);
    EXPECT_EQ(shown(*d, testDialog::commandDataId), "X\\r");
    line.setDevicePath("/dev/korvel-no-such-device");
    d->sendCommand(testDialog::sendId);
    EXPECT_EQ(user.lastMessage().text, "Could not open the serial port.");
    EXPECT_EQ(shown(*d, testDialog::commandDataId), "");
    EXPECT_EQ(status(*d), "");
    EXPECT_EQ(d->keptTransaction(), nullptr);
}

TEST_F(testPort, CloseDuringAWaitStopsItAndTheWindowKeepsRepainting)
{
    readFlow->setTimeout(gmilliseconds(600000));
    auto d = open();
    select(*d, "Pump one", "ReadFlow");
    bool sendWasDisabled = true;
    // The timer fires only while the wait lets events through.
    QTimer::singleShot(150, [&] {
        sendWasDisabled = !d->isControlEnabled(testDialog::sendId);
        d->sendCommand(IDOK);
    });
    d->sendCommand(testDialog::sendId);
    EXPECT_TRUE(sendWasDisabled);
    EXPECT_TRUE(d->hasEnded());
    EXPECT_EQ(status(*d), "The command timed out.");
    EXPECT_TRUE(d->isControlEnabled(testDialog::sendId));
}

TEST_F(testPort, PollPortStopsAtTheFirstFailureAndSelectsIt)
{
    readFlow->setTimeout(gmilliseconds(200));
    auto d = open();
    chooseText(combo(*d, testDialog::deviceId), "P 2");
    // A late reply waiting on the line is no answer to the sequence's first
    // command either.
    pty.send("OK17\r");
    d->sendCommand(testDialog::pollPortId);
    // The legacy poll after the failed one was never written.
    EXPECT_EQ(pty.received(), "Q\r");
    EXPECT_EQ(user.lastMessage().text, "There was a timeout.");
    EXPECT_EQ(user.lastMessage().icon, gicon::error);
    EXPECT_EQ(status(*d), "The command timed out.");
    EXPECT_EQ(combo(*d, testDialog::deviceId)->currentText().toStdString(), "Pump one");
    EXPECT_EQ(combo(*d, testDialog::commandId)->currentText().toStdString(), "ReadFlow");
    EXPECT_EQ(d->panel()->row(0)->controlAs<QLineEdit>(1496)->text().toStdString(), "1");
    ASSERT_NE(d->keptTransaction(), nullptr);
    EXPECT_EQ(d->responseList()->count(), 3);
}

TEST_F(testPort, SendingCommandsShowsTheEntryAndItsCancelStopsTheRun)
{
    readFlow->setTimeout(gmilliseconds(600000));
    auto d = open();
    std::vector<std::string> seen;
    QTimer::singleShot(150, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* sending = dynamic_cast<CSendingCommandsDialog*>(w);
            if (!sending || !sending->isVisible())
                continue;
            seen = {sending->windowTitle().toStdString(), text(sending->controlText(CSendingCommandsDialog::deviceId)),
                    text(sending->controlText(CSendingCommandsDialog::commandId)),
                    text(sending->controlText(CSendingCommandsDialog::statusId))};
            sending->sendCommand(IDCANCEL);
        }
    });
    d->sendCommand(testDialog::pollPortId);
    EXPECT_EQ(seen, (std::vector<std::string>{"Sending Commands", "Pump one", "ReadFlow (Channel = 1)",
                                              "Waiting for response..."}));
    EXPECT_EQ(user.lastMessage().text, "There was a timeout.");
    EXPECT_EQ(pty.received(), "Q\r");
    EXPECT_FALSE(d->hasEnded());
}

TEST_F(testPort, PollPortAfterAValidResponseShowsTheLegacyError)
{
    auto d = open();
    pty.converse({{2, 0, "OK42\r"}, {2, 0, "NAK"}});
    d->sendCommand(testDialog::pollPortId);
    pty.heard();
    EXPECT_EQ(user.lastMessage().promptId, 10214);
    EXPECT_EQ(status(*d), "An error response was received.");
    EXPECT_EQ(combo(*d, testDialog::deviceId)->currentText().toStdString(), "Meter 12");
    EXPECT_EQ(combo(*d, testDialog::commandId)->currentText().toStdString(), "Read");
    EXPECT_EQ(shown(*d, testDialog::commandDataId), "R\\r");
    EXPECT_EQ(shown(*d, testDialog::responseDataId), "NAK");
    EXPECT_EQ(d->keptTransaction(), nullptr);
}

TEST_F(testPort, InitSequencesThatSendNothingOrSucceed)
{
    // Only first-time sequences, which neither mode sends.
    gdevice* p1 = owner->workingDevices().find("P1");
    p1->firstTimeSequence().takeOver(p1->commonSequence());
    owner->workingLegacyDevices().find("Meter")->initSequence().clear();
    auto d = open();
    ASSERT_TRUE(d->isControlEnabled(testDialog::initPortId));
    d->sendCommand(testDialog::initPortId);
    EXPECT_EQ(user.lastMessage().text, "There were no commands to send.");
    EXPECT_EQ(user.lastMessage().icon, gicon::error);

    // The legacy device's own sequence: Reset, which expects no response.
    d.reset();
    owner.reset();
    loadStation(portsStation);
    owner = std::make_unique<CEditSerialPortDialog>(north(), north());
    owner->ensureInitialized();
    auto again = open();
    chooseText(combo(*again, testDialog::deviceId), "Meter 12");
    again->sendCommand(testDialog::initDeviceId);
    EXPECT_EQ(pty.received(), "X\r");
    EXPECT_EQ(user.lastMessage().text, "All commands were sent successfully.");
    EXPECT_EQ(user.lastMessage().icon, gicon::information);
}

TEST_F(testPort, SequenceButtonsFollowWhatThereIsToSend)
{
    owner->workingLegacyDevices().find("Meter")->setInitOnTimeout(0);
    auto d = open();
    chooseText(combo(*d, testDialog::deviceId), "Meter 12");
    EXPECT_TRUE(d->isControlEnabled(testDialog::initDeviceId));
    EXPECT_FALSE(d->isControlEnabled(testDialog::reinitDeviceId));
    chooseText(combo(*d, testDialog::deviceId), "P 2");
    EXPECT_FALSE(d->isControlEnabled(testDialog::initDeviceId));

    CEditSerialPortDialog bare(nullptr, nullptr);
    bare.ensureInitialized();
    glegacyDevice* meter = bare.workingLegacyDevices().define("Meter");
    meter->setPort(nullptr);
    portItems::insertRow(*bare.controlAs<QListWidget>(CEditSerialPortDialog::devicesId), -1, "Meter",
                         portItems::data(new gdeviceRef(meter)));
    testDialog plain(&bare, &line);
    plain.ensureInitialized();
    EXPECT_FALSE(plain.isControlEnabled(testDialog::initPortId));
    EXPECT_FALSE(plain.isControlEnabled(testDialog::pollPortId));

    CEditSerialPortDialog empty(nullptr, nullptr);
    empty.ensureInitialized();
    testDialog none(&empty, &line);
    none.ensureInitialized();
    EXPECT_TRUE(none.hasEnded());
    EXPECT_EQ(user.lastMessage().text, "You haven't created any devices yet");
}

TEST_F(testPort, SettingsBringBackTheDeviceTheDisplayAndThePort)
{
    writeProfileString("Dialogs\\Test Port", "Path", "/dev/korvel-gone");
    writeProfileInt("Dialogs\\Test Port", "PortOverride", 2);
    {
        auto d = open();
        EXPECT_TRUE(d->isChecked(testDialog::useSpecifiedId));
        chooseText(combo(*d, testDialog::deviceId), "P 2");
        chooseText(combo(*d, testDialog::commandId), "Start");
        d->setChecked(testDialog::showHexId, true);
        d->OnShowAsClicked();
    }
    EXPECT_EQ(text(profileString("Settings\\Test Port", "Driver", "")), "P 2");
    EXPECT_EQ(text(profileString("Settings\\Test Port", "Command", "")), "Start");
    EXPECT_EQ(profileInt("Dialogs\\Test Port", "HexMode", 0), 1);
    EXPECT_EQ(text(profileString("Dialogs\\Test Port", "Path", "none")), "none");
    EXPECT_EQ(profileInt("Dialogs\\Test Port", "PortOverride", -1), -1);

    // The device is found again by its tag even though it has a title.
    station::serialPorts().find("North")->devices().find("P 2")->setTitle("Second pump");
    owner = std::make_unique<CEditSerialPortDialog>(north(), north());
    owner->ensureInitialized();
    auto d = open();
    EXPECT_EQ(combo(*d, testDialog::deviceId)->currentText().toStdString(), "Second pump");
    EXPECT_EQ(combo(*d, testDialog::commandId)->currentText().toStdString(), "Start");
    EXPECT_TRUE(d->isChecked(testDialog::showHexId));
    EXPECT_EQ(static_cast<CEscapedStringEdit*>(d->control(testDialog::commandDataId))->hexMode(), 1);
}

} // namespace
