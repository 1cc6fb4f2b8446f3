#include "ports/ui/CEditDeviceDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driver.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "ports/gcommandSequence.h"
#include "ports/gdevice.h"
#include "ports/portFields.h"
#include "ports/ui/CCommandsToSendPage.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/portDialogItems.h"
#include "resources/stringTable.h"
#include "shell/CProgramCombo.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"
#include "shell/programArgumentsDialog.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <QLineEdit>
#include <QTabBar>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Device";
constexpr int newDevice = 10163;
constexpr int noDrivers = 10600;
constexpr int driverInUse = 20039;
constexpr int pollsWillGo = 10602;
constexpr int tagTaken = 10601;

struct tab {
    int text;
    int description;
};
// The top of OK and Cancel without driver parameters.
constexpr int buttonsTop = 226;

constexpr tab tabs[] = {{10583, 10586}, {10584, 10587}, {10585, 10588}};

} // namespace

CEditDeviceDialog::CEditDeviceDialog(CEditSerialPortDialog* owner, gdevice* start, gdevice* edit, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner), start_(start), edit_(edit)
{
    setWindowTitle(QStringLiteral("Edit Device"));
    setDialogSize(300, 244);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 50, 7, 90, 12);
    addLabel(-1, "&Name:", 7, 25, 40, 8);
    addEdit(nameId, 50, 23, 90, 12);
    addLabel(-1, "D&river:", 150, 9, 40, 8);
    addComboBox(driverId, false, 190, 7, 103, 100);
    addCheckBox(customRetriesId, "&Custom retries:", 150, 25, 64, 10);
    retries_ = addControl(retriesId, new CNonNegativeSpinEdit, 216, 23, 40, 12);
    addCheckBox(noDriverInitId, "Don't &use the device driver's init sequences", 150, 39, 143, 10);

    addGroupBox(-1, "Controls", 7, 52, 286, 62);
    addLabel(-1, "Di&sable device:", 13, 64, 60, 8);
    disableCombo_ = addControl(disableComboId, new CProgramCombo(&disableCall_), 76, 62, 160, 60);
    addButton(disableArgsId, "Args...", 240, 61, 46, 14);
    addLabel(-1, "En&able device:", 13, 80, 60, 8);
    enableCombo_ = addControl(enableComboId, new CProgramCombo(&enableCall_), 76, 78, 160, 60);
    addButton(enableArgsId, "Args...", 240, 77, 46, 14);
    addLabel(messageLabelId, "Receive &message:", 13, 96, 60, 8);
    messageCombo_ = addControl(messageComboId, new CProgramCombo(&messageCall_), 76, 94, 160, 60);
    addButton(messageArgsId, "Args...", 240, 93, 46, 14);
    for (CProgramCombo* combo : {disableCombo_, enableCombo_, messageCombo_})
        combo->setSorted(true);

    tabs_ = addControl(tabsId, new QTabBar, 7, 118, 286, 14);
    addControl(pagePlaceId, new QWidget, 16, 134, 262, 92)->hide();
    addButton(IDOK, "OK", 187, buttonsTop, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 243, buttonsTop, 50, 14);
    panel_ = addControl(panelId, new CParameterValuesPanel(false), 7, buttonsTop, 286, 0);
    enableControl(retriesId, false);

    onCommand(customRetriesId, [this] { OnCustomRetries(); });
    onCommand(disableArgsId, [this] { runArgs(disableCall_, disableCombo_); });
    onCommand(enableArgsId, [this] { runArgs(enableCall_, enableCombo_); });
    onCommand(messageArgsId, [this] { runArgs(messageCall_, messageCombo_); });
    QObject::connect(controlAs<QComboBox>(driverId), &QComboBox::activated, this, [this] { OnDriverChange(); });
    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this] { OnTabChange(); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
    const std::pair<CProgramCombo*, int> argsOf[] = {
        {disableCombo_, disableArgsId}, {enableCombo_, enableArgsId}, {messageCombo_, messageArgsId}};
    for (auto [combo, args] : argsOf) {
        QObject::connect(combo, &QComboBox::currentIndexChanged, this,
                         [this, combo = combo, args = args] { enableControl(args, combo->isEnabled() && combo->currentIndex() > 0); });
    }
}

