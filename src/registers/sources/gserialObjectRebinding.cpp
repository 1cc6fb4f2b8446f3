#include "registers/sources/gserialObjectRebinding.h"

#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "ports/gdevice.h"
#include "ports/gserialPort.h"
#include "registers/gregisterBatchOptions.h"

namespace {

constexpr int objectNotInDevice = 20219;
constexpr int deviceNotInPort = 20220;
constexpr int retainedObject = 20221;
constexpr int retainedDevice = 20222;
constexpr int retainedObjectInDevice = 20223;
constexpr int retainedPort = 20224;
constexpr int retainedDeviceInPort = 20225;
constexpr int retainedObjectInDeviceInPort = 20226;

// What is retained: the old object name, the old device name, the old port.
constexpr int objectKept = 1, deviceKept = 2, portKept = 4;

template <class T>
T* definedOnly(T* found)
{
    return found && found->isDefined() ? found : nullptr;
}

// One name before and after the batch's renaming; changed only when the
// renaming is on and replaced something.
struct renamedTag {
    gstr before;
    gstr after;
    bool changed = false;

    renamedTag(const gstr& tag, const gregisterBatchOptions::renaming& renaming) : before(tag), after(tag)
    {
        if (renaming.on)
            changed = after.replaceFirst(renaming.find, renaming.replace, renaming.wholeWord, renaming.matchCase) != 0
                      && after.compare(before) != 0;
    }
};

class serialObjectSearch {
public:
    serialObjectSearch(const renamedTag& device, const renamedTag& object) : device_(device), object_(object) {}

    // The device of the new name in the port and in it the object of the
    // new name, else the old object; then, for a renamed device, the same
    // in the device of the old name. True when an object is found.
    bool searchPort(gserialPort& port, bool deviceExplains)
    {
        missingDevice_ = deviceExplains;
        bits_ &= ~objectKept;
        if (searchDevice(port, device_.after))
            return true;
        if (!device_.changed)
            return false;
        missingDevice_ = true;
        bits_ &= ~objectKept;
        bits_ |= deviceKept;
        return searchDevice(port, device_.before);
    }

    int bits() const noexcept { return bits_; }
    void keepPort() noexcept { bits_ = (bits_ & ~deviceKept) | portKept; }
    bool missingDevice() const noexcept { return missingDevice_; }
    const gserialObjectPlace& found() const noexcept { return found_; }

private:
    bool searchDevice(gserialPort& port, const gstr& tag)
    {
        gdevice* device = definedOnly(port.devices().find(tag));
        g2driver* driver = device ? device->getDriver() : nullptr;
        if (!driver)
            return false;
        g2driverDataObject* object = definedOnly(driver->dataObjects().find(object_.after));
        if (!object && object_.changed) {
            object = definedOnly(driver->dataObjects().find(object_.before));
            bits_ |= objectKept;
        }
        if (!object)
            return false;
        found_ = {device, object};
        return true;
    }

    const renamedTag& device_;
    const renamedTag& object_;
    int bits_ = 0;
    bool missingDevice_ = false;
    gserialObjectPlace found_;
};

void explain(gstr& log, const serialObjectSearch& search, const gstrSlice& owner, const renamedTag& device,
             const renamedTag& object, const gserialPort& target, const gserialPort& port)
{
    gstr line;
    if (search.missingDevice())
        log.append(line.format(deviceNotInPort, device.after, owner, target.getTag()));
    else if (search.bits() & objectKept)
        log.append(line.format(objectNotInDevice, object.after, owner, device.after));
    else
        return;
    const gdevice* found = search.found().device;
    const gstr& foundName = found ? found->getName() : device.before;
    switch (search.bits()) {
    case objectKept: log.append(line.format(retainedObject, object.before)); break;
    case deviceKept: log.append(line.format(retainedDevice, device.before)); break;
    case objectKept | deviceKept: log.append(line.format(retainedObjectInDevice, object.before, device.before)); break;
    case portKept: log.append(line.format(retainedPort, port.getTag())); break;
    case objectKept | portKept:
        log.append(line.format(retainedObjectInDeviceInPort, object.before, foundName, port.getTag()));
        break;
    case deviceKept | portKept: log.append(line.format(retainedDeviceInPort, device.before, port.getTag())); break;
    case objectKept | deviceKept | portKept:
        log.append(line.format(retainedObjectInDeviceInPort, object.before, device.before, port.getTag()));
        break;
    default: break;
    }
}

} // namespace

int rebindSerialObject(const gregisterBatchOptions& options, const gstrSlice& owner, gserialObjectPlace& place,
                       gstr& log)
{
    gserialPort* port = place.device ? place.device->getPort() : nullptr;
    if (!port || !place.object)
        return 0;
    bool portChanged = options.fromPort == port && options.toPort;
    gserialPort& target = portChanged ? *options.toPort : *port;
    renamedTag device(place.device->getName(), options.devices);
    renamedTag object(place.object->getName(), options.serialObjects);
    if (!portChanged && !device.changed && !object.changed)
        return 0;

    serialObjectSearch search(device, object);
    bool found = search.searchPort(target, false);
    if (!found) {
        search.keepPort();
        found = search.searchPort(*port, true);
    }
    explain(log, search, owner, device, object, target, *port);
    // Nothing found: the source keeps its device and object, and nothing
    // has changed.
    if (!found)
        return 0;
    place = search.found();
    int bits = search.bits();
    return (object.changed && !(bits & objectKept)) + (device.changed && !(bits & deviceKept))
           + (portChanged && !(bits & portKept));
}
