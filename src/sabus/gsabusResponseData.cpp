#include "sabus/gsabusResponseData.h"

#include "sabus/gsabusBitFieldData.h"
#include "sabus/gsabusFixedStringData.h"
#include "sabus/gsabusProcessorData.h"
#include "sabus/gsabusRegisterData.h"
#include "store/gkeyword.h"

#include <iterator>

namespace {

// The kind keyword by kind code - 1.
constexpr int kindKeywords[] = {
    kw::V_REGISTER_STATUS, kw::V_DIGITAL_NUMBER, kw::V_DIGITAL_STRINGS, kw::V_ANALOG_NUMBER,
    kw::STRING,            kw::V_BIT_FIELD,      kw::PROCESSOR,         kw::V_FIXED_STRING,
};

} // namespace

void gsabusResponseData::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::DATA).writeKey(file, indent);
    gkeyword::byToken(sabusResponseDataKeyword(getKind())).writeValue(file, 1);
}

void gsabusResponseData::addReferences(gusesList&) const {}

int gsabusResponseData::rebindReferences(const gsabusRequest&, const gsabusReplaceOptions&, gstr&) { return 0; }

int sabusResponseDataKeyword(int kind)
{
    if (kind < 1 || kind > static_cast<int>(std::size(kindKeywords)))
        return 0;
    return kindKeywords[kind - 1];
}

std::unique_ptr<gsabusResponseData> createSabusResponseData(int token)
{
    switch (token) {
    case kw::V_REGISTER_STATUS: return std::make_unique<gsabusRegisterStatusData>();
    case kw::V_DIGITAL_NUMBER: return std::make_unique<gsabusDigitalNumberData>();
    case kw::V_DIGITAL_STRINGS: return std::make_unique<gsabusDigitalStringsData>();
    case kw::V_ANALOG_NUMBER: return std::make_unique<gsabusAnalogNumberData>();
    case kw::STRING: return std::make_unique<gsabusStringData>();
    case kw::V_BIT_FIELD: return std::make_unique<gsabusBitFieldData>();
    case kw::PROCESSOR: return std::make_unique<gsabusProcessorData>();
    case kw::V_FIXED_STRING: return std::make_unique<gsabusFixedStringData>();
    default: return nullptr;
    }
}
