#include "g2driver/model/g2driverRegexpResponseElement.h"

#include "foundation/gregexpMatch.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "ports/g2serialTransaction.h"
#include "ports/gnamedValue.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int quotedPattern = 20076;

} // namespace

bool decodedNumber(const g2serialTransaction& transaction, const g2driverResponseValue* value, int64_t& number)
{
    const g2responseMatcher* matcher = transaction.currentMatcher();
    if (!matcher || !value)
        return false;
    const auto* found = static_cast<const gnamedValue*>(matcher->values().find(value->getName()));
    if (!found || found->getKind() != gnamedValue::number)
        return false;
    number = found->getNumber();
    return true;
}

g2driverRegexpResponseElement::g2driverRegexpResponseElement(const g2driverRegexpResponseElement& other,
                                                             g2driverResponseValueTable& values)
    : g2driverResponseElement(other, values), pattern_(other.pattern_)
{
    if (other.repeat_)
        setRepeat(values.reference(other.repeat_->getName()), other.repeatOffset_);
}

void g2driverRegexpResponseElement::setRepeat(g2driverResponseValue* value, int32_t offset)
{
    repeat_ = value;
    repeatOffset_ = value ? offset : 0;
    repeatUses_.clear();
    if (value) {
        value->acceptKind(g2driverResponseValue::numerical);
        repeatUses_.add(value->usedBy());
    }
}

void g2driverRegexpResponseElement::writeFields(CObjectFile& file, int indent) const
{
    g2driverResponseElement::writeFields(file, indent);
    if (pattern_.isSet()) {
        gkeyword::byToken(kw::PATTERN).writeKey(file, indent);
        pattern_.write(file, 1);
    }
    if (!repeat_)
        return;
    gkeyword::byToken(kw::REPEAT_VALUE).writeKey(file, indent);
    writeQuoted(file, repeat_->getName(), repeatOffset_ != 0 ? 2 : 1);
    if (repeatOffset_ != 0)
        file.writeInt(repeatOffset_, 1);
}

gloadStatus g2driverRegexpResponseElement::loadField(int token, gstr& value)
{
    if (token == kw::PATTERN) {
        if (pattern_.isSet())
            return gload::alreadyLoaded;
        return pattern_.parse(value.data(), false, false) == itemResult::end ? gload::accepted : gload::invalidValue;
    }
    if (token == kw::REPEAT_VALUE)
        return loadRepeat(value);
    return g2driverResponseElement::loadField(token, value);
}

gloadStatus g2driverRegexpResponseElement::loadRepeat(const gstr& value)
{
    if (repeat_)
        return gload::alreadyLoaded;
    gstr name;
    const char* next = nullptr;
    const int result = name.parse(value.data(), next);
    g2driverResponseValueTable* values = valueTable();
    if (result == itemResult::error || name.isEmpty() || !values)
        return gload::invalidValue;
    int32_t offset = 0;
    if (result == itemResult::comma && parseIntItem(next, offset) != itemResult::end)
        return gload::invalidValue;
    g2driverResponseValue* repeat = values->reference(name);
    if (!repeat->acceptKind(g2driverResponseValue::numerical))
        return gload::invalidValue;
    setRepeat(repeat, offset);
    return gload::accepted;
}

gstr g2driverRegexpResponseElement::describe() const
{
    gstr source;
    pattern_.toString(source, true);
    gstr text;
    text.format(quotedPattern, source);
    return text;
}

g2driverResponseElement* g2driverRegexpResponseElement::duplicate(
    g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable& responseValues,
    g2driverResponseDataNameTable&, jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverRegexpResponseElement(*this, responseValues);
}

// Each match must begin at the cursor. A match that takes no bytes would
// take none every time after it, so the count stops there; every other
// match takes at least one byte, so a count beyond the bytes left fails
// without a loop of that length.
int g2driverRegexpResponseElement::decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining)
{
    int64_t number = 0;
    if (!decodedNumber(transaction, repeat_, number))
        return badData;
    int64_t count = number + repeatOffset_;
    if (count < 0)
        return badData;
    if (!pattern_.isSet() || remaining < 0)
        return needMore;
    const char* at = cursor;
    int32_t left = remaining;
    gregexpMatch match;
    for (; count > 0; --count) {
        if (!match.match(pattern_, at, left, true, gregexpMode::shortest))
            return needMore;
        const int32_t taken = static_cast<int32_t>(match.end(0) - at);
        if (taken == 0)
            break;
        at += taken;
        left -= taken;
    }
    cursor = at;
    return decoded;
}
