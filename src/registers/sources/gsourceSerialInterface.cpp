#include "registers/sources/gsourceSerialInterface.h"

#include "foundation/gfault.h"
#include "foundation/valueParsers.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyResponse.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <iterator>

namespace {

constexpr int registerReferrerText = 20178;

struct dataTypeRow {
    int keyword;
    const char* label;
};

// Indexed by code - 1; the panes list the labels in this order.
constexpr dataTypeRow dataTypes[] = {
    {kw::BYTE, "Byte (unsigned)"},
    {kw::V_SIGNED_BYTE, "Byte (signed)"},
    {kw::V_BIG_ENDIAN, "Multibyte (lo-hi, unsigned)"},
    {kw::V_SIGNED_BIG_ENDIAN, "Multibyte (lo-hi, signed)"},
    {kw::V_LITTLE_ENDIAN, "Multibyte (hi-lo, unsigned)"},
    {kw::V_SIGNED_LITTLE_ENDIAN, "Multibyte (hi-lo, signed)"},
    {kw::BCD, "BCD"},
    {kw::DECIMAL, "Decimal"},
    {kw::HEX, "Hexadecimal"},
    {kw::BINARY, "Binary"},
    {kw::OCTAL, "Octal"},
};
static_assert(std::size(dataTypes) == legacyDataType::last);

bool isDataType(int32_t code) noexcept { return code >= 1 && code <= legacyDataType::last; }

// One name of a RESPONSE value: not empty, followed by a comma unless it
// is the last.
bool parseName(const char*& cursor, gstr& name, bool last)
{
    const char* next = nullptr;
    int result = name.parse(cursor, next);
    if (result == itemResult::error || name.isEmpty())
        return false;
    cursor = next;
    return result == (last ? itemResult::end : itemResult::comma);
}

} // namespace

void gsourceLocationOwner::describeReferrer(gstr& text) const
{
    const gregister* reg = locationRegister();
    gstr line;
    line.format(registerReferrerText, reg ? gstrSlice(reg->getTitle(true)) : gstrSlice::empty);
    text.append(line);
}

gsourceSerialInterface::gsourceSerialInterface(const gsourceLocationOwner& owner) : owner_(&owner), uses_(&owner) {}

gsourceSerialInterface::gsourceSerialInterface(const gsourceLocationOwner& owner, const gsourceSerialInterface& other)
    : owner_(&owner), uses_(&owner), key_(other.key_)
{
    fillValues(other.port_, other.response_, other.offset_, other.length_);
}

void gsourceSerialInterface::fillValues(gserialPort* port, glegacyResponse* response, int32_t offset, int32_t length)
{
    if (port != port_ || response != response_)
        description_.clear();
    offset_ = offset;
    length_ = length;
    port_ = port;
    response_ = response;
    uses_.clear();
    if (!port || !response)
        return;
    glegacyDevice* device = getDevice();
    if (!device)
        throw gfault("driver not in port in gsourceSerialInterface::fillValues()");
    relink(device);
}

void gsourceSerialInterface::relink(glegacyDevice* device)
{
    uses_.set(port_->usedBy());
    uses_.add(*device);
    uses_.add(response_->usedBy());
}

glegacyDriver* gsourceSerialInterface::getDriver() const noexcept
{
    return response_ ? response_->getDriver() : nullptr;
}

glegacyDevice* gsourceSerialInterface::getDevice() const
{
    glegacyDriver* driver = getDriver();
    if (!port_ || !driver)
        return nullptr;
    return port_->legacyDevices().find(driver->getTag());
}

void gsourceSerialInterface::writeFields(CObjectFile& file, int indent) const
{
    if (response_) {
        gkeyword::byToken(kw::RESPONSE).writeKey(file, indent);
        port_->getTag().write(file, 2);
        getDriver()->getTag().write(file, 2);
        response_->getName().write(file, 1);
    }
    if (key_.isSet()) {
        gkeyword::byToken(kw::KEY).writeKey(file, indent);
        key_.write(file, 1);
    }
    if (offset_ != 0 && offset_ != noOffset) {
        gkeyword::byToken(kw::OFFSET).writeKey(file, indent);
        file.writeInt(offset_, 1);
    }
    if (length_ != 0) {
        gkeyword::byToken(kw::LENGTH).writeKey(file, indent);
        file.writeInt(length_, 1);
    }
}

gloadStatus gsourceSerialInterface::loadField(int token, const gstr& value)
{
    int32_t number = 0;
    switch (token) {
    case kw::RESPONSE: return loadResponse(value);
    case kw::KEY: return loadKey(value);
    case kw::LENGTH:
        if (length_ != 0)
            return gload::alreadyLoaded;
        if (parseIntItem(value.data(), number) != itemResult::end || number < 1)
            return gload::invalidValue;
        length_ = number;
        return gload::accepted;
    case kw::OFFSET:
        if (offset_ != noOffset)
            return gload::alreadyLoaded;
        if (parseIntItem(value.data(), number) != itemResult::end || number == noOffset)
            return gload::invalidValue;
        offset_ = number;
        return gload::accepted;
    default: return gload::unknownKeyword;
    }
}

