#include "ports/ui/CTestPortDialog.h"

#include "foundation/jbuffer.h"
#include "foundation/jhashIterator.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "platform/waitCursor.h"
#include "ports/g2serialTransaction.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/gexchangeResult.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "ports/ui/CComPortCombo.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CResponseElementsList.h"
#include "ports/ui/CSendingCommandsDialog.h"
#include "ports/ui/portDialogItems.h"
#include "resources/stringTable.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CEscapedStringEdit.h"

#include <QCoreApplication>

namespace {

constexpr const char* dialogSection = "Dialogs\\Test Port";
constexpr const char* settingsSection = "Settings\\Test Port";

constexpr int noDevices = 10599;
constexpr int cannotOpen = 10034;
constexpr int waitingDelay = 10308;
constexpr int waitingResponse = 10309;
constexpr int sentText = 10193;
constexpr int timedOutText = 10302;
constexpr int validText = 10240;
constexpr int errorText = 10233;
constexpr int nothingToSend = 10608;
constexpr int allSent = 10210;
constexpr int timeoutBox = 10215;
constexpr int errorBox = 10214;

int resultText(int result)
{
    switch (result) {
    case gexchangeResult::sent: return sentText;
    case gexchangeResult::valid: return validText;
    case gexchangeResult::error: return errorText;
    default: return timedOutText;
    }
}

gstrSlice windowOf(const g2serialTransaction& transaction)
{
    return {transaction.windowStart(), transaction.windowUsed()};
}

// The controls that start an action or change what it sends.
constexpr int actionControls[] = {CTestPortDialog::useSpecifiedId, CTestPortDialog::useOtherId,
                                  CTestPortDialog::comPortId,      CTestPortDialog::deviceId,
                                  CTestPortDialog::commandId,      CTestPortDialog::sendId,
                                  CTestPortDialog::initDeviceId,   CTestPortDialog::reinitDeviceId,
                                  CTestPortDialog::initPortId,     CTestPortDialog::pollPortId,
                                  CTestPortDialog::showTextId,     CTestPortDialog::showHexId};

} // namespace

CTestPortDialog::CTestPortDialog(CEditSerialPortDialog* owner, gserialPort* port, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner), port_(port)
{
    setWindowTitle(QStringLiteral("Test Port"));
    setDialogSize(300, 198);
    addRadioButton(useSpecifiedId, "&Use specified port", 7, 7, 90, 10);
    addRadioButton(useOtherId, "Use:", 100, 7, 30, 10);
    comPort_ = addControl(comPortId, new CComPortCombo, 132, 6, 100, 60);
    addLabel(-1, "&Device:", 7, 24, 40, 8);
    devices_ = addControl(deviceId, new CAutoWidthCombo, 50, 22, 182, 100);
    addLabel(-1, "&Command:", 7, 40, 40, 8);
    commands_ = addControl(commandId, new CAutoWidthCombo, 50, 38, 182, 100);
    addButton(IDOK, "Close", 240, 6, 54, 14);
    addButton(sendId, "&Send", 240, 22, 54, 14, true);
    addButton(initDeviceId, "I&nit Device", 240, 38, 54, 14);
    addButton(reinitDeviceId, "&Reinit Device", 240, 54, 54, 14);
    addButton(initPortId, "&Init Port", 240, 70, 54, 14);
    addButton(pollPortId, "&Poll Port", 240, 86, 54, 14);
    addLabel(-1, "Command data:", 7, 58, 100, 8);
    commandData_ = addControl(commandDataId, new CEscapedStringEdit, 7, 68, 228, 12);
    addLabel(-1, "Response data:", 7, 84, 100, 8);
    responseData_ = addControl(responseDataId, new CEscapedStringEdit, 7, 94, 228, 12);
    addLabel(-1, "Response elements:", 7, 110, 100, 8);
    elements_ = addControl(elementsId, new CResponseElementsList, 7, 120, 228, 60);
    addRadioButton(showTextId, "Show as &text", 240, 120, 54, 10);
    addRadioButton(showHexId, "Show as &hex", 240, 132, 54, 10);
    addLabel(statusId, "", 7, 184, 286, 8);
    panel_ = addControl(panelId, new CParameterValuesPanel(false), 7, 196, 286, 1);
    commandData_->setReadOnly(true);
    responseData_->setReadOnly(true);
    portItems::groupRadios(*this, {useSpecifiedId, useOtherId});
    portItems::groupRadios(*this, {showTextId, showHexId});

    onCommand(sendId, [this] { OnSend(); });
    onCommand(initDeviceId, [this] { runSequence(0); });
    onCommand(reinitDeviceId, [this] { runSequence(1); });
    onCommand(initPortId, [this] { runSequence(2); });
    onCommand(pollPortId, [this] { runSequence(3); });
    onCommand(useSpecifiedId, [this] { OnUseClicked(); });
    onCommand(useOtherId, [this] { OnUseClicked(); });
    onCommand(showTextId, [this] { OnShowAsClicked(); });
    onCommand(showHexId, [this] { OnShowAsClicked(); });
    QObject::connect(devices_, &QComboBox::activated, this, [this] { OnDeviceChange(); });
    QObject::connect(commands_, &QComboBox::activated, this, [this] { OnCommandChange(); });
}

