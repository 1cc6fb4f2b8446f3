#include "registers/sources/ui/CLegacyThresholdsSourcePane.h"

#include "registers/gdigitalSupplement.h"
#include "registers/sources/gsourceLegacyThresholds.h"

#include <QLabel>

CLegacyThresholdsSourcePane::CLegacyThresholdsSourcePane() : CLegacyDataTypeSourcePane(620) {}

std::unique_ptr<CSourcePane> CLegacyThresholdsSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyThresholdsSourcePane>();
    if (const auto* thresholds = dynamic_cast<const gsourceLegacyThresholds*>(source)) {
        pane->loadDataType(thresholds->location());
        pane->thresholds_ = thresholds->thresholds();
    }
    return pane;
}

bool CLegacyThresholdsSourcePane::create(CRegisterDialog& dialog)
{
    int y = addDataTypeControls() + 2;
    addLabel(pagePlaceholderId, "", 0, y, 286, 8)->hide();
    becomeChildOf(dialog, 286, y + CThresholdPointsPage::height);
    if (!initDataType(noPortsMessage))
        return false;
    page_.create(*this, pagePlaceholderId, thresholds_.hasBottom() ? &thresholds_ : nullptr, true);
    return true;
}

bool CLegacyThresholdsSourcePane::validate()
{
    if (!validateDataType() || !page_.validate(thresholds_))
        return false;
    commitDataType();
    return true;
}

void CLegacyThresholdsSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    auto& source = sourceAs<gsourceLegacyThresholds>(supplement.newLegacyThresholdsSource());
    applyDataType(source.location());
    source.thresholds() = thresholds_;
}
