#pragma once

#include "registers/sources/gbitCollectionFields.h"
#include "registers/sources/gbitSectionMasks.h"
#include "registers/sources/gregisterSource.h"
#include "registers/sources/gsourceSerialInterface.h"

class gsourceLegacyBitCollection;

// One section of a legacy bit collection: the number read at a typed
// legacy data location and how its bits are rotated and masked. Its block
// opens with SECTION inside the collection's.
class gsourceLegacyBitSection final : public gstorable, public gsourceLocationOwner {
public:
    gsourceLegacyBitSection();
    // A copy of the other's location and masks, without owner.
    gsourceLegacyBitSection(const gsourceLegacyBitSection& other);
    gsourceLegacyBitSection& operator=(const gsourceLegacyBitSection&) = delete;

    gsourceLegacyBitCollection* getOwner() const noexcept { return owner_; }
    void setOwner(gsourceLegacyBitCollection* owner) noexcept { owner_ = owner; }
    gsourceSerialTypedInterface& location() noexcept { return location_; }
    const gsourceSerialTypedInterface& location() const noexcept { return location_; }
    gbitSectionMasks& masks() noexcept { return masks_; }
    const gbitSectionMasks& masks() const noexcept { return masks_; }

    // The register of the collection that holds the section.
    const gregister* locationRegister() const override;

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

private:
    gsourceSerialTypedInterface location_;
    gbitSectionMasks masks_;
    gsourceLegacyBitCollection* owner_ = nullptr;
};

// A digital register whose value is put together from bit sections of
// legacy device data. Block "SOURCE BIT COLLECTION".
class gsourceLegacyBitCollection final : public gdigitalRegisterSource {
public:
    using fields = gbitCollectionFields<gsourceLegacyBitSection>;
    using gdigitalRegisterSource::gdigitalRegisterSource;

    fields& collection() noexcept { return fields_; }
    const fields& collection() const noexcept { return fields_; }
    // Takes the section at the end of the list and becomes its owner.
    void addSection(std::unique_ptr<gsourceLegacyBitSection> section);

    int getSourceType() const override { return 25; }
    // The clone lists the sections in the reverse order.
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;
    // Every section's location in turn; the sum of their changes.
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>* newRegisters) override;

private:
    fields fields_;
};
