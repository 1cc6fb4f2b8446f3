#include "registers/sources/gsourceLegacyFilter.h"

#include "foundation/valueParsers.h"
#include "store/gkeyword.h"

std::unique_ptr<gregisterSource> gsourceLegacyFilter::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceLegacyFilter>(owner, *this);
    copy->allowed_.assign(allowed_.rbegin(), allowed_.rend());
    return copy;
}

// Patterns read from the older ALLOW lines are written back as ALLOW2,
// which reads braces the current way: their own text says which.
void gsourceLegacyFilter::writeFields(CObjectFile& file, int indent) const
{
    gsourceLegacyLocated::writeFields(file, indent);
    for (const gregexp& pattern : allowed_) {
        gkeyword::byToken(kw::ALLOW2).writeKey(file, indent);
        pattern.write(file, 1);
    }
}

gloadStatus gsourceLegacyFilter::loadField(int token, gstr& value)
{
    if (token == kw::ALLOW2)
        return loadAllowed(value, false);
    if (token == kw::ALLOW)
        return loadAllowed(value, true);
    return gsourceLegacyLocated::loadField(token, value);
}

gloadStatus gsourceLegacyFilter::loadAllowed(const gstr& value, bool bracesLiteral)
{
    gregexp pattern(false);
    if (pattern.parse(value.data(), false, bracesLiteral) != itemResult::end)
        return gload::invalidValue;
    allowed_.push_back(std::move(pattern));
    return gload::accepted;
}

bool gsourceLegacyFilter::isComplete() const { return !allowed_.empty() && gsourceLegacyLocated::isComplete(); }
