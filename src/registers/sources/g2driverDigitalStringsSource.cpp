#include "registers/sources/g2driverDigitalStringsSource.h"

#include "store/gkeyword.h"

g2driverDigitalStringsSource::g2driverDigitalStringsSource(const g2driverDigitalStringsSource& other,
                                                           const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), patterns_(other.patterns_)
{
}

std::unique_ptr<g2driverDataSource> g2driverDigitalStringsSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverDigitalStringsSource(*this, tables));
}

int g2driverDigitalStringsSource::kindKeyword() const { return kw::V_DIGITAL_STRINGS; }

void g2driverDigitalStringsSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverCommandDataSource::writeFields(file, indent);
    patterns_.write(file, indent);
}

gloadStatus g2driverDigitalStringsSource::loadField(int token, gstr& value)
{
    gloadStatus status = patterns_.loadKeyword(token, value);
    if (status != gload::unknownKeyword)
        return status;
    return g2driverCommandDataSource::loadField(token, value);
}

bool g2driverDigitalStringsSource::isComplete() const
{
    return g2driverCommandDataSource::isComplete() && patterns_.hasEntries();
}
