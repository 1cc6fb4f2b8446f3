#include "legacy/glegacyMask.h"

#include "foundation/valueParsers.h"
#include "legacy/legacyFields.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"

#include <utility>

const gobjectType* glegacyMask::getObjectType() const { return &objectTypes::legacyMask(); }

void glegacyMask::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    const std::pair<int, const gregexp*> patterns[] = {{kw::PREFIX, &prefix_},
                                                       {kw::PATTERN2, &pattern_},
                                                       {kw::SUFFIX, &suffix_},
                                                       {kw::ERROR_PATTERN2, &errorPattern_}};
    for (const auto& [token, pattern] : patterns) {
        if (!pattern->isSet())
            continue;
        gkeyword::byToken(token).writeKey(file, indent);
        pattern->write(file, 1);
    }
    if (bufferSize_ != 0) {
        gkeyword::byToken(kw::BUFFER_SIZE).writeKey(file, indent);
        file.writeInt(bufferSize_, 1);
    }
    if (timeout_.isSet()) {
        legacyFields::maskTimeout.write(file, indent, timeout_);
    }
}

gloadStatus glegacyMask::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::PREFIX: return loadPattern(prefix_, value, false);
    case kw::PATTERN2: return loadPattern(pattern_, value, false);
    case kw::PATTERN: return loadPattern(pattern_, value, true);
    case kw::SUFFIX: return loadPattern(suffix_, value, false);
    case kw::ERROR_PATTERN2: return loadPattern(errorPattern_, value, false);
    case kw::ERROR_PATTERN: return loadPattern(errorPattern_, value, true);
    case kw::BUFFER_SIZE: {
        if (bufferSize_ != 0)
            return gload::alreadyLoaded;
        int32_t size = 0;
        if (parseIntItem(value.data(), size) != itemResult::end || size < 1)
            return gload::invalidValue;
        bufferSize_ = size;
        return gload::accepted;
    }
    case kw::TIMEOUT: return legacyFields::maskTimeout.load(value, timeout_);
    case kw::TOLERANCE: return gload::accepted;
    default: return gtitledObject::loadField(token, value);
    }
}

bool glegacyMask::isComplete() const { return pattern_.isSet() && bufferSize_ != 0 && timeout_.isSet(); }

gloadStatus glegacyMask::loadPattern(gregexp& pattern, const gstr& value, bool bracesLiteral)
{
    if (pattern.isSet())
        return gload::alreadyLoaded;
    return pattern.parse(value.data(), false, bracesLiteral) == itemResult::end ? gload::accepted
                                                                               : gload::invalidValue;
}
