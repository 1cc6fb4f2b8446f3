#include "ports/gcommandSequenceEntry.h"

#include "ports/gcommandRequest.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/glegacyDevice.h"
#include "ports/glegacyPoll.h"

namespace {

const gstr& noName()
{
    static const gstr empty("");
    return empty;
}

} // namespace

gcommandSequenceEntry::gcommandSequenceEntry(gcommandRequest* request) : request_(request) {}

gcommandSequenceEntry::gcommandSequenceEntry(glegacyPoll* poll) : poll_(poll) {}

gcommandSequenceEntry::~gcommandSequenceEntry() = default;

gdevice* gcommandSequenceEntry::getDevice() const noexcept { return request_ ? request_->getDevice() : nullptr; }

glegacyDevice* gcommandSequenceEntry::getLegacyDevice() const noexcept
{
    return poll_ ? poll_->getDevice() : nullptr;
}

g2driverCommand* gcommandSequenceEntry::getCommand() const noexcept
{
    return request_ ? request_->getCommand() : nullptr;
}

glegacyCommand* gcommandSequenceEntry::getLegacyCommand() const noexcept
{
    return poll_ ? poll_->getCommand() : nullptr;
}

int32_t gcommandSequenceEntry::getKeepWithNext() const noexcept
{
    if (request_)
        return request_->getKeepWithNext();
    return poll_ ? poll_->getKeepWithNext() : 0;
}

void gcommandSequenceEntry::setKeepWithNext(int32_t count) noexcept
{
    if (request_)
        request_->setKeepWithNext(count);
    else if (poll_)
        poll_->setKeepWithNext(count);
}

bool gcommandSequenceEntry::matches(const gdeviceRef& device) const noexcept
{
    if (request_)
        return request_->getDevice() && request_->getDevice() == device.getDevice();
    return poll_ && poll_->getDevice() && poll_->getDevice() == device.getLegacyDevice();
}

const gstr& gcommandSequenceEntry::getDeviceDisplayName() const
{
    if (request_)
        return request_->getDevice() ? request_->getDevice()->getDisplayName(false) : noName();
    return poll_ && poll_->getDevice() ? poll_->getDevice()->getDisplayName() : noName();
}

void gcommandSequenceEntry::describe(gstr& text, bool withDevice) const
{
    if (request_)
        request_->describe(text, withDevice);
    else if (poll_)
        poll_->describe(text, withDevice);
}

gcommandSequenceEntry* gcommandSequenceEntry::copyForDevice(const gdeviceRef& device) const
{
    if (request_) {
        if (!device.getDevice())
            return nullptr;
        return new gcommandSequenceEntry(request_->copyForDevice(device.getDevice()));
    }
    if (!poll_ || !device.getLegacyDevice())
        return nullptr;
    glegacyPoll* poll = poll_->copyForDevice(*device.getLegacyDevice());
    return poll ? new gcommandSequenceEntry(poll) : nullptr;
}

gcommandRequest& gcommandSequenceEntry::useRequest()
{
    poll_.reset();
    if (!request_)
        request_ = std::make_unique<gcommandRequest>();
    return *request_;
}

glegacyPoll& gcommandSequenceEntry::useLegacyPoll()
{
    request_.reset();
    if (!poll_)
        poll_ = std::make_unique<glegacyPoll>();
    return *poll_;
}

void gcommandSequenceEntry::write(CObjectFile& file, int indent) const
{
    if (request_)
        request_->writeEmbedded(file, indent);
    else if (poll_)
        poll_->write(file, indent);
}
