#include "g2driver/model/g2driverFieldReaders.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cmath>

gloadStatus readOneTag(const gstr& value, gstr& tag)
{
    if (!tag.parseValue(value.data()) || tag.isEmpty())
        return gload::invalidValue;
    return gload::accepted;
}

gloadStatus readCount(const gstr& value, int32_t& field, int32_t unset, int32_t low, int32_t high)
{
    if (field != unset)
        return gload::alreadyLoaded;
    int32_t number = 0;
    if (parseIntItem(value.data(), number) != itemResult::end || number < low || number > high)
        return gload::invalidValue;
    field = number;
    return gload::accepted;
}

gloadStatus readReal(const gstr& value, double& field, double unset)
{
    if (field != unset)
        return gload::alreadyLoaded;
    double number = 0;
    if (parseDoubleItem(value.data(), number) != itemResult::end || !std::isfinite(number))
        return gload::invalidValue;
    field = number;
    return gload::accepted;
}

void writeIntLine(CObjectFile& file, int indent, int token, int32_t value)
{
    gkeyword::byToken(token).writeKey(file, indent);
    file.writeInt(value, 1);
}

void writeUnsignedLine(CObjectFile& file, int indent, int token, uint32_t value)
{
    gkeyword::byToken(token).writeKey(file, indent);
    file.writeUnsigned(value, 1);
}

void writeStringLine(CObjectFile& file, int indent, int token, const gstrSlice& text)
{
    gkeyword::byToken(token).writeKey(file, indent);
    text.write(file, 1);
}

void writeBareLine(CObjectFile& file, int indent, int token)
{
    gkeyword::byToken(token).writeIndented(file, indent);
    file.newLine();
}

void writeQuoted(CObjectFile& file, const gstrSlice& text, int ending)
{
    gstr quoted;
    quoted.assignQuoted(text, false, true);
    file.writeString(quoted);
    file.writeEnding(ending);
}
