#include "ports/ui/CDuplicateDeviceDialog.h"

#include "foundation/jhashIterator.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/portDialogItems.h"

CDuplicateDeviceDialog::CDuplicateDeviceDialog(CEditSerialPortDialog* owner, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner)
{
    setWindowTitle(QStringLiteral("Duplicate Device"));
    setDialogSize(200, 60);
    addLabel(-1, "&Source device:", 7, 9, 55, 8);
    addComboBox(sourceId, false, 64, 7, 130, 100);
    addLabel(-1, "&New device:", 7, 25, 55, 8);
    addComboBox(targetId, false, 64, 23, 130, 100);
    addButton(IDOK, "&Duplicate", 84, 42, 52, 14, true);
    addButton(IDCANCEL, "&Close", 142, 42, 52, 14);
    QObject::connect(controlAs<QComboBox>(sourceId), &QComboBox::activated, this, [this] { OnSourceChange(); });
}

CDuplicateDeviceDialog::~CDuplicateDeviceDialog() = default;

bool CDuplicateDeviceDialog::OnInitDialog()
{
    auto* combo = controlAs<QComboBox>(sourceId);
    jhashTypedIterator<glegacyDevice> legacy(owner_->workingLegacyDevices());
    glegacyDevice* l = nullptr;
    while (legacy.get(l)) {
        if (!l->isDefined())
            continue;
        sources_.push_back(std::make_unique<gdeviceRef>(l));
        portItems::insertSorted(*combo, l->getDisplayName(), portItems::data(sources_.back().get()));
    }
    jhashTypedIterator<gdevice> g2(owner_->workingDevices());
    gdevice* d = nullptr;
    while (g2.get(d)) {
        if (!d->isDefined())
            continue;
        sources_.push_back(std::make_unique<gdeviceRef>(d));
        portItems::insertSorted(*combo, d->getDisplayName(true), portItems::data(sources_.back().get()));
    }
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    OnSourceChange();
    return true;
}

// The devices that can take the source's polls; the device chosen before
// stays chosen when it can.
void CDuplicateDeviceDialog::OnSourceChange()
{
    auto* targets = controlAs<QComboBox>(targetId);
    const gdeviceRef* kept = portItems::selected<gdeviceRef>(*targets);
    const void* keptDevice = kept ? (kept->getDevice() ? static_cast<const void*>(kept->getDevice())
                                                       : static_cast<const void*>(kept->getLegacyDevice()))
                                  : nullptr;
    targets->clear();
    targets_.clear();
    const gdeviceRef* source = portItems::selected<gdeviceRef>(*controlAs<QComboBox>(sourceId));
    int select = -1;
    if (source && source->getDevice()) {
        jhashTypedIterator<gdevice> it(owner_->workingDevices());
        gdevice* d = nullptr;
        while (it.get(d)) {
            if (!d->isDefined() || d == source->getDevice() || d->getDriver() != source->getDevice()->getDriver())
                continue;
            targets_.push_back(std::make_unique<gdeviceRef>(d));
            portItems::insertSorted(*targets, d->getDisplayName(true), portItems::data(targets_.back().get()));
        }
    } else if (source) {
        jhashTypedIterator<glegacyDevice> it(owner_->workingLegacyDevices());
        glegacyDevice* l = nullptr;
        while (it.get(l)) {
            if (!l->isDefined() || l == source->getLegacyDevice())
                continue;
            targets_.push_back(std::make_unique<gdeviceRef>(l));
            portItems::insertSorted(*targets, l->getDisplayName(), portItems::data(targets_.back().get()));
        }
    }
    for (int i = 0; i < targets->count() && keptDevice; ++i) {
        const gdeviceRef* ref = portItems::at<gdeviceRef>(*targets, i);
        if (ref->getDevice() == keptDevice || ref->getLegacyDevice() == keptDevice)
            select = i;
    }
    targets->setCurrentIndex(select >= 0 ? select : (targets->count() > 0 ? 0 : -1));
    enableControl(IDOK, targets->currentIndex() >= 0);
}

void CDuplicateDeviceDialog::OnOK()
{
    const gdeviceRef* source = portItems::selected<gdeviceRef>(*controlAs<QComboBox>(sourceId));
    const gdeviceRef* target = portItems::selected<gdeviceRef>(*controlAs<QComboBox>(targetId));
    if (source && target)
        owner_->duplicatePolls(*source, *target);
}
