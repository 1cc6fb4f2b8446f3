#pragma once

#include "registers/sources/g2driverDataSource.h"
#include "registers/sources/gcommandDataRef.h"

// The layer of the sources that read a command's response data: one
// command-data reference, whose lines come first in the block (DIGITAL
// NUMBER alone writes its value map before them). A kind reads its own
// keywords first and hands the rest to this layer.
class g2driverCommandDataSource : public g2driverDataSource, public gcommandDataRefOwner {
public:
    g2driverCommandDataSource() : reference_(*this) {}

    gcommandDataRef& reference() noexcept { return reference_; }
    const gcommandDataRef& reference() const noexcept { return reference_; }

    g2driverDataObject* getDataObject() const override { return getOwner(); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    gstr describe() const override;
    // The base's, then every offset parameter is bound again by tag.
    void setOwner(g2driverDataObject* owner, g2driverParameterTable& parameters) override;
    void bindDriver(g2driver* driver) override;
    void collectUses(gusesList& uses) override;
    void resolveReferences() override;

protected:
    g2driverCommandDataSource(const g2driverCommandDataSource& other, const g2driverSourceTables& tables);

    // LENGTH, the fixed width of the SEARCH STRING and PROCESSOR kinds: one
    // decimal of at least 1, once (0 is no width).
    static gloadStatus loadLength(const gstr& value, int32_t& length);
    static void writeLength(CObjectFile& file, int indent, int32_t length);

private:
    gcommandDataRef reference_;
};
