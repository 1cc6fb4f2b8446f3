#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/gsourceLegacyLocated.h"

#include <vector>

// A string register whose value is the text at a legacy data location when
// one of the allowed strings accepts it. Block "SOURCE FILTER".
class gsourceLegacyFilter final : public gsourceLegacyLocated<gstringRegisterSource, gsourceSerialInterface> {
public:
    using gsourceLegacyLocated::gsourceLegacyLocated;

    // In file order; the same pattern may come twice.
    std::vector<gregexp>& allowedStrings() noexcept { return allowed_; }
    const std::vector<gregexp>& allowedStrings() const noexcept { return allowed_; }

    int getSourceType() const override { return 28; }
    // The clone lists the patterns in the reverse order.
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

private:
    gloadStatus loadAllowed(const gstr& value, bool bracesLiteral);

    std::vector<gregexp> allowed_;
};
