#include "g2driver/editor/dataSourcePanes.h"

#include "g2driver/editor/CParameterDataSourcePane.h"
#include "registers/sources/g2driverDataSource.h"
#include "registers/sources/ui/CValueLimitsPanes.h"

std::unique_ptr<CDataSourcePane> makeDataSourcePane(CSourceTypeHostPane& host, int paneType)
{
    switch (paneType) {
    case g2sourcePane::parameter: return std::make_unique<CParameterDataSourcePane>(host);
    case g2sourcePane::valueLimits: return std::make_unique<CValueLimitsDataSourcePane>(host);
    default: return nullptr;
    }
}

bool keepsSourcesOf(int paneType)
{
    return paneType >= 1 && paneType <= g2sourcePane::last && paneType != g2sourcePane::parameter
           && paneType != g2sourcePane::valueLimits;
}
