#include "ports/ui/CSendingCommandsDialog.h"

#include "foundation/jbuffer.h"
#include "legacy/glegacyCommand.h"
#include "platform/textCodec.h"
#include "platform/waitCursor.h"
#include "ports/g2serialTransaction.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequence.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/gexchangeResult.h"
#include "ports/glegacyPoll.h"
#include "ports/gserialPort.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CTestPortDialog.h"
#include "resources/stringTable.h"

#include <QCoreApplication>

namespace {

constexpr int waitingDelay = 10308;
constexpr int waitingResponse = 10309;

bool succeeded(int result) { return result == gexchangeResult::valid || result == gexchangeResult::sent; }

} // namespace

CSendingCommandsDialog::CSendingCommandsDialog(CTestPortDialog& testPort, int mode)
    : CDialog(templateId, &testPort), testPort_(testPort), mode_(mode), lastResult_(gexchangeResult::nothingSent)
{
    setWindowTitle(QStringLiteral("Sending Commands"));
    setDialogSize(200, 62);
    addLabel(-1, "Device:", 7, 7, 40, 8);
    addLabel(deviceId, "", 50, 7, 143, 8);
    addLabel(-1, "Command:", 7, 19, 40, 8);
    addLabel(commandId, "", 50, 19, 143, 8);
    addLabel(statusId, "", 7, 31, 186, 8);
    addButton(IDCANCEL, "Cancel", 143, 43, 50, 14);
    setWindowModality(Qt::WindowModal);
}

CSendingCommandsDialog::~CSendingCommandsDialog() = default;

int CSendingCommandsDialog::doModal()
{
    ensureInitialized();
    show();
    run();
    hide();
    testPort_.activateWindow();
    return lastResult_;
}

// Cancel (or closing the window) stops the wait of the entry being sent; the
// run ends there.
void CSendingCommandsDialog::OnCancel() { testPort_.requestStop(); }

std::unique_ptr<g2serialTransaction> CSendingCommandsDialog::takeFailedTransaction()
{
    return std::move(failedTransaction_);
}

const gstr& CSendingCommandsDialog::getFailedLegacyCommandBytes() const
{
    static const gstr none("");
    const glegacyCommand* command = failedEntry_ ? failedEntry_->getLegacyCommand() : nullptr;
    return command ? command->getString() : none;
}

void CSendingCommandsDialog::showStatus(const gstr& text)
{
    setControlText(statusId, text);
    repaint();
}

void CSendingCommandsDialog::run()
{
    waitingDelay_.loadString(waitingDelay);
    waitingResponse_.loadString(waitingResponse);
    repaint();
    QCoreApplication::processEvents();
    waitCursor wait;
    CEditSerialPortDialog& owner = testPort_.ownerDialog();
    if (mode_ == 3) {
        for (int row = 0; row < owner.pollCount(); ++row) {
            gcommandSequenceEntry* entry = owner.pollAt(row);
            if (entry && !sendEntry(*entry, nullptr))
                return;
        }
    } else if (mode_ == 2) {
        for (int row = 0; row < owner.deviceCount(); ++row) {
            const gdeviceRef* device = owner.deviceAt(row);
            if (device && !runDevice(*device))
                return;
        }
    } else if (const gdeviceRef* device = testPort_.selectedDevice()) {
        runDevice(*device);
    }
}

// The driver's sequences (unless the device does without them) for this
// device, then the device's own, whose entries name their devices. The
// first-time sequences are not sent.
bool CSendingCommandsDialog::runDevice(const gdeviceRef& device)
{
    const gdevice* g2 = device.getDevice();
    bool driverSequences = !g2 || g2->getDefaultInit() != 1;
    if (driverSequences && (!runSequence(device.getDriverReinitSequence(), &device) ||
                            !runSequence(device.getDriverCommonSequence(), &device)))
        return false;
    return runSequence(device.getReinitSequence(), nullptr) && runSequence(device.getCommonSequence(), nullptr);
}

bool CSendingCommandsDialog::runSequence(gcommandSequence& sequence, const gdeviceRef* device)
{
    for (gcommandSequenceEntry* e = sequence.first(); e; e = e->getNext()) {
        if (!sendEntry(*e, device))
            return false;
    }
    return true;
}

bool CSendingCommandsDialog::sendEntry(gcommandSequenceEntry& entry, const gdeviceRef* device)
{
    // A stop between two entries ends the run at the next one, unsent, as
    // a stop during a wait ends it at the entry waited for.
    if (testPort_.stopRequested()) {
        lastResult_ = gexchangeResult::timedOut;
        failedEntry_ = &entry;
        return false;
    }
    const gstr& name = entry.getDeviceDisplayName();
    setControlText(deviceId, !name.isEmpty() || !device ? name : device->getDisplayName());
    gstr text("");
    entry.describe(text, false);
    setControlText(commandId, text);
    if (const gcommandRequest* request = entry.getRequest())
        sendRequest(*request, device ? device->getDevice() : nullptr);
    else if (const glegacyPoll* poll = entry.getLegacyPoll(); poll && poll->getCommand())
        sendLegacy(*poll->getCommand());
    if (lastResult_ == gexchangeResult::nothingSent || succeeded(lastResult_))
        return true;
    failedEntry_ = &entry;
    return false;
}

void CSendingCommandsDialog::sendRequest(const gcommandRequest& request, gdevice* device)
{
    gserialPort& port = testPort_.testPort();
    auto transaction = std::make_unique<g2serialTransaction>(request, device);
    transaction->buildCommand(transaction->getOutput());
    transaction->getOutput().send(port);
    if (transaction->getWindowSize() > 0) {
        showStatus(waitingResponse_);
        lastResult_ = port.receiveTransaction(*transaction);
        if (!succeeded(lastResult_)) {
            failedTransaction_ = std::move(transaction);
            return;
        }
    } else {
        lastResult_ = gexchangeResult::sent;
    }
    showStatus(waitingDelay_);
    if (const g2driverCommand* command = request.getCommand())
        port.waitAfterCommand(*command);
}

void CSendingCommandsDialog::sendLegacy(const glegacyCommand& command)
{
    gserialPort& port = testPort_.testPort();
    port.writeCommandForTest(command.getString());
    const glegacyResponse* response = command.getResponse();
    if (response && response != glegacyCommand::replyMarker()) {
        showStatus(waitingResponse_);
        jbuffer reply;
        lastResult_ = port.receiveLegacy(reply, *response);
        if (lastResult_ != gexchangeResult::valid) {
            if (reply.used() > 0)
                collected_.append(reinterpret_cast<const char*>(reply.data()), reply.used());
            return;
        }
    } else {
        lastResult_ = gexchangeResult::sent;
    }
    showStatus(waitingDelay_);
    port.waitAfterLegacyCommand(command);
}