CTestPortDialog::~CTestPortDialog()
{
    if (initialised_)
        writeSettings();
    elements_->resetList();
}

bool CTestPortDialog::OnInitDialog()
{
    hexMode_ = profileInt(dialogSection, "HexMode", 0) != 0 ? 1 : 0;
    gstr path = profileString(dialogSection, "Path", "");
    if (path.isEmpty()) {
        int override = profileInt(dialogSection, "PortOverride", 0);
        if (override == 1 || override == 2)
            path.assign(override == 1 ? "COM1" : "COM2");
    }
    gstr driver = profileString(settingsSection, "Driver", "");
    gstr command = profileString(settingsSection, "Command", "");
    noted_ = size();
    setChecked(hexMode_ ? showHexId : showTextId, true);
    commandData_->setHexMode(hexMode_, true);
    responseData_->setHexMode(hexMode_, true);
    elements_->setHexMode(hexMode_);
    if (owner_->deviceCount() == 0) {
        messageBox(noDevices, gbuttons::ok);
        EndDialog(IDCANCEL);
        return true;
    }
    fillDevices(driver);
    fillCommands(command);
    choosePort(path);
    initialised_ = true;
    return true;
}

// The saved device is found again by its tag, the property it is saved by.
void CTestPortDialog::fillDevices(const gstr& savedDriver)
{
    bool anyInitialization = false;
    int saved = -1;
    for (int row = 0; row < owner_->deviceCount(); ++row) {
        gdeviceRef* ref = owner_->deviceAt(row);
        if (!ref)
            continue;
        devices_->addItem(toUiText(ref->getDisplayName()), portItems::data(ref));
        if (saved < 0 && ref->getName().compare(savedDriver) == 0)
            saved = devices_->count() - 1;
        anyInitialization = anyInitialization || ref->hasInitialization();
    }
    enableControl(initPortId, anyInitialization);
    enableControl(pollPortId, owner_->pollCount() > 0);
    devices_->setCurrentIndex(saved >= 0 ? saved : 0);
}

gdeviceRef* CTestPortDialog::selectedDevice() const { return portItems::selected<gdeviceRef>(*devices_); }

void CTestPortDialog::choosePort(gstr path)
{
    int found = path.isEmpty() ? -1 : comPort_->findText(toUiPath(path), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0) {
        comPort_->setCurrentIndex(found);
        setChecked(useOtherId, true);
        enableControl(comPortId, true);
        return;
    }
    setChecked(useSpecifiedId, true);
    comPort_->setCurrentIndex(comPort_->count() > 0 ? 0 : -1);
    enableControl(comPortId, false);
    if (comPort_->count() == 0)
        enableControl(useOtherId, false);
}

