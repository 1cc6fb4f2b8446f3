#include "registers/sources/g2driverDigitalNumberSource.h"

#include "foundation/valueParsers.h"
#include "registers/gvalueListNodes.h"
#include "store/gkeyword.h"

#include <memory>

g2driverDigitalNumberSource::g2driverDigitalNumberSource(const g2driverDigitalNumberSource& other,
                                                         const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), format_(other.format_), valueMap_(other.valueMap_)
{
}

std::unique_ptr<g2driverDataSource> g2driverDigitalNumberSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverDigitalNumberSource(*this, tables));
}

int g2driverDigitalNumberSource::kindKeyword() const { return kw::V_DIGITAL_NUMBER; }

void g2driverDigitalNumberSource::writeFields(CObjectFile& file, int indent) const
{
    for (const gvalueMapEntry* entry = valueMap_.first(); entry; entry = entry->next) {
        gkeyword::byToken(kw::VALUE_MAP).writeKey(file, indent);
        writeValueMapEntry(file, *entry, 1);
    }
    g2driverCommandDataSource::writeFields(file, indent);
    format_.write(file, indent);
}

gloadStatus g2driverDigitalNumberSource::loadField(int token, gstr& value)
{
    if (token == kw::VALUE_MAP)
        return loadValueMap(value);
    gloadStatus status = format_.readKeyword(token, value, false);
    if (status != gload::unknownKeyword)
        return status;
    return g2driverCommandDataSource::loadField(token, value);
}

gloadStatus g2driverDigitalNumberSource::loadValueMap(const gstr& value)
{
    auto entry = std::make_unique<gvalueMapEntry>();
    if (parseValueMapEntry(value.data(), *entry) != itemResult::end || !valueMap_.insert(entry.get()))
        return gload::invalidValue;
    entry.release();
    return gload::accepted;
}

void g2driverDigitalNumberSource::afterLoad()
{
    g2driverCommandDataSource::afterLoad();
    format_.afterLoad();
}

bool g2driverDigitalNumberSource::isComplete() const
{
    return g2driverCommandDataSource::isComplete() && format_.isValid();
}
