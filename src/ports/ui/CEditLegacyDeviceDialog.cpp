#include "ports/ui/CEditLegacyDeviceDialog.h"

#include "foundation/jhashIterator.h"
#include "legacy/glegacyDriver.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "ports/gcommandRequest.h"
#include "ports/gcommandSequence.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyPoll.h"
#include "ports/portFields.h"
#include "ports/ui/CEditPollDialog.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/portDialogItems.h"
#include "resources/stringTable.h"
#include "shell/CProgramCombo.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"
#include "shell/programArgumentsDialog.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <QListWidget>
#include <memory>
#include <vector>

namespace {

constexpr int newDevice = 10163;
constexpr int allDriversUsed = 10220;
constexpr int somePollsGo = 10012;
constexpr int allPollsGo = 10603;

// A copy with the same payload kind, command, device and count.
gcommandSequenceEntry* copyEntry(const gcommandSequenceEntry& source)
{
    if (const glegacyPoll* poll = source.getLegacyPoll())
        return new gcommandSequenceEntry(new glegacyPoll(*poll));
    auto request = std::make_unique<gcommandRequest>();
    if (source.getRequest())
        request->copy(*source.getRequest());
    return new gcommandSequenceEntry(request.release());
}

// The copy bound to the driver: its poll, when it addressed the removed
// device, now addresses "this device" with the driver's command of the same
// tag. Null (the copy deleted) when the driver lacks that command.
gcommandSequenceEntry* reboundCopy(const gcommandSequenceEntry& source, glegacyDriver& driver,
                                   const glegacyDevice* removed)
{
    std::unique_ptr<gcommandSequenceEntry> copy(copyEntry(source));
    glegacyPoll* poll = copy->getLegacyPoll();
    if (poll && !poll->rebindDriver(driver, removed))
        return nullptr;
    return copy.release();
}

gstr entryText(const gcommandSequenceEntry& entry)
{
    gstr text("");
    entry.describe(text, true);
    return text;
}

} // namespace

CEditLegacyDeviceDialog::CEditLegacyDeviceDialog(CEditSerialPortDialog* owner, glegacyDevice* start,
                                                 glegacyDriver* newDriver, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner), start_(start), newDriver_(newDriver),
      edit_(newDriver ? nullptr : start), driver_(edit_ ? edit_->getDriver() : newDriver)
{
    setWindowTitle(QStringLiteral("Edit Device"));
    setDialogSize(280, 236);
    addLabel(-1, "&Driver:", 7, 9, 50, 8);
    addComboBox(driverId, false, 80, 7, 130, 100);
    addLabel(-1, "&Name:", 7, 25, 50, 8);
    addEdit(nameId, 80, 23, 130, 12);
    addCheckBox(reinitId, "&Reinitialize after timeout", 7, 41, 130, 10);
    addLabel(-1, "&Timeout tolerance:", 7, 57, 70, 8);
    tolerance_ = addControl(toleranceId, new CUnsignedSpinEdit, 80, 55, 50, 12);
    addLabel(-1, "&Initialization sequence:", 7, 73, 100, 8);
    list_ = addListBox(sequenceId, 7, 83, 200, 70);
    addButton(editId, "&Edit...", 212, 83, 60, 14);
    addButton(deleteId, "De&lete", 212, 99, 60, 14);
    addButton(duplicateId, "D&uplicate", 212, 115, 60, 14);
    addButton(newId, "Ne&w...", 212, 131, 60, 14);

    addGroupBox(-1, "Controls", 7, 158, 266, 58);
    addLabel(-1, "Di&sable device:", 13, 170, 60, 8);
    disableCombo_ = addControl(disableComboId, new CProgramCombo(&disableCall_), 76, 168, 140, 60);
    addButton(disableArgsId, "Arguments...", 220, 167, 48, 14);
    addLabel(-1, "En&able device:", 13, 186, 60, 8);
    enableCombo_ = addControl(enableComboId, new CProgramCombo(&enableCall_), 76, 184, 140, 60);
    addButton(enableArgsId, "Arguments...", 220, 183, 48, 14);
    addLabel(messageLabelId, "Receive &message:", 13, 202, 60, 8);
    messageCombo_ = addControl(messageComboId, new CProgramCombo(&messageCall_), 76, 200, 140, 60);
    addButton(messageArgsId, "Arguments...", 220, 199, 48, 14);
    addButton(IDOK, "OK", 167, 220, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 223, 220, 50, 14);
    enableEntryButtons(false);

    onCommand(newId, [this] { OnNewPoll(); });
    onCommand(editId, [this] { OnEditPoll(); });
    onCommand(deleteId, [this] { OnDeletePoll(); });
    onCommand(duplicateId, [this] { OnDuplicatePoll(); });
    onCommand(disableArgsId, [this] { runArgs(disableCall_, disableCombo_); });
    onCommand(enableArgsId, [this] { runArgs(enableCall_, enableCombo_); });
    onCommand(messageArgsId, [this] { runArgs(messageCall_, messageCombo_); });
    QObject::connect(controlAs<QComboBox>(driverId), &QComboBox::activated, this, [this] { OnDriverChange(); });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnEditPoll(); });
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this,
                     [this] { enableEntryButtons(portItems::selectedRow(*list_) >= 0); });
    const std::pair<CProgramCombo*, int> argsOf[] = {
        {disableCombo_, disableArgsId}, {enableCombo_, enableArgsId}, {messageCombo_, messageArgsId}};
    for (auto [combo, args] : argsOf) {
        QObject::connect(combo, &QComboBox::currentIndexChanged, this,
                         [this, combo = combo, args = args] { enableControl(args, combo->isEnabled() && combo->currentIndex() > 0); });
    }
}

