#include "registers/sources/gsourceDataObject.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "ports/gdevice.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/sources/sourceFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"
#include "store/keywordLines.h"

namespace {

// Exactly two non-empty text items.
bool readTwoTags(const gstr& value, gstr& first, gstr& second)
{
    const char* next = nullptr;
    if (first.parse(value.data(), next) != itemResult::comma || first.isEmpty())
        return false;
    return second.parse(next) == itemResult::end && !second.isEmpty();
}

// One real number, finite, for a field not read yet.
gloadStatus loadReal(double& field, const gstr& value)
{
    if (std::isfinite(field))
        return gload::alreadyLoaded;
    double read = 0;
    if (parseDoubleItem(value.data(), read) != itemResult::end || !std::isfinite(read))
        return gload::invalidValue;
    field = read;
    return gload::accepted;
}

} // namespace

void gsourceSerialObject::set(gdevice* device, g2driverDataObject* object, const g2driverParameterValueTable& values)
{
    description_.clear();
    device_ = device;
    reference_.bindDriver(device ? device->getDriver() : nullptr);
    reference_.setDataObject(object);
    reference_.copyValues(values);
    relink();
}

void gsourceSerialObject::copyFrom(const gsourceSerialObject& other)
{
    description_.clear();
    device_ = other.device_;
    reference_.bindDriver(other.reference_.getDriver());
    reference_.setDataObject(other.reference_.getDataObject());
    reference_.copyValues(other.reference_.values());
    relink();
}

void gsourceSerialObject::relink()
{
    uses_.clear();
    if (device_) {
        uses_.add(*device_);
        if (gserialPort* port = device_->getPort())
            uses_.add(port->usedBy());
    }
    if (g2driver* driver = reference_.getDriver())
        uses_.add(driver->usedBy());
    reference_.collectUses(uses_);
}

const gstr& gsourceSerialObject::describe() const
{
    if (!description_.isEmpty() || !device_)
        return description_;
    if (gserialPort* port = device_->getPort())
        description_.assign(port->getTitle(true));
    description_.append(" - ");
    description_.append(device_->getDisplayName(true));
    description_.append(" - ");
    description_.append(reference_.describe());
    return description_;
}

void gsourceSerialObject::writeFields(CObjectFile& file, int indent) const
{
    if (device_ && device_->getPort()) {
        gkeyword::byToken(kw::DEVICE).writeKey(file, indent);
        device_->getPort()->getTag().write(file, 2);
        device_->getName().write(file, 1);
    }
    g2driver* driver = reference_.getDriver();
    if (!reference_.getDataObject() || !driver)
        return;
    gkeyword::byToken(kw::DRIVER).writeKey(file, indent);
    driver->getTag().write(file, 1);
    reference_.writeFields(file, indent + 1);
    gkeyword::byToken(kw::END).writeIndented(file, indent);
    file.newLine();
}

gloadStatus gsourceSerialObject::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::DEVICE: return loadDevice(value);
    case kw::DRIVER: return loadDriver(value);
    default: return gload::unknownKeyword;
    }
}

gloadStatus gsourceSerialObject::loadDevice(const gstr& value)
{
    if (device_)
        return gload::alreadyLoaded;
    gstr portTag;
    gstr deviceTag;
    if (!readTwoTags(value, portTag, deviceTag))
        return gload::invalidValue;
    gserialPort* port = station::serialPorts().reference(portTag);
    device_ = port->getDevice(deviceTag);
    description_.clear();
    return gload::accepted;
}

gloadStatus gsourceSerialObject::loadDriver(const gstr& value)
{
    if (reference_.getDataObject())
        return gload::alreadyLoaded;
    gstr tag;
    if (!readTagItem(value, tag))
        return gload::invalidValue;
    reference_.bindDriver(station::g2Drivers().reference(tag));
    embedder_.loadEmbeddedObject(&reference_);
    description_.clear();
    return gload::accepted;
}

void gsourceSerialObject::afterLoad()
{
    g2driverDataObject* object = reference_.getDataObject();
    const int typeCode = source_.getSourceType();
    if (object && object->getTypeCode() == g2valueKind::untyped && gsourceDataObjectKinds::covers(typeCode))
        object->narrowKinds(gsourceDataObjectKinds::kindsOf(typeCode));
    if (device_ && object)
        relink();
}

