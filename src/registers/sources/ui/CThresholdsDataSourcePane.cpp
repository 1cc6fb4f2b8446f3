#include "registers/sources/ui/CThresholdsDataSourcePane.h"

#include "formats/ui/CNumberInputFormatPage.h"
#include "registers/sources/g2driverThresholdsSource.h"
#include "registers/sources/ui/CThresholdPointsPage.h"

#include <QLabel>
#include <algorithm>

CThresholdsDataSourcePane::CThresholdsDataSourcePane(CSourceTypeHostPane& host)
    : CDataElementSourcePane(host, templateId)
{
}

// The pages are child windows: they go with the pane.
CThresholdsDataSourcePane::~CThresholdsDataSourcePane() = default;

bool CThresholdsDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* thresholds = static_cast<const g2driverThresholdsSource*>(source);
    addDataElementControls(0);
    addLabel(formatPlaceholderId, "", 0, sharedHeight, 1, 1)->hide();
    // Thresholds read one number: no greater-than or less-than marks, no
    // separator.
    format_ = new CNumberInputFormatPage();
    format_->create(*this, formatPlaceholderId, thresholds ? &thresholds->format() : nullptr, 0);
    int formatBottom = dialogUnitsY(sharedHeight) + format_->height();
    auto* placeholder = addLabel(pointsPlaceholderId, "", 0, 0, 1, 1);
    placeholder->move(0, formatBottom);
    placeholder->hide();
    points_ = new CThresholdPointsPage();
    points_->create(*this, pointsPlaceholderId, thresholds ? &thresholds->thresholds() : nullptr, false);
    resize(std::max({width(), format_->width(), points_->width()}), formatBottom + points_->QWidget::height());
    return initFromReference(thresholds ? &thresholds->reference() : nullptr);
}

void CThresholdsDataSourcePane::moveChildren(int extra)
{
    format_->moveTo(extra);
    points_->moveBy(extra);
}

std::unique_ptr<g2driverDataSource> CThresholdsDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverThresholdsSource>();
    if (!storeIntoReference(source->reference()) || !format_->apply(source->format())
        || !points_->validate(source->thresholds()))
        return nullptr;
    return source;
}
