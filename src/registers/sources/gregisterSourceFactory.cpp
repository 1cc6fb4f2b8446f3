#include "registers/sources/gregisterSourceFactory.h"

#include "foundation/valueParsers.h"
#include "registers/sources/gsourceDataObject.h"
#include "registers/sources/gsourceDataObjectBitCollection.h"
#include "registers/sources/gsourceDataObjectThresholds.h"
#include "registers/sources/gsourceGrandSummary.h"
#include "registers/sources/gsourceLegacyBitCollection.h"
#include "registers/sources/gsourceLegacyBitMask.h"
#include "registers/sources/gsourceLegacyDirect.h"
#include "registers/sources/gsourceLegacyFilter.h"
#include "registers/sources/gsourceLegacyLevel.h"
#include "registers/sources/gsourceLegacyLiteral.h"
#include "registers/sources/gsourceLegacyParameter.h"
#include "registers/sources/gsourceLegacyProcessor.h"
#include "registers/sources/gsourceLegacySearchString.h"
#include "registers/sources/gsourceLegacyStrings.h"
#include "registers/sources/gsourceLegacyThresholds.h"
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

// The class of each kind, indexed by type code.
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
    &make<gsourceDataObjectBistate>, // 11 BISTATE
    &make<gsourceDataObjectBitMask>, // 12 G2D BIT MASK
    &make<gsourceDataObjectDigital>, // 13 DIGITAL
    &make<gsourceDataObjectThresholds>, // 14 G2D THRESHOLDS
    &make<gsourceDataObjectBitCollection>, // 15 G2D BIT COLLECTION
    &make<gsourceDataObjectAnalog>, // 16 ANALOG
    &make<gsourceDataObjectString>, // 17 STRING
    &make<gsourceDataObjectFilter>, // 18 G2D FILTER
    &make<gsourceTimeout>, // 19 TIMEOUT
    make<gsourceLegacyBitMask>, // 20 BIT MASK
    make<gsourceLegacySearchString>, // 21 SEARCH STRING
    make<gsourceLegacyDirect>, // 22 DIRECT
    make<gsourceLegacyThresholds>, // 23 THRESHOLDS
    make<gsourceLegacyStrings>, // 24 STRINGS
    make<gsourceLegacyBitCollection>, // 25 BIT COLLECTION
    make<gsourceLegacyLevel>, // 26 LEVEL
    make<gsourceLegacyLiteral>, // 27 LITERAL
    make<gsourceLegacyFilter>, // 28 FILTER
    makeOfClass<gsourceLegacyProcessorBistate, gsourceLegacyProcessorDigital, gsourceLegacyProcessorAnalog,
                gsourceLegacyProcessorString>, // 29 PROCESSOR
};
static_assert(std::size(makers) == gsourceType::lastCode + 1);

} // namespace

std::unique_ptr<gregisterSource> makeRegisterSource(int classCode, int typeCode, gregisterSupplement& owner)
{
    if (!classAcceptsSourceType(classCode, typeCode))
        return nullptr;
    return makers[typeCode](classCode, owner);
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
