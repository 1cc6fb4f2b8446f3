#include "g2driver/model/g2driverErrorCode.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

bool g2driverErrorCode::acceptKind(int32_t kind) noexcept
{
    if (kind_ == unset)
        kind_ = kind;
    return kind_ == kind;
}

int32_t g2driverErrorCode::kindOfKeyword(int token) noexcept
{
    if (token == kw::V_NUMERICAL_VALUE)
        return numerical;
    if (token == kw::V_STRING_VALUE)
        return text;
    return unset;
}

int g2driverErrorCode::keywordOfKind(int32_t kind) noexcept
{
    return kind == numerical ? kw::V_NUMERICAL_VALUE : kw::V_STRING_VALUE;
}

int g2driverErrorCode::readKind(const char* text)
{
    int token = -1;
    int result = parseKeywordItem(text, token);
    const int32_t kind = kindOfKeyword(token);
    if (result == itemResult::error || kind == unset)
        return itemResult::error;
    kind_ = kind;
    setDefined(1);
    return result;
}

void g2driverErrorCode::writeLine(CObjectFile& file, int ending) const
{
    getName().write(file, 2);
    gkeyword::byToken(keywordOfKind(kind_)).writeValue(file, ending);
}
