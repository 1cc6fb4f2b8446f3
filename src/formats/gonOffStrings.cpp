#include "formats/gonOffStrings.h"

#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

void writeText(CObjectFile& file, int indent, int token, const gstr& text)
{
    if (text.isEmpty())
        return;
    gkeyword::byToken(token).writeKey(file, indent);
    text.write(file, 1);
}

void settle(gstr& text)
{
    if (text.isNull())
        text.assign("");
}

} // namespace

void gonOffStrings::setTexts(const gstrSlice& on, const gstrSlice& off)
{
    on_.assign(on);
    off_.assign(off);
}

gloadStatus gonOffStrings::loadField(int token, const gstr& value)
{
    gstr* target = token == kw::ON_STRING ? &on_ : token == kw::OFF_STRING ? &off_ : nullptr;
    if (!target)
        return gload::unknownKeyword;
    if (!target->isNull())
        return gload::alreadyLoaded;
    gstr text;
    if (!text.parseValue(value.data()) || text.isEmpty())
        return gload::invalidValue;
    target->adopt(text);
    return gload::accepted;
}

void gonOffStrings::writeFields(CObjectFile& file, int indent) const
{
    writeText(file, indent, kw::ON_STRING, on_);
    writeText(file, indent, kw::OFF_STRING, off_);
}

void gonOffStrings::afterLoad()
{
    settle(on_);
    settle(off_);
}
