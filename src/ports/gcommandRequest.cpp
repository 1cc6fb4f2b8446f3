#include "ports/gcommandRequest.h"

#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommand.h"
#include "ports/gdevice.h"
#include "ports/gserialPort.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

gcommandRequest::gcommandRequest() = default;

gcommandRequest::~gcommandRequest() = default;

void gcommandRequest::copy(const gcommandRequest& source)
{
    if (&source == this)
        return;
    command_ = source.command_;
    device_ = source.device_;
    values_.deleteAll();
    g2driverParameterValue::copyAll(source.values_, values_);
    keepWithNext_ = source.keepWithNext_;
}

void gcommandRequest::copy(const gcommandRequest& source, jhashTypedDatabaseTable<gdevice>& devices)
{
    copy(source);
    if (device_)
        device_ = devices.reference(device_->getName());
}

void gcommandRequest::copy(const gcommandRequest& source, const jhashTypedDatabaseTable<g2driverCommand>& commands)
{
    copy(source);
    device_ = nullptr;
    if (command_)
        command_ = commands.find(command_->getName());
}

gcommandRequest* gcommandRequest::copyForDevice(gdevice* device) const
{
    auto request = std::make_unique<gcommandRequest>();
    request->copy(*this);
    request->device_ = device;
    return request.release();
}

void gcommandRequest::rebindDevice(gserialPort& port)
{
    if (device_)
        device_ = port.getDevice(device_->getName());
}

void gcommandRequest::rebindCommand(g2driver& driver)
{
    if (command_)
        command_ = driver.commands().find(command_->getName());
}

void gcommandRequest::addParameterReferences(gusesList& uses) const
{
    if (!command_)
        return;
    uses.add(command_->usedBy());
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value))
        uses.add(command_->parameters().referenceAs(value->getName(), g2parameterScope::command)->usedBy(2));
}

void gcommandRequest::addReferences(gusesList& uses, const gdevice* excluded) const
{
    addParameterReferences(uses);
    if (device_ && device_ != excluded)
        uses.add(*device_);
}

void gcommandRequest::addDriverReferences(gusesList& uses) const { addParameterReferences(uses); }

void gcommandRequest::describe(gstr& text, bool withDevice) const
{
    if (withDevice && device_) {
        text.append(device_->getDisplayName(true));
        text.append(" - ");
    }
    if (!command_)
        return;
    text.append(command_->getName());
    g2driverParameterValue::describeList(text, command_->parameters().ordered(), values_);
}

void gcommandRequest::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::COMMAND).writeKey(file, indent);
    if (device_) {
        device_->getName().write(file, 2);
        if (g2driver* driver = device_->getDriver())
            driver->getTag().write(file, 2);
        else
            gstrSlice::empty.write(file, 2);
    }
    if (command_)
        command_->getName().write(file, 1);
    else
        gstrSlice::empty.write(file, 1);
}

void gcommandRequest::writeFields(CObjectFile& file, int indent) const
{
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        gkeyword::byToken(kw::PARAMETER).writeKey(file, indent);
        value->write(file, 1);
    }
    if (device_ && keepWithNext_ > 0) {
        gkeyword::byToken(kw::KEEP_WITH_NEXT).writeKey(file, indent);
        file.writeInt(keepWithNext_, 1);
    }
}

gloadStatus gcommandRequest::loadField(int token, gstr& value)
{
    if (token == kw::PARAMETER)
        return g2driverParameterValue::loadLine(values_, value);
    if (token != kw::KEEP_WITH_NEXT || !device_)
        return gstorable::loadField(token, value);
    if (keepWithNext_ != -1)
        return gload::alreadyLoaded;
    int32_t count = 0;
    if (parseIntItem(value.data(), count) != itemResult::end || count < 0)
        return gload::invalidValue;
    keepWithNext_ = count;
    return gload::accepted;
}

void gcommandRequest::afterLoad()
{
    gstorable::afterLoad();
    if (keepWithNext_ == -1)
        keepWithNext_ = 0;
}

bool gcommandRequest::isComplete() const
{
    if (!command_)
        return false;
    jhashTypedIterator<g2driverParameterValue> it(values_);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        g2driverParameter* parameter = command_->parameters().referenceAs(value->getName(), g2parameterScope::command);
        if (!parameter->acceptKind(value->getKind()))
            return false;
    }
    return true;
}
