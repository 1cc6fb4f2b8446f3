#pragma once

#include "registers/sources/gregisterSource.h"

// The grand summary source (type code 8, "SOURCE GRAND SUMMARY", bistate
// registers only): the register summarises every alarm of the station. It
// has no settings; its block is the header and "END".
class gsourceGrandSummary final : public gbistateRegisterSource {
public:
    using gbistateRegisterSource::gbistateRegisterSource;

    int getSourceType() const override { return 8; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override
    {
        return std::make_unique<gsourceGrandSummary>(owner);
    }
};
