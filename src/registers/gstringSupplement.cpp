#include "registers/gstringSupplement.h"

#include "foundation/valueParsers.h"
#include "registers/gregister.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

void gstringSupplement::writeFields(CObjectFile& file, int indent) const
{
    for (int32_t i = 0; i < triggers_.size(); ++i) {
        const gregexp* trigger = triggers_[i];
        if (!trigger || !trigger->isSet())
            continue;
        gkeyword::byToken(trigger->minLength() > 0 ? kw::TRIGGER2 : kw::TRIGGER).writeKey(file, indent);
        trigger->write(file, 1);
    }
    writeSource(file, indent);
    if (logInfo_.getMode() > gstringLogInfo::none)
        logInfo_.writeEmbedded(file, indent);
}

gloadStatus gstringSupplement::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::SOURCE: return loadSource(value);
    case kw::TRIGGER: return loadTrigger(value, true);
    case kw::TRIGGER2: return loadTrigger(value, false);
    case kw::VALUE_LOG_INFO:
        if (logInfo_.getMode() != gstringLogInfo::notSet)
            return gload::alreadyLoaded;
        if (!value.isEmpty())
            return gload::invalidValue;
        loadEmbedded(&logInfo_);
        return gload::accepted;
    default: return gload::unknownKeyword;
    }
}

// The older TRIGGER form reads a brace as a plain byte and lets a pattern
// match an empty text.
gloadStatus gstringSupplement::loadTrigger(const gstr& value, bool older)
{
    auto trigger = std::make_unique<gregexp>(older);
    if (trigger->parse(value.data(), false, older) != itemResult::end)
        return gload::invalidValue;
    triggers_.append(trigger.release());
    return gload::accepted;
}

void gstringSupplement::afterLoad()
{
    if (logInfo_.getMode() == gstringLogInfo::notSet)
        logInfo_.setMode(gstringLogInfo::none);
}

bool gstringSupplement::isComplete() const
{
    for (int32_t i = 0; i < triggers_.size(); ++i) {
        if (triggers_[i] && triggers_[i]->isSet())
            return true;
    }
    return getRegister().getLevel() == gregister::levelNone;
}

std::unique_ptr<gregisterSupplement> gstringSupplement::clone(gregister& owner) const
{
    auto copy = std::make_unique<gstringSupplement>(owner);
    for (int32_t i = 0; i < triggers_.size(); ++i) {
        if (const gregexp* trigger = triggers_[i])
            copy->triggers_.append(new gregexp(*trigger));
    }
    copy->logInfo_ = logInfo_;
    cloneSourceInto(*copy);
    return copy;
}

int gstringSupplement::replaceText(const gregisterBatchOptions& options, gstr& log,
                                   jhashTypedDatabaseTable<gregister>* newRegisters)
{
    return logInfo_.replaceText(options) + replaceInSource(options, log, newRegisters);
}
