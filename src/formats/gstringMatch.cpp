#include "formats/gstringMatch.h"

#include "foundation/gregexpMatch.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int patternPart = 1;
constexpr int suffixPart = 2;

void writePattern(CObjectFile& file, int indent, int token, const gregexp& pattern)
{
    if (!pattern.isSet())
        return;
    gkeyword::byToken(token).writeKey(file, indent);
    pattern.write(file, 1);
}

} // namespace

gstringMatch::gstringMatch(bool patternAllowsZeroLength)
    : prefix_(false), pattern_(patternAllowsZeroLength), suffix_(false)
{
}

int gstringMatch::match(const char*& cursor, int32_t available, gstr& value) const
{
    if (!pattern_.isSet() || available < 0)
        return 0;
    const gregexp* const sequence[] = {&prefix_, &pattern_, &suffix_};
    bool withSuffix = suffix_.isSet();
    gregexpMatch matcher;
    if (!matcher.match(sequence, 3, cursor, available, true,
                       withSuffix ? gregexpMode::shortest : gregexpMode::greedyLast))
        return 0;
    value.assign(matcher.start(patternPart), matcher.length(patternPart));
    cursor = matcher.end(withSuffix ? suffixPart : patternPart);
    return 1;
}

gloadStatus gstringMatch::readKeyword(int token, const gstr& value)
{
    gregexp* target = nullptr;
    switch (token) {
    case kw::PREFIX: target = &prefix_; break;
    case kw::PATTERN: target = &pattern_; break;
    case kw::SUFFIX: target = &suffix_; break;
    default: return gload::unknownKeyword;
    }
    if (target->isSet())
        return gload::alreadyLoaded;
    return target->parse(value.data(), false, false) == itemResult::end ? gload::accepted : gload::invalidValue;
}

void gstringMatch::write(CObjectFile& file, int indent) const
{
    writePattern(file, indent, kw::PREFIX, prefix_);
    writePattern(file, indent, kw::PATTERN, pattern_);
    writePattern(file, indent, kw::SUFFIX, suffix_);
}
