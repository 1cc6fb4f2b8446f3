#pragma once

#include "foundation/gregexp.h"
#include "g2driver/model/g2driverResponseElement.h"

#include <cstdint>

// Where the template's response data lies (RESPONSE_ELEMENT DATA, valid
// list only), named by NAME for the data-object sources: found by its
// PATTERN, or, with LENGTH, the bytes that the named length value (times a
// factor, in units of CHAR_SIZE bytes, less the bytes of the elements it
// also counts) gives, which the pattern must match as a whole.
class g2driverDataResponseElement : public g2driverResponseElement {
public:
    g2driverDataResponseElement() : pattern_(true) {}
    ~g2driverDataResponseElement() override;

    g2driverResponseDataName* getResponseData() const override { return name_; }
    // Declares the name (or none).
    void setName(g2driverResponseDataName* name);
    const gregexp& pattern() const noexcept { return pattern_; }
    gregexp& pattern() noexcept { return pattern_; }
    g2driverResponseValue* lengthValue() const noexcept { return length_; }
    int32_t charSize() const noexcept { return charSize_; }
    int32_t includes() const noexcept { return includes_; }
    int32_t lengthOffset() const noexcept { return lengthOffset_; }
    // The length value (none: a pattern element) with its numbers.
    void setLength(g2driverResponseValue* value, int32_t charSize, int32_t includes, int32_t offset);
    int32_t factor() const noexcept { return factor_; }
    g2driverResponseValue* factorValue() const noexcept { return factorValue_; }
    int32_t factorOffset() const noexcept { return factorOffset_; }
    // A fixed factor (0: none) or a factor value with its offset.
    void setFactor(int32_t factor, g2driverResponseValue* value, int32_t offset);

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

    // The data name.
    gstr describe() const override;
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&,
                                       g2driverResponseValueTable& responseValues,
                                       g2driverResponseDataNameTable& responseDataNames,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool shareDataUsers) const override;
    int getType() const override { return g2responseElementType::data; }
    const gregexp* getLocatingPattern() const override { return length_ ? nullptr : &pattern_; }
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

private:
    g2driverDataResponseElement(const g2driverDataResponseElement& other, g2driverResponseValueTable& values,
                                g2driverResponseDataNameTable& names, bool shareDataUsers);

    gloadStatus loadName(const gstr& value);
    gloadStatus loadLength(const gstr& value);
    gloadStatus loadFactor(const gstr& value);
    gloadStatus loadFactorValue(const gstr& value);
    // The byte count the length gives in this attempt, or -1 when it
    // cannot be evaluated.
    int64_t byteCount(const g2serialTransaction& transaction) const;

    g2driverResponseDataName* name_ = nullptr;
    g2driverResponseValue* length_ = nullptr;
    gusesList lengthUses_{this};
    int32_t charSize_ = 1;
    int32_t includes_ = 0;
    int32_t lengthOffset_ = 0;
    int32_t factor_ = 0;
    g2driverResponseValue* factorValue_ = nullptr;
    gusesList factorUses_{this};
    int32_t factorOffset_ = 0;
    gregexp pattern_;
};
