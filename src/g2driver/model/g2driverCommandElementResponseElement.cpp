#include "g2driver/model/g2driverCommandElementResponseElement.h"

#include "g2driver/model/g2driverFieldReaders.h"
#include "ports/g2serialTransaction.h"
#include "store/gkeyword.h"

#include <climits>
#include <cstring>

namespace {

constexpr int numberText = 20042;

} // namespace

void g2driverCommandElementResponseElement::writeFields(CObjectFile& file, int indent) const
{
    g2driverResponseElement::writeFields(file, indent);
    if (number_ > 0)
        writeIntLine(file, indent, kw::COMMAND_ELEMENT, number_);
}

gloadStatus g2driverCommandElementResponseElement::loadField(int token, gstr& value)
{
    if (token == kw::COMMAND_ELEMENT)
        return readCount(value, number_, 0, 1, INT_MAX);
    return g2driverResponseElement::loadField(token, value);
}

gstr g2driverCommandElementResponseElement::describe() const
{
    gstr text;
    text.format(numberText, number_);
    return text;
}

g2driverResponseElement* g2driverCommandElementResponseElement::duplicate(
    g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable& responseValues,
    g2driverResponseDataNameTable&, jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&, bool) const
{
    return new g2driverCommandElementResponseElement(*this, responseValues);
}

int g2driverCommandElementResponseElement::decode(g2serialTransaction& transaction, const char*& cursor,
                                                  int32_t remaining)
{
    if (number_ <= 0 || number_ > transaction.outputCount())
        return badData;
    const gstr expected = transaction.elementOutput(number_ - 1).allBytes();
    const auto length = static_cast<size_t>(expected.length());
    if (remaining < expected.length() || std::memcmp(cursor, expected.data(), length) != 0)
        return needMore;
    cursor += expected.length();
    return decoded;
}
