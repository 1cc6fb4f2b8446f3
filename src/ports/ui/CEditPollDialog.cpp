#include "ports/ui/CEditPollDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyPoll.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/CPollPane.h"
#include "ports/ui/portDialogItems.h"
#include "resources/stringTable.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CSpinEdit.h"

namespace {

constexpr int newInitializationCommand = 10280;
constexpr int newPoll = 10167;
constexpr int editInitializationCommand = 10283;
constexpr int thisDevice = 10598;
constexpr int noDevices = 10599;
constexpr int enterKeepWithNext = 10104;

} // namespace

CEditPollDialog::CEditPollDialog(CEditSerialPortDialog* owner, gcommandSequenceEntry* start,
                                 gcommandSequenceEntry* edit, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner), start_(start), edit_(edit)
{
    setWindowTitle(QStringLiteral("Edit Poll"));
    setDialogSize(222, 62);
    addLabel(-1, "&Device:", 7, 9, 40, 8);
    devices_ = addControl(deviceId, new CAutoWidthCombo, 50, 7, 120, 100);
    addLabel(-1, "&Command:", 7, 25, 40, 8);
    commands_ = addControl(commandId, new CAutoWidthCombo, 50, 23, 120, 100);
    addButton(IDOK, "Ok", 176, 7, 40, 14, true);
    addButton(IDCANCEL, "Cancel", 176, 24, 40, 14);
    panel_ = addControl(panelId, new CParameterValuesPanel(true), 7, 42, 209, 1);
    addControl(paneId, new QWidget, 7, 44, 160, 16)->hide();
    QObject::connect(devices_, &QComboBox::activated, this, [this] { OnDeviceChange(nullptr); });
    QObject::connect(commands_, &QComboBox::activated, this, [this] { OnCommandChange(); });
}

CEditPollDialog::~CEditPollDialog() = default;

void CEditPollDialog::tieToDevice(gdevice* device)
{
    tiedDevice_ = device;
    tiedDriver_ = device ? device->getDriver() : nullptr;
}

void CEditPollDialog::tieToLegacyDevice(glegacyDevice* device)
{
    tiedLegacyDevice_ = device;
    tiedLegacyDriver_ = device ? device->getDriver() : nullptr;
}

bool CEditPollDialog::OnInitDialog()
{
    pane_ = new CPollPane(isTied());
    pane_->create(*this, paneId);
    noted_ = size();
    pane_->setKeepWithNext(start_ ? std::max(start_->getKeepWithNext(), 0) : 0);
    if (!edit_)
        setWindowTitle(toUiText(stringTableText(isTied() ? newInitializationCommand : newPoll)));
    else if (isTied())
        setWindowTitle(toUiText(stringTableText(editInitializationCommand)));
    fillDevices();
    if (devices_->count() == 0) {
        messageBox(noDevices, gbuttons::ok);
        EndDialog(IDCANCEL);
        return true;
    }
    if (devices_->currentIndex() < 0)
        devices_->setCurrentIndex(0);
    OnDeviceChange(start_);
    if (const gcommandRequest* request = start_ ? start_->getRequest() : nullptr)
        panel_->setValues(request->values());
    return true;
}

// Legacy devices, then G2 devices, each in its sorted place; the start
// entry's device selected.
void CEditPollDialog::fillDevices()
{
    const gdevice* startDevice = start_ ? start_->getDevice() : nullptr;
    const glegacyDevice* startLegacy = start_ ? start_->getLegacyDevice() : nullptr;
    int selected = -1;
    QVariant selectedData;
    jhashTypedIterator<glegacyDevice> legacy(owner_->workingLegacyDevices());
    glegacyDevice* l = nullptr;
    while (legacy.get(l)) {
        if (!l->isDefined() || l == tiedLegacyDevice_)
            continue;
        refs_.push_back(std::make_unique<gdeviceRef>(l));
        QVariant data = portItems::data(refs_.back().get());
        portItems::insertSorted(*devices_, l->getDisplayName(), data);
        if (l == startLegacy)
            selectedData = data;
    }
    jhashTypedIterator<gdevice> g2(owner_->workingDevices());
    gdevice* d = nullptr;
    while (g2.get(d)) {
        if (!d->isDefined() || d == tiedDevice_)
            continue;
        refs_.push_back(std::make_unique<gdeviceRef>(d));
        QVariant data = portItems::data(refs_.back().get());
        portItems::insertSorted(*devices_, d->getDisplayName(true), data);
        if (d == startDevice)
            selectedData = data;
    }
    if (selectedData.isValid())
        selected = portItems::indexOfData(*devices_, selectedData);
    if (isTied()) {
        devices_->insertItem(0, toUiText(stringTableText(thisDevice)), portItems::data<gdeviceRef>(nullptr));
        if (start_ && !startDevice && !startLegacy)
            selected = 0;
        else if (selected >= 0)
            ++selected;
    }
    devices_->setCurrentIndex(selected);
}

