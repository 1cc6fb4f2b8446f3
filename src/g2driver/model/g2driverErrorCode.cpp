#include "g2driver/model/g2driverErrorCode.h"

#include "store/keywordTokens.h"

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