CEditLegacyDeviceDialog::~CEditLegacyDeviceDialog()
{
    if (initialised_)
        deleteEntries();
}

void CEditLegacyDeviceDialog::deleteEntries()
{
    for (int row = 0; row < list_->count(); ++row) {
        delete entryAt(row);
        list_->item(row)->setData(Qt::UserRole, portItems::data<gcommandSequenceEntry>(nullptr));
    }
}

int CEditLegacyDeviceDialog::entryCount() const { return list_->count(); }

gcommandSequenceEntry* CEditLegacyDeviceDialog::entryAt(int row) const
{
    return portItems::at<gcommandSequenceEntry>(*list_, row);
}

bool CEditLegacyDeviceDialog::OnInitDialog()
{
    bool wait = owner_->waitsForData();
    if (start_) {
        fillFromDevice(*start_, wait);
    } else {
        setChecked(reinitId, true);
        tolerance_->setValue(0);
    }
    if (!fillDrivers()) {
        messageBox(allDriversUsed, gbuttons::ok);
        EndDialog(IDCANCEL);
        return true;
    }
    initialised_ = true;
    fillPrograms(wait);
    return true;
}

void CEditLegacyDeviceDialog::fillFromDevice(glegacyDevice& device, bool wait)
{
    setControlText(nameId, device.getTitle());
    setChecked(reinitId, device.getInitOnTimeout() != 0);
    tolerance_->setValue(static_cast<uint32_t>(std::max(device.getTolerance(), 0)));
    for (const gcommandSequenceEntry* e = device.initSequence().first(); e; e = e->getNext()) {
        gcommandSequenceEntry* copy = driver_ ? reboundCopy(*e, *driver_, start_) : nullptr;
        if (copy)
            portItems::insertRow(*list_, -1, entryText(*copy), portItems::data(copy));
    }
    enableCall_.assign(device.getEnableControl());
    disableCall_.assign(device.getDisableControl());
    if (wait)
        messageCall_.assign(device.getMessageControl());
}

