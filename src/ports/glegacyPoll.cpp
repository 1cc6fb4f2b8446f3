#include "ports/glegacyPoll.h"

#include "foundation/valueParsers.h"
#include "legacy/glegacyDriver.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

void glegacyPoll::copy(const glegacyPoll& source, jhashTypedDatabaseTable<glegacyDevice>& devices)
{
    command_ = source.command_;
    keepWithNext_ = source.keepWithNext_;
    device_ = source.device_ ? devices.reference(source.device_->getName()) : nullptr;
}

void glegacyPoll::rebindDevice(gserialPort& port)
{
    if (device_)
        device_ = port.getLegacyDevice(device_->getName());
}

void glegacyPoll::addReferences(gusesList& uses, const glegacyDevice* excluded) const
{
    if (command_)
        uses.add(command_->usedBy());
    if (device_ && device_ != excluded)
        uses.add(*device_);
}

bool glegacyPoll::rebindDriver(glegacyDriver& driver, const glegacyDevice* removed)
{
    if (removed != device_)
        return true;
    device_ = nullptr;
    if (command_ && command_->getDriver() == &driver)
        return true;
    command_ = command_ ? driver.commands().find(command_->getName()) : nullptr;
    return command_ && command_->getKind() != glegacyCommand::reply;
}

void glegacyPoll::describe(gstr& text, bool withDevice) const
{
    if (withDevice && device_) {
        text.append(device_->getDisplayName());
        text.append(" - ");
    }
    if (command_)
        text.append(command_->getName());
}

glegacyPoll* glegacyPoll::copyForDevice(glegacyDevice& device) const
{
    glegacyDriver* driver = device.getDriver();
    glegacyCommand* command = driver && command_ ? driver->commands().find(command_->getName()) : nullptr;
    if (!command)
        return nullptr;
    auto poll = std::make_unique<glegacyPoll>();
    poll->command_ = command;
    poll->device_ = &device;
    poll->keepWithNext_ = keepWithNext_;
    return poll.release();
}

int glegacyPoll::parse(gserialPort& port, const char* text)
{
    gstr deviceTag;
    const char* next = nullptr;
    if (deviceTag.parse(text, next) != itemResult::comma || deviceTag.isEmpty())
        return itemResult::error;
    gstr commandTag;
    int result = commandTag.parse(next, next);
    if (result == itemResult::error || commandTag.isEmpty())
        return itemResult::error;
    glegacyDevice* device = port.getLegacyDevice(deviceTag);
    glegacyDriver* driver = device->getDriver();
    if (!driver)
        return itemResult::error;
    glegacyCommand* command = driver->referenceCommand(commandTag);
    if (!command->setKind(glegacyCommand::command))
        return itemResult::error;
    device_ = device;
    command_ = command;
    if (result == itemResult::end)
        return result;
    int32_t count = 0;
    result = parseIntItem(next, count);
    if (result != itemResult::error)
        keepWithNext_ = count;
    return result;
}

void glegacyPoll::write(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::POLL).writeKey(file, indent);
    bool counted = keepWithNext_ > 0;
    if (device_)
        device_->getName().write(file, 2);
    if (command_)
        command_->getName().write(file, counted ? 2 : 1);
    else
        gstrSlice::empty.write(file, counted ? 2 : 1);
    if (counted)
        file.writeInt(keepWithNext_, 1);
}
