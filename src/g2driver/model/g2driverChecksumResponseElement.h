#pragma once

#include "formats/gintegerInputFormat.h"
#include "g2driver/model/g2driverChecksum.h"
#include "g2driver/model/g2driverResponseElement.h"

#include <cstdint>

// A received checksum over the elements before it (RESPONSE_ELEMENT
// CHECKSUM), the first SKIP_FIRST and the last SKIP_LAST of them left out:
// read in the input format, it must equal the checksum computed over those
// elements' bytes.
class g2driverChecksumResponseElement : public g2driverResponseElement {
public:
    g2driverChecksumResponseElement() = default;

    const g2driverChecksum& checksum() const noexcept { return checksum_; }
    g2driverChecksum& checksum() noexcept { return checksum_; }
    const gintegerInputFormat& format() const noexcept { return format_; }
    gintegerInputFormat& format() noexcept { return format_; }
    int32_t skipFirst() const noexcept { return skipFirst_; }
    int32_t skipLast() const noexcept { return skipLast_; }
    void setSkips(int32_t first, int32_t last) noexcept
    {
        skipFirst_ = first;
        skipLast_ = last;
    }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return checksum_.isValid() && format_.isValid(); }

    // "Checksum".
    gstr describe() const override;
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>* programs, g2driverErrorCodeTable&,
                                       bool) const override;
    int getType() const override { return g2responseElementType::checksum; }
    void setDriver(g2driver* driver) override;
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

private:
    g2driverChecksumResponseElement(const g2driverChecksumResponseElement& other, g2driverResponseValueTable& values,
                                    jhashTypedDatabaseTable<g2driverProgram>* programs);

    g2driverChecksum checksum_{this};
    gintegerInputFormat format_;
    int32_t skipFirst_ = -1;
    int32_t skipLast_ = -1;
};
