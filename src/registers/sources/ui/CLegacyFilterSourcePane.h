#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/ui/CAllowedStringsPage.h"
#include "registers/sources/ui/CLegacySourcePane.h"

#include <vector>

// The pane of a legacy filter source (template 556): the untyped location
// and, below it, the allowed-strings page.
class CLegacyFilterSourcePane final : public CLegacySourcePane {
public:
    static constexpr int pagePlaceholderId = 1844;
    static constexpr int unusedDataTypeId = 1569;

    CLegacyFilterSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToString(gstringSupplement& supplement) override;

private:
    std::vector<gregexp> patterns_;
    CAllowedStringsPage page_;
};
