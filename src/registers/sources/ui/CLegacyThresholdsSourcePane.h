#pragma once

#include "registers/sources/gthresholdList.h"
#include "registers/sources/ui/CLegacySourcePane.h"
#include "registers/sources/ui/CThresholdPointsPage.h"

// The pane of a legacy thresholds source (template 620): the typed
// location and, below it, the threshold points page.
class CLegacyThresholdsSourcePane final : public CLegacyDataTypeSourcePane {
public:
    static constexpr int pagePlaceholderId = 1844;

    CLegacyThresholdsSourcePane();
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToDigital(gdigitalSupplement& supplement) override;

private:
    gthresholdList thresholds_;
    CThresholdPointsPage page_;
};
