#include "g2driver/editor/CAnalogNumberDataSourcePane.h"

#include "formats/ui/CNumberInputFormatPage.h"
#include "registers/sources/g2driverAnalogNumberSource.h"
#include "registers/ui/CFactorOffsetPane.h"

#include <QLabel>
#include <algorithm>

CAnalogNumberDataSourcePane::CAnalogNumberDataSourcePane(CSourceTypeHostPane& host)
    : CDataElementSourcePane(host, templateId)
{
}

// The pages are child windows: they go with the pane.
CAnalogNumberDataSourcePane::~CAnalogNumberDataSourcePane() = default;

bool CAnalogNumberDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* number = static_cast<const g2driverAnalogNumberSource*>(source);
    addDataElementControls(0);
    addLabel(formatPlaceholderId, "", 0, sharedHeight, 1, 1)->hide();
    format_ = new CNumberInputFormatPage();
    format_->create(*this, formatPlaceholderId, number ? &number->format() : nullptr, 1);
    int formatBottom = dialogUnitsY(sharedHeight) + format_->height();
    // The factor and offset stand beside the command's rows, where the pane
    // has room, so that the dialog keeps to a small screen.
    addLabel(factorPlaceholderId, "", factorLeft, 0, 1, 1)->hide();
    factor_ = new CFactorOffsetPane();
    gfactorOffset values;
    if (number)
        values = {number->getFactor(), number->getOffset()};
    factor_->create(*this, factorPlaceholderId, number ? &values : nullptr);
    factor_->resize(dialogUnitsX(factorWidth), factor_->height());
    resize(std::max(width(), format_->width()), formatBottom);
    return initFromReference(number ? &number->reference() : nullptr);
}

void CAnalogNumberDataSourcePane::moveChildren(int extra) { format_->moveTo(extra); }

void CAnalogNumberDataSourcePane::setElementCount(int32_t count) { format_->enableSeparator(count > 1); }

std::unique_ptr<g2driverDataSource> CAnalogNumberDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverAnalogNumberSource>();
    if (!storeIntoReference(source->reference()) || !format_->apply(source->format()))
        return nullptr;
    gfactorOffset values;
    if (!factor_->store(values))
        return nullptr;
    source->setFactor(values.factor);
    source->setOffset(values.offset);
    return source;
}
