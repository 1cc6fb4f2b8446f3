#include "registers/sources/gsourceDataObjectBitCollection.h"

#include "g2driver/model/g2driverDataObject.h"

gsourceDataObjectBitSection::gsourceDataObjectBitSection(gsourceDataObjectBitCollection& owner)
    : owner_(&owner), part_(owner, *this)
{
}

void gsourceDataObjectBitSection::writeHeader(CObjectFile& file, int indent) const
{
    writeSectionHeader(file, indent);
}

void gsourceDataObjectBitSection::writeFields(CObjectFile& file, int indent) const
{
    part_.writeFields(file, indent);
    masks_.write(file, indent);
}

gloadStatus gsourceDataObjectBitSection::loadField(int token, gstr& value)
{
    gloadStatus status = masks_.loadField(token, value);
    if (status == gload::unknownKeyword)
        status = part_.loadField(token, value);
    return status == gload::unknownKeyword ? gstorable::loadField(token, value) : status;
}

void gsourceDataObjectBitSection::afterLoad()
{
    masks_.afterLoad();
    part_.afterLoad();
}

// Only a digital object gives the bits; one whose driver is read later may
// still be digital.
bool gsourceDataObjectBitSection::isComplete() const
{
    if (masks_.andMask == 0 || !part_.isComplete())
        return false;
    int32_t kind = part_.getDataObject()->getTypeCode();
    return kind == g2valueKind::digital || kind == 0;
}

std::unique_ptr<gregisterSource> gsourceDataObjectBitCollection::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceDataObjectBitCollection>(owner);
    copy->fields_.setXorMask(fields_.getXorMask());
    copy->fields_.valueMap() = fields_.valueMap();
    for (auto it = fields_.sections().rbegin(); it != fields_.sections().rend(); ++it) {
        auto section = std::make_unique<gsourceDataObjectBitSection>(*copy);
        section->part().copyFrom((*it)->part());
        section->masks() = (*it)->masks();
        copy->fields_.sections().push_back(std::move(section));
    }
    return copy;
}

gloadStatus gsourceDataObjectBitCollection::loadField(int token, gstr& value)
{
    gloadStatus status =
        fields_.loadField(token, value, *this, [this] { return std::make_unique<gsourceDataObjectBitSection>(*this); });
    return status == gload::unknownKeyword ? gdigitalRegisterSource::loadField(token, value) : status;
}

int gsourceDataObjectBitCollection::resolveReferences(const gregisterBatchOptions& options, gstr& log,
                                                      jhashTypedDatabaseTable<gregister>*)
{
    int count = 0;
    for (auto& section : fields_.sections())
        count += section->part().resolveReferences(options, log);
    return count;
}