// Edit: the device's own driver alone. New and Duplicate: every legacy driver
// that no device of the port uses. False when there is none.
bool CEditLegacyDeviceDialog::fillDrivers()
{
    auto* combo = controlAs<QComboBox>(driverId);
    if (edit_) {
        if (driver_)
            portItems::insertSorted(*combo, driver_->getTitle(true), portItems::data(driver_));
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        combo->setEnabled(false);
        driverRow_ = combo->currentIndex();
        return true;
    }
    setWindowTitle(toUiText(stringTableText(newDevice)));
    jhashTypedIterator<glegacyDriver> it(station::legacyDrivers());
    glegacyDriver* driver = nullptr;
    while (it.get(driver)) {
        const glegacyDevice* used = owner_->workingLegacyDevices().find(driver->getTag());
        if (driver->isDefined() && !(used && used->isDefined()))
            portItems::insertSorted(*combo, driver->getTitle(true), portItems::data(driver));
    }
    if (combo->count() == 0)
        return false;
    int row = driver_ ? portItems::indexOfData(*combo, portItems::data(driver_)) : -1;
    if (row < 0) {
        row = 0;
        driver_ = portItems::at<glegacyDriver>(*combo, 0);
    }
    combo->setCurrentIndex(row);
    driverRow_ = row;
    return true;
}

void CEditLegacyDeviceDialog::fillPrograms(bool wait)
{
    disableCombo_->fill(true);
    enableCombo_->fill(true);
    if (wait)
        messageCombo_->fill(true);
    enableControl(messageLabelId, wait);
    enableControl(messageComboId, wait);
    enableControl(disableArgsId, disableCombo_->currentIndex() > 0);
    enableControl(enableArgsId, enableCombo_->currentIndex() > 0);
    enableControl(messageArgsId, wait && messageCombo_->currentIndex() > 0);
}

void CEditLegacyDeviceDialog::runArgs(gprocessorCall& call, CProgramCombo* combo)
{
    if (editProgramArguments(call, this))
        combo->update();
}

void CEditLegacyDeviceDialog::OnDriverChange()
{
    auto* combo = controlAs<QComboBox>(driverId);
    glegacyDriver* chosen = portItems::selected<glegacyDriver>(*combo);
    if (!chosen || chosen == driver_)
        return;
    int selected = portItems::selectedRow(*list_);
    std::vector<gcommandSequenceEntry*> kept;
    int keptSelection = -1;
    bool removed = false;
    for (int row = 0; row < list_->count(); ++row) {
        const gcommandSequenceEntry* entry = entryAt(row);
        gcommandSequenceEntry* copy = entry ? reboundCopy(*entry, *chosen, nullptr) : nullptr;
        if (!copy) {
            removed = true;
            continue;
        }
        if (row == selected)
            keptSelection = static_cast<int>(kept.size());
        kept.push_back(copy);
    }
    if (removed && messageBox(kept.empty() ? allPollsGo : somePollsGo, gbuttons::okCancel) != ganswer::ok) {
        for (gcommandSequenceEntry* copy : kept)
            delete copy;
        combo->setCurrentIndex(driverRow_);
        return;
    }
    list_->setUpdatesEnabled(false);
    deleteEntries();
    list_->clear();
    for (gcommandSequenceEntry* copy : kept)
        portItems::insertRow(*list_, -1, entryText(*copy), portItems::data(copy));
    list_->setUpdatesEnabled(true);
    portItems::selectRow(*list_, keptSelection);
    enableEntryButtons(portItems::selectedRow(*list_) >= 0);
    driver_ = chosen;
    driverRow_ = combo->currentIndex();
}

// --- the initialization sequence ---

void CEditLegacyDeviceDialog::enableEntryButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

void CEditLegacyDeviceDialog::insertEntry(int row, gcommandSequenceEntry* entry)
{
    row = portItems::insertRow(*list_, row, entryText(*entry), portItems::data(entry));
    portItems::selectRow(*list_, row);
    enableEntryButtons(true);
}