gdeviceRef* CEditPollDialog::selectedDevice() const { return portItems::selected<gdeviceRef>(*devices_); }

void CEditPollDialog::OnDeviceChange(const gcommandSequenceEntry* entry)
{
    g2driver* driver = nullptr;
    glegacyDriver* legacyDriver = nullptr;
    if (gdeviceRef* ref = selectedDevice()) {
        driver = ref->getDriver();
        legacyDriver = ref->getLegacyDriver();
    } else if (devices_->currentIndex() >= 0) {
        driver = tiedDriver_;
        legacyDriver = tiedDriver_ ? nullptr : tiedLegacyDriver_;
    }
    gstr tag = fromUiText(commands_->currentText());
    if (entry && entry->getCommand())
        tag = entry->getCommand()->getName();
    else if (entry && entry->getLegacyCommand())
        tag = entry->getLegacyCommand()->getName();
    fillCommands(driver, legacyDriver, tag);
    enableControl(IDOK, commands_->currentIndex() >= 0);
    if (g2Mode_ && commands_->currentIndex() < 0)
        return;
    OnCommandChange();
}

// Only commands a sequence may hold: defined ones, and of a legacy driver
// no REPLY, which the station file refuses in a poll.
void CEditPollDialog::fillCommands(g2driver* driver, glegacyDriver* legacyDriver, const gstr& selectTag)
{
    commands_->clear();
    g2Mode_ = driver != nullptr;
    if (driver) {
        jhashTypedIterator<g2driverCommand> it(driver->commands());
        g2driverCommand* command = nullptr;
        while (it.get(command)) {
            if (command->isDefined())
                portItems::insertSorted(*commands_, command->getName(), portItems::data(command));
        }
    } else if (legacyDriver) {
        jhashTypedIterator<glegacyCommand> it(legacyDriver->commands());
        glegacyCommand* command = nullptr;
        while (it.get(command)) {
            if (command->isDefined() && command->getKind() != glegacyCommand::reply)
                portItems::insertSorted(*commands_, command->getName(), portItems::data(command));
        }
    }
    int index = commands_->findText(toUiText(selectTag), Qt::MatchExactly | Qt::MatchCaseSensitive);
    commands_->setCurrentIndex(index >= 0 ? index : (commands_->count() > 0 ? 0 : -1));
}

void CEditPollDialog::OnCommandChange()
{
    int height = 0;
    if (g2Mode_) {
        g2driverCommand* command = portItems::selected<g2driverCommand>(*commands_);
        if (!command)
            return;
        height = panel_->setParameters(command->parameters().ordered());
    } else {
        panel_->clear();
    }
    layOut(height);
}

void CEditPollDialog::layOut(int panelHeight)
{
    pane_->moveDown(panelHeight);
    resize(noted_.width(), noted_.height() + panelHeight);
}

void CEditPollDialog::OnOK()
{
    g2driverParameterValueTable values(5);
    if (g2Mode_ && !panel_->getValues(values, false))
        return;
    int32_t keep = 0;
    if (!pane_->getKeepWithNext(keep)) {
        messageBox(enterKeepWithNext, gbuttons::ok);
        pane_->field()->setFocus(Qt::OtherFocusReason);
        pane_->field()->selectAll();
        return;
    }
    if (!edit_)
        edit_ = new gcommandSequenceEntry(static_cast<gcommandRequest*>(nullptr));
    gdeviceRef* ref = selectedDevice();
    if (g2Mode_) {
        gcommandRequest& request = edit_->useRequest();
        request.setDevice(ref ? ref->getDevice() : nullptr);
        request.setCommand(portItems::selected<g2driverCommand>(*commands_));
        request.values().copyFrom(values);
    } else {
        glegacyPoll& poll = edit_->useLegacyPoll();
        poll.setDevice(ref ? ref->getLegacyDevice() : nullptr);
        poll.setCommand(portItems::selected<glegacyCommand>(*commands_));
    }
    edit_->setKeepWithNext(keep);
    EndDialog(IDOK);
}
