#include "registers/sources/g2driverThresholdsSource.h"

#include "store/gkeyword.h"

g2driverThresholdsSource::g2driverThresholdsSource(const g2driverThresholdsSource& other,
                                                   const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), format_(other.format_), thresholds_(other.thresholds_)
{
}

std::unique_ptr<g2driverDataSource> g2driverThresholdsSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverThresholdsSource(*this, tables));
}

int g2driverThresholdsSource::kindKeyword() const { return kw::THRESHOLDS; }

void g2driverThresholdsSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverCommandDataSource::writeFields(file, indent);
    format_.write(file, indent);
    thresholds_.write(file, indent);
}

gloadStatus g2driverThresholdsSource::loadField(int token, gstr& value)
{
    gloadStatus status = thresholds_.loadField(token, value);
    if (status != gload::unknownKeyword)
        return status;
    status = format_.readKeyword(token, value, false);
    if (status != gload::unknownKeyword)
        return status;
    return g2driverCommandDataSource::loadField(token, value);
}

void g2driverThresholdsSource::afterLoad()
{
    g2driverCommandDataSource::afterLoad();
    format_.afterLoad();
}

bool g2driverThresholdsSource::isComplete() const
{
    return thresholds_.isComplete() && g2driverCommandDataSource::isComplete() && format_.isValid();
}