void CTestPortDialog::OnDeviceChange() { fillCommands(fromUiText(commands_->currentText())); }

void CTestPortDialog::fillCommands(const gstr& tag)
{
    gdeviceRef* ref = selectedDevice();
    enableControl(initDeviceId, ref && ref->hasInitialization());
    enableControl(reinitDeviceId, ref && ref->hasReinitialization());
    gdevice* device = ref ? ref->getDevice() : nullptr;
    if (device) {
        g2driver* driver = device->getDriver();
        if (!currentDevice_ || currentDevice_->getDriver() != driver) {
            commands_->clear();
            jhashTypedIterator<g2driverCommand> it;
            if (driver)
                it.attach(driver->commands());
            g2driverCommand* command = nullptr;
            while (driver && it.get(command)) {
                if (command->isDefined())
                    portItems::insertSorted(*commands_, command->getName(), portItems::data(command));
            }
        }
        currentLegacyDevice_ = nullptr;
        currentDevice_ = device;
    } else {
        currentDevice_ = nullptr;
        currentLegacyDevice_ = ref ? ref->getLegacyDevice() : nullptr;
        commands_->clear();
        glegacyDriver* driver = currentLegacyDevice_ ? currentLegacyDevice_->getDriver() : nullptr;
        if (driver) {
            jhashTypedIterator<glegacyCommand> it(driver->commands());
            glegacyCommand* command = nullptr;
            while (it.get(command)) {
                if (command->isDefined())
                    portItems::insertSorted(*commands_, command->getName(), portItems::data(command));
            }
        }
    }
    int index = commands_->findText(toUiText(tag), Qt::MatchExactly | Qt::MatchCaseSensitive);
    commands_->setCurrentIndex(index >= 0 ? index : (commands_->count() > 0 ? 0 : -1));
    enableControl(sendId, commands_->count() > 0);
    layOutPanel();
}

void CTestPortDialog::OnCommandChange() { layOutPanel(); }

// The parameter editors of the selected G2 command below the dialog's
// template; none for a legacy command.
void CTestPortDialog::layOutPanel()
{
    int height = 0;
    const g2driverCommand* command = currentDevice_ ? portItems::selected<g2driverCommand>(*commands_) : nullptr;
    if (command)
        height = panel_->setParameters(command->parameters().ordered());
    else
        panel_->clear();
    resize(noted_.width(), noted_.height() + height);
}

void CTestPortDialog::OnUseClicked() { enableControl(comPortId, isChecked(useOtherId)); }

void CTestPortDialog::OnShowAsClicked()
{
    int hex = isChecked(showHexId) ? 1 : 0;
    if (hex == hexMode_)
        return;
    hexMode_ = hex;
    commandData_->setHexMode(hex, true);
    responseData_->setHexMode(hex, true);
    elements_->setHexMode(hex);
}

// --- actions ---

template <class F>
void CTestPortDialog::runAction(F action)
{
    if (busy_)
        return;
    busy_ = true;
    stopRequested_ = false;
    for (int id : actionControls)
        enableControl(id, false);
    port_->setWaitHook([this] { return keepWaiting(); });
    action();
    port_->setWaitHook({});
    port_->closeForTest();
    enableActions();
    busy_ = false;
    if (closeRequested_)
        EndDialog(IDOK);
}

