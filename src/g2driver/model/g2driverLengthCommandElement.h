#pragma once

#include "formats/gintegerOutputFormat.h"
#include "g2driver/model/g2driverCommandElement.h"

#include <climits>
#include <cstdint>

// The length of the outputs that follow it (COMMAND_ELEMENT LENGTH): the
// bytes of the elements after it, SKIP_FIRST and SKIP_LAST left out,
// counted in units of CHAR_SIZE bytes, plus OFFSET, sent in the output
// format.
class g2driverLengthCommandElement : public g2driverCommandElement {
public:
    g2driverLengthCommandElement() = default;

    const gintegerOutputFormat& format() const noexcept { return format_; }
    gintegerOutputFormat& format() noexcept { return format_; }
    int32_t charSize() const noexcept { return charSize_; }
    int32_t skipFirst() const noexcept { return skipFirst_; }
    int32_t skipLast() const noexcept { return skipLast_; }
    int32_t offset() const noexcept { return offset_; }
    void setCounts(int32_t charSize, int32_t skipFirst, int32_t skipLast, int32_t offset) noexcept;

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return format_.isComplete(); }

    // "Data length".
    gstr describe() const override;
    g2driverCommandElement* duplicate(g2driverParameterTable&, g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable&, g2driverParameterTable&,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::length; }
    // Pass 2: the count over the outputs after this one.
    void encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output) override;

private:
    g2driverLengthCommandElement(const g2driverLengthCommandElement&) = default;

    gintegerOutputFormat format_;
    int32_t charSize_ = 0;
    int32_t skipFirst_ = -1;
    int32_t skipLast_ = -1;
    int32_t offset_ = INT_MAX;
};
