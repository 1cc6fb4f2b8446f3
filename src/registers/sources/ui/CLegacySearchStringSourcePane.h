#pragma once

#include "foundation/gregexp.h"
#include "registers/sources/ui/CLegacySourcePane.h"

class gregisterSource;

// The pane of a legacy search string source (template 680): the data
// location, the polarity and the search string, a regular expression that
// matches at least one byte.
class CLegacySearchStringSourcePane final : public CLegacySourcePane {
public:
    static constexpr int templateId = 680;
    static constexpr int normalId = 1343;
    static constexpr int invertedId = 1291;
    static constexpr int searchId = 1602;

    CLegacySearchStringSourcePane();
    // The page-creation function: filled from the source, or empty.
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToBistate(gbistateSupplement& supplement) override;

private:
    gregexp pattern_{false};
    int32_t inverted_ = 0;
};
