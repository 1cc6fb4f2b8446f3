#include "registers/sources/ui/CTimeoutSourcePane.h"

#include "foundation/jhashIterator.h"
#include "platform/textCodec.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "registers/gbistateSupplement.h"
#include "registers/sources/gsourceTimeout.h"
#include "resources/stringTable.h"
#include "store/gstation.h"

#include <QComboBox>
#include <algorithm>

namespace {

constexpr int noPorts = 10186;
constexpr int allDevices = 10003;

QVariant pointerData(const void* object)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(object));
}

// The station's serial ports in the order of the names they are shown by;
// the held port among them even when the file never defined it, so that an
// unchanged source is written back as it was read.
std::vector<gserialPort*> sortedPorts(gserialPort* held)
{
    std::vector<gserialPort*> ports;
    jhashTypedIterator<gserialPort> it(station::serialPorts());
    gserialPort* port = nullptr;
    while (it.get(port)) {
        if (port->isDefined() || port == held)
            ports.push_back(port);
    }
    std::stable_sort(ports.begin(), ports.end(), [](gserialPort* a, gserialPort* b) {
        return a->getTitle(true).compare(b->getTitle(true)) < 0;
    });
    return ports;
}

template <class D>
D* definedOnly(D* found)
{
    return found && found->isDefined() ? found : nullptr;
}

} // namespace

std::unique_ptr<CSourcePane> CTimeoutSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CTimeoutSourcePane>();
    if (auto* timeout = dynamic_cast<const gsourceTimeout*>(source)) {
        pane->port_ = timeout->getPort();
        pane->device_ = timeout->getDevice();
        pane->legacyDevice_ = timeout->getLegacyDevice();
    }
    return pane;
}

bool CTimeoutSourcePane::create(CRegisterDialog& dialog)
{
    addLabel(-1, "&Port:", 0, 2, 50, 8);
    QComboBox* ports = addComboBox(portId, false, 54, 0, 160, 12);
    addLabel(-1, "&Device:", 0, 18, 50, 8);
    addComboBox(deviceId, false, 54, 16, 160, 12);
    becomeChildOf(dialog, 286, 32);
    for (gserialPort* port : sortedPorts(port_))
        ports->addItem(toUiText(port->getTitle(true)), pointerData(port));
    if (ports->count() == 0)
        return refuseCreate(noPorts);
    int held = port_ ? ports->findData(pointerData(port_)) : -1;
    if (held < 0) {
        held = 0;
        port_ = reinterpret_cast<gserialPort*>(ports->itemData(0).value<quintptr>());
        device_ = nullptr;
        legacyDevice_ = nullptr;
    }
    ports->setCurrentIndex(held);
    fillDevices();
    QObject::connect(ports, &QComboBox::currentIndexChanged, this, [this] { portChanged(); });
    return true;
}

QComboBox& CTimeoutSourcePane::ports() const { return *controlAs<QComboBox>(portId); }

QComboBox& CTimeoutSourcePane::devices() const { return *controlAs<QComboBox>(deviceId); }

gserialPort* CTimeoutSourcePane::selectedPort() const
{
    int index = ports().currentIndex();
    return index < 0 ? nullptr : reinterpret_cast<gserialPort*>(ports().itemData(index).value<quintptr>());
}

CTimeoutSourcePane::deviceEntry CTimeoutSourcePane::selectedDevice() const
{
    int index = devices().currentIndex() - 1;
    if (index < 0 || static_cast<size_t>(index) >= entries_.size())
        return {};
    return entries_[static_cast<size_t>(index)];
}

// The devices of the held port in its order, each by its display name, with
// "<all>" first for the whole port; a held device the port's list lacks (one
// the file never defined) comes last.
void CTimeoutSourcePane::fillDevices()
{
    QComboBox& list = devices();
    list.clear();
    entries_.clear();
    list.addItem(toUiText(gstrSlice(stringTableText(allDevices))));
    int selected = 0;
    for (gdeviceRef* ref = port_ ? port_->firstDevice() : nullptr; ref; ref = ref->getNext()) {
        deviceEntry entry{ref->getDevice(), ref->getLegacyDevice()};
        if (!entry.device && !entry.legacyDevice)
            continue;
        addDevice(entry);
        if ((entry.device && entry.device == device_) || (entry.legacyDevice && entry.legacyDevice == legacyDevice_))
            selected = list.count() - 1;
    }
    if (selected == 0 && (device_ || legacyDevice_)) {
        addDevice({device_, device_ ? nullptr : legacyDevice_});
        selected = list.count() - 1;
    }
    list.setCurrentIndex(selected);
}

void CTimeoutSourcePane::addDevice(const deviceEntry& entry)
{
    if (entry.device)
        devices().addItem(toUiText(entry.device->getDisplayName(true)));
    else
        devices().addItem(toUiText(entry.legacyDevice->getDisplayName()));
    entries_.push_back(entry);
}

// The device of the same tag as the one selected before is kept, as a G2
// device or a legacy device, when the new port has one.
void CTimeoutSourcePane::portChanged()
{
    deviceEntry before = selectedDevice();
    port_ = selectedPort();
    device_ = nullptr;
    legacyDevice_ = nullptr;
    const gstr* tag = before.device ? &before.device->getName()
                      : before.legacyDevice ? &before.legacyDevice->getName()
                                            : nullptr;
    if (port_ && tag) {
        device_ = definedOnly(port_->devices().find(*tag));
        legacyDevice_ = definedOnly(port_->legacyDevices().find(*tag));
    }
    fillDevices();
}

bool CTimeoutSourcePane::validate()
{
    deviceEntry chosen = selectedDevice();
    port_ = selectedPort();
    device_ = chosen.device;
    legacyDevice_ = chosen.legacyDevice;
    return true;
}

void CTimeoutSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    sourceAs<gsourceTimeout>(supplement.newTimeoutSource()).set(port_, device_, legacyDevice_);
}
