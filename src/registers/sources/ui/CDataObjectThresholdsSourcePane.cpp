#include "registers/sources/ui/CDataObjectThresholdsSourcePane.h"

#include "g2driver/model/g2driverDataObject.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/gsourceDataObjectThresholds.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int paneWidth = 300;
constexpr int pageTop = 66;

// The entries of "&Value:", selectors 1 to 3 in this order.
const char* const selectorNames[] = {"Current", "Lowest", "Highest"};

} // namespace

CDataObjectThresholdsSourcePane::CDataObjectThresholdsSourcePane()
    : CDataObjectSourcePane(templateId, paneWidth, pageTop + CThresholdPointsPage::height)
{
}

std::unique_ptr<CSourcePane> CDataObjectThresholdsSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectThresholdsSourcePane>();
    const auto* thresholds = dynamic_cast<const gsourceDataObjectThresholds*>(source);
    if (!thresholds)
        return pane;
    pane->holdFrom(&thresholds->part());
    pane->thresholds_ = thresholds->thresholds();
    const g2driverDataObject* object = thresholds->part().getDataObject();
    if (object && object->getTypeCode() == g2valueKind::analog)
        pane->selector_ = thresholds->getSelector();
    return pane;
}

void CDataObjectThresholdsSourcePane::addOwnControls()
{
    addLabel(valueLabelId, "&Value:", 0, 50, 50, 8);
    QComboBox* values = addComboBox(valueId, false, 54, 48, 110, 60);
    for (const char* name : selectorNames)
        values->addItem(QString::fromLatin1(name));
    values->setCurrentIndex(selector_ - 1);
    addLabel(pagePlaceholderId, "", 0, pageTop, paneWidth, 8)->hide();
}

bool CDataObjectThresholdsSourcePane::create(CRegisterDialog& dialog)
{
    if (!CDataObjectSourcePane::create(dialog))
        return false;
    page_.create(*this, pagePlaceholderId, thresholds_.hasBottom() ? &thresholds_ : nullptr, true);
    return true;
}

// Only an analog object has a lowest and a highest value.
void CDataObjectThresholdsSourcePane::dataObjectChosen(g2driverDataObject* object)
{
    bool analog = !object || object->getTypeCode() == g2valueKind::analog;
    if (!analog)
        selectItem(valueId, 0);
    enableControl(valueLabelId, analog);
    enableControl(valueId, analog);
}

bool CDataObjectThresholdsSourcePane::validateOwn()
{
    if (!page_.validate(thresholds_))
        return false;
    selector_ = selectedItem(valueId) + 1;
    return true;
}

void CDataObjectThresholdsSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    auto& source = sourceAs<gsourceDataObjectThresholds>(supplement.newDataObjectThresholdsSource());
    applyLocation(source.part());
    source.thresholds() = thresholds_;
    source.setSelector(selector_);
}
