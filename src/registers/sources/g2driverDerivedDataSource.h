#pragma once

#include "registers/sources/g2driverDataSource.h"
#include "registers/sources/gdataObjectRef.h"

// The layer of the bistate sources that read another data object of the
// same driver: a data-object reference without header (its OBJECT and
// PARAMETER lines come first in the block), which may name an internal
// data object.
class g2driverDerivedDataSource : public g2driverDataSource {
public:
    g2driverDerivedDataSource() : reference_(-1, true) {}

    gdataObjectRef& reference() noexcept { return reference_; }
    const gdataObjectRef& reference() const noexcept { return reference_; }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    bool acceptsValueKind(int32_t kind) const override;
    gstr describe() const override;
    void bindDriver(g2driver* driver) override;
    void collectUses(gusesList& uses) override;

protected:
    g2driverDerivedDataSource(const g2driverDerivedDataSource& other, const g2driverSourceTables& tables);
    // After the reference's own step: an untyped object takes the kind,
    // an object of another kind is dropped.
    void requireObjectKind(int32_t kind);

private:
    gdataObjectRef reference_;
};
