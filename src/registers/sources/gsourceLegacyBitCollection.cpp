#include "registers/sources/gsourceLegacyBitCollection.h"

#include "registers/gregisterSupplement.h"

gsourceLegacyBitSection::gsourceLegacyBitSection() : location_(*this) {}

gsourceLegacyBitSection::gsourceLegacyBitSection(const gsourceLegacyBitSection& other)
    : gstorable(other), gsourceLocationOwner(), location_(*this, other.location_), masks_(other.masks_)
{
}

const gregister* gsourceLegacyBitSection::locationRegister() const
{
    return owner_ ? &owner_->getOwner().getRegister() : nullptr;
}

void gsourceLegacyBitSection::writeHeader(CObjectFile& file, int indent) const { writeSectionHeader(file, indent); }

void gsourceLegacyBitSection::writeFields(CObjectFile& file, int indent) const
{
    location_.writeFields(file, indent);
    masks_.write(file, indent);
}

gloadStatus gsourceLegacyBitSection::loadField(int token, gstr& value)
{
    gloadStatus status = masks_.loadField(token, value);
    if (status == gload::unknownKeyword)
        status = location_.loadField(token, value);
    return status == gload::unknownKeyword ? gstorable::loadField(token, value) : status;
}

void gsourceLegacyBitSection::afterLoad()
{
    masks_.afterLoad();
    location_.afterLoad();
}

bool gsourceLegacyBitSection::isComplete() const { return masks_.andMask != 0 && location_.isComplete(); }

void gsourceLegacyBitCollection::addSection(std::unique_ptr<gsourceLegacyBitSection> section)
{
    section->setOwner(this);
    fields_.sections().push_back(std::move(section));
}

std::unique_ptr<gregisterSource> gsourceLegacyBitCollection::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceLegacyBitCollection>(owner);
    copy->fields_.setXorMask(fields_.getXorMask());
    copy->fields_.valueMap() = fields_.valueMap();
    for (auto it = fields_.sections().rbegin(); it != fields_.sections().rend(); ++it)
        copy->addSection(std::make_unique<gsourceLegacyBitSection>(**it));
    return copy;
}

void gsourceLegacyBitCollection::writeFields(CObjectFile& file, int indent) const { fields_.write(file, indent); }

gloadStatus gsourceLegacyBitCollection::loadField(int token, gstr& value)
{
    gloadStatus status = fields_.loadField(token, value, *this, [this] {
        auto section = std::make_unique<gsourceLegacyBitSection>();
        section->setOwner(this);
        return section;
    });
    return status == gload::unknownKeyword ? gdigitalRegisterSource::loadField(token, value) : status;
}

bool gsourceLegacyBitCollection::isComplete() const { return fields_.hasSections(); }

int gsourceLegacyBitCollection::resolveReferences(const gregisterBatchOptions& options, gstr& log,
                                                  jhashTypedDatabaseTable<gregister>*)
{
    int changes = 0;
    for (auto& section : fields_.sections())
        changes += section->location().resolveReferences(options, log);
    return changes;
}
