#include "registers/sources/gsourceTimeout.h"

#include "legacy/glegacyDriver.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/sources/sourceFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

namespace {

constexpr int deviceNotInPort = 20220;
constexpr int retainedDevice = 20222;
constexpr int retainedPort = 20224;
constexpr int retainedDeviceInPort = 20225;

// Exactly two non-empty text items.
bool readTwoTags(const gstr& value, gstr& first, gstr& second)
{
    const char* next = nullptr;
    if (first.parse(value.data(), next) != 2 || first.isEmpty())
        return false;
    return second.parse(next) == 1 && !second.isEmpty();
}

template <class D>
D* defined(D* found)
{
    return found && found->isDefined() ? found : nullptr;
}

} // namespace

void gsourceTimeout::set(gserialPort* port, gdevice* device, glegacyDevice* legacyDevice)
{
    port_ = port;
    device_ = device;
    legacyDevice_ = device ? nullptr : legacyDevice;
    relink();
}

void gsourceTimeout::relink()
{
    uses_.clear();
    if (port_)
        uses_.add(port_->usedBy());
    if (device_)
        uses_.add(*device_);
    else if (legacyDevice_)
        uses_.add(*legacyDevice_);
}

std::unique_ptr<gregisterSource> gsourceTimeout::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceTimeout>(owner);
    copy->set(port_, device_, legacyDevice_);
    return copy;
}

void gsourceTimeout::writeFields(CObjectFile& file, int indent) const
{
    if (!port_)
        return;
    const gstr* device = deviceTag();
    gkeyword::byToken(device_ ? kw::G2DEVICE : device ? kw::DEVICE : kw::PORT).writeKey(file, indent);
    port_->getTag().write(file, device ? 2 : 1);
    if (device)
        device->write(file, 1);
}

const gstr* gsourceTimeout::deviceTag() const
{
    if (device_)
        return &device_->getName();
    return legacyDevice_ ? &legacyDevice_->getName() : nullptr;
}

gloadStatus gsourceTimeout::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::G2DEVICE: return loadDevice(value, true);
    case kw::DEVICE: return loadDevice(value, false);
    case kw::PORT: return loadPort(value);
    case kw::DRIVER: return loadDriver(value);
    default: return gbistateRegisterSource::loadField(token, value);
    }
}

gloadStatus gsourceTimeout::loadDevice(const gstr& value, bool g2)
{
    if (port_ || pendingDriver_)
        return gload::alreadyLoaded;
    gstr portTag;
    gstr deviceTag;
    if (!readTwoTags(value, portTag, deviceTag))
        return gload::invalidValue;
    gserialPort* port = station::serialPorts().reference(portTag);
    if (g2)
        set(port, port->getDevice(deviceTag), nullptr);
    else
        set(port, nullptr, port->getLegacyDevice(deviceTag));
    return gload::accepted;
}

gloadStatus gsourceTimeout::loadPort(const gstr& value)
{
    if (port_)
        return gload::alreadyLoaded;
    gstr tag;
    if (!readTagItem(value, tag))
        return gload::invalidValue;
    gserialPort* port = station::serialPorts().reference(tag);
    glegacyDevice* device = pendingDriver_ ? port->getLegacyDevice(pendingDriver_->getTag()) : nullptr;
    pendingDriver_ = nullptr;
    set(port, nullptr, device);
    return gload::accepted;
}

gloadStatus gsourceTimeout::loadDriver(const gstr& value)
{
    if (device_ || legacyDevice_ || pendingDriver_)
        return gload::alreadyLoaded;
    gstr tag;
    if (!readTagItem(value, tag))
        return gload::invalidValue;
    if (port_)
        set(port_, nullptr, port_->getLegacyDevice(tag));
    else
        pendingDriver_ = station::legacyDrivers().reference(tag);
    return gload::accepted;
}

gsourceTimeout::deviceChoice gsourceTimeout::findDevice(gserialPort& port, const gstrSlice& tag) const
{
    deviceChoice g2{defined(port.devices().find(tag)), nullptr};
    deviceChoice legacy{nullptr, defined(port.legacyDevices().find(tag))};
    if (legacyDevice_)
        return legacy ? legacy : g2;
    return g2 ? g2 : legacy;
}

int gsourceTimeout::resolveReferences(const gregisterBatchOptions& options, gstr& log,
                                      jhashTypedDatabaseTable<gregister>*)
{
    if (!port_)
        return 0;
    gserialPort* target = options.fromPort && options.toPort && port_ == options.fromPort ? options.toPort : nullptr;
    const gstr* oldTag = deviceTag();
    gstr newTag;
    bool renamed = false;
    if (oldTag && options.devices.on) {
        newTag.assign(*oldTag);
        renamed = newTag.replaceFirstMatch(options.devices.find, options.devices.replace,
                                           options.devices.wholeWord, options.devices.matchCase)
                      != 0
                  && newTag.compare(*oldTag) != 0;
    }
    if (!target && !renamed)
        return 0;

    const gstr& owner = getRegister().getTitle(true);
    gstr line;
    if (!renamed) {
        if (!oldTag) {
            set(target, nullptr, nullptr);
            return 1;
        }
        if (deviceChoice found = findDevice(*target, *oldTag)) {
            set(target, found.device, found.legacyDevice);
            return 1;
        }
        log.append(line.format(deviceNotInPort, *oldTag, owner, target->getTag()));
        log.append(line.format(retainedPort, port_->getTag()));
        return 0;
    }
    gserialPort* where = target ? target : port_;
    if (deviceChoice found = findDevice(*where, newTag)) {
        set(where, found.device, found.legacyDevice);
        return target ? 2 : 1;
    }
    log.append(line.format(deviceNotInPort, newTag, owner, where->getTag()));
    if (!target) {
        log.append(line.format(retainedDevice, *oldTag));
        return 0;
    }
    gstr kept(*oldTag);
    if (deviceChoice found = findDevice(*target, kept)) {
        set(target, found.device, found.legacyDevice);
        log.append(line.format(retainedDevice, kept));
        return 1;
    }
    if (deviceChoice found = findDevice(*port_, newTag)) {
        set(port_, found.device, found.legacyDevice);
        log.append(line.format(retainedPort, port_->getTag()));
        return 1;
    }
    log.append(line.format(retainedDeviceInPort, kept, port_->getTag()));
    return 0;
}
