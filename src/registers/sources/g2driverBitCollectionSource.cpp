#include "registers/sources/g2driverBitCollectionSource.h"

#include "foundation/valueParsers.h"
#include "g2driver/model/g2driverDataObject.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gbitSectionItem::gbitSectionItem(const gbitSectionItem& other, jhashTypedDatabaseTable<g2driverCommand>& commands)
    : gstorable(other), gcommandDataRefOwner(), reference_(*this), format_(other.format_), masks_(other.masks_),
      rotate_(other.rotate_)
{
    reference_.copyFrom(other.reference_, commands);
}

g2driverDataObject* gbitSectionItem::getDataObject() const { return owner_ ? owner_->getOwner() : nullptr; }

void gbitSectionItem::rebind(g2driverParameterTable& parameters)
{
    reference_.rebindOffsetParameters(parameters);
    for (goffsetParameter& parameter : rotate_)
        parameter.rebindParameter(parameters);
}

void gbitSectionItem::collectUses(gusesList& uses)
{
    reference_.collectUses(uses);
    for (const goffsetParameter& parameter : rotate_)
        parameter.addReferences(uses);
}

void gbitSectionItem::writeHeader(CObjectFile& file, int indent) const { writeSectionHeader(file, indent); }

void gbitSectionItem::writeFields(CObjectFile& file, int indent) const
{
    reference_.writeFields(file, indent);
    masks_.write(file, indent);
    format_.write(file, indent);
    for (const goffsetParameter& parameter : rotate_) {
        gkeyword::byToken(kw::ROTATE_PARAM).writeKey(file, indent);
        parameter.write(file, 1);
    }
}

gloadStatus gbitSectionItem::loadField(int token, gstr& value)
{
    if (token == kw::ROTATE_PARAM)
        return loadRotateParameter(value);
    gloadStatus status = format_.readKeyword(token, value, false);
    if (status == gload::unknownKeyword)
        status = masks_.loadField(token, value);
    if (status == gload::unknownKeyword)
        status = reference_.loadField(token, value);
    return status == gload::unknownKeyword ? gstorable::loadField(token, value) : status;
}

// The parameter is appended before it is read, so a refused line leaves it
// in the list; the load fails as a whole.
gloadStatus gbitSectionItem::loadRotateParameter(const gstr& value)
{
    g2driverDataObject* object = getDataObject();
    if (!object)
        return gload::invalidValue;
    rotate_.emplace_back();
    const char* cursor = nullptr;
    if (rotate_.back().parse(*object, value.data(), cursor) != itemResult::end)
        return gload::invalidValue;
    return gload::accepted;
}

void gbitSectionItem::afterLoad()
{
    masks_.afterLoad();
    reference_.afterLoad();
    format_.afterLoad();
}

bool gbitSectionItem::isComplete() const
{
    return masks_.andMask != 0 && reference_.isComplete() && format_.isValid();
}

void g2driverBitCollectionSource::addSection(std::unique_ptr<gbitSectionItem> section)
{
    section->setOwner(this);
    fields_.sections().push_back(std::move(section));
}

std::unique_ptr<g2driverDataSource> g2driverBitCollectionSource::clone(const g2driverSourceTables& tables) const
{
    auto copy = std::make_unique<g2driverBitCollectionSource>();
    copy->fields_.setXorMask(fields_.getXorMask());
    copy->fields_.valueMap() = fields_.valueMap();
    for (const auto& section : fields_.sections())
        copy->addSection(std::make_unique<gbitSectionItem>(*section, tables.commands));
    return copy;
}

int g2driverBitCollectionSource::kindKeyword() const { return kw::V_BIT_COLLECTION; }

gstr g2driverBitCollectionSource::describe() const
{
    if (fields_.sections().size() == 1)
        return fields_.sections().front()->reference().describe();
    gstr text;
    text.format(20035, static_cast<uint32_t>(fields_.sections().size()));
    return text;
}

void g2driverBitCollectionSource::setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters)
{
    g2driverDataSource::setOwner(owner, parameters);
    for (auto& section : fields_.sections())
        section->rebind(parameters);
}

void g2driverBitCollectionSource::bindDriver(g2driver* driver)
{
    for (auto& section : fields_.sections())
        section->reference().bindDriver(driver);
}

void g2driverBitCollectionSource::collectUses(gusesList& uses)
{
    for (auto& section : fields_.sections())
        section->collectUses(uses);
}

void g2driverBitCollectionSource::resolveReferences()
{
    for (auto& section : fields_.sections())
        section->reference().resolveReferences();
}

void g2driverBitCollectionSource::writeFields(CObjectFile& file, int indent) const { fields_.write(file, indent); }

gloadStatus g2driverBitCollectionSource::loadField(int token, gstr& value)
{
    gloadStatus status = fields_.loadField(token, value, *this, [this] {
        auto section = std::make_unique<gbitSectionItem>();
        section->setOwner(this);
        return section;
    });
    return status == gload::unknownKeyword ? g2driverDataSource::loadField(token, value) : status;
}
