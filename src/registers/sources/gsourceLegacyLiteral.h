#pragma once

#include "registers/sources/gsourceLegacyLocated.h"

// A string register whose value is the text at a legacy data location.
// Block "SOURCE LITERAL": the location's lines only.
class gsourceLegacyLiteral final : public gsourceLegacyLocated<gstringRegisterSource, gsourceSerialInterface> {
public:
    using gsourceLegacyLocated::gsourceLegacyLocated;

    int getSourceType() const override { return 27; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override
    {
        return std::make_unique<gsourceLegacyLiteral>(owner, *this);
    }
};
