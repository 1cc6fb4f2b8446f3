#include "ports/g2driverErrorHandling.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "ports/portFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <utility>

int g2driverErrorHandling::parseHeader(const char* text, jhashTypedDatabaseTable<g2driverErrorCode>& codes)
{
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(text, next) != itemResult::comma || tag.isEmpty())
        return itemResult::error;
    int token = -1;
    int result = parseKeywordItem(next, token);
    int32_t kind = g2driverErrorCode::kindOfKeyword(token);
    if (result == itemResult::error || kind == g2driverErrorCode::unset)
        return itemResult::error;
    g2driverErrorCode* code = codes.reference(tag);
    if (!code->acceptKind(kind))
        return itemResult::error;
    errorCode_ = code;
    return result;
}

bool g2driverErrorHandling::isWritten() const noexcept
{
    if (ignore_.getKind() == g2driverErrorValueSet::unset)
        return false;
    return !(ignore_.getKind() == g2driverErrorValueSet::byDefault && reinit_.getKind() == g2driverErrorValueSet::none
             && retry_.getKind() == g2driverErrorValueSet::none);
}

int32_t g2driverErrorHandling::errorCodeKind() const noexcept
{
    return errorCode_ ? errorCode_->getKind() : g2driverErrorCode::unset;
}

void g2driverErrorHandling::writeHeader(CObjectFile& file, int indent) const
{
    const gkeyword& key = gkeyword::byToken(kw::ERROR_HANDLING);
    if (!errorCode_) {
        key.writeIndented(file, indent);
        file.newLine();
        return;
    }
    key.writeKey(file, indent);
    errorCode_->getName().write(file, 2);
    gkeyword::byToken(errorCode_->getKind() == g2driverErrorCode::numerical ? kw::V_NUMERICAL_VALUE
                                                                             : kw::V_STRING_VALUE)
        .writeValue(file, 1);
}

void g2driverErrorHandling::writeFields(CObjectFile& file, int indent) const
{
    const std::pair<int, const g2driverErrorValueSet*> sets[] = {
        {kw::IGNORE_ERRORS, &ignore_}, {kw::REINIT_ERRORS, &reinit_}, {kw::RETRY_ERRORS, &retry_}};
    for (const auto& [token, set] : sets) {
        if (set->getKind() == g2driverErrorValueSet::unset)
            continue;
        gkeyword::byToken(token).writeKey(file, indent);
        set->write(file, 1);
    }
    if (retry_.getKind() == g2driverErrorValueSet::none)
        return;
    if (retryDelay_.isSet()) {
        portFields::retryDelay.write(file, indent, retryDelay_);
    }
    if (retries_ > 0)
        portFields::retries.write(file, indent, retries_);
}

gloadStatus g2driverErrorHandling::loadSet(g2driverErrorValueSet& set, const gstr& value)
{
    if (set.getKind() != g2driverErrorValueSet::unset)
        return gload::alreadyLoaded;
    return set.parse(value.data(), errorCodeKind()) == itemResult::end ? gload::accepted : gload::invalidValue;
}

gloadStatus g2driverErrorHandling::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::IGNORE_ERRORS: return loadSet(ignore_, value);
    case kw::REINIT_ERRORS: return loadSet(reinit_, value);
    case kw::RETRY_ERRORS: return loadSet(retry_, value);
    case kw::DELAY: return portFields::retryDelay.load(value, retryDelay_);
    case kw::RETRIES: return portFields::retries.load(value, retries_, 0);
    default: return gstorable::loadField(token, value);
    }
}

void g2driverErrorHandling::afterLoad()
{
    int32_t retry = retry_.getKind();
    if (retry != g2driverErrorValueSet::unset && retry != g2driverErrorValueSet::none && !retryDelay_.isSet())
        retryDelay_.set(0);
}

bool g2driverErrorHandling::isComplete() const
{
    const g2driverErrorValueSet* sets[] = {&ignore_, &reinit_, &retry_};
    int defaults = 0;
    for (const g2driverErrorValueSet* set : sets) {
        if (set->getKind() == g2driverErrorValueSet::unset)
            return false;
        if (set->getKind() == g2driverErrorValueSet::byDefault)
            ++defaults;
    }
    if (defaults != 1)
        return false;
    return retry_.getKind() != g2driverErrorValueSet::none || (!retryDelay_.isSet() && retries_ == 0);
}
