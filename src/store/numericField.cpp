#include "store/numericField.h"

#include "foundation/gstr.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gloadStatus gintegerField::load(const gstr& value, int32_t& field, int32_t unset) const
{
    if (field != unset)
        return gload::alreadyLoaded;
    int32_t number = 0;
    if (parseIntItem(value.data(), number) != itemResult::end || !file.holds(number))
        return gload::invalidValue;
    field = number;
    return gload::accepted;
}

void gintegerField::write(CObjectFile& file, int indent, int32_t value) const
{
    gkeyword::byToken(keyword).writeKey(file, indent);
    file.writeInt(value, 1);
}

gloadStatus gsecondsField::load(const gstr& value, gmilliseconds& field) const
{
    if (field.isSet())
        return gload::alreadyLoaded;
    gmilliseconds read;
    if (read.parseSeconds(value.data()) != itemResult::end || !file.holds(read.get()))
        return gload::invalidValue;
    field = read;
    return gload::accepted;
}

void gsecondsField::write(CObjectFile& file, int indent, gmilliseconds value) const
{
    gkeyword::byToken(keyword).writeKey(file, indent);
    value.writeSeconds(file, 1);
}

bool gsecondsField::confirms(double typed, gmilliseconds shown, uint32_t& count) const
{
    if (!(typed >= 0))
        return false;
    if (dialogCut == cut::roundUp) {
        gmilliseconds rounded;
        if (!rounded.setSeconds(typed))
            return false;
        count = rounded.get();
    } else {
        count = truncatedMilliseconds(typed);
    }
    if (dialog.holds(count))
        return true;
    return shown.isSet() && count == shown.get() && file.holds(count);
}
