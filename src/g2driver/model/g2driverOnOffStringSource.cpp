#include "g2driver/model/g2driverOnOffStringSource.h"

#include "store/keywordTokens.h"

g2driverOnOffStringSource::g2driverOnOffStringSource(const g2driverOnOffStringSource& other,
                                                     const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), patterns_(other.patterns_)
{
}

std::unique_ptr<g2driverDataSource> g2driverOnOffStringSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverOnOffStringSource(*this, tables));
}

int g2driverOnOffStringSource::kindKeyword() const { return kw::BISTATE; }

void g2driverOnOffStringSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverCommandDataSource::writeFields(file, indent);
    patterns_.writeFields(file, indent);
}

gloadStatus g2driverOnOffStringSource::loadField(int token, gstr& value)
{
    gloadStatus status = patterns_.loadField(token, value);
    if (status != gload::unknownKeyword)
        return status;
    return g2driverCommandDataSource::loadField(token, value);
}

bool g2driverOnOffStringSource::isComplete() const
{
    return g2driverCommandDataSource::isComplete() && patterns_.isComplete();
}
