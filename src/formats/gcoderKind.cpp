#include "formats/gcoderKind.h"

#include "foundation/gfault.h"
#include "store/keywordTokens.h"

namespace {

constexpr int kindTokens[] = {kw::BISTATE, kw::V_DIGITAL_NUMBER, kw::V_DIGITAL_STRINGS, kw::V_ANALOG_NUMBER,
                              kw::STRING};

} // namespace

namespace gcoderKind {

int fromToken(int token) noexcept
{
    for (int kind = bistate; kind <= string; ++kind) {
        if (kindTokens[kind - 1] == token)
            return kind;
    }
    return 0;
}

int keywordToken(int kind)
{
    if (kind < bistate || kind > string)
        throw gfault("kind out of range in gcoderKind::keywordToken()");
    return kindTokens[kind - 1];
}

} // namespace gcoderKind
