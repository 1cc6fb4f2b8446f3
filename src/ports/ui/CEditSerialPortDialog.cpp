#include "ports/ui/CEditSerialPortDialog.h"

#include "foundation/gmilliseconds.h"
#include "foundation/messageBoxes.h"
#include "g2driver/editor/CSelectDeviceDriverTypeDialog.h"
#include "g2driver/model/g2driver.h"
#include "platform/modalRun.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequence.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyPoll.h"
#include "ports/gserialPort.h"
#include "ports/portFields.h"
#include "ports/ui/CComPortCombo.h"
#include "ports/ui/CDuplicateDeviceDialog.h"
#include "ports/ui/CEditDeviceDialog.h"
#include "ports/ui/CEditLegacyDeviceDialog.h"
#include "ports/ui/CEditPollDialog.h"
#include "ports/ui/CSelectNewDeviceDriverDialog.h"
#include "ports/ui/CTestPortDialog.h"
#include "ports/ui/portDialogItems.h"
#include "resources/stringTable.h"
#include "shell/CProgramCombo.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"
#include "shell/programArgumentsDialog.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <QLineEdit>
#include <QListWidget>
#include <memory>

namespace {

constexpr int newSerialPort = 10168;
constexpr int enterComPort = 10036;
constexpr int tagTaken = 10216;
constexpr int inUse = 20024;
constexpr int pollingSequence = 20078;

constexpr uint32_t baudRates[] = {921600, 460800, 230400, 115200, 57600, 38400, 19200, 9600, 4800, 2400, 1200, 300};
constexpr const char* baudTexts[] = {"921600 baud", "460800 baud", "230400 baud", "115200 baud",
                                     "57600 baud",  "38400 baud",  "19200 baud",  "9600 baud",
                                     "4800 baud",   "2400 baud",   "1200 baud",   "300 baud"};
constexpr const char* dataFormats[] = {"7N1", "8N1", "7E1", "8E1", "7O1", "8O1",
                                       "7N2", "8N2", "7E2", "8E2", "7O2", "8O2"};
constexpr const char* flowTexts[] = {"No flow control", "RTS/DTS", "XON/XOFF", "DTR/DSR"};
constexpr const char* terminationTexts[] = {"CR only", "LF only", "CR + LF"};
constexpr int defaultBaud = 2;      // 230400
constexpr int fallbackBaud = 3;     // 115200
constexpr int defaultDataFormat = 1; // 8N1

int baudIndex(uint32_t rate)
{
    for (int i = 0; i < static_cast<int>(std::size(baudRates)); ++i) {
        if (baudRates[i] == rate)
            return i;
    }
    return fallbackBaud;
}

int dataFormatIndex(const gserialPort& port)
{
    int index = port.getDataBits() + 2 * port.getParity() + 6 * port.getStopBits() - 13;
    return index >= 0 && index < static_cast<int>(std::size(dataFormats)) ? index : defaultDataFormat;
}

void addTexts(CDialog& dialog, int id, const char* const* texts, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        dialog.addItem(id, texts[i]);
}

gstr entryText(const gcommandSequenceEntry& entry)
{
    gstr text("");
    entry.describe(text, true);
    return text;
}

// A copy of a poll entry of the stored port, against the working tables.
gcommandSequenceEntry* copyEntry(const gcommandSequenceEntry& source, jhashTypedDatabaseTable<gdevice>& devices,
                                 jhashTypedDatabaseTable<glegacyDevice>& legacyDevices)
{
    if (const gcommandRequest* request = source.getRequest()) {
        auto copy = std::make_unique<gcommandRequest>();
        copy->copy(*request, devices);
        return new gcommandSequenceEntry(copy.release());
    }
    auto copy = std::make_unique<glegacyPoll>();
    if (const glegacyPoll* poll = source.getLegacyPoll())
        copy->copy(*poll, legacyDevices);
    return new gcommandSequenceEntry(copy.release());
}

} // namespace

void CEditSerialPortDialog::pollingSequenceReferrer::describeReferrer(gstr& text) const
{
    text.append(stringTableText(pollingSequence));
}

