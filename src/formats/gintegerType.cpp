#include "formats/gintegerType.h"

#include "foundation/gfault.h"
#include "store/keywordTokens.h"

namespace {

constexpr int typeTokens[] = {
    kw::BYTE,
    kw::V_SIGNED_BYTE,
    kw::V_MULTIBYTE_LO_HI,
    kw::V_SIGNED_MULTIBYTE_LO_HI,
    kw::MULTIBYTE_HI_LO,
    kw::V_SIGNED_MULTIBYTE_HI_LO,
    kw::BCD,
    kw::DECIMAL,
    kw::HEX,
    kw::BINARY,
    kw::OCTAL,
};

} // namespace

namespace gintegerType {

int keywordToken(int32_t type)
{
    if (type < byte || type > octal)
        throw gfault("type out of range in gintegerType::keywordToken()");
    return typeTokens[type - 1];
}

int32_t fromToken(int token)
{
    for (int32_t type = byte; type <= octal; ++type) {
        if (typeTokens[type - 1] == token)
            return type;
    }
    return notGiven;
}

bool widthFits(int32_t type, int32_t width)
{
    if (isSingleByte(type))
        return width == 1;
    if (isMultibyte(type))
        return width >= 2 && width <= 4;
    if (type == bcd)
        return width > 0;
    return isTextType(type);
}

} // namespace gintegerType
