#include "registers/sources/gregisterSourceFactory.h"

#include "foundation/valueParsers.h"
#include "registers/sources/gsourceCarried.h"
#include "registers/sources/gsourceGrandSummary.h"
#include "registers/sources/gsourceLegacyParameter.h"
#include "registers/sources/gsourceParameter.h"
#include "registers/sources/gsourcePing.h"
#include "registers/sources/gsourceRemoteRegister.h"
#include "registers/sources/gsourceRemoteStationAlarm.h"
#include "registers/sources/gsourceSummary.h"
#include "registers/sources/gsourceTimeout.h"
#include "registers/sources/gsourceType.h"
#include "store/gkeyword.h"

#include <iterator>

namespace {

using sourceMaker = std::unique_ptr<gregisterSource> (*)(int classCode, gregisterSupplement& owner);

// A kind that serves one register class.
template <class S>
std::unique_ptr<gregisterSource> make(int, gregisterSupplement& owner)
{
    return std::make_unique<S>(owner);
}

// A kind that serves all four classes, one class per register class.
template <class B, class D, class A, class S>
std::unique_ptr<gregisterSource> makeOfClass(int classCode, gregisterSupplement& owner)
{
    switch (classCode) {
    case 1: return std::make_unique<B>(owner);
    case 2: return std::make_unique<D>(owner);
    case 3: return std::make_unique<A>(owner);
    default: return std::make_unique<S>(owner);
    }
}

std::unique_ptr<gregisterSource> makeCarried(int classCode, int typeCode, gregisterSupplement& owner)
{
    switch (classCode) {
    case 1: return std::make_unique<gsourceCarried<gbistateRegisterSource>>(owner, typeCode);
    case 2: return std::make_unique<gsourceCarried<gdigitalRegisterSource>>(owner, typeCode);
    case 3: return std::make_unique<gsourceCarried<ganalogRegisterSource>>(owner, typeCode);
    default: return std::make_unique<gsourceCarried<gstringRegisterSource>>(owner, typeCode);
    }
}

// The class of each kind, indexed by type code; a kind without a class of
// its own yet (null) is carried line by line.
constexpr sourceMaker makers[] = {
    nullptr, // 0: no source
    &make<gsourceParameterBistate>, // 1 G2 PARAMETER, bistate
    &make<gsourceParameterDigital>, // 2 G2 PARAMETER, digital
    &make<gsourceParameterAnalog>,  // 3 G2 PARAMETER, analog
    &make<gsourceParameterString>,  // 4 G2 PARAMETER, string
    &makeOfClass<gsourceLegacyParameterBistate, gsourceLegacyParameterDigital, gsourceLegacyParameterAnalog,
                 gsourceLegacyParameterString>, // 5 PARAMETER
    &makeOfClass<gsourceRemoteRegisterBistate, gsourceRemoteRegisterDigital, gsourceRemoteRegisterAnalog,
                 gsourceRemoteRegisterString>, // 6 NETWORK2
    &makeOfClass<gsourceSummaryBistate, gsourceSummaryDigital, gsourceSummaryAnalog, gsourceSummaryString>, // 7 SUMMARY
    &make<gsourceGrandSummary>,       // 8 GRAND SUMMARY
    &make<gsourceRemoteStationAlarm>, // 9 NETWORK
    &make<gsourcePing>,               // 10 PING
    nullptr, // 11 BISTATE
    nullptr, // 12 G2D BIT MASK
    nullptr, // 13 DIGITAL
    nullptr, // 14 G2D THRESHOLDS
    nullptr, // 15 G2D BIT COLLECTION
    nullptr, // 16 ANALOG
    nullptr, // 17 STRING
    nullptr, // 18 G2D FILTER
    &make<gsourceTimeout>, // 19 TIMEOUT
    nullptr, // 20 BIT MASK
    nullptr, // 21 SEARCH STRING
    nullptr, // 22 DIRECT
    nullptr, // 23 THRESHOLDS
    nullptr, // 24 STRINGS
    nullptr, // 25 BIT COLLECTION
    nullptr, // 26 LEVEL
    nullptr, // 27 LITERAL
    nullptr, // 28 FILTER
    nullptr, // 29 PROCESSOR
};
static_assert(std::size(makers) == gsourceType::lastCode + 1);

} // namespace

std::unique_ptr<gregisterSource> makeRegisterSource(int classCode, int typeCode, gregisterSupplement& owner)
{
    if (!classAcceptsSourceType(classCode, typeCode))
        return nullptr;
    if (sourceMaker maker = makers[typeCode])
        return maker(classCode, owner);
    return makeCarried(classCode, typeCode, owner);
}

gloadStatus readSourceLine(int classCode, const gstr& value, gregisterSupplement& owner,
                           std::unique_ptr<gregisterSource>& made)
{
    int token = -1;
    if (parseKeywordItem(value.data(), token) != itemResult::end)
        return gload::invalidValue;
    made = makeRegisterSource(classCode, sourceTypeOfKeyword(classCode, token), owner);
    return made ? gload::accepted : gload::invalidValue;
}