// The tab shown last is shown first next time.
CEditDeviceDialog::~CEditDeviceDialog()
{
    if (tabs_->currentIndex() >= 0)
        writeProfileInt(settingsSection, "ActivePane", tabs_->currentIndex());
}

bool CEditDeviceDialog::OnInitDialog()
{
    noted_ = size();
    for (size_t i = 0; i < std::size(tabs); ++i) {
        tabs_->addTab(toUiText(stringTableText(tabs[i].text)));
        pages_[i] = new CDeviceCommandsToSendPage(*this);
        pages_[i]->create(pagePlaceId, tabs[i].description, *this);
        pages_[i]->hide();
    }
    int active = profileInt(settingsSection, "ActivePane", 0);
    tabs_->setCurrentIndex(active >= 0 && active < 3 ? active : 0);
    OnTabChange();

    bool wait = owner_->waitsForData();
    if (start_) {
        fillFromDevice(*start_, wait);
    } else {
        setControlText(retriesId, "1");
        enableControl(IDOK, false);
    }
    if (edit_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        setWindowTitle(toUiText(stringTableText(newDevice)));
        focusControl(tagId);
    }
    if (!fillDrivers()) {
        messageBox(noDrivers, gbuttons::ok);
        EndDialog(IDCANCEL);
        return false;
    }
    layOutParameters();
    if (start_)
        panel_->setValues(start_->parameterValues());
    fillPrograms(wait);
    fieldEdits::limitSpin(*retries_, portFields::deviceRetries);
    return false;
}

void CEditDeviceDialog::fillFromDevice(gdevice& device, bool wait)
{
    setControlText(tagId, device.getName());
    setControlText(nameId, device.getDisplayName(edit_ != nullptr));
    driver_ = device.getDriver();
    bool custom = device.getRetries() > 0;
    setChecked(customRetriesId, custom);
    enableControl(retriesId, custom);
    if (custom)
        retries_->setValue(device.getRetries());
    pages_[0]->fill(device.firstTimeSequence(), &device);
    pages_[1]->fill(device.reinitSequence(), &device);
    pages_[2]->fill(device.commonSequence(), &device);
    enableCall_.assign(device.getEnableControl());
    disableCall_.assign(device.getDisableControl());
    if (wait)
        messageCall_.assign(device.getMessageControl());
    setChecked(noDriverInitId, device.getDefaultInit() == 1);
}

// One item per defined G2 driver of the station; false when there is none.
bool CEditDeviceDialog::fillDrivers()
{
    auto* combo = controlAs<QComboBox>(driverId);
    jhashTypedIterator<g2driver> it(station::g2Drivers());
    g2driver* driver = nullptr;
    while (it.get(driver)) {
        if (driver->isDefined())
            portItems::insertSorted(*combo, driver->getTag(), portItems::data(driver));
    }
    if (combo->count() == 0)
        return false;
    int row = driver_ ? portItems::indexOfData(*combo, portItems::data(driver_)) : -1;
    if (row < 0) {
        row = 0;
        driver_ = portItems::at<g2driver>(*combo, 0);
    }
    combo->setCurrentIndex(row);
    driverRow_ = row;
    return true;
}

// The driver's parameters go under the tab pages, and OK and Cancel move
// down below them, so that the buttons stay at the dialog's bottom edge.
void CEditDeviceDialog::layOutParameters()
{
    int top = dialogUnitsY(buttonsTop);
    panel_->move(panel_->x(), top);
    int height = driver_ ? panel_->setParameters(driver_->parameters().ordered()) : 0;
    if (height > 0)
        height += dialogUnitsY(4);
    for (int id : {IDOK, IDCANCEL})
        control(id)->move(control(id)->x(), top + height);
    resize(noted_.width(), noted_.height() + height);
}

