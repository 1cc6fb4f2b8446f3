#include "g2driver/model/gstringOutputFormat.h"

#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gloadStatus gstringOutputFormat::loadField(int token, const gstr& value)
{
    if (token == kw::WIDTH)
        return field_.read(token, value, false, false);
    if (token != kw::REPLACEMENT)
        return gload::unknownKeyword;
    if (replacement_.isSet())
        return gload::alreadyLoaded;
    gcharOption option;
    const char* next = nullptr;
    if (option.parse(value.data(), next, false) != itemResult::end || !charClass::isPrintable(option.character()))
        return gload::invalidValue;
    replacement_ = option;
    return gload::accepted;
}

void gstringOutputFormat::writeFields(CObjectFile& file, int indent) const
{
    field_.write(file, indent);
    if (!replacement_.hasCharacter())
        return;
    gkeyword::byToken(kw::REPLACEMENT).writeKey(file, indent);
    replacement_.write(file, 1);
}

void gstringOutputFormat::afterLoad() noexcept
{
    field_.afterLoad();
    if (!replacement_.isSet())
        replacement_.setNone();
}
