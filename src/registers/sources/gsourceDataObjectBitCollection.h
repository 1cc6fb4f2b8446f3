#pragma once

#include "registers/sources/gbitCollectionFields.h"
#include "registers/sources/gbitSectionMasks.h"
#include "registers/sources/gsourceDataObject.h"

class gsourceDataObjectBitCollection;

// One section of a G2D bit collection: the value of a digital data object
// of a G2 device and how its bits are rotated and masked. Its block opens
// with SECTION inside the collection's; the location's DRIVER block nests
// inside it. It names the collection's register to what it reads.
class gsourceDataObjectBitSection final : public gstorable {
public:
    explicit gsourceDataObjectBitSection(gsourceDataObjectBitCollection& owner);
    gsourceDataObjectBitSection& operator=(const gsourceDataObjectBitSection&) = delete;

    gsourceDataObjectBitCollection& getOwner() const noexcept { return *owner_; }
    gsourceSerialObject& part() noexcept { return part_; }
    const gsourceSerialObject& part() const noexcept { return part_; }
    gbitSectionMasks& masks() noexcept { return masks_; }
    const gbitSectionMasks& masks() const noexcept { return masks_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

private:
    gsourceDataObjectBitCollection* owner_;
    gsourceSerialObject part_;
    gbitSectionMasks masks_;
};

// 15 "SOURCE G2D BIT COLLECTION": a digital register put together from bit
// sections of G2 data objects, with the collection's XOR mask and a value
// map.
class gsourceDataObjectBitCollection final : public gdigitalRegisterSource {
public:
    using fields = gbitCollectionFields<gsourceDataObjectBitSection>;
    using gdigitalRegisterSource::gdigitalRegisterSource;

    fields& collection() noexcept { return fields_; }
    const fields& collection() const noexcept { return fields_; }

    int getSourceType() const override { return 15; }
    // The clone lists the sections in the reverse order.
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override { fields_.write(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return fields_.hasSections(); }
    // Each section's location in turn.
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>* newRegisters) override;

private:
    fields fields_;
};