// Port, device and response are referenced in that order, each a
// placeholder while the file has not defined it yet.
gloadStatus gsourceSerialInterface::loadResponse(const gstr& value)
{
    if (response_)
        return gload::alreadyLoaded;
    gstr portTag;
    gstr deviceName;
    gstr responseTag;
    const char* cursor = value.data();
    if (!parseName(cursor, portTag, false) || !parseName(cursor, deviceName, false) ||
        !parseName(cursor, responseTag, true))
        return gload::invalidValue;
    gserialPort* port = station::serialPorts().reference(portTag);
    glegacyDevice* device = port->getLegacyDevice(deviceName);
    glegacyDriver* driver = device->getDriver();
    if (!driver)
        return gload::invalidValue;
    description_.clear();
    port_ = port;
    response_ = driver->referenceResponse(responseTag);
    relink(device);
    return gload::accepted;
}

gloadStatus gsourceSerialInterface::loadKey(const gstr& value)
{
    if (key_.isSet())
        return gload::alreadyLoaded;
    gregexp key(false);
    if (key.parse(value.data(), false, false) != itemResult::end)
        return gload::invalidValue;
    key_.transferFrom(key);
    return gload::accepted;
}

void gsourceSerialInterface::afterLoad() noexcept
{
    if (offset_ == noOffset)
        offset_ = 0;
}

const gstr& gsourceSerialInterface::describe() const
{
    if (!description_.isEmpty() || !response_)
        return description_;
    description_.assign(port_->getTitle(true));
    description_.append(" - ");
    glegacyDevice* device = getDevice();
    description_.append(device ? device->getDisplayName() : getDriver()->getTitle(true));
    description_.append(" - ");
    description_.append(response_->getName());
    return description_;
}

gstr gsourceSerialInterface::ownerTitle() const
{
    const gregister* reg = owner_->locationRegister();
    return gstr(reg ? gstrSlice(reg->getTitle(true)) : gstrSlice::empty);
}

void gsourceSerialInterface::setOffset(int32_t offset) noexcept { offset_ = offset; }

namespace legacyDataType {

int keyword(int32_t code)
{
    if (!isDataType(code))
        throw gfault("invalid data type in legacyDataType::keyword()");
    return dataTypes[code - 1].keyword;
}

int32_t ofKeyword(int token)
{
    for (int32_t code = 1; code <= last; ++code) {
        if (dataTypes[code - 1].keyword == token)
            return code;
    }
    return none;
}

const char* label(int32_t code)
{
    if (!isDataType(code))
        throw gfault("invalid data type in legacyDataType::label()");
    return dataTypes[code - 1].label;
}

bool lengthFits(int32_t code, int32_t length) noexcept
{
    switch (code) {
    case byte:
    case signedByte: return length == 0 || length == 1;
    case 3:
    case 4:
    case 5:
    case 6: return length >= 2 && length <= 4;
    case bcd: return length >= 1;
    default: return isDataType(code);
    }
}

bool lengthAsked(int32_t code, int32_t length) noexcept
{
    return (code == byte || code == signedByte) ? length == 1 : lengthFits(code, length);
}

bool lengthConfirmed(int32_t code, int32_t length, int32_t shownCode, int32_t shownLength) noexcept
{
    return lengthAsked(code, length) || (code == shownCode && length == shownLength && lengthFits(code, length));
}

} // namespace legacyDataType

gsourceSerialTypedInterface::gsourceSerialTypedInterface(const gsourceLocationOwner& owner,
                                                         const gsourceSerialTypedInterface& other)
    : gsourceSerialInterface(owner, other), dataType_(other.dataType_)
{
}

void gsourceSerialTypedInterface::writeFields(CObjectFile& file, int indent) const
{
    gsourceSerialInterface::writeFields(file, indent);
    if (dataType_ == legacyDataType::none)
        return;
    gkeyword::byToken(kw::TYPE).writeKey(file, indent);
    gkeyword::byToken(legacyDataType::keyword(dataType_)).writeValue(file, 1);
}

gloadStatus gsourceSerialTypedInterface::loadField(int token, const gstr& value)
{
    if (token != kw::TYPE)
        return gsourceSerialInterface::loadField(token, value);
    if (dataType_ != legacyDataType::none)
        return gload::alreadyLoaded;
    int keywordToken = -1;
    if (parseKeywordItem(value.data(), keywordToken) != itemResult::end)
        return gload::invalidValue;
    int32_t code = legacyDataType::ofKeyword(keywordToken);
    if (code == legacyDataType::none)
        return gload::invalidValue;
    dataType_ = code;
    return gload::accepted;
}

bool gsourceSerialTypedInterface::isComplete() const noexcept
{
    return legacyDataType::lengthFits(dataType_, getLength()) && hasResponse();
}
