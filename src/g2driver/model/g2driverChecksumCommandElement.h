#pragma once

#include "formats/gintegerOutputFormat.h"
#include "g2driver/model/g2driverChecksum.h"
#include "g2driver/model/g2driverCommandElement.h"

#include <cstdint>

// The checksum of the outputs of the elements before it (COMMAND_ELEMENT
// CHECKSUM), the first SKIP_FIRST and the last SKIP_LAST of them left out,
// sent in the output format.
class g2driverChecksumCommandElement : public g2driverCommandElement {
public:
    g2driverChecksumCommandElement() = default;

    const g2driverChecksum& checksum() const noexcept { return checksum_; }
    g2driverChecksum& checksum() noexcept { return checksum_; }
    const gintegerOutputFormat& format() const noexcept { return format_; }
    gintegerOutputFormat& format() noexcept { return format_; }
    int32_t skipFirst() const noexcept { return skipFirst_; }
    int32_t skipLast() const noexcept { return skipLast_; }
    void setSkips(int32_t first, int32_t last) noexcept
    {
        skipFirst_ = first;
        skipLast_ = last;
    }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return checksum_.isValid() && format_.isComplete(); }

    // "Checksum".
    gstr describe() const override;
    g2driverCommandElement* duplicate(g2driverParameterTable&, g2driverProgramTable* programs) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable&, g2driverParameterTable&,
                                             g2driverCommandDataNameTable&,
                                             g2driverProgramTable* programs) const override;
    int typeId() const override { return g2commandElementType::checksum; }
    void setDriver(g2driver* driver) override;
    // Pass 1 a placeholder of WIDTH zero bytes, pass 2 the checksum.
    void encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output) override;

private:
    g2driverChecksumCommandElement(const g2driverChecksumCommandElement& other, g2driverProgramTable* programs);

    g2driverChecksum checksum_{this};
    gintegerOutputFormat format_;
    int32_t skipFirst_ = -1;
    int32_t skipLast_ = -1;
};
