#include "registers/sources/gsourceLegacyStrings.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

std::unique_ptr<gregisterSource> gsourceLegacyStrings::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceLegacyStrings>(owner, *this);
    copy->triggers_ = triggers_;
    return copy;
}

void gsourceLegacyStrings::writeFields(CObjectFile& file, int indent) const
{
    gsourceLegacyLocated::writeFields(file, indent);
    for (const auto& [value, pattern] : triggers_) {
        gkeyword::byToken(kw::TRIGGER).writeKey(file, indent);
        file.writeUnsigned(value, 2);
        pattern.write(file, 1);
    }
}

gloadStatus gsourceLegacyStrings::loadField(int token, gstr& value)
{
    if (token == kw::TRIGGER)
        return loadTrigger(value);
    return gsourceLegacyLocated::loadField(token, value);
}

gloadStatus gsourceLegacyStrings::loadTrigger(const gstr& value)
{
    uint32_t number = 0;
    const char* next = nullptr;
    if (parseUnsignedItem(value.data(), number, next) != itemResult::comma)
        return gload::invalidValue;
    if (triggers_.contains(number))
        return gload::alreadyLoaded;
    gregexp pattern(false);
    if (pattern.parse(next, false, false) != itemResult::end)
        return gload::invalidValue;
    triggers_.emplace(number, std::move(pattern));
    return gload::accepted;
}

bool gsourceLegacyStrings::isComplete() const { return !triggers_.empty() && gsourceLegacyLocated::isComplete(); }