bool gsourceSerialObject::readsObjectKind() const
{
    int typeCode = source_.getSourceType();
    int32_t kind = reference_.getDataObject()->getTypeCode();
    return !gsourceDataObjectKinds::covers(typeCode) || kind == g2valueKind::untyped ||
           gsourceDataObjectKinds::accepts(typeCode, kind);
}

bool gsourceSerialObject::isComplete() const
{
    g2driver* driver = reference_.getDriver();
    if (!device_ || !reference_.getDataObject() || !driver || !readsObjectKind())
        return false;
    if (!device_->getDriver())
        device_->bindDriver(driver);
    return device_->getDriver() == driver;
}

namespace {

constexpr int objectMissing = 20219;
constexpr int deviceMissing = 20220;
constexpr int retainedObject = 20221;
constexpr int retainedDevice = 20222;
constexpr int retainedObjectInDevice = 20223;
constexpr int retainedPort = 20224;
constexpr int retainedDeviceInPort = 20225;
constexpr int retainedAll = 20226;

constexpr int objectBit = 1;
constexpr int deviceBit = 2;
constexpr int portBit = 4;

// A name after the renaming; changed is false when the find text is not in
// it.
struct renamed {
    gstr before;
    gstr after;
    bool changed = false;
};

renamed rename(const gstr& name, const gregisterBatchOptions::renaming& change)
{
    renamed result{name, name, false};
    if (change.on)
        result.changed =
            result.after.replaceFirst(change.find, change.replace, change.wholeWord, change.matchCase) != 0;
    return result;
}

gdevice* definedDevice(gserialPort* port, const gstr& name)
{
    gdevice* device = port ? port->devices().find(name) : nullptr;
    return device && device->isDefined() ? device : nullptr;
}

g2driverDataObject* definedObject(gdevice* device, const gstr& name)
{
    g2driver* driver = device ? device->getDriver() : nullptr;
    g2driverDataObject* object = driver ? driver->dataObjects().find(name) : nullptr;
    return object && object->isDefined() ? object : nullptr;
}

} // namespace

// The search of the device and object after a renaming: first in the target
// port by the new names, then by the old object name, then by the old
// device name, then the same in the device's own port.
struct gsourceSerialObject::rebinding {
    renamed device;
    renamed object;
    gserialPort* target;
    gserialPort* own;
    int bits = 0;
    int explanation = 0;
    gdevice* foundDevice = nullptr;
    g2driverDataObject* foundObject = nullptr;

    bool searchByName(gdevice* device)
    {
        g2driverDataObject* found = definedObject(device, object.after);
        if (!found && object.changed) {
            found = definedObject(device, object.before);
            bits |= objectBit;
        }
        if (!found)
            return false;
        foundDevice = device;
        foundObject = found;
        return true;
    }

    bool searchIn(gserialPort* port, bool first)
    {
        if (searchByName(definedDevice(port, device.after))) {
            if (first)
                explanation = (bits & objectBit) ? objectMissing : 0;
            return true;
        }
        if (!device.changed)
            return false;
        bits &= ~objectBit;
        explanation = deviceMissing;
        bool found = searchByName(definedDevice(port, device.before));
        bits |= deviceBit;
        return found;
    }

    bool search()
    {
        if (searchIn(target, true))
            return true;
        bits &= ~deviceBit;
        explanation = deviceMissing;
        bool found = searchIn(own, false);
        bits |= portBit;
        return found;
    }

    void explain(gstr& log, const gstr& owner) const
    {
        if (explanation == 0)
            return;
        gstr line;
        if (explanation == objectMissing)
            log.append(line.format(objectMissing, object.after, owner, device.after));
        else
            log.append(line.format(deviceMissing, device.after, owner, target ? target->getTag() : gstr("")));
        gstr ownTag(own ? gstrSlice(own->getTag()) : gstrSlice(""));
        switch (bits) {
        case 1: log.append(line.format(retainedObject, object.before)); break;
        case 2: log.append(line.format(retainedDevice, device.before)); break;
        case 3: log.append(line.format(retainedObjectInDevice, object.before, device.before)); break;
        case 4: log.append(line.format(retainedPort, ownTag)); break;
        case 5:
            log.append(line.format(retainedAll, object.before, foundDevice ? foundDevice->getName() : device.after,
                                   ownTag));
            break;
        case 6: log.append(line.format(retainedDeviceInPort, device.before, ownTag)); break;
        case 7: log.append(line.format(retainedAll, object.before, device.before, ownTag)); break;
        default: break;
        }
    }

