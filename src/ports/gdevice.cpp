#include "ports/gdevice.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "ports/gserialPort.h"
#include "ports/portFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <utility>

namespace {

constexpr int deviceInPort = 20028;

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

void linkProgramCall(gusesList& uses, const gprocessorCall& call)
{
    uses.clear();
    if (gprogramUsedByList* program = call.getProgram())
        uses.add(*program);
}

gdevice::gdevice()
    : firstTime_(gcommandSequence::deviceInit, kw::V_FIRST_TIME), reinit_(gcommandSequence::deviceInit, kw::REINIT),
      common_(gcommandSequence::deviceInit, kw::COMMON)
{
    for (gcommandSequence* sequence : {&firstTime_, &reinit_, &common_})
        sequence->setOwner(nullptr, this);
}

gdevice::~gdevice() = default;

const gstr& gdevice::getDisplayName(bool fallback) const
{
    if (!title_.isEmpty())
        return title_;
    return fallback ? getName() : noText();
}

void gdevice::setPort(gserialPort* port)
{
    port_ = port;
    for (gcommandSequence* sequence : {&firstTime_, &reinit_, &common_})
        sequence->setOwner(port, this);
}

void gdevice::setDriver(g2driver* driver)
{
    driver_ = driver;
    driverGiven_ = 1;
    driverUses_.clear();
    if (driver)
        driverUses_.add(driver->usedBy());
}

void gdevice::linkParameters()
{
    parameterUses_.clear();
    if (!driver_)
        return;
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value))
        parameterUses_.add(driver_->parameters().referenceAs(value->getName(), g2parameterScope::driver)->usedBy());
}

void gdevice::setParameterValues(g2driverParameterValueTable& table)
{
    values_.copyFrom(table);
    linkParameters();
}

void gdevice::setEnableControl(const gprocessorCall& call)
{
    enable_.assign(call);
    linkProgramCall(enableUses_, enable_);
}

void gdevice::setDisableControl(const gprocessorCall& call)
{
    disable_.assign(call);
    linkProgramCall(disableUses_, disable_);
}

void gdevice::setMessageControl(const gprocessorCall& call)
{
    message_.assign(call);
    linkProgramCall(messageUses_, message_);
}

void gdevice::clearMessageControl()
{
    message_.clear();
    messageUses_.clear();
}

bool gdevice::hasInitialization() const
{
    if (!firstTime_.isEmpty() || !common_.isEmpty())
        return true;
    if (defaultInit_ == 1 || !driver_)
        return false;
    return !driver_->firstTimeSequence().isEmpty() || !driver_->commonSequence().isEmpty();
}

void gdevice::clear()
{
    title_.clear();
    port_ = nullptr;
    driver_ = nullptr;
    driverGiven_ = 0;
    driverUses_.clear();
    values_.deleteAll();
    parameterUses_.clear();
    for (auto [call, uses] : {std::pair{&enable_, &enableUses_}, std::pair{&disable_, &disableUses_},
                              std::pair{&message_, &messageUses_}}) {
        call->clear();
        uses->clear();
    }
    for (gcommandSequence* sequence : {&firstTime_, &reinit_, &common_})
        sequence->clear();
    setDefined(0);
}

void gdevice::copyControls(const gdevice& source)
{
    setEnableControl(source.enable_);
    setDisableControl(source.disable_);
    setMessageControl(source.message_);
}

void gdevice::copyCommon(const gdevice& source)
{
    title_ = source.title_;
    driver_ = source.driver_;
    driverGiven_ = source.driverGiven_;
    driverUses_.clear();
    if (driver_)
        driverUses_.add(driver_->usedBy());
    retries_ = source.retries_;
    copyControls(source);
    defaultInit_ = source.defaultInit_;
}

void gdevice::copy(gdevice& source, jhashTypedDatabaseTable<gdevice>& devices,
                   jhashTypedDatabaseTable<glegacyDevice>& legacyDevices, bool keepUsers)
{
    if (&source == this)
        return;
    copyCommon(source);
    values_.deleteAll();
    g2driverParameterValue::copyAll(source.values_, values_);
    linkParameters();
    firstTime_.copy(source.firstTime_, devices, legacyDevices);
    reinit_.copy(source.reinit_, devices, legacyDevices);
    common_.copy(source.common_, devices, legacyDevices);
    if (keepUsers)
        makeAliasOf(source);
}

void gdevice::assign(gdevice& source)
{
    if (&source == this)
        return;
    copyCommon(source);
    setParameterValues(source.values_);
    firstTime_.takeOver(source.firstTime_);
    reinit_.takeOver(source.reinit_);
    common_.takeOver(source.common_);
}

