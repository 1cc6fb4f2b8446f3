#include "ports/gdeviceRef.h"

#include "g2driver/model/g2driver.h"
#include "ports/gcommandSequence.h"
#include "ports/gdevice.h"
#include "ports/glegacyDevice.h"
#include "store/gkeyword.h"

gcommandSequence& gdeviceRef::emptySequence()
{
    static gcommandSequence empty(gcommandSequence::legacyInit, kw::NONE);
    return empty;
}

const gstr& gdeviceRef::getName() const { return device_ ? device_->getName() : legacyDevice_->getName(); }

const gstr& gdeviceRef::getDisplayName() const
{
    return device_ ? device_->getDisplayName(true) : legacyDevice_->getDisplayName();
}

const gprocessorCall& gdeviceRef::getMessageControl() const
{
    return device_ ? device_->getMessageControl() : legacyDevice_->getMessageControl();
}

void gdeviceRef::clearMessageControl()
{
    if (device_)
        device_->clearMessageControl();
    else
        legacyDevice_->clearMessageControl();
}

gcommandSequence& gdeviceRef::getReinitSequence() const
{
    return device_ ? device_->reinitSequence() : emptySequence();
}

gcommandSequence& gdeviceRef::getCommonSequence() const
{
    if (device_)
        return device_->commonSequence();
    return legacyDevice_->getInitOnTimeout() != 0 ? legacyDevice_->initSequence() : emptySequence();
}

gcommandSequence& gdeviceRef::getDriverReinitSequence() const
{
    g2driver* driver = getDriver();
    return driver ? driver->reinitSequence() : emptySequence();
}

gcommandSequence& gdeviceRef::getDriverCommonSequence() const
{
    g2driver* driver = getDriver();
    return driver ? driver->commonSequence() : emptySequence();
}

bool gdeviceRef::hasInitialization() const
{
    return device_ ? device_->hasInitialization() : !legacyDevice_->initSequence().isEmpty();
}

bool gdeviceRef::hasReinitialization() const
{
    if (device_)
        return device_->hasInitialization();
    return legacyDevice_->getInitOnTimeout() != 0 && !legacyDevice_->initSequence().isEmpty();
}

g2driver* gdeviceRef::getDriver() const { return device_ ? device_->getDriver() : nullptr; }

glegacyDriver* gdeviceRef::getLegacyDriver() const { return legacyDevice_ ? legacyDevice_->getDriver() : nullptr; }

void gdeviceRef::write(CObjectFile& file, int indent) const
{
    if (device_)
        device_->writeEmbedded(file, indent);
    else
        legacyDevice_->writeEmbedded(file, indent);
}
