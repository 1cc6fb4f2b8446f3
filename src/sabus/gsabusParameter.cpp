#include "sabus/gsabusParameter.h"

#include "sabus/gsabusParameterKinds.h"
#include "store/gkeyword.h"

#include <iterator>

namespace {

// The kind keyword by kind code - 1.
constexpr int kindKeywords[] = {kw::STRING, kw::NUMBER, kw::BOOLEAN, kw::STRINGS, kw::V_BIT_FIELD};

} // namespace

void gsabusParameter::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::PARAMETER).writeKey(file, indent);
    gkeyword::byToken(sabusParameterKeyword(getType())).writeValue(file, 1);
}

int sabusParameterKeyword(int kind)
{
    if (kind < 1 || kind > static_cast<int>(std::size(kindKeywords)))
        return 0;
    return kindKeywords[kind - 1];
}

std::unique_ptr<gsabusParameter> createSabusParameter(int token)
{
    switch (token) {
    case kw::STRING: return std::make_unique<gsabusStringParameter>();
    case kw::NUMBER: return std::make_unique<gsabusNumberParameter>();
    case kw::BOOLEAN: return std::make_unique<gsabusBooleanParameter>();
    case kw::STRINGS: return std::make_unique<gsabusStringSetParameter>();
    case kw::V_BIT_FIELD: return std::make_unique<gsabusBitsParameter>();
    default: return nullptr;
    }
}
