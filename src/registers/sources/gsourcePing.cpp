#include "registers/sources/gsourcePing.h"

#include "foundation/valueParsers.h"
#include "registers/registerFieldLines.h"
#include "registers/sources/pingFields.h"
#include "registers/sources/sourceFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>

void gsourcePing::setAddress(const uint8_t (&address)[4]) { std::copy(address, address + 4, address_); }

bool gsourcePing::intervalCovers(double intervalMs, double timeoutMs, double retries)
{
    return intervalMs >= timeoutMs * retries + shortestInterval;
}

std::unique_ptr<gregisterSource> gsourcePing::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourcePing>(owner);
    copy->setAddress(address_);
    copy->interval_ = interval_;
    copy->timeout_ = timeout_;
    copy->retries_ = retries_;
    copy->errorAsAlarm_ = errorAsAlarm_;
    return copy;
}

void gsourcePing::writeFields(CObjectFile& file, int indent) const
{
    if (address_[0] != 0)
        writeAddressLine(file, indent, kw::ADDRESS, address_);
    if (interval_.isSet())
        pingFields::interval.write(file, indent, interval_);
    if (timeout_.isSet() && timeout_.get() != defaultTimeout)
        pingFields::timeout.write(file, indent, timeout_);
    if (retries_ > 1) {
        gkeyword::byToken(kw::RETRIES).writeKey(file, indent);
        file.writeUnsigned(retries_, 1);
    }
    if (errorAsAlarm_ > 0)
        writeKeywordLine(file, indent, kw::ERROR_AS_ALARM, kw::YES);
}

gloadStatus gsourcePing::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::ADDRESS: return loadAddress(value);
    case kw::INTERVAL: return pingFields::interval.load(value, interval_);
    case kw::TIMEOUT: return pingFields::timeout.load(value, timeout_);
    case kw::RETRIES: return loadRetries(value);
    case kw::ERROR_AS_ALARM: return loadBooleanKeyword(value, errorAsAlarm_, kw::YES, kw::NO);
    default: return gbistateRegisterSource::loadField(token, value);
    }
}

gloadStatus gsourcePing::loadAddress(const gstr& value)
{
    if (address_[0] != 0)
        return gload::alreadyLoaded;
    return readHostAddress(value, address_) ? gload::accepted : gload::invalidValue;
}

gloadStatus gsourcePing::loadRetries(const gstr& value)
{
    if (retries_ != 0)
        return gload::alreadyLoaded;
    uint32_t read = 0;
    if (parseUnsignedItem(value.data(), read) != itemResult::end || read == 0)
        return gload::invalidValue;
    retries_ = read;
    return gload::accepted;
}

void gsourcePing::afterLoad()
{
    if (!timeout_.isSet())
        timeout_.set(defaultTimeout);
    if (retries_ == 0)
        retries_ = 1;
    if (errorAsAlarm_ < 0)
        errorAsAlarm_ = 0;
}

bool gsourcePing::isComplete() const
{
    return address_[0] != 0 && interval_.isSet() && timeout_.isSet()
           && intervalCovers(interval_.get(), timeout_.get(), retries_);
}
