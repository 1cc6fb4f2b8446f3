#include "g2driver/editor/dataSourcePanes.h"

#include "g2driver/editor/CAnalogNumberDataSourcePane.h"
#include "g2driver/editor/CDerivedDataSourcePanes.h"
#include "g2driver/editor/CMultipleDataSourcePane.h"
#include "g2driver/editor/CParameterDataSourcePane.h"
#include "g2driver/editor/CProcessorDataSourcePane.h"
#include "g2driver/editor/CSearchStringDataSourcePane.h"
#include "g2driver/editor/CStringDataSourcePanes.h"
#include "g2driver/editor/CSummaryDataSourcePane.h"
#include "registers/sources/g2driverDataSource.h"
#include "registers/sources/ui/CBitCollectionDataSourcePane.h"
#include "registers/sources/ui/CDigitalNumberDataSourcePane.h"
#include "registers/sources/ui/CThresholdsDataSourcePane.h"
#include "registers/sources/ui/CValueLimitsPanes.h"

std::unique_ptr<CDataSourcePane> makeDataSourcePane(CSourceTypeHostPane& host, int paneType)
{
    switch (paneType) {
    case g2sourcePane::onOffString: return std::make_unique<COnOffStringDataSourcePane>(host);
    case g2sourcePane::bitMask: return std::make_unique<CBitMaskDataSourcePane>(host);
    case g2sourcePane::searchString: return std::make_unique<CSearchStringDataSourcePane>(host);
    case g2sourcePane::valueList: return std::make_unique<CValueListDataSourcePane>(host);
    case g2sourcePane::patternMatch: return std::make_unique<CPatternMatchDataSourcePane>(host);
    case g2sourcePane::digitalNumber: return std::make_unique<CDigitalNumberDataSourcePane>(host);
    case g2sourcePane::digitalStrings: return std::make_unique<CDigitalStringsDataSourcePane>(host);
    case g2sourcePane::thresholds: return std::make_unique<CThresholdsDataSourcePane>(host);
    case g2sourcePane::bitCollection: return std::make_unique<CBitCollectionDataSourcePane>(host);
    case g2sourcePane::analogNumber: return std::make_unique<CAnalogNumberDataSourcePane>(host);
    case g2sourcePane::string: return std::make_unique<CStringDataSourcePane>(host);
    case g2sourcePane::filter: return std::make_unique<CFilterDataSourcePane>(host);
    case g2sourcePane::processor: return std::make_unique<CProcessorDataSourcePane>(host);
    case g2sourcePane::summary: return std::make_unique<CSummaryDataSourcePane>(host);
    case g2sourcePane::parameter: return std::make_unique<CParameterDataSourcePane>(host);
    case g2sourcePane::valueLimits: return std::make_unique<CValueLimitsDataSourcePane>(host);
    case g2sourcePane::multiple: return std::make_unique<CMultipleDataSourcePane>(host);
    default: return nullptr;
    }
}
