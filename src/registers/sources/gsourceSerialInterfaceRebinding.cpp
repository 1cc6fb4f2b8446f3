// The batch rebinding of a legacy data location: moving it to another port,
// renaming its driver (its device) and its data buffer, and shifting the
// offsets of typed locations.

#include "registers/sources/gsourceSerialInterface.h"

#include "legacy/glegacyDriver.h"
#include "legacy/glegacyResponse.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "registers/gregisterBatchOptions.h"
#include "store/gstation.h"

#include <cstdint>

namespace {

constexpr int driverNotInPortKeptDriver = 20131;
constexpr int driverNotInPortKeptPort = 20029;
constexpr int driverNotInPortKeptBoth = 20130;
constexpr int responseNotInDriver = 20148;
constexpr int responseNotInDriverKeptDriver = 20149;
constexpr int responseNotInPortKeptDriver = 20150;
constexpr int responseNotInPortKeptResponse = 20151;
constexpr int responseNotInNewDriver = 20184;
constexpr int offsetNotShifted = 22300;

bool hasDevice(gserialPort* port, const gstrSlice& name)
{
    const glegacyDevice* device = port->legacyDevices().find(name);
    return device && device->isDefined();
}

glegacyResponse* findResponse(const glegacyDriver* driver, const gstrSlice& name)
{
    glegacyResponse* response = driver->responses().find(name);
    return response && response->isDefined() ? response : nullptr;
}

glegacyDriver* definedDriver(const gstrSlice& tag)
{
    glegacyDriver* driver = station::legacyDrivers().find(tag);
    return driver && driver->isDefined() ? driver : nullptr;
}

// The first occurrence of the renaming's find text replaced; false when
// the renaming is off or finds nothing.
bool rename(const gregisterBatchOptions::renaming& renaming, gstr& name)
{
    return renaming.on && name.replaceFirst(renaming.find, renaming.replace, renaming.wholeWord, renaming.matchCase) == 1;
}

// What one rebinding decided, and the names its log lines quote.
struct rebinding {
    gserialPort* oldPort;
    glegacyDriver* oldDriver;
    gstr oldResponse;
    gstr newDriverName;
    gstr newResponseName;
    bool driverRenamed = false;
    bool responseRenamed = false;
    gserialPort* targetPort = nullptr;
    glegacyDriver* newDriver = nullptr;
    int code = 0;

    // The code when none was given yet, else the later one.
    void note(int first, int later) { code = code == 0 ? first : later; }
    bool targetLacksOldDevice() const { return targetPort && !hasDevice(targetPort, oldDriver->getTag()); }

