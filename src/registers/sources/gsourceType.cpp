#include "registers/sources/gsourceType.h"

#include "foundation/gfault.h"
#include "store/keywordTokens.h"

#include <iterator>

namespace {

// Bits of the register classes that accept a kind.
enum : unsigned { bistate = 1, digital = 2, analog = 4, string = 8, allClasses = 15 };

struct kindRow {
    int keyword;
    unsigned classes;
};

// Indexed by type code.
constexpr kindRow kinds[] = {
    {-1, 0},                                // 0: no source
    {kw::V_G2_PARAMETER, bistate},          // 1
    {kw::V_G2_PARAMETER, digital},          // 2
    {kw::V_G2_PARAMETER, analog},           // 3
    {kw::V_G2_PARAMETER, string},           // 4
    {kw::PARAMETER, allClasses},            // 5
    {kw::NETWORK2, allClasses},             // 6
    {kw::SUMMARY, allClasses},              // 7
    {kw::V_GRAND_SUMMARY, bistate},         // 8
    {kw::NETWORK, bistate},                 // 9
    {kw::PING, bistate},                    // 10
    {kw::BISTATE, bistate},                 // 11
    {kw::V_G2D_BIT_MASK, bistate},          // 12
    {kw::DIGITAL, digital},                 // 13
    {kw::V_G2D_THRESHOLDS, digital},        // 14
    {kw::V_G2D_BIT_COLLECTION, digital},    // 15
    {kw::ANALOG, analog},                   // 16
    {kw::STRING, string},                   // 17
    {kw::V_G2D_FILTER, string},             // 18
    {kw::TIMEOUT, bistate},                 // 19
    {kw::V_BIT_MASK, bistate},              // 20
    {kw::V_SEARCH_STRING, bistate},         // 21
    {kw::DIRECT, digital},                  // 22
    {kw::THRESHOLDS, digital},              // 23
    {kw::STRINGS, digital},                 // 24
    {kw::V_BIT_COLLECTION, digital},        // 25
    {kw::LEVEL, analog},                    // 26
    {kw::LITERAL, string},                  // 27
    {kw::FILTER, string},                   // 28
    {kw::PROCESSOR, allClasses},            // 29
};
static_assert(std::size(kinds) == gsourceType::lastCode + 1);

constexpr int nameIds[] = {10282, 10722, 10722, 10722, 10722, 10284, 10750, 10289, 10276, 10281,
                           10401, 10680, 10682, 10680, 10684, 10686, 10680, 10680, 10688, 10293,
                           10268, 10406, 10272, 10291, 10288, 10270, 10277, 10279, 10274, 10286};
static_assert(std::size(nameIds) == gsourceType::lastCode + 1);

constexpr int bistateCodes[] = {11, 12, 20, 21, 29, 19, 10, 7, 6, 8, 9, 1, 5};
constexpr int digitalCodes[] = {13, 14, 15, 22, 23, 24, 25, 29, 7, 6, 2, 5};
constexpr int analogCodes[] = {16, 26, 29, 7, 6, 3, 5};
constexpr int stringCodes[] = {17, 18, 27, 28, 29, 7, 6, 4, 5};

unsigned classBit(int classCode)
{
    return classCode >= 1 && classCode <= 4 ? 1u << (classCode - 1) : 0u;
}

} // namespace

int sourceTypeKeyword(int typeCode)
{
    if (typeCode < 1 || typeCode > gsourceType::lastCode)
        throw gfault("invalid source type in sourceTypeKeyword()");
    return kinds[typeCode].keyword;
}

int sourceTypeOfKeyword(int classCode, int keywordToken)
{
    unsigned bit = classBit(classCode);
    for (int code = 1; code <= gsourceType::lastCode; ++code) {
        if (kinds[code].keyword == keywordToken && (kinds[code].classes & bit) != 0)
            return code;
    }
    return gsourceType::none;
}

bool classAcceptsSourceType(int classCode, int typeCode)
{
    if (typeCode < 1 || typeCode > gsourceType::lastCode)
        return false;
    return (kinds[typeCode].classes & classBit(classCode)) != 0;
}

int sourceTypeNameId(int typeCode)
{
    if (typeCode < 0 || typeCode > gsourceType::lastCode)
        return 0;
    return nameIds[typeCode];
}

std::span<const int> sourceTypesOfClass(int classCode)
{
    switch (classCode) {
    case 1: return bistateCodes;
    case 2: return digitalCodes;
    case 3: return analogCodes;
    case 4: return stringCodes;
    default: return {};
    }
}
