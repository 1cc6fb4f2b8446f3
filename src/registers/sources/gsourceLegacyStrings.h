#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/gsourceLegacyLocated.h"

#include <cstdint>
#include <map>

// Triggers of a strings source: the register takes a value when its pattern
// is found in the data. Ascending by value, one pattern per value.
using gtriggerMap = std::map<uint32_t, gregexp>;

// A digital register whose value is the value of the trigger found in the
// text at a legacy data location. Block "SOURCE STRINGS".
class gsourceLegacyStrings final : public gsourceLegacyLocated<gdigitalRegisterSource, gsourceSerialInterface> {
public:
    using gsourceLegacyLocated::gsourceLegacyLocated;

    gtriggerMap& triggers() noexcept { return triggers_; }
    const gtriggerMap& triggers() const noexcept { return triggers_; }

    int getSourceType() const override { return 24; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

private:
    gloadStatus loadTrigger(const gstr& value);

    gtriggerMap triggers_;
};
