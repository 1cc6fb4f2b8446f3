#include "ports/glegacyReplyMatcher.h"

#include "foundation/gregexp.h"
#include "foundation/gregexpMatch.h"
#include "foundation/jbuffer.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyResponse.h"
#include "ports/gexchangeResult.h"

#include <vector>

namespace {

const gregexp* setOrNull(const gregexp& pattern) { return pattern.isSet() ? &pattern : nullptr; }

// The mask's own pattern when set, else the driver's, else none.
const gregexp* eitherPattern(const glegacyMask* mask, const gregexp& (glegacyMask::*own)() const,
                             const glegacyDriver* driver, const gregexp& (glegacyDriver::*fallback)() const)
{
    if (mask && (mask->*own)().isSet())
        return &(mask->*own)();
    return driver ? setOrNull((driver->*fallback)()) : nullptr;
}

// The buffer's bytes become the given part of them; they are copied first,
// as the part lies in the buffer.
void keepPart(jbuffer& buffer, const char* start, int32_t length)
{
    std::vector<char> part(start, start + length);
    buffer.assign(part.data(), length);
}

} // namespace

glegacyReplyMatcher::glegacyReplyMatcher(const gregexp* prefix, const gregexp* pattern, const gregexp* suffix,
                                         const gregexp* errorPattern) noexcept
    : prefix_(prefix), pattern_(pattern), suffix_(suffix), errorPattern_(errorPattern)
{
}

glegacyReplyMatcher::glegacyReplyMatcher(const glegacyResponse& response) noexcept
{
    const glegacyMask* mask = response.getMask();
    const glegacyDriver* driver = response.getDriver();
    prefix_ = eitherPattern(mask, &glegacyMask::prefix, driver, &glegacyDriver::prefix);
    pattern_ = mask ? setOrNull(mask->pattern()) : nullptr;
    suffix_ = eitherPattern(mask, &glegacyMask::suffix, driver, &glegacyDriver::suffix);
    errorPattern_ = eitherPattern(mask, &glegacyMask::errorPattern, driver, &glegacyDriver::errorPattern);
}

int glegacyReplyMatcher::match(jbuffer& buffer) const
{
    const char* text = reinterpret_cast<const char*>(buffer.data());
    gregexpMatch match;
    if (pattern_ && pattern_->isSet()) {
        const gregexp* parts[3] = {prefix_, pattern_, suffix_};
        if (match.matchSequence(parts, 3, text, buffer.used(), false, 0)) {
            keepPart(buffer, match.start(1), match.length(1));
            return gexchangeResult::valid;
        }
    }
    if (errorPattern_ && errorPattern_->isSet() && match.match(*errorPattern_, text, buffer.used(), false, 0)) {
        keepPart(buffer, match.start(0), match.length(0));
        return gexchangeResult::error;
    }
    return 0;
}