// What the controls allow for the selection as it is after an action.
void CTestPortDialog::enableActions()
{
    for (int id : {useSpecifiedId, deviceId, commandId, showTextId, showHexId})
        enableControl(id, true);
    enableControl(useOtherId, comPort_->count() > 0);
    enableControl(comPortId, isChecked(useOtherId));
    enableControl(sendId, commands_->count() > 0);
    const gdeviceRef* ref = selectedDevice();
    enableControl(initDeviceId, ref && ref->hasInitialization());
    enableControl(reinitDeviceId, ref && ref->hasReinitialization());
    bool anyInitialization = false;
    for (int row = 0; row < owner_->deviceCount(); ++row) {
        const gdeviceRef* device = owner_->deviceAt(row);
        anyInitialization = anyInitialization || (device && device->hasInitialization());
    }
    enableControl(initPortId, anyInitialization);
    enableControl(pollPortId, owner_->pollCount() > 0);
}

bool CTestPortDialog::keepWaiting()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !stopRequested_;
}

void CTestPortDialog::OnOK()
{
    if (!busy_) {
        EndDialog(IDOK);
        return;
    }
    stopRequested_ = true;
    closeRequested_ = true;
}

void CTestPortDialog::OnCancel() { OnOK(); }

bool CTestPortDialog::openPort()
{
    gstr name;
    if (isChecked(useOtherId))
        name = fromUiPath(comPort_->currentText());
    if (port_->openForTest(isChecked(useOtherId) ? name.data() : nullptr))
        return true;
    commandData_->setValue(gstrSlice::empty);
    responseData_->setValue(gstrSlice::empty);
    forgetKept();
    setControlText(statusId, "");
    messageBox(cannotOpen, gbuttons::ok);
    return false;
}

void CTestPortDialog::forgetKept()
{
    elements_->resetList();
    transaction_.reset();
    request_.reset();
}

void CTestPortDialog::showStatus(int textId, const gstrSlice& more)
{
    gstr text(stringTableText(textId));
    text.append(more);
    setControlText(statusId, text);
    repaint();
}

void CTestPortDialog::repaintNow()
{
    commandData_->repaint();
    repaint();
    elements_->repaint();
}

void CTestPortDialog::showResult(int result, const g2serialTransaction* transaction)
{
    gstr values("");
    if (result == gexchangeResult::error && transaction)
        transaction->describeValues(values);
    showStatus(resultText(result), values);
}

void CTestPortDialog::OnSend()
{
    if (commands_->currentIndex() < 0)
        return;
    if (currentDevice_) {
        g2driverParameterValueTable values(5);
        if (!panel_->getValues(values, false))
            return;
        runAction([&] {
            if (!openPort())
                return;
            elements_->resetList();
            transaction_.reset();
            request_ = std::make_unique<gcommandRequest>();
            request_->setCommand(portItems::selected<g2driverCommand>(*commands_));
            request_->setDevice(currentDevice_);
            request_->values().copyFrom(values);
            sendG2Command(request_.get());
        });
        return;
    }
    const glegacyCommand* command = portItems::selected<glegacyCommand>(*commands_);
    if (!command)
        return;
    runAction([&] {
        if (openPort())
            sendLegacyCommand(*command);
    });
}

void CTestPortDialog::sendG2Command(gcommandRequest* request)
{
    responseData_->setValue(gstrSlice::empty);
    elements_->resetList();
    setControlText(statusId, "");
    transaction_.reset();
    if (request_.get() != request)
        request_.reset();
    transaction_ = std::make_unique<g2serialTransaction>(*request, nullptr);
    transaction_->buildCommand(transaction_->getOutput());
    commandData_->setValue(transaction_->getOutput().allBytes());
    repaintNow();
    transaction_->getOutput().send(*port_);
    waitCursor wait;
    if (transaction_->getWindowSize() > 0) {
        showStatus(waitingResponse);
        int result = port_->receiveTransaction(*transaction_);
        responseData_->setValue(windowOf(*transaction_));
        elements_->setTransaction(transaction_.get());
        showResult(result, transaction_.get());
        return;
    }
    showStatus(waitingDelay);
    if (const g2driverCommand* command = request->getCommand())
        port_->waitAfterCommand(*command);
    showStatus(sentText);
}

