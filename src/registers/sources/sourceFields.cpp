#include "registers/sources/sourceFields.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gloadStatus loadNonEmptyText(gstr& field, const gstr& value)
{
    if (!field.isEmpty())
        return gload::alreadyLoaded;
    gstr read;
    if (!readTagItem(value, read))
        return gload::invalidValue;
    field.adopt(read);
    return gload::accepted;
}

bool readTagItem(const gstr& value, gstr& tag)
{
    gstr read;
    if (!read.parseValue(value.data()) || read.isEmpty())
        return false;
    tag.adopt(read);
    return true;
}

bool readHostAddress(const gstr& value, uint8_t (&address)[4])
{
    uint8_t read[4] = {};
    if (parseIpAddressItem(value.data(), read, true) != itemResult::end)
        return false;
    std::copy(read, read + 4, address);
    return true;
}

void writeAddressLine(CObjectFile& file, int indent, int keywordToken, const uint8_t (&address)[4])
{
    gkeyword::byToken(keywordToken).writeKey(file, indent);
    file.writeIpAddress(address, 1);
}
