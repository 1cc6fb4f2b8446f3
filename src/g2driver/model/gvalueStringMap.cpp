#include "g2driver/model/gvalueStringMap.h"

#include "foundation/gregexpMatch.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

void gvalueStringMap::set(uint32_t value, const gregexp& pattern)
{
    entries_.erase(value);
    entries_.emplace(value, pattern);
}

void gvalueStringMap::write(CObjectFile& file, int indent) const
{
    for (const auto& [number, pattern] : entries_) {
        gkeyword::byToken(kw::VALUE_STRING).writeKey(file, indent);
        file.writeUnsigned(number, 2);
        pattern.write(file, 1);
    }
}

gloadStatus gvalueStringMap::loadKeyword(int token, const gstr& value)
{
    if (token != kw::VALUE_STRING)
        return gload::unknownKeyword;
    uint32_t number = 0;
    const char* next = nullptr;
    gregexp pattern(false);
    if (parseUnsignedItem(value.data(), number, next) != itemResult::comma
        || pattern.parse(next, false, false) != itemResult::end)
        return gload::invalidValue;
    if (entries_.count(number) != 0)
        return gload::alreadyLoaded;
    entries_.emplace(number, std::move(pattern));
    return gload::accepted;
}

int gvalueStringMap::match(const char*& cursor, int32_t remaining, uint32_t& value) const
{
    if (remaining < 0)
        return 0;
    gregexpMatch matcher;
    for (const auto& [number, pattern] : entries_) {
        if (matcher.match(pattern, cursor, remaining, true, gregexpMode::shortest)) {
            value = number;
            cursor = matcher.end(0);
            return 1;
        }
    }
    return 0;
}
