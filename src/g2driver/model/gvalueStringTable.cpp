#include "g2driver/model/gvalueStringTable.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gloadStatus gvalueStringTable::loadField(int token, const gstr& value)
{
    if (token == kw::DEFAULT_STRING) {
        if (!default_.isNull())
            return gload::alreadyLoaded;
        gstr text;
        if (!text.parseValue(value.data()) || text.isEmpty())
            return gload::invalidValue;
        default_.adopt(text);
        return gload::accepted;
    }
    if (token != kw::VALUE_STRING)
        return gload::unknownKeyword;
    uint32_t number = 0;
    const char* next = nullptr;
    gstr text;
    if (parseUnsignedItem(value.data(), number, next) != itemResult::comma || !text.parseValue(next))
        return gload::invalidValue;
    if (!entries_.try_emplace(number, std::move(text)).second)
        return gload::alreadyLoaded;
    return gload::accepted;
}

void gvalueStringTable::writeFields(CObjectFile& file, int indent) const
{
    if (!default_.isEmpty()) {
        gkeyword::byToken(kw::DEFAULT_STRING).writeKey(file, indent);
        default_.write(file, 1);
    }
    for (const auto& [number, text] : entries_) {
        gkeyword::byToken(kw::VALUE_STRING).writeKey(file, indent);
        file.writeUnsigned(number, 2);
        text.write(file, 1);
    }
}

void gvalueStringTable::afterLoad()
{
    if (default_.isNull())
        default_.assign("");
}

const gstr& gvalueStringTable::textFor(uint32_t value) const noexcept
{
    auto it = entries_.find(value);
    return it == entries_.end() ? default_ : it->second;
}