    void decideDriver();
    void decideResponse();
    void log(gstr& log, const gregisterBatchOptions& options, const gstr& registerTitle) const;
};

void rebinding::decideDriver()
{
    if (!driverRenamed) {
        if (targetLacksOldDevice()) {
            targetPort = nullptr;
            code = 5;
        }
        return;
    }
    newDriver = definedDriver(newDriverName);
    if (!targetPort) {
        if (!hasDevice(oldPort, newDriverName)) {
            newDriver = nullptr;
            code = 4;
        }
    } else if (hasDevice(targetPort, newDriverName)) {
        return;
    } else if (hasDevice(targetPort, oldDriver->getTag())) {
        newDriver = nullptr;
        code = 1;
    } else if (hasDevice(oldPort, newDriverName)) {
        targetPort = nullptr;
        code = 2;
    } else {
        newDriver = nullptr;
        targetPort = nullptr;
        code = 3;
    }
}

void rebinding::decideResponse()
{
    bool renamed = responseRenamed;
    if (renamed && newDriver) {
        if (findResponse(newDriver, newResponseName))
            return;
        if (findResponse(newDriver, oldResponse)) {
            responseRenamed = false;
            note(6, 7);
            return;
        }
        newDriver = nullptr;
        bool oldDriverHasIt = findResponse(oldDriver, newResponseName) != nullptr;
        if (!oldDriverHasIt)
            responseRenamed = false;
        if (targetLacksOldDevice()) {
            targetPort = nullptr;
            code = oldDriverHasIt ? 11 : 8;
        } else if (oldDriverHasIt) {
            note(12, 13);
        } else {
            note(9, 10);
        }
    } else if (renamed) {
        if (!findResponse(oldDriver, newResponseName)) {
            responseRenamed = false;
            note(14, 15);
        }
    } else if (newDriver && !findResponse(newDriver, oldResponse)) {
        newDriver = nullptr;
        if (targetLacksOldDevice()) {
            targetPort = nullptr;
            code = 16;
        } else {
            note(17, 18);
        }
    }
}

void rebinding::log(gstr& log, const gregisterBatchOptions& options, const gstr& registerTitle) const
{
    if (code == 0)
        return;
    const gstr& driverWanted = driverRenamed ? newDriverName : oldDriver->getTag();
    const gstr& responseWanted = newResponseName;
    const gstr& requestedPort = (options.toPort ? options.toPort : oldPort)->getTitle(true);
    const gstr& portInUse = (targetPort ? targetPort : oldPort)->getTitle(true);
    const gstr& driverInUse = (newDriver ? newDriver : oldDriver)->getTitle(true);
    const gstr& oldDriverTitle = oldDriver->getTitle(true);
    const gstr& oldPortTitle = oldPort->getTitle(true);
    gstr line;
    switch (code) {
    case 1:
    case 4: line.format(driverNotInPortKeptDriver, driverWanted, registerTitle, portInUse, oldDriverTitle); break;
    case 2:
    case 5: line.format(driverNotInPortKeptPort, driverInUse, registerTitle, requestedPort, oldPortTitle); break;
    case 3:
        line.format(driverNotInPortKeptBoth, driverWanted, registerTitle, requestedPort, oldDriverTitle, oldPortTitle);
        break;
    case 6:
    case 7:
    case 14: line.format(responseNotInDriver, responseWanted, registerTitle, driverInUse, oldResponse); break;
    case 8:
    case 10:
    case 15:
        line.format(responseNotInPortKeptResponse, responseWanted, driverWanted, registerTitle, requestedPort,
                    oldResponse, oldDriverTitle, oldPortTitle);
        break;
    case 9:
        line.format(responseNotInDriverKeptDriver, responseWanted, registerTitle, driverWanted, oldResponse,
                    oldDriverTitle);
        break;
    case 12:
    case 17: line.format(responseNotInNewDriver, responseWanted, registerTitle, driverWanted, oldDriverTitle); break;
    default:
        line.format(responseNotInPortKeptDriver, responseWanted, driverWanted, registerTitle, requestedPort,
                    oldDriverTitle, oldPortTitle);
        break;
    }
    log.append(line);
    if (code != 7)
        return;
    line.format(driverNotInPortKeptPort, driverInUse, registerTitle, requestedPort, oldPortTitle);
    log.append(line);
}

} // namespace

int gsourceSerialInterface::resolveReferences(const gregisterBatchOptions& options, gstr& log)
{
    if (!port_ || !response_ || !getDriver())
        return 0;
    rebinding r{port_, getDriver(), gstr(response_->getName()), gstr(getDriver()->getTag()),
                gstr(response_->getName())};
    r.driverRenamed = rename(options.devices, r.newDriverName);
    r.responseRenamed = rename(options.serialObjects, r.newResponseName);
    // Moving to the port it is on already changes nothing.
    if (options.fromPort == port_ && options.toPort != port_)
        r.targetPort = options.toPort;
    if (!r.targetPort && !r.driverRenamed && !r.responseRenamed)
        return 0;
    r.decideDriver();
    r.decideResponse();
    r.log(log, options, ownerTitle());

    gserialPort* port = r.targetPort ? r.targetPort : port_;
    glegacyDriver* driver = r.newDriver ? r.newDriver : r.oldDriver;
    int changes = (r.targetPort ? 1 : 0) + (r.newDriver ? 1 : 0) + (r.responseRenamed ? 1 : 0);
    if (changes == 0)
        return 0;
    glegacyResponse* response = findResponse(driver, r.responseRenamed ? r.newResponseName : r.oldResponse);
    // Every check above makes these exist; a station that changed under the
    // run keeps the old references rather than break the location.
    if (!response || !hasDevice(port, driver->getTag()))
        return 0;
    fillValues(port, response, offset_, length_);
    return changes;
}

int gsourceSerialTypedInterface::resolveReferences(const gregisterBatchOptions& options, gstr& log)
{
    int changes = gsourceSerialInterface::resolveReferences(options, log);
    return changes + shiftOffset(options, log);
}

// A shift whose result would leave the stored offsets' range (or land on
// the marker of an offset that was not given) is not made and is logged.
int gsourceSerialTypedInterface::shiftOffset(const gregisterBatchOptions& options, gstr& log)
{
    if (options.offsetShift == 0 || getOffset() < options.minimumOffset || !hasResponse())
        return 0;
    if (!options.dataBufferName.isEmpty() && !(options.dataBufferName == getResponse()->getName()))
        return 0;
    int64_t shifted = int64_t{getOffset()} + options.offsetShift;
    if (shifted < INT32_MIN || shifted >= noOffset) {
        gstr line;
        line.format(offsetNotShifted, ownerTitle(), options.offsetShift, getOffset());
        log.append(line);
        return 0;
    }
    setOffset(static_cast<int32_t>(shifted));
    return 1;
}
