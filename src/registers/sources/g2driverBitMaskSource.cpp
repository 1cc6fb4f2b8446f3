#include "registers/sources/g2driverBitMaskSource.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverDataObject.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

g2driverBitMaskSource::g2driverBitMaskSource(const g2driverBitMaskSource& other, const g2driverSourceTables& tables)
    : g2driverCommandDataSource(other, tables), format_(other.format_), masks_(other.masks_), rotate_(other.rotate_)
{
}

std::unique_ptr<g2driverDataSource> g2driverBitMaskSource::clone(const g2driverSourceTables& tables) const
{
    return std::unique_ptr<g2driverDataSource>(new g2driverBitMaskSource(*this, tables));
}

int g2driverBitMaskSource::kindKeyword() const { return kw::V_BIT_MASK; }

void g2driverBitMaskSource::setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters)
{
    g2driverCommandDataSource::setOwner(owner, parameters);
    for (goffsetParameter& parameter : rotate_)
        parameter.rebindParameter(parameters);
}

void g2driverBitMaskSource::collectUses(gusesList& uses)
{
    g2driverCommandDataSource::collectUses(uses);
    for (const goffsetParameter& parameter : rotate_)
        parameter.addReferences(uses);
}

void g2driverBitMaskSource::writeFields(CObjectFile& file, int indent) const
{
    g2driverCommandDataSource::writeFields(file, indent);
    format_.write(file, indent);
    masks_.write(file, indent);
    for (const goffsetParameter& parameter : rotate_) {
        gkeyword::byToken(kw::ROTATE_PARAM).writeKey(file, indent);
        parameter.write(file, 1);
    }
}

gloadStatus g2driverBitMaskSource::loadField(int token, gstr& value)
{
    if (token == kw::ROTATE_PARAM)
        return loadRotateParameter(value);
    gloadStatus status = masks_.loadField(token, value);
    if (status != gload::unknownKeyword)
        return status;
    status = format_.readKeyword(token, value, false);
    if (status != gload::unknownKeyword)
        return status;
    return g2driverCommandDataSource::loadField(token, value);
}

gloadStatus g2driverBitMaskSource::loadRotateParameter(const gstr& value)
{
    g2driverDataObject* object = getOwner();
    goffsetParameter parameter;
    const char* cursor = nullptr;
    if (!object || parameter.parse(*object, value.data(), cursor) != itemResult::end)
        return gload::invalidValue;
    rotate_.push_back(parameter);
    return gload::accepted;
}

void g2driverBitMaskSource::afterLoad()
{
    if (masks_.invert == -1)
        masks_.invert = 0;
    g2driverCommandDataSource::afterLoad();
    format_.afterLoad();
}

bool g2driverBitMaskSource::isComplete() const
{
    return masks_.mask != 0 && g2driverCommandDataSource::isComplete() && format_.isValid();
}
