#include "registers/sources/ui/sourcePaneFactory.h"

#include "registers/sources/gregisterSource.h"
#include "registers/sources/gsourceType.h"
#include "registers/sources/ui/CDataObjectBitCollectionSourcePane.h"
#include "registers/sources/ui/CDataObjectSourcePane.h"
#include "registers/sources/ui/CDataObjectThresholdsSourcePane.h"
#include "registers/sources/ui/CGrandSummarySourcePane.h"
#include "registers/sources/ui/CLegacyBitCollectionSourcePane.h"
#include "registers/sources/ui/CLegacyBitMaskSourcePane.h"
#include "registers/sources/ui/CLegacyFilterSourcePane.h"
#include "registers/sources/ui/CLegacyParameterSourcePane.h"
#include "registers/sources/ui/CLegacyProcessorSourcePane.h"
#include "registers/sources/ui/CLegacySearchStringSourcePane.h"
#include "registers/sources/ui/CLegacyStringsSourcePane.h"
#include "registers/sources/ui/CLegacyThresholdsSourcePane.h"
#include "registers/sources/ui/CLegacyValueSourcePanes.h"
#include "registers/sources/ui/CParameterSourcePanes.h"
#include "registers/sources/ui/CPingSourcePane.h"
#include "registers/sources/ui/CRemoteRegisterSourcePane.h"
#include "registers/sources/ui/CRemoteStationAlarmSourcePane.h"
#include "registers/sources/ui/CSummarySourcePane.h"
#include "registers/sources/ui/CTimeoutSourcePane.h"

#include <iterator>

namespace {

// The page-creation function of each kind, indexed by type code: the
// kind's pane filled from the source, or empty for a null source.
constexpr sourcePaneMaker makers[] = {
    nullptr, // 0: no source
    &CBistateParameterSourcePane::make, // 1 G2 PARAMETER, bistate
    &CDigitalParameterSourcePane::make, // 2 G2 PARAMETER, digital
    &CAnalogParameterSourcePane::make,  // 3 G2 PARAMETER, analog
    &CStringParameterSourcePane::make,  // 4 G2 PARAMETER, string
    &CLegacyParameterSourcePane::make, // 5 PARAMETER
    &CRemoteRegisterSourcePane::make, // 6 NETWORK2
    &CSummarySourcePane::make, // 7 SUMMARY
    &CGrandSummarySourcePane::make,       // 8 GRAND SUMMARY
    &CRemoteStationAlarmSourcePane::make, // 9 NETWORK
    &CPingSourcePane::make,               // 10 PING
    &CDataObjectBistateSourcePane::make, // 11 BISTATE
    &CDataObjectBitMaskSourcePane::make, // 12 G2D BIT MASK
    &CDataObjectDigitalSourcePane::make, // 13 DIGITAL
    &CDataObjectThresholdsSourcePane::make, // 14 G2D THRESHOLDS
    CDataObjectBitCollectionSourcePane::createFor, // 15 G2D BIT COLLECTION
    &CDataObjectAnalogSourcePane::make, // 16 ANALOG
    &CDataObjectStringSourcePane::make, // 17 STRING
    &CDataObjectFilterSourcePane::make, // 18 G2D FILTER
    &CTimeoutSourcePane::make,            // 19 TIMEOUT
    CLegacyBitMaskSourcePane::createFor, // 20 BIT MASK
    CLegacySearchStringSourcePane::createFor, // 21 SEARCH STRING
    CLegacyDirectSourcePane::createFor, // 22 DIRECT
    CLegacyThresholdsSourcePane::createFor, // 23 THRESHOLDS
    CLegacyStringsSourcePane::createFor, // 24 STRINGS
    CLegacyBitCollectionSourcePane::createFor, // 25 BIT COLLECTION
    CLegacyLevelSourcePane::createFor, // 26 LEVEL
    CLegacyLiteralSourcePane::createFor, // 27 LITERAL
    CLegacyFilterSourcePane::createFor, // 28 FILTER
    CLegacyProcessorSourcePane::createFor, // 29 PROCESSOR
};
static_assert(std::size(makers) == gsourceType::lastCode + 1);

} // namespace

std::unique_ptr<CSourcePane> createSourcePane(int classCode, int typeCode)
{
    if (!classAcceptsSourceType(classCode, typeCode))
        return nullptr;
    return makers[typeCode](nullptr);
}

std::unique_ptr<CSourcePane> createSourcePaneFor(const gregisterSource& source)
{
    return makers[source.getSourceType()](&source);
}