bool CEditLegacyDeviceDialog::runPollDialog(gcommandSequenceEntry* start, gcommandSequenceEntry* edit,
                                            gcommandSequenceEntry*& made)
{
    CEditPollDialog dialog(owner_, start, edit, this);
    if (edit_ && !newDriver_)
        dialog.tieToLegacyDevice(edit_);
    else
        dialog.setTiedLegacyDriver(driver_);
    if (dialog.DoModal() != IDOK)
        return false;
    made = dialog.editedEntry();
    return true;
}

void CEditLegacyDeviceDialog::OnNewPoll()
{
    int selected = portItems::selectedRow(*list_);
    gcommandSequenceEntry* made = nullptr;
    if (runPollDialog(nullptr, nullptr, made))
        insertEntry(selected, made);
}

void CEditLegacyDeviceDialog::OnEditPoll()
{
    int row = portItems::selectedRow(*list_);
    gcommandSequenceEntry* entry = entryAt(row);
    gcommandSequenceEntry* made = nullptr;
    if (!entry || !runPollDialog(entry, entry, made))
        return;
    portItems::setRowText(*list_, row, entryText(*entry));
    portItems::selectRow(*list_, row);
}

void CEditLegacyDeviceDialog::OnDuplicatePoll()
{
    int row = portItems::selectedRow(*list_);
    gcommandSequenceEntry* entry = entryAt(row);
    gcommandSequenceEntry* made = nullptr;
    if (entry && runPollDialog(entry, nullptr, made))
        insertEntry(row + 1, made);
}

void CEditLegacyDeviceDialog::OnDeletePoll()
{
    int row = portItems::selectedRow(*list_);
    gcommandSequenceEntry* entry = entryAt(row);
    if (!entry)
        return;
    delete entry;
    delete list_->takeItem(row);
    portItems::selectRow(*list_, std::min(row, list_->count() - 1));
    if (list_->count() == 0)
        enableEntryButtons(false);
}

// --- OK ---

void CEditLegacyDeviceDialog::OnOK()
{
    bool wait = owner_->waitsForData();
    uint32_t tolerance = 0;
    const gintegerField& field = portFields::tolerance;
    if (!fieldEdits::readInteger(*tolerance_, field, start_ ? start_->getTolerance() : -1, 0xFFFFFFFF, tolerance)) {
        messageBox(field.refusal, gbuttons::ok);
        return;
    }
    if (!edit_) {
        // The drivers offered are those no device of the port uses, so the
        // tag is free; a placeholder of it is taken over.
        glegacyDevice* made = driver_ ? owner_->workingLegacyDevices().define(driver_->getTag()) : nullptr;
        if (!made) {
            messageBox(allDriversUsed, gbuttons::ok);
            return;
        }
        made->setPort(nullptr);
        edit_ = made;
    }
    edit_->setTitle(controlText(nameId));
    edit_->setTolerance(static_cast<int32_t>(tolerance));
    edit_->setInitOnTimeout(isChecked(reinitId) ? 1 : 0);
    gcommandSequence collected(gcommandSequence::legacyInit, kw::NONE);
    for (int row = 0; row < list_->count(); ++row) {
        gcommandSequenceEntry* entry = entryAt(row);
        if (!entry)
            continue;
        if (glegacyPoll* poll = entry->getLegacyPoll(); poll && !poll->getDevice())
            poll->setDevice(edit_);
        collected.append(entry);
        list_->item(row)->setData(Qt::UserRole, portItems::data<gcommandSequenceEntry>(nullptr));
    }
    edit_->initSequence().takeOver(collected);
    edit_->initSequence().setOwner(nullptr, edit_);
    enableCall_.setProgram(enableCombo_->selectedProgram());
    disableCall_.setProgram(disableCombo_->selectedProgram());
    if (wait)
        messageCall_.setProgram(messageCombo_->selectedProgram());
    edit_->setEnableControl(enableCall_);
    edit_->setDisableControl(disableCall_);
    edit_->setMessageControl(messageCall_);
    EndDialog(IDOK);
}