void CTestPortDialog::sendLegacyCommand(const glegacyCommand& command)
{
    responseData_->setValue(gstrSlice::empty);
    setControlText(statusId, "");
    forgetKept();
    commandData_->setValue(command.getString());
    repaintNow();
    port_->writeCommandForTest(command.getString());
    waitCursor wait;
    const glegacyResponse* response = command.getResponse();
    if (response && response != glegacyCommand::replyMarker()) {
        showStatus(waitingResponse);
        jbuffer reply;
        int result = port_->receiveLegacy(reply, *response);
        responseData_->setValue(gstrSlice(reinterpret_cast<const char*>(reply.data()), reply.used()));
        showResult(result, nullptr);
        return;
    }
    showStatus(waitingDelay);
    port_->waitAfterLegacyCommand(command);
    showStatus(sentText);
}

void CTestPortDialog::runSequence(int mode)
{
    runAction([&] {
        if (!openPort())
            return;
        commandData_->setValue(gstrSlice::empty);
        responseData_->setValue(gstrSlice::empty);
        forgetKept();
        setControlText(statusId, "");
        repaintNow();
        CSendingCommandsDialog sending(*this, mode);
        int result = sending.doModal();
        port_->closeForTest();
        if (result == gexchangeResult::nothingSent) {
            messageBox(nothingToSend, gbuttons::ok, gicon::error);
            return;
        }
        if (result == gexchangeResult::sent || result == gexchangeResult::valid) {
            messageBox(allSent, gbuttons::ok, gicon::information);
            return;
        }
        bool error = result == gexchangeResult::error;
        transaction_ = sending.takeFailedTransaction();
        selectEntry(sending.failedEntry());
        gstr status(stringTableText(error ? errorText : timedOutText));
        if (transaction_) {
            if (error)
                transaction_->describeValues(status);
            commandData_->setValue(transaction_->getOutput().allBytes());
            responseData_->setValue(windowOf(*transaction_));
            elements_->setTransaction(transaction_.get());
        } else {
            commandData_->setValue(sending.getFailedLegacyCommandBytes());
            responseData_->setValue(sending.collectedReplyBytes());
        }
        setControlText(statusId, status);
        messageBox(error ? errorBox : timeoutBox, gbuttons::ok, gicon::error);
    });
}

// The failed device and command become the selection, with the values the
// entry sent.
void CTestPortDialog::selectEntry(const gcommandSequenceEntry* entry)
{
    int found = -1;
    for (int i = devices_->count() - 1; i >= 0 && found < 0; --i) {
        const gdeviceRef* ref = portItems::at<gdeviceRef>(*devices_, i);
        const glegacyDevice* legacy = entry ? entry->getLegacyDevice() : nullptr;
        bool same = transaction_ ? ref->getDevice() && ref->getDevice() == transaction_->getDevice()
                                 : legacy && ref->getLegacyDevice() == legacy;
        if (same)
            found = i;
    }
    devices_->setCurrentIndex(found);
    gstr tag("");
    if (entry && entry->getCommand())
        tag = entry->getCommand()->getName();
    else if (entry && entry->getLegacyCommand())
        tag = entry->getLegacyCommand()->getName();
    panel_->clear();
    fillCommands(tag);
    if (const gcommandRequest* request = entry ? entry->getRequest() : nullptr)
        panel_->setValues(request->values());
}

void CTestPortDialog::writeSettings()
{
    writeProfileInt(dialogSection, "HexMode", hexMode_);
    if (isChecked(useOtherId))
        writeProfileString(dialogSection, "Path", fromUiPath(comPort_->currentText()));
    else
        deleteProfileValue(dialogSection, "Path");
    deleteProfileValue(dialogSection, "PortOverride");
    if (const gdeviceRef* ref = selectedDevice())
        writeProfileString(settingsSection, "Driver", ref->getName());
    if (commands_->currentIndex() >= 0)
        writeProfileString(settingsSection, "Command", fromUiText(commands_->currentText()));
}
