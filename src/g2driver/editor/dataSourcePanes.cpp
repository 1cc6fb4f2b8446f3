#include "g2driver/editor/dataSourcePanes.h"

#include "g2driver/editor/CParameterDataSourcePane.h"
#include "registers/sources/g2driverDataSource.h"

std::unique_ptr<CDataSourcePane> makeDataSourcePane(CSourceTypeHostPane& host, int paneType)
{
    switch (paneType) {
    case g2sourcePane::parameter: return std::make_unique<CParameterDataSourcePane>(host);
    default: return nullptr;
    }
}

bool keepsSourcesOf(int paneType) { return paneType >= 1 && paneType <= g2sourcePane::last && paneType != g2sourcePane::parameter; }
