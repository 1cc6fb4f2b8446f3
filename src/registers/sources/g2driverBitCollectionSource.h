#pragma once

#include "formats/gintegerInputFormat.h"
#include "registers/sources/g2driverDataSource.h"
#include "registers/sources/gbitCollectionFields.h"
#include "registers/sources/gbitSectionMasks.h"
#include "registers/sources/gcommandDataRef.h"

class g2driverBitCollectionSource;

// One section of a data object's bit collection: the number read with an
// integer format out of a command's response data, how its bits are
// rotated and masked, and the digital parameters of the data object that
// add to the rotation. Its block opens with SECTION inside the
// collection's.
class gbitSectionItem final : public gstorable, public gcommandDataRefOwner {
public:
    gbitSectionItem() : reference_(*this) {}
    // A copy of the other's settings referring to the commands of the given
    // table, without owner; its parameters are bound by its owner's rebind.
    gbitSectionItem(const gbitSectionItem& other, jhashTypedDatabaseTable<g2driverCommand>& commands);
    gbitSectionItem& operator=(const gbitSectionItem&) = delete;

    g2driverBitCollectionSource* getOwner() const noexcept { return owner_; }
    void setOwner(g2driverBitCollectionSource* owner) noexcept { owner_ = owner; }
    gcommandDataRef& reference() noexcept { return reference_; }
    const gcommandDataRef& reference() const noexcept { return reference_; }
    gintegerInputFormat& format() noexcept { return format_; }
    const gintegerInputFormat& format() const noexcept { return format_; }
    gbitSectionMasks& masks() noexcept { return masks_; }
    const gbitSectionMasks& masks() const noexcept { return masks_; }
    goffsetParameterList& rotateParameters() noexcept { return rotate_; }
    const goffsetParameterList& rotateParameters() const noexcept { return rotate_; }

    g2driverDataObject* getDataObject() const override;
    // Every offset and rotate parameter becomes the parameter of its tag in
    // the table.
    void rebind(g2driverParameterTable& parameters);
    void collectUses(gusesList& uses);

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

private:
    gloadStatus loadRotateParameter(const gstr& value);

    gcommandDataRef reference_;
    gintegerInputFormat format_;
    gbitSectionMasks masks_;
    g2driverBitCollectionSource* owner_ = nullptr;
    goffsetParameterList rotate_;
};

// BIT COLLECTION: a digital object put together from bit sections of
// command response data, with the collection's XOR mask and a value map.
class g2driverBitCollectionSource : public g2driverDataSource {
public:
    using fields = gbitCollectionFields<gbitSectionItem>;

    g2driverBitCollectionSource() = default;

    fields& collection() noexcept { return fields_; }
    const fields& collection() const noexcept { return fields_; }
    // Takes the section at the end of the list and becomes its owner.
    void addSection(std::unique_ptr<gbitSectionItem> section);

    bool acceptsValueKind(int32_t kind) const override { return kind == 2; }
    // The sections are copied in order.
    std::unique_ptr<g2driverDataSource> clone(const g2driverSourceTables& tables) const override;
    int getPaneType() const override { return 10; }
    const gstr& getKindName() const override { return kindNameText(20034); }
    // The one section's command data, or the number of sections.
    gstr describe() const override;
    void setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters) override;
    void bindDriver(g2driver* driver) override;
    void collectUses(gusesList& uses) override;
    void resolveReferences() override;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return fields_.hasSections(); }

protected:
    int kindKeyword() const override;

private:
    fields fields_;
};