    int changes(bool portChanged) const
    {
        int count = 0;
        count += object.changed && !(bits & objectBit) ? 1 : 0;
        count += device.changed && !(bits & deviceBit) ? 1 : 0;
        count += portChanged && !(bits & portBit) ? 1 : 0;
        return count;
    }
};

int gsourceSerialObject::resolveReferences(const gregisterBatchOptions& options, gstr& log)
{
    int count = 0;
    if (options.serialObjectParameters)
        count = reference_.replaceInValues(options.find, options.replace, options.matchCase, options.wholeWord);
    g2driverDataObject* object = reference_.getDataObject();
    if (!device_ || !object)
        return count;
    gserialPort* own = device_->getPort();
    bool portChanged = options.fromPort && options.toPort && own == options.fromPort;
    rebinding search{rename(device_->getName(), options.devices), rename(object->getName(), options.serialObjects),
                     portChanged ? options.toPort : own, own};
    if (!portChanged && !search.device.changed && !search.object.changed)
        return count;
    bool found = search.search();
    search.explain(log, source_.getRegister().getTitle(true));
    count += search.changes(portChanged);
    if (!found)
        return count;
    device_ = search.foundDevice;
    reference_.bindDriver(device_->getDriver());
    reference_.setDataObject(search.foundObject);
    description_.clear();
    relink();
    return count;
}

bool gsourceDataObjectKinds::accepts(int typeCode, int32_t valueKind)
{
    switch (typeCode) {
    case 11: return valueKind == 1;
    case 12:
    case 13: return valueKind == 2;
    case 16: return valueKind == 2 || valueKind == 3;
    case 17:
    case 18: return valueKind == 4;
    default: return false;
    }
}

bool gsourceDataObjectKinds::covers(int typeCode)
{
    return (typeCode >= 11 && typeCode <= 13) || (typeCode >= 16 && typeCode <= 18);
}

uint32_t gsourceDataObjectKinds::kindsOf(int typeCode)
{
    uint32_t kinds = 0;
    for (int32_t kind = g2valueKind::bistate; kind <= g2valueKind::string; ++kind) {
        if (accepts(typeCode, kind))
            kinds |= 1u << kind;
    }
    return kinds;
}

std::unique_ptr<gregisterSource> gsourceDataObjectBistate::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceDataObjectBistate>(owner);
    copy->part_.copyFrom(part_);
    copy->invert_ = invert_;
    return copy;
}

void gsourceDataObjectBistate::writeFields(CObjectFile& file, int indent) const
{
    part_.writeFields(file, indent);
    if (invert_ == 1)
        writeKeywordLine(file, indent, kw::INVERT, kw::YES);
}

gloadStatus gsourceDataObjectBistate::loadField(int token, gstr& value)
{
    if (token == kw::INVERT)
        return loadBooleanKeyword(value, invert_, kw::YES, kw::NO);
    gloadStatus status = part_.loadField(token, value);
    return status != gload::unknownKeyword ? status : gbistateRegisterSource::loadField(token, value);
}

void gsourceDataObjectBistate::afterLoad()
{
    if (invert_ < 0)
        invert_ = 0;
    part_.afterLoad();
}

std::unique_ptr<gregisterSource> gsourceDataObjectBitMask::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceDataObjectBitMask>(owner);
    copy->part_.copyFrom(part_);
    copy->masks_ = masks_;
    return copy;
}

void gsourceDataObjectBitMask::writeFields(CObjectFile& file, int indent) const
{
    masks_.write(file, indent);
    part_.writeFields(file, indent);
}

gloadStatus gsourceDataObjectBitMask::loadField(int token, gstr& value)
{
    gloadStatus status = masks_.loadField(token, value);
    if (status == gload::unknownKeyword)
        status = part_.loadField(token, value);
    return status != gload::unknownKeyword ? status : gbistateRegisterSource::loadField(token, value);
}

