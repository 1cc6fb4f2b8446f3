#include "ports/glegacyDevice.h"

#include "legacy/glegacyDriver.h"
#include "ports/gdevice.h"
#include "ports/gserialPort.h"
#include "ports/portFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <utility>

namespace {

constexpr int deviceInPort = 20028;
constexpr int serialPortDescription = 20174;

const gstr& noText()
{
    static const gstr empty("");
    return empty;
}

void writeControl(CObjectFile& file, int indent, int token, const gprocessorCall& call)
{
    if (!call.isSet())
        return;
    gkeyword::byToken(token).writeIndented(file, indent);
    file.newLine();
    call.writeEmbedded(file, indent);
}

} // namespace

glegacyDevice::glegacyDevice() : sequence_(gcommandSequence::legacyInit, kw::NONE)
{
    sequence_.setOwner(nullptr, this);
}

glegacyDevice::glegacyDevice(glegacyDriver& driver) : glegacyDevice()
{
    setName(driver.getTag());
    setDriver(&driver);
}

glegacyDevice::~glegacyDevice() = default;

const gstr& glegacyDevice::getDisplayName() const
{
    if (!title_.isEmpty())
        return title_;
    return driver_ ? driver_->getTitle(true) : getName();
}

void glegacyDevice::setDriver(glegacyDriver* driver)
{
    driver_ = driver;
    driverUses_.clear();
    if (driver)
        driverUses_.add(driver->usedBy());
}

void glegacyDevice::setPort(gserialPort* port)
{
    port_ = port;
    if (!driver_)
        setDriver(station::legacyDrivers().reference(getName()));
    sequence_.setOwner(port, this);
}

void glegacyDevice::setEnableControl(const gprocessorCall& call)
{
    enable_.assign(call);
    linkProgramCall(enableUses_, enable_);
}

void glegacyDevice::setDisableControl(const gprocessorCall& call)
{
    disable_.assign(call);
    linkProgramCall(disableUses_, disable_);
}

void glegacyDevice::setMessageControl(const gprocessorCall& call)
{
    message_.assign(call);
    linkProgramCall(messageUses_, message_);
}

void glegacyDevice::clearMessageControl()
{
    message_.clear();
    messageUses_.clear();
}

void glegacyDevice::clear()
{
    port_ = nullptr;
    setDriver(nullptr);
    title_.clear();
    for (auto [call, uses] : {std::pair{&enable_, &enableUses_}, std::pair{&disable_, &disableUses_},
                              std::pair{&message_, &messageUses_}}) {
        call->clear();
        uses->clear();
    }
    sequence_.clear();
    setDefined(0);
}

void glegacyDevice::copyCommon(const glegacyDevice& source)
{
    setDriver(source.driver_);
    title_ = source.title_;
    initOnTimeout_ = source.initOnTimeout_;
    tolerance_ = source.tolerance_;
    setEnableControl(source.enable_);
    setDisableControl(source.disable_);
    setMessageControl(source.message_);
}

void glegacyDevice::copy(glegacyDevice& source, jhashTypedDatabaseTable<gdevice>& devices,
                         jhashTypedDatabaseTable<glegacyDevice>& legacyDevices, bool keepUsers)
{
    if (&source == this)
        return;
    copyCommon(source);
    sequence_.copy(source.sequence_, devices, legacyDevices);
    if (keepUsers)
        makeAliasOf(source);
}

void glegacyDevice::assign(glegacyDevice& source)
{
    if (&source == this)
        return;
    copyCommon(source);
    sequence_.takeOver(source.sequence_);
}

void glegacyDevice::describeReferrer(gstr& text) const
{
    gstr line;
    const gstr& portName = port_ ? port_->getTitle(true) : noText();
    if (title_.isEmpty())
        line.format(serialPortDescription, portName);
    else
        line.format(deviceInPort, title_, portName);
    text.append(line);
}

void glegacyDevice::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::DEVICE).writeKey(file, indent);
    getName().write(file, 1);
}

void glegacyDevice::writeFields(CObjectFile& file, int indent) const
{
    if (!title_.isEmpty()) {
        gkeyword::byToken(kw::TITLE).writeKey(file, indent);
        title_.write(file, 1);
    }
    if (tolerance_ > 0)
        portFields::tolerance.write(file, indent, tolerance_);
    writeControl(file, indent, kw::ENABLE_CONTROL, enable_);
    writeControl(file, indent, kw::DISABLE_CONTROL, disable_);
    writeControl(file, indent, kw::MESSAGE_CONTROL, message_);
    if (initOnTimeout_ == 0) {
        gkeyword::byToken(kw::INIT_ON_TIMEOUT).writeKey(file, indent);
        gkeyword::byToken(kw::NO).writeValue(file, 1);
    }
    if (!sequence_.isEmpty())
        sequence_.writeEmbedded(file, indent);
}

gloadStatus glegacyDevice::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::TITLE: {
        if (!title_.isEmpty())
            return gload::alreadyLoaded;
        gstr title;
        if (!title.parseValue(value.data()) || title.isEmpty())
            return gload::invalidValue;
        title_.adopt(title);
        return gload::accepted;
    }
    case kw::TOLERANCE: return portFields::tolerance.load(value, tolerance_, -1);
    case kw::ENABLE_CONTROL: return loadControl(enable_, value);
    case kw::DISABLE_CONTROL: return loadControl(disable_, value);
    case kw::MESSAGE_CONTROL: return loadControl(message_, value);
    case kw::INIT_ON_TIMEOUT: return loadBooleanKeyword(value, initOnTimeout_, kw::YES, kw::NO);
    case kw::INIT_SEQUENCE:
        if (!sequence_.isEmpty())
            return gload::alreadyLoaded;
        if (!value.isEmpty())
            return gload::invalidValue;
        loadEmbeddedObject(&sequence_);
        return gload::accepted;
    default: return gstorable::loadField(token, value);
    }
}

gloadStatus glegacyDevice::loadControl(gprocessorCall& call, const gstr& value)
{
    if (call.isSet())
        return gload::alreadyLoaded;
    if (!value.isEmpty())
        return gload::invalidValue;
    loadEmbeddedObject(&call);
    return gload::accepted;
}

void glegacyDevice::afterLoad()
{
    linkProgramCall(enableUses_, enable_);
    linkProgramCall(disableUses_, disable_);
    linkProgramCall(messageUses_, message_);
    if (tolerance_ == -1)
        tolerance_ = 0;
    gstorable::afterLoad();
    setDefined(1);
}