void gdevice::describeReferrer(gstr& text) const
{
    gstr line;
    text.append(line.format(deviceInPort, getDisplayName(true), port_ ? port_->getTitle(true) : noText()));
}

void gdevice::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::G2DEVICE).writeKey(file, indent);
    getName().write(file, 1);
}

void gdevice::writeFields(CObjectFile& file, int indent) const
{
    if (!title_.isEmpty()) {
        gkeyword::byToken(kw::TITLE).writeKey(file, indent);
        title_.write(file, 1);
    }
    if (driver_ && driverGiven_ == 1) {
        gkeyword::byToken(kw::DRIVER).writeKey(file, indent);
        driver_->getTag().write(file, 1);
    }
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        gkeyword::byToken(kw::PARAMETER).writeKey(file, indent);
        value->write(file, 1);
    }
    if (retries_ > 0)
        portFields::deviceRetries.write(file, indent, retries_);
    writeControl(file, indent, kw::ENABLE_CONTROL, enable_);
    writeControl(file, indent, kw::DISABLE_CONTROL, disable_);
    writeControl(file, indent, kw::MESSAGE_CONTROL, message_);
    for (const gcommandSequence* sequence : {&firstTime_, &reinit_, &common_}) {
        if (!sequence->isEmpty())
            sequence->writeEmbedded(file, indent);
    }
    if (defaultInit_ == 1) {
        gkeyword::byToken(kw::DEFAULT_INIT).writeKey(file, indent);
        gkeyword::byToken(kw::NO).writeValue(file, 1);
    }
}

gloadStatus gdevice::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::TITLE: {
        if (!title_.isEmpty())
            return gload::alreadyLoaded;
        gstr title;
        if (!title.parseValue(value.data()))
            return gload::invalidValue;
        title_.adopt(title);
        return gload::accepted;
    }
    case kw::DRIVER: return loadDriver(value);
    case kw::PARAMETER: return g2driverParameterValue::loadLine(values_, value);
    case kw::RETRIES: return portFields::deviceRetries.load(value, retries_, 0);
    case kw::ENABLE_CONTROL: return loadControl(enable_, value);
    case kw::DISABLE_CONTROL: return loadControl(disable_, value);
    case kw::MESSAGE_CONTROL: return loadControl(message_, value);
    case kw::INIT_SEQUENCE: return loadSequence(value);
    case kw::DEFAULT_INIT: return loadBooleanKeyword(value, defaultInit_, kw::NO, kw::YES);
    default: return gstorable::loadField(token, value);
    }
}

gloadStatus gdevice::loadDriver(const gstr& value)
{
    if (driverGiven_ == 1)
        return gload::alreadyLoaded;
    gstr tag;
    if (!tag.parseValue(value.data()))
        return gload::invalidValue;
    g2driver* driver = station::g2Drivers().reference(tag);
    if (!driver_)
        driver_ = driver;
    if (driver_ != driver)
        return gload::invalidValue;
    setDriver(driver);
    return gload::accepted;
}

gloadStatus gdevice::loadControl(gprocessorCall& call, const gstr& value)
{
    if (call.isSet())
        return gload::alreadyLoaded;
    if (!value.isEmpty())
        return gload::invalidValue;
    loadEmbeddedObject(&call);
    return gload::accepted;
}

gloadStatus gdevice::loadSequence(const gstr& value)
{
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    gcommandSequence* sequence = nullptr;
    switch (token) {
    case kw::V_FIRST_TIME: sequence = &firstTime_; break;
    case kw::REINIT: sequence = &reinit_; break;
    case kw::COMMON: sequence = &common_; break;
    default: return gload::invalidValue;
    }
    if (!sequence->isEmpty())
        return gload::alreadyLoaded;
    loadEmbeddedObject(sequence);
    return gload::accepted;
}

void gdevice::afterLoad()
{
    linkProgramCall(enableUses_, enable_);
    linkProgramCall(disableUses_, disable_);
    linkProgramCall(messageUses_, message_);
    if (driverGiven_ == 1 && driver_) {
        parameterUses_.clear();
        jhashTypedIterator<g2driverParameterValue> it(values_);
        g2driverParameterValue* value = nullptr;
        while (it.get(value)) {
            g2driverParameter* parameter =
                driver_->parameters().referenceAs(value->getName(), g2parameterScope::driver);
            if (!parameter->acceptKind(value->getKind())) {
                driverGiven_ = 0;
                return;
            }
            parameterUses_.add(parameter->usedBy());
        }
    }
    if (defaultInit_ == -1)
        defaultInit_ = 0;
    gstorable::afterLoad();
    setDefined(1);
}
