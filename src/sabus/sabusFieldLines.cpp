#include "sabus/sabusFieldLines.h"

#include "foundation/valueParsers.h"
#include "registers/gregister.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"

#include <cmath>

namespace sabusLines {

bool parseText(const char* text, gstr& out, bool printable)
{
    gstr parsed;
    if (!parsed.parseValue(text) || parsed.isEmpty() || (printable && !parsed.isPrintable()))
        return false;
    out.adopt(parsed);
    return true;
}

gloadStatus loadText(gstr& field, const gstr& value, bool nonEmpty, bool printable)
{
    if (!field.isNull())
        return gload::alreadyLoaded;
    gstr parsed;
    if (!parsed.parseValue(value.data()))
        return gload::invalidValue;
    if ((nonEmpty && parsed.isEmpty()) || (printable && !parsed.isPrintable()))
        return gload::invalidValue;
    field.adopt(parsed);
    return gload::accepted;
}

gloadStatus loadReal(double& field, const gstr& value)
{
    if (isSet(field))
        return gload::alreadyLoaded;
    double parsed = 0;
    if (parseDoubleItem(value.data(), parsed) != itemResult::end || !std::isfinite(parsed))
        return gload::invalidValue;
    field = parsed;
    return gload::accepted;
}

bool parseIntInRange(const char* text, int32_t low, int32_t high, int32_t& out)
{
    int32_t parsed = 0;
    if (parseIntItem(text, parsed) != itemResult::end || parsed < low || parsed > high)
        return false;
    out = parsed;
    return true;
}

void writeText(CObjectFile& file, int indent, int token, const gstrSlice& text)
{
    gkeyword::byToken(token).writeKey(file, indent);
    text.write(file, 1);
}

void writeTextIfAny(CObjectFile& file, int indent, int token, const gstrSlice& text)
{
    if (!text.isEmpty())
        writeText(file, indent, token, text);
}

void writeReal(CObjectFile& file, int indent, int token, double value)
{
    gkeyword::byToken(token).writeKey(file, indent);
    file.writeReal(value, 1);
}

bool isSet(double value) { return value != HUGE_VAL; }

bool isNumberBase(int32_t base) { return base == 2 || base == 8 || base == 10 || base == 16; }

gstr registerTitle(const gregister* reg) { return reg ? gstr(reg->getTitle(true)) : gstr(""); }

gstr programTitle(const gprogramUsedByList* program)
{
    if (!program)
        return gstr("");
    if (const auto* titled = dynamic_cast<const gtitledObject*>(program))
        return gstr(titled->getTitle(true));
    return gstr(program->programTag());
}

} // namespace sabusLines
