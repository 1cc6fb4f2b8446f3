#pragma once

#include "registers/sources/gthresholdList.h"
#include "registers/sources/ui/CDataObjectSourcePane.h"
#include "registers/sources/ui/CThresholdPointsPage.h"

// 14: the pane of a G2D THRESHOLDS source (template 835): a digital or
// analog data object of a G2 device, which of its values counts ("&Value:",
// only for an analog object), and the wide threshold points page below.
class CDataObjectThresholdsSourcePane final : public CDataObjectSourcePane {
public:
    static constexpr int templateId = 835;
    static constexpr int valueLabelId = 1583;
    static constexpr int valueId = 1496;
    static constexpr int pagePlaceholderId = 1844;

    CDataObjectThresholdsSourcePane();
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    void applyToDigital(gdigitalSupplement& supplement) override;

    CThresholdPointsPage& pointsPage() { return page_; }

protected:
    bool acceptsValueKind(int32_t kind) const override { return kind == 2 || kind == 3; }
    int noDataObjectsMessage() const override { return 10692; }
    void addOwnControls() override;
    void dataObjectChosen(g2driverDataObject* object) override;
    bool validateOwn() override;

private:
    gthresholdList thresholds_;
    int32_t selector_ = 1;
    CThresholdPointsPage page_;
};
