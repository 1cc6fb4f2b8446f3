#include "g2driver/model/g2driverErrorValueSet.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

void g2driverErrorValueSet::clear()
{
    kind_ = unset;
    numbers_.clear();
    pattern_.clear();
}

int g2driverErrorValueSet::parse(const char* text, int32_t errorCodeKind)
{
    int token = -1;
    const char* next = nullptr;
    int result = parseKeywordItem(text, token, next);
    if (result == itemResult::error)
        return itemResult::error;
    if (token == kw::NONE || token == kw::DEFAULT) {
        if (result != itemResult::end)
            return itemResult::error;
        clear();
        kind_ = token == kw::NONE ? none : byDefault;
        return result;
    }
    if (token != kw::VALUES || result != itemResult::comma)
        return itemResult::error;
    return parseValues(next, errorCodeKind);
}

void g2driverErrorValueSet::setNumbers(std::vector<uint32_t> numbers)
{
    clear();
    kind_ = values;
    numbers_ = std::move(numbers);
}

void g2driverErrorValueSet::setPattern(gregexp& pattern)
{
    clear();
    kind_ = values;
    pattern_.transferFrom(pattern);
}

int g2driverErrorValueSet::parseValues(const char* text, int32_t errorCodeKind)
{
    if (errorCodeKind == g2driverErrorCode::text) {
        gregexp pattern(false);
        const char* next = nullptr;
        int result = pattern.parse(text, next, false, false);
        if (result != itemResult::end)
            return itemResult::error;
        clear();
        kind_ = values;
        pattern_.transferFrom(pattern);
        return result;
    }
    if (errorCodeKind != g2driverErrorCode::numerical)
        return itemResult::error;
    std::vector<uint32_t> numbers;
    const char* next = text;
    int result = itemResult::comma;
    while (result == itemResult::comma) {
        uint32_t number = 0;
        result = parseUnsignedItem(next, number, next);
        if (result == itemResult::error)
            return itemResult::error;
        numbers.push_back(number);
    }
    clear();
    kind_ = values;
    numbers_ = std::move(numbers);
    return result;
}

void g2driverErrorValueSet::write(CObjectFile& file, int ending) const
{
    switch (kind_) {
    case none: gkeyword::byToken(kw::NONE).writeValue(file, ending); return;
    case byDefault: gkeyword::byToken(kw::DEFAULT).writeValue(file, ending); return;
    default: break;
    }
    bool hasValues = pattern_.isSet() || !numbers_.empty();
    gkeyword::byToken(kw::VALUES).writeValue(file, hasValues ? 2 : ending);
    if (pattern_.isSet()) {
        pattern_.write(file, ending);
        return;
    }
    for (size_t i = 0; i < numbers_.size(); ++i)
        file.writeUnsigned(numbers_[i], i + 1 == numbers_.size() ? ending : 2);
}
