#include "g2driver/model/g2driverResponseCondition.h"

#include "foundation/gregexpMatch.h"
#include "foundation/jhashTable.h"
#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "ports/gnamedValue.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <iterator>

namespace {

constexpr int operatorTokens[] = {kw::EQ, kw::NE, kw::LT, kw::GT, kw::LE, kw::GE,
                                  kw::IS, kw::IS_NOT, kw::CONTAINS, kw::DOES_NOT_CONTAIN};

int32_t operatorOfToken(int token)
{
    for (int32_t op = 0; op < static_cast<int32_t>(std::size(operatorTokens)); ++op) {
        if (operatorTokens[op] == token)
            return op;
    }
    return -1;
}

bool compare(int32_t op, uint32_t value, uint32_t number)
{
    switch (op) {
    case g2driverResponseCondition::equal: return value == number;
    case g2driverResponseCondition::notEqual: return value != number;
    case g2driverResponseCondition::less: return value < number;
    case g2driverResponseCondition::greater: return value > number;
    case g2driverResponseCondition::lessOrEqual: return value <= number;
    default: return value >= number;
    }
}

} // namespace

void g2driverResponseCondition::setNumberTest(int32_t op, uint32_t number)
{
    op_ = op;
    number_ = number;
    pattern_.clear();
}

void g2driverResponseCondition::setTextTest(int32_t op, const gregexp& pattern)
{
    op_ = op;
    number_ = 0;
    pattern_ = pattern;
}

gloadStatus g2driverResponseCondition::read(const gstr& text, g2driverResponseValueTable& values)
{
    gstr name;
    const char* next = nullptr;
    if (name.parse(text.data(), next) != itemResult::comma || name.isEmpty())
        return gload::invalidValue;
    int token = -1;
    if (parseKeywordItem(next, token, next) != itemResult::comma)
        return gload::invalidValue;
    const int32_t op = operatorOfToken(token);
    if (op < 0)
        return gload::invalidValue;
    g2driverResponseValue* value = values.reference(name);
    if (!value->acceptKind(neededKind(op)))
        return gload::invalidValue;
    if (neededKind(op) == 1) {
        uint32_t number = 0;
        if (parseUnsignedItem(next, number) != itemResult::end)
            return gload::invalidValue;
        setNumberTest(op, number);
    } else {
        gregexp pattern(false);
        if (pattern.parse(next, false, false) != itemResult::end)
            return gload::invalidValue;
        setTextTest(op, pattern);
    }
    value_ = value;
    return gload::accepted;
}

void g2driverResponseCondition::write(CObjectFile& file, int indent) const
{
    if (!value_)
        return;
    gkeyword::byToken(kw::CONDITION).writeKey(file, indent);
    writeQuoted(file, value_->getName(), 2);
    gkeyword::byToken(operatorTokens[op_]).writeValue(file, 2);
    if (neededKind(op_) == 1)
        file.writeUnsigned(number_, 1);
    else
        pattern_.write(file, 1);
}

bool g2driverResponseCondition::holds(const jhashNamedObjectTable& decoded) const
{
    if (!value_)
        return false;
    const auto* found = static_cast<const gnamedValue*>(decoded.find(value_->getName()));
    if (!found)
        return false;
    if (neededKind(op_) == 1)
        return found->getKind() == gnamedValue::number && compare(op_, found->getNumber(), number_);
    if (found->getKind() != gnamedValue::text || !pattern_.isSet())
        return false;
    const gstr& text = found->getText();
    gregexpMatch match;
    const bool whole = op_ == is || op_ == isNot;
    const bool matched = match.match(pattern_, text.data() ? text.data() : "", text.length(), whole,
                                       whole ? gregexpMode::wholeText : gregexpMode::shortest);
    return (op_ == is || op_ == contains) ? matched : !matched;
}
