#include "sabus/gsabusFixedStringData.h"

#include "sabus/sabusFieldLines.h"
#include "store/gkeyword.h"

namespace {

constexpr int quotedText = 20190;

} // namespace

void gsabusFixedStringData::writeFields(CObjectFile& file, int indent) const
{
    sabusLines::writeTextIfAny(file, indent, kw::STRING, string_);
}

gloadStatus gsabusFixedStringData::loadField(int token, gstr& value)
{
    if (token == kw::STRING)
        return sabusLines::loadText(string_, value, true, true);
    return gsabusResponseData::loadField(token, value);
}

gstr gsabusFixedStringData::describe() const
{
    gstr text;
    text.format(quotedText, string_);
    return text;
}

std::unique_ptr<gsabusResponseData> gsabusFixedStringData::clone() const
{
    return std::make_unique<gsabusFixedStringData>(*this);
}
