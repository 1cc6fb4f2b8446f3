#pragma once

#include "registers/sources/ui/CDataElementSourcePane.h"

class CNumberInputFormatPage;
class CThresholdPointsPage;

// The pane of a data object's Thresholds source (template 808): the shared
// command data, the number input format over placeholder 1843 and the
// narrow threshold points page over placeholder 1844 below it; both follow
// the parameter rows.
class CThresholdsDataSourcePane : public CDataElementSourcePane {
public:
    static constexpr int templateId = 808;
    static constexpr int formatPlaceholderId = 1843;
    static constexpr int pointsPlaceholderId = 1844;

    explicit CThresholdsDataSourcePane(CSourceTypeHostPane& host);
    ~CThresholdsDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

    CNumberInputFormatPage& formatPage() const { return *format_; }
    CThresholdPointsPage& pointsPage() const { return *points_; }

protected:
    void moveChildren(int extra) override;

private:
    CNumberInputFormatPage* format_ = nullptr;
    CThresholdPointsPage* points_ = nullptr;
};
