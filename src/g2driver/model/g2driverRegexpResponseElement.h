#pragma once

#include "foundation/gregexp.h"
#include "g2driver/model/g2driverResponseElement.h"

#include <cstdint>

// A part of the response recognised by a pattern (RESPONSE_ELEMENT
// REGEXP): without REPEAT_VALUE the transaction searches for it; with it,
// the pattern must match as many times in a row, at the cursor, as the
// named value plus the offset says.
class g2driverRegexpResponseElement : public g2driverResponseElement {
public:
    g2driverRegexpResponseElement() : pattern_(true) {}

    const gregexp& pattern() const noexcept { return pattern_; }
    gregexp& pattern() noexcept { return pattern_; }
    g2driverResponseValue* repeatValue() const noexcept { return repeat_; }
    int32_t repeatOffset() const noexcept { return repeatOffset_; }
    // The repeat value (none: a pattern element) and its offset.
    void setRepeat(g2driverResponseValue* value, int32_t offset);

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return pattern_.isSet(); }

    // The pattern between double quotes.
    gstr describe() const override;
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;
    int getType() const override { return g2responseElementType::regexp; }
    const gregexp* getLocatingPattern() const override { return repeat_ ? nullptr : &pattern_; }
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

private:
    g2driverRegexpResponseElement(const g2driverRegexpResponseElement& other, g2driverResponseValueTable& values);

    gloadStatus loadRepeat(const gstr& value);

    gregexp pattern_;
    g2driverResponseValue* repeat_ = nullptr;
    gusesList repeatUses_{this};
    int32_t repeatOffset_ = 0;
};

// The named number decoded so far in the transaction's current attempt;
// false when it is not there.
bool decodedNumber(const g2serialTransaction& transaction, const g2driverResponseValue* value, int64_t& number);