void gsourceDataObjectBitMask::afterLoad()
{
    if (masks_.invert < 0)
        masks_.invert = 0;
    part_.afterLoad();
}

std::unique_ptr<gregisterSource> gsourceDataObjectDigital::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceDataObjectDigital>(owner);
    copy->part_.copyFrom(part_);
    return copy;
}

const gstr& gsourceDataObjectDigital::getValueName(uint32_t value) const
{
    if (g2driverDataObject* object = part_.getDataObject())
        return object->valueName(value);
    return gdigitalRegisterSource::getValueName(value);
}

bool gsourceDataObjectDigital::getValueNames(std::map<uint32_t, gstr>& names) const
{
    g2driverDataObject* object = part_.getDataObject();
    if (!object)
        return false;
    names = object->valueNames();
    return true;
}

gloadStatus gsourceDataObjectDigital::loadField(int token, gstr& value)
{
    gloadStatus status = part_.loadField(token, value);
    return status != gload::unknownKeyword ? status : gdigitalRegisterSource::loadField(token, value);
}

std::unique_ptr<gregisterSource> gsourceDataObjectAnalog::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceDataObjectAnalog>(owner);
    copy->part_.copyFrom(part_);
    copy->factor_ = factor_;
    copy->offset_ = offset_;
    return copy;
}

int gsourceDataObjectAnalog::hasGreaterLess() const
{
    g2driverDataObject* object = part_.getDataObject();
    g2driverDataSource* source = object ? object->getSource() : nullptr;
    return source && source->hasGreaterLessSymbols() ? 1 : 0;
}

int32_t gsourceDataObjectAnalog::getElementCount() const
{
    g2driverDataObject* object = part_.getDataObject();
    return object ? object->getElements() : 0;
}

void gsourceDataObjectAnalog::writeFields(CObjectFile& file, int indent) const
{
    part_.writeFields(file, indent);
    // A negative zero is no offset either.
    if (std::isfinite(offset_) && offset_ != 0)
        writeRealLine(file, indent, kw::OFFSET, offset_);
    if (std::isfinite(factor_) && factor_ != 1)
        writeRealLine(file, indent, kw::FACTOR, factor_);
}

gloadStatus gsourceDataObjectAnalog::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::FACTOR: return loadReal(factor_, value);
    case kw::OFFSET: return loadReal(offset_, value);
    default: break;
    }
    gloadStatus status = part_.loadField(token, value);
    return status != gload::unknownKeyword ? status : ganalogRegisterSource::loadField(token, value);
}

void gsourceDataObjectAnalog::afterLoad()
{
    if (!std::isfinite(factor_))
        factor_ = 1;
    if (!std::isfinite(offset_))
        offset_ = 0;
    part_.afterLoad();
}

std::unique_ptr<gregisterSource> gsourceDataObjectString::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceDataObjectString>(owner);
    copy->part_.copyFrom(part_);
    return copy;
}

gloadStatus gsourceDataObjectString::loadField(int token, gstr& value)
{
    gloadStatus status = part_.loadField(token, value);
    return status != gload::unknownKeyword ? status : gstringRegisterSource::loadField(token, value);
}

std::unique_ptr<gregisterSource> gsourceDataObjectFilter::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceDataObjectFilter>(owner);
    copy->part_.copyFrom(part_);
    copy->allowed_ = allowed_;
    return copy;
}

void gsourceDataObjectFilter::writeFields(CObjectFile& file, int indent) const
{
    part_.writeFields(file, indent);
    for (const gregexp& pattern : allowed_) {
        gkeyword::byToken(kw::ALLOW).writeKey(file, indent);
        pattern.write(file, 1);
    }
}

gloadStatus gsourceDataObjectFilter::loadField(int token, gstr& value)
{
    if (token == kw::ALLOW) {
        gregexp pattern(false);
        if (pattern.parse(value.data(), false, false) != itemResult::end)
            return gload::invalidValue;
        allowed_.push_back(std::move(pattern));
        return gload::accepted;
    }
    gloadStatus status = part_.loadField(token, value);
    return status != gload::unknownKeyword ? status : gstringRegisterSource::loadField(token, value);
}
