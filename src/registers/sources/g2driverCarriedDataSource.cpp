#include "registers/sources/g2driverCarriedDataSource.h"

#include "store/keywordTokens.h"

bool g2driverCarriedDataSource::acceptsValueKind(int32_t kind) const
{
    int32_t needed = g2sourcePane::valueKind(paneType_);
    return needed == 0 || needed == kind;
}

std::unique_ptr<g2driverDataSource> g2driverCarriedDataSource::clone(const g2driverSourceTables&) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverCarriedDataSource(*this));
}

const gstr& g2driverCarriedDataSource::getKindName() const { return kindNameText(g2sourcePane::nameId(paneType_)); }

gloadStatus g2driverCarriedDataSource::loadField(int token, gstr& value)
{
    if (token == kw::END && lines_.atBlockLevel())
        return g2driverDataSource::loadField(token, value);
    return lines_.take(token, value);
}
