#pragma once

#include "g2driver/model/g2driverResponseElement.h"

#include <cstdint>

// The response must repeat the bytes that one command element gave in the
// command just sent (RESPONSE_ELEMENT COMMAND ELEMENT): COMMAND_ELEMENT, the
// element's 1-based position in the template.
class g2driverCommandElementResponseElement : public g2driverResponseElement {
public:
    g2driverCommandElementResponseElement() = default;

    int32_t number() const noexcept { return number_; }
    void setNumber(int32_t number) noexcept { number_ = number; }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return number_ > 0; }

    // "Command element number %d".
    gstr describe() const override;
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;
    int getType() const override { return g2responseElementType::commandElement; }
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

private:
    g2driverCommandElementResponseElement(const g2driverCommandElementResponseElement& other,
                                          g2driverResponseValueTable& values)
        : g2driverResponseElement(other, values), number_(other.number_)
    {
    }

    int32_t number_ = 0;
};
