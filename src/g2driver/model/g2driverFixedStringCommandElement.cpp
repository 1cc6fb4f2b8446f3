#include "g2driver/model/g2driverFixedStringCommandElement.h"

#include "g2driver/model/g2driverFieldReaders.h"
#include "ports/g2driverCommandOutput.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

constexpr int quotedText = 20054;

} // namespace

void g2driverFixedStringCommandElement::writeHeader(CObjectFile& file, int indent) const
{
    writeKindHeader(file, indent, kw::V_FIXED_STRING);
}

void g2driverFixedStringCommandElement::writeFields(CObjectFile& file, int indent) const
{
    if (!bytes_.isEmpty())
        writeStringLine(file, indent, kw::STRING, bytes_);
}

gloadStatus g2driverFixedStringCommandElement::loadField(int token, gstr& value)
{
    if (token != kw::STRING)
        return g2driverCommandElement::loadField(token, value);
    if (!bytes_.isNull())
        return gload::alreadyLoaded;
    gstr text;
    if (readOneTag(value, text) != gload::accepted)
        return gload::invalidValue;
    bytes_.adopt(text);
    return gload::accepted;
}

gstr g2driverFixedStringCommandElement::describe() const
{
    gstr escaped;
    escaped.assignQuoted(bytes_, true, true);
    gstr text;
    text.format(quotedText, escaped);
    return text;
}

g2driverCommandElement* g2driverFixedStringCommandElement::duplicate(g2driverParameterTable&,
                                                                      g2driverProgramTable*) const
{
    return new g2driverFixedStringCommandElement(*this);
}

g2driverCommandElement* g2driverFixedStringCommandElement::cloneForTemplate(g2driverParameterTable&,
                                                                             g2driverParameterTable&,
                                                                             g2driverCommandDataNameTable&,
                                                                             g2driverProgramTable*) const
{
    return new g2driverFixedStringCommandElement(*this);
}

void g2driverFixedStringCommandElement::encode(g2driverCommandBuilder&, int pass, g2driverCommandOutput& output)
{
    if (pass == 1)
        output.addSegment(bytes_, gmilliseconds::notSet);
}
