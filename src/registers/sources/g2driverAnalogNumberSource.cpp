#include "registers/sources/g2driverAnalogNumberSource.h"

#include "formats/gintegerType.h"
#include "foundation/valueParsers.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

namespace {

gloadStatus loadReal(const gstr& value, double& field)
{
    if (std::isfinite(field))
        return gload::alreadyLoaded;
    double read = 0;
    if (parseDoubleItem(value.data(), read) != itemResult::end || !std::isfinite(read))
        return gload::invalidValue;
    field = read;
    return gload::accepted;
}

} // namespace

g2driverAnalogNumberSource::g2driverAnalogNumberSource(const g2driverAnalogNumberSource& other,
                                                       const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), format_(other.format_), factor_(other.factor_),
      offset_(other.offset_)
{
}

std::unique_ptr<g2driverDataSource> g2driverAnalogNumberSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverAnalogNumberSource(*this, tables));
}

int g2driverAnalogNumberSource::kindKeyword() const { return kw::V_ANALOG_NUMBER; }

bool g2driverAnalogNumberSource::hasGreaterLessSymbols() const
{
    return gintegerType::isTextType(format_.type())
           && (format_.greaterMarker().hasCharacter() || format_.lessMarker().hasCharacter());
}

void g2driverAnalogNumberSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverCommandDataSource::writeFields(file, indent);
    format_.write(file, indent);
    if (std::isfinite(offset_) && offset_ != 0)
        writeRealLine(file, indent, kw::VALUE_OFFSET, offset_);
    if (std::isfinite(factor_) && factor_ != 1)
        writeRealLine(file, indent, kw::VALUE_FACTOR, factor_);
}

gloadStatus g2driverAnalogNumberSource::loadField(int token, gstr& value)
{
    if (token == kw::VALUE_FACTOR)
        return loadReal(value, factor_);
    if (token == kw::VALUE_OFFSET)
        return loadReal(value, offset_);
    gloadStatus status = format_.readKeyword(token, value, true);
    if (status != gload::unknownKeyword)
        return status;
    return g2driverCommandDataSource::loadField(token, value);
}

void g2driverAnalogNumberSource::afterLoad()
{
    if (!std::isfinite(factor_))
        factor_ = 1;
    if (!std::isfinite(offset_))
        offset_ = 0;
    g2driverCommandDataSource::afterLoad();
    format_.afterLoad();
}

bool g2driverAnalogNumberSource::isComplete() const
{
    return g2driverCommandDataSource::isComplete() && format_.isValid();
}