CEditSerialPortDialog::CEditSerialPortDialog(gserialPort* start, gserialPort* edit, QWidget* parent)
    : CDialog(templateId, parent), start_(start), edit_(edit)
{
    setWindowTitle(QStringLiteral("Edit Serial Port"));
    buildControls();
}

CEditSerialPortDialog::~CEditSerialPortDialog()
{
    deleteListData();
    pollUses_.clear();
}

void CEditSerialPortDialog::buildControls()
{
    setDialogSize(340, 250);
    addLabel(-1, "&Tag:", 7, 9, 60, 8);
    addEdit(tagId, 70, 7, 90, 12);
    addLabel(-1, "&Name:", 7, 25, 60, 8);
    addEdit(nameId, 70, 23, 90, 12);
    addLabel(-1, "&COM port:", 7, 41, 60, 8);
    comPort_ = addControl(comPortId, new CComPortCombo, 70, 39, 90, 60);
    comPort_->setEditable(true);
    comPort_->model()->sort(0);
    comPort_->setEditText(QString());
    addLabel(-1, "&Baud rate:", 7, 57, 60, 8);
    addComboBox(baudId, false, 70, 55, 90, 100);
    addTexts(*this, baudId, baudTexts, std::size(baudTexts));
    addLabel(-1, "Data &format:", 7, 73, 60, 8);
    addComboBox(dataFormatId, false, 70, 71, 90, 100);
    addTexts(*this, dataFormatId, dataFormats, std::size(dataFormats));
    addLabel(-1, "F&low control:", 7, 89, 60, 8);
    addComboBox(flowId, false, 70, 87, 90, 60);
    addTexts(*this, flowId, flowTexts, std::size(flowTexts));
    addLabel(-1, "Line te&rmination:", 7, 105, 60, 8);
    addComboBox(terminationId, false, 70, 103, 90, 60);
    addTexts(*this, terminationId, terminationTexts, std::size(terminationTexts));
    addLabel(-1, "Minimum de&lay:", 7, 121, 60, 8);
    delay_ = addControl(delayId, new CRealSpinEdit, 70, 119, 60, 12);
    addLabel(-1, "s", 134, 121, 10, 8);

    addGroupBox(-1, "Port usage", 170, 4, 163, 64);
    addRadioButton(pollRadioId, "&Poll the port for data", 176, 16, 150, 10);
    addRadioButton(waitRadioId, "&Wait for unsolicited data from the port", 176, 28, 150, 10);
    addLabel(messageLabelId, "Receive &message:", 176, 44, 60, 8);
    messageCombo_ = addControl(messageComboId, new CProgramCombo(&messageCall_), 176, 53, 110, 60);
    addButton(argsId, "Args...", 290, 52, 38, 14);

    addLabel(-1, "De&vices:", 7, 138, 60, 8);
    devicesList_ = addListBox(devicesId, 7, 148, 110, 74);
    addButton(editDeviceId, "Ed&it...", 120, 148, 45, 14);
    addButton(deleteDeviceId, "Delete", 120, 164, 45, 14);
    addButton(duplicateDeviceId, "Duplicate...", 120, 180, 45, 14);
    addButton(newDeviceId, "New...", 120, 196, 45, 14);
    addLabel(pollsLabelId, "Polling se&quence:", 170, 74, 100, 8);
    pollsList_ = addListBox(pollsId, 170, 84, 110, 138);
    pollsList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    addButton(editPollId, "Edit...", 284, 84, 50, 14);
    addButton(deletePollId, "Delete", 284, 100, 50, 14);
    addButton(duplicatePollId, "Duplicate", 284, 116, 50, 14);
    addButton(duplicateDevicePollsId, "Duplicate Device...", 284, 132, 50, 14);
    addButton(newPollId, "New...", 284, 148, 50, 14);
    addButton(IDOK, "OK", 170, 230, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 226, 230, 50, 14);
    addButton(testId, "T&est...", 284, 230, 50, 14);

    // A disabled polls list shows the button face, as a disabled edit does.
    QPalette palette = pollsList_->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, systemColour(sysColour::buttonFace));
    pollsList_->setPalette(palette);

    for (int id : {messageLabelId, messageComboId, argsId, editDeviceId, deleteDeviceId, duplicateDeviceId,
                   editPollId, deletePollId, duplicatePollId, duplicateDevicePollsId})
        enableControl(id, false);

    onCommand(newDeviceId, [this] { OnNewDevice(); });
    onCommand(editDeviceId, [this] { OnEditDevice(); });
    onCommand(deleteDeviceId, [this] { OnDeleteDevice(); });
    onCommand(duplicateDeviceId, [this] { OnDuplicateDevice(); });
    onCommand(newPollId, [this] { OnNewPoll(); });
    onCommand(editPollId, [this] { OnEditPoll(); });
    onCommand(deletePollId, [this] { OnDeletePoll(); });
    onCommand(duplicatePollId, [this] { OnDuplicatePoll(); });
    onCommand(duplicateDevicePollsId, [this] { OnDuplicateDevicePolls(); });
    onCommand(pollRadioId, [this] { OnPortUsage(); });
    onCommand(waitRadioId, [this] { OnPortUsage(); });
    onCommand(argsId, [this] { OnArgs(); });
    onCommand(testId, [this] { OnTest(); });
    QObject::connect(devicesList_, &QListWidget::itemDoubleClicked, this, [this] { OnEditDevice(); });
    QObject::connect(pollsList_, &QListWidget::itemDoubleClicked, this, [this] { OnEditPoll(); });
    QObject::connect(devicesList_, &QListWidget::itemSelectionChanged, this,
                     [this] { enableDeviceButtons(portItems::selectedRow(*devicesList_) >= 0); });
    QObject::connect(pollsList_, &QListWidget::itemSelectionChanged, this,
                     [this] { enablePollButtons(portItems::selectedRow(*pollsList_) >= 0); });
    QObject::connect(messageCombo_, &QComboBox::currentIndexChanged, this, [this] { enableArgs(); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
}

bool CEditSerialPortDialog::OnInitDialog()
{
    if (start_) {
        fillFromPort(*start_);
    } else {
        checkRadioButton(pollRadioId, waitRadioId, pollRadioId);
        delay_->setValue(0);
        selectItem(baudId, defaultBaud);
        selectItem(dataFormatId, defaultDataFormat);
        selectItem(terminationId, 0);
        selectItem(flowId, gserialPort::flowNone);
    }
    messageCombo_->fill(true);
    enableArgs();
    if (edit_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        setWindowTitle(QString::fromLatin1(stringTableText(newSerialPort)));
        enableControl(IDOK, !controlText(tagId).isEmpty());
        focusControl(tagId);
    }
    fieldEdits::limitSpin(*delay_, portFields::minimumDelay);
    return false;
}

void CEditSerialPortDialog::fillFromPort(gserialPort& port)
{
    setControlText(tagId, port.getTag());
    setControlText(nameId, port.getTitle(edit_ != nullptr));
    comPort_->setEditText(toUiPath(port.getDevicePath()));
    fieldEdits::showSeconds(*delay_, port.getMinimumDelay());
    bool wait = port.getWaitForData() > 0;
    checkRadioButton(pollRadioId, waitRadioId, wait ? waitRadioId : pollRadioId);
    enableControl(newPollId, !wait);
    enableControl(pollsId, !wait);
    enableControl(pollsLabelId, !wait);
    enableControl(messageLabelId, wait);
    enableControl(messageComboId, wait);
    selectLineSettings(port);
    addWorkingDevices(port);
    messageCall_.assign(port.getMessageControl());
    addWorkingPolls(port);
}

void CEditSerialPortDialog::selectLineSettings(const gserialPort& port)
{
    selectItem(baudId, baudIndex(port.getBaudRate()));
    selectItem(dataFormatId, dataFormatIndex(port));
    selectItem(terminationId, port.getLineTermination() - 1);
    selectItem(flowId, port.getFlowControl());
}

void CEditSerialPortDialog::addWorkingDevices(gserialPort& port)
{
    bool keepUsers = edit_ != nullptr;
    for (gdeviceRef* ref = port.firstDevice(); ref; ref = ref->getNext()) {
        gdeviceRef* copy = nullptr;
        if (gdevice* device = ref->getDevice()) {
            gdevice* working = devices_.define(device->getName());
            if (!working)
                continue;
            working->copy(*device, devices_, legacyDevices_, keepUsers);
            copy = new gdeviceRef(working);
        } else if (glegacyDevice* legacy = ref->getLegacyDevice()) {
            glegacyDevice* working = legacyDevices_.define(legacy->getName());
            if (!working)
                continue;
            working->copy(*legacy, devices_, legacyDevices_, keepUsers);
            copy = new gdeviceRef(working);
        }
        if (copy)
            portItems::insertRow(*devicesList_, -1, copy->getDisplayName(), portItems::data(copy));
    }
}

void CEditSerialPortDialog::addWorkingPolls(gserialPort& port)
{
    const gcommandSequence& polls = port.pollingSequence();
    enableControl(duplicateDevicePollsId, !polls.isEmpty());
    for (const gcommandSequenceEntry* e = polls.first(); e; e = e->getNext()) {
        gcommandSequenceEntry* copy = copyEntry(*e, devices_, legacyDevices_);
        portItems::insertRow(*pollsList_, -1, entryText(*copy), portItems::data(copy));
    }
}

bool CEditSerialPortDialog::waitsForData() const { return isChecked(waitRadioId); }

int CEditSerialPortDialog::deviceCount() const { return devicesList_->count(); }

gdeviceRef* CEditSerialPortDialog::deviceAt(int row) const { return portItems::at<gdeviceRef>(*devicesList_, row); }

int CEditSerialPortDialog::pollCount() const { return pollsList_->count(); }

gcommandSequenceEntry* CEditSerialPortDialog::pollAt(int row) const
{
    return portItems::at<gcommandSequenceEntry>(*pollsList_, row);
}

void CEditSerialPortDialog::enableDeviceButtons(bool enable)
{
    for (int id : {editDeviceId, deleteDeviceId, duplicateDeviceId})
        enableControl(id, enable);
}

void CEditSerialPortDialog::enablePollButtons(bool enable)
{
    for (int id : {editPollId, deletePollId, duplicatePollId})
        enableControl(id, enable);
}

// Args goes with a chosen program while the port waits for data.
void CEditSerialPortDialog::enableArgs()
{
    enableControl(argsId, waitsForData() && messageCombo_->currentIndex() > 0);
}

void CEditSerialPortDialog::OnPortUsage()
{
    bool poll = isChecked(pollRadioId);
    enableControl(newPollId, poll);
    enableControl(pollsId, poll);
    enableControl(pollsLabelId, poll);
    enableControl(messageLabelId, !poll);
    enableControl(messageComboId, !poll);
    enableArgs();
    if (!poll || portItems::selectedRow(*pollsList_) >= 0)
        enablePollButtons(poll);
}

void CEditSerialPortDialog::OnArgs()
{
    if (!editProgramArguments(messageCall_, this))
        return;
    messageCombo_->update();
}

// --- devices ---

void CEditSerialPortDialog::insertDevice(int row, gdeviceRef* ref)
{
    row = portItems::insertRow(*devicesList_, row, ref->getDisplayName(), portItems::data(ref));
    portItems::selectRow(*devicesList_, row);
    enableDeviceButtons(true);
}

void CEditSerialPortDialog::OnNewDevice()
{
    int selected = portItems::selectedRow(*devicesList_);
    int row = selected >= 0 ? selected + 1 : -1;
    CSelectDeviceDriverTypeDialog type(this);
    if (type.DoModal() != IDOK)
        return;
    if (type.regularChosen()) {
        CEditDeviceDialog dialog(this, nullptr, nullptr, this);
        if (dialog.DoModal() == IDOK)
            insertDevice(row, new gdeviceRef(dialog.editedDevice()));
        return;
    }
    CEditLegacyDeviceDialog dialog(this, nullptr, nullptr, this);
    if (dialog.DoModal() == IDOK)
        insertDevice(row, new gdeviceRef(dialog.editedDevice()));
}

void CEditSerialPortDialog::OnEditDevice()
{
    int row = portItems::selectedRow(*devicesList_);
    gdeviceRef* ref = deviceAt(row);
    if (!ref)
        return;
    if (gdevice* device = ref->getDevice()) {
        CEditDeviceDialog dialog(this, device, device, this);
        if (dialog.DoModal() != IDOK)
            return;
    } else {
        CEditLegacyDeviceDialog dialog(this, ref->getLegacyDevice(), nullptr, this);
        if (dialog.DoModal() != IDOK)
            return;
    }
    portItems::setRowText(*devicesList_, row, ref->getDisplayName());
    portItems::selectRow(*devicesList_, row);
    refreshPollTexts(*ref);
}

// The polls of the device show its new name; selection and scrolling stay.
void CEditSerialPortDialog::refreshPollTexts(const gdeviceRef& ref)
{
    pollsList_->setUpdatesEnabled(false);
    for (int row = pollsList_->count() - 1; row >= 0; --row) {
        const gcommandSequenceEntry* entry = pollAt(row);
        if (entry && entry->matches(ref))
            portItems::setRowText(*pollsList_, row, entryText(*entry));
    }
    pollsList_->setUpdatesEnabled(true);
}

void CEditSerialPortDialog::OnDuplicateDevice()
{
    int row = portItems::selectedRow(*devicesList_);
    gdeviceRef* ref = deviceAt(row);
    if (!ref)
        return;
    gdeviceRef* made = nullptr;
    if (gdevice* device = ref->getDevice()) {
        CEditDeviceDialog dialog(this, device, nullptr, this);
        if (dialog.DoModal() == IDOK)
            made = new gdeviceRef(dialog.editedDevice());
    } else {
        CSelectNewDeviceDriverDialog choice(legacyDevices_, ref->getLegacyDevice(), this);
        if (choice.DoModal() != IDOK)
            return;
        CEditLegacyDeviceDialog dialog(this, ref->getLegacyDevice(), choice.getDriver(), this);
        if (dialog.DoModal() == IDOK)
            made = new gdeviceRef(dialog.editedDevice());
    }
    if (made)
        insertDevice(row + 1, made);
}

void CEditSerialPortDialog::OnDeleteDevice()
{
    int row = portItems::selectedRow(*devicesList_);
    gdeviceRef* ref = deviceAt(row);
    if (!ref)
        return;
    // The check sees exactly the polls of the list as they are now.
    pollUses_.clear();
    for (int i = pollsList_->count() - 1; i >= 0; --i) {
        const gcommandSequenceEntry* entry = pollAt(i);
        if (!entry)
            continue;
        if (const gcommandRequest* request = entry->getRequest())
            request->addReferences(pollUses_, nullptr);
        else if (const glegacyPoll* poll = entry->getLegacyPoll())
            poll->addReferences(pollUses_, nullptr);
    }
    greferenceNode& users = ref->getDevice() ? static_cast<greferenceNode&>(*ref->getDevice())
                                             : static_cast<greferenceNode&>(*ref->getLegacyDevice());
    bool unused = users.isUnused();
    if (!unused)
        users.reportInUse(inUse);
    pollUses_.clear();
    if (!unused)
        return;
    if (gdevice* device = ref->getDevice()) {
        devices_.remove(device);
        delete device;
    } else {
        glegacyDevice* legacy = ref->getLegacyDevice();
        legacyDevices_.remove(legacy);
        delete legacy;
    }
    delete devicesList_->takeItem(row);
    delete ref;
    portItems::selectRow(*devicesList_, std::min(row, devicesList_->count() - 1));
    if (portItems::selectedRow(*devicesList_) < 0)
        enableDeviceButtons(false);
}

// --- polls ---

void CEditSerialPortDialog::insertPoll(int row, gcommandSequenceEntry* entry)
{
    row = portItems::insertRow(*pollsList_, row, entryText(*entry), portItems::data(entry));
    portItems::selectRow(*pollsList_, row);
    enablePollButtons(true);
}

void CEditSerialPortDialog::OnNewPoll()
{
    int selected = portItems::selectedRow(*pollsList_);
    CEditPollDialog dialog(this, nullptr, nullptr, this);
    if (dialog.DoModal() == IDOK)
        insertPoll(selected >= 0 ? selected + 1 : -1, dialog.editedEntry());
}

void CEditSerialPortDialog::OnEditPoll()
{
    int row = portItems::selectedRow(*pollsList_);
    gcommandSequenceEntry* entry = pollAt(row);
    if (!entry)
        return;
    CEditPollDialog dialog(this, entry, entry, this);
    if (dialog.DoModal() != IDOK)
        return;
    portItems::setRowText(*pollsList_, row, entryText(*entry));
    portItems::selectRow(*pollsList_, row);
}

void CEditSerialPortDialog::OnDuplicatePoll()
{
    int row = portItems::selectedRow(*pollsList_);
    gcommandSequenceEntry* entry = pollAt(row);
    if (!entry)
        return;
    CEditPollDialog dialog(this, entry, nullptr, this);
    if (dialog.DoModal() == IDOK)
        insertPoll(row + 1, dialog.editedEntry());
}

void CEditSerialPortDialog::OnDeletePoll()
{
    int row = portItems::selectedRow(*pollsList_);
    gcommandSequenceEntry* entry = pollAt(row);
    if (!entry)
        return;
    delete entry;
    delete pollsList_->takeItem(row);
    portItems::selectRow(*pollsList_, std::min(row, pollsList_->count() - 1));
    if (pollsList_->count() == 0)
        enablePollButtons(false);
}

void CEditSerialPortDialog::OnDuplicateDevicePolls()
{
    CDuplicateDeviceDialog dialog(this, this);
    dialog.DoModal();
}

void CEditSerialPortDialog::duplicatePolls(const gdeviceRef& source, const gdeviceRef& target)
{
    int found = 0;
    int made = 0;
    int firstRow = -1;
    int count = pollsList_->count();
    for (int row = 0; row < count; ++row) {
        const gcommandSequenceEntry* entry = pollAt(row);
        if (!entry || !entry->matches(source))
            continue;
        ++found;
        gcommandSequenceEntry* copy = entry->copyForDevice(target);
        if (!copy)
            continue;
        ++made;
        int at = portItems::insertRow(*pollsList_, -1, entryText(*copy), portItems::data(copy));
        if (firstRow < 0)
            firstRow = at;
    }
    if (firstRow >= 0) {
        portItems::selectRow(*pollsList_, firstRow);
        enablePollButtons(true);
    }
    gstr text;
    if (found == 0)
        messageBox(10410, gbuttons::ok, gicon::none);
    else if (found == 1 && made == 1)
        messageBox(10412, gbuttons::ok, gicon::information);
    else if (found == 1)
        messageBox(10411, gbuttons::ok, gicon::none);
    else if (made == found)
        messageBox(text.format(10416, found), gbuttons::ok, gicon::information, 10416);
    else if (found - made == 1)
        messageBox(text.format(10414, found), gbuttons::ok, gicon::none, 10414);
    else if (made != 0)
        messageBox(text.format(10415, found, found - made), gbuttons::ok, gicon::none, 10415);
    else
        messageBox(text.format(10413, found), gbuttons::ok, gicon::none, 10413);
}

// --- OK and Test ---

bool CEditSerialPortDialog::checkLine(uint32_t& delay)
{
    if (comPort_->currentText().isEmpty()) {
        messageBox(enterComPort, gbuttons::ok);
        comPort_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const gsecondsField& field = portFields::minimumDelay;
    gmilliseconds shown = start_ ? start_->getMinimumDelay() : gmilliseconds::notSet;
    return fieldEdits::readSeconds(*delay_, field, shown, -1, delay) || refuseField(delayId, field.refusal);
}

void CEditSerialPortDialog::writeLineSettings(gserialPort& port, uint32_t delay) const
{
    port.setDevicePath(fromUiPath(comPort_->currentText()));
    port.setMinimumDelay(gmilliseconds(delay));
    int baud = selectedItem(baudId);
    int format = selectedItem(dataFormatId);
    if (format < 0)
        format = defaultDataFormat;
    port.setSettings(baud >= 0 ? baudRates[baud] : baudRates[fallbackBaud], 7 + format % 2, (format / 2) % 3,
                     format / 6 + 1);
    port.setFlowControl(std::max(selectedItem(flowId), 0));
    port.setLineTermination(selectedItem(terminationId) + 1);
}

void CEditSerialPortDialog::OnOK()
{
    uint32_t delay = 0;
    if (!checkLine(delay))
        return;
    gstr tag = controlText(tagId);
    bool wait = waitsForData();
    if (!edit_) {
        gserialPort* made = station::serialPorts().define(tag);
        if (!made) {
            messageBox(tagTaken, gbuttons::ok);
            return;
        }
        edit_ = made;
    }
    writeDevices(*edit_, wait);
    if (!wait) {
        edit_->clearMessageControl();
        writePolls(*edit_);
    } else {
        messageCall_.setProgram(messageCombo_->selectedProgram());
        edit_->setMessageControl(messageCall_);
        edit_->pollingSequence().clear();
    }
    gstr name = controlText(nameId);
    // A name left as it was keeps a title that equals the tag.
    if (name != edit_->getTitle(false))
        edit_->setTitle(name.isEmpty() || name.compare(tag) == 0 ? gstrSlice::empty : gstrSlice(name));
    writeLineSettings(*edit_, delay);
    edit_->setWaitForData(wait ? 1 : 0);
    EndDialog(IDOK);
}

void CEditSerialPortDialog::writeDevices(gserialPort& port, bool wait)
{
    port.clearDevices();
    for (int row = 0; row < devicesList_->count(); ++row) {
        gdeviceRef* ref = deviceAt(row);
        if (!ref)
            continue;
        if (!wait)
            ref->clearMessageControl();
        if (gdevice* device = ref->getDevice())
            port.addDeviceCopy(*device);
        else
            port.addLegacyDeviceCopy(*ref->getLegacyDevice());
    }
    port.purgeUndefinedDevices();
}

// The entries go over to the port's polling sequence.
void CEditSerialPortDialog::writePolls(gserialPort& port)
{
    gcommandSequence polls(gcommandSequence::polling, kw::NONE);
    for (int row = 0; row < pollsList_->count(); ++row) {
        gcommandSequenceEntry* entry = pollAt(row);
        if (!entry)
            continue;
        polls.append(entry);
        pollsList_->item(row)->setData(Qt::UserRole, portItems::data<gcommandSequenceEntry>(nullptr));
    }
    port.pollingSequence().takeOver(polls);
    port.pollingSequence().setOwner(&port, static_cast<gdevice*>(nullptr));
}

void CEditSerialPortDialog::OnTest()
{
    uint32_t delay = 0;
    if (!checkLine(delay))
        return;
    for (int row = 0; row < devicesList_->count(); ++row) {
        gdeviceRef* ref = deviceAt(row);
        g2driver* driver = ref ? ref->getDriver() : nullptr;
        // Durations, not time stamps: compared as counts.
        if (driver && driver->getDelay().isSet() && driver->getDelay().get() > delay)
            delay = driver->getDelay().get();
    }
    gserialPort port;
    writeLineSettings(port, 0);
    port.setMinimumDelay(gmilliseconds(delay));
    CTestPortDialog test(this, &port, this);
    test.DoModal();
}

void CEditSerialPortDialog::deleteListData()
{
    for (int row = 0; row < devicesList_->count(); ++row) {
        delete deviceAt(row);
        devicesList_->item(row)->setData(Qt::UserRole, portItems::data<gdeviceRef>(nullptr));
    }
    for (int row = 0; row < pollsList_->count(); ++row) {
        delete pollAt(row);
        pollsList_->item(row)->setData(Qt::UserRole, portItems::data<gcommandSequenceEntry>(nullptr));
    }
}