void CEditDeviceDialog::fillPrograms(bool wait)
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

void CEditDeviceDialog::runArgs(gprocessorCall& call, CProgramCombo* combo)
{
    if (editProgramArguments(call, this))
        combo->update();
}

// The G2 driver holds no retry count of its own yet, so while the box is
// clear the disabled field keeps the count it showed.
void CEditDeviceDialog::OnCustomRetries() { enableControl(retriesId, isChecked(customRetriesId)); }

void CEditDeviceDialog::OnTabChange()
{
    int shown = tabs_->currentIndex();
    for (int i = 0; i < 3; ++i) {
        if (pages_[static_cast<size_t>(i)])
            pages_[static_cast<size_t>(i)]->setVisible(i == shown);
    }
}

void CEditDeviceDialog::OnDriverChange()
{
    auto* combo = controlAs<QComboBox>(driverId);
    g2driver* chosen = portItems::selected<g2driver>(*combo);
    if (!chosen || chosen == driver_)
        return;
    if (edit_ && !edit_->isUnused()) {
        edit_->reportInUse(driverInUse);
        combo->setCurrentIndex(driverRow_);
        return;
    }
    bool hasPolls = false;
    for (CDeviceCommandsToSendPage* page : pages_)
        hasPolls = hasPolls || page->hasEntries();
    if (hasPolls && messageBox(pollsWillGo, gbuttons::okCancel) != ganswer::ok) {
        combo->setCurrentIndex(driverRow_);
        return;
    }
    driver_ = chosen;
    driverRow_ = combo->currentIndex();
    layOutParameters();
    for (CDeviceCommandsToSendPage* page : pages_)
        page->removeAll();
}

bool CEditDeviceDialog::readRetries(int32_t& retries)
{
    retries = 0;
    if (!isChecked(customRetriesId))
        return true;
    const gintegerField& field = portFields::deviceRetries;
    return fieldEdits::readInteger(*retries_, field, start_ ? start_->getRetries() : 0, 0, retries) ||
           refuseField(retriesId, field.refusal);
}

void CEditDeviceDialog::OnOK()
{
    bool wait = owner_->waitsForData();
    int32_t retries = 0;
    if (!readRetries(retries))
        return;
    g2driverParameterValueTable values(5);
    if (!panel_->getValues(values, false))
        return;
    gstr tag = controlText(tagId);
    gstr name = controlText(nameId);
    if (!edit_) {
        gdevice* made = owner_->workingDevices().define(tag);
        if (!made) {
            refuseField(tagId, tagTaken);
            return;
        }
        edit_ = made;
    }
    // A name left as it was keeps a title that equals the tag.
    if (name != edit_->getTitle())
        edit_->setTitle(!name.isEmpty() && name.compare(tag) != 0 ? gstrSlice(name) : gstrSlice::empty);
    edit_->setDriver(portItems::selected<g2driver>(*controlAs<QComboBox>(driverId)));
    edit_->setParameterValues(values);
    edit_->setRetries(retries);
    gcommandSequence* sequences[] = {&edit_->firstTimeSequence(), &edit_->reinitSequence(), &edit_->commonSequence()};
    for (size_t i = 0; i < 3; ++i) {
        gcommandSequence collected(gcommandSequence::deviceInit, kw::NONE);
        pages_[i]->collect(collected, edit_);
        sequences[i]->takeOver(collected);
        sequences[i]->setOwner(nullptr, edit_);
    }
    edit_->setDefaultInit(isChecked(noDriverInitId) ? 1 : 0);
    enableCall_.setProgram(enableCombo_->selectedProgram());
    disableCall_.setProgram(disableCombo_->selectedProgram());
    if (wait)
        messageCall_.setProgram(messageCombo_->selectedProgram());
    edit_->setEnableControl(enableCall_);
    edit_->setDisableControl(disableCall_);
    edit_->setMessageControl(messageCall_);
    EndDialog(IDOK);
}
