#include "registers/sources/ui/CDigitalNumberDataSourcePane.h"

#include "formats/ui/CIntegerInputFormatPage.h"
#include "platform/textCodec.h"
#include "registers/sources/g2driverDigitalNumberSource.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "registers/sources/ui/CMovableChildWnd.h"

#include <QLabel>
#include <algorithm>

namespace {

// Dialog units: the button below the format page.
constexpr int buttonWidth = 60;
constexpr int buttonHeight = 14;
constexpr int buttonGap = 4;

} // namespace

CDigitalNumberDataSourcePane::CDigitalNumberDataSourcePane(CSourceTypeHostPane& host)
    : CDataElementSourcePane(host, templateId)
{
}

// The page and the button are child windows: they go with the pane.
CDigitalNumberDataSourcePane::~CDigitalNumberDataSourcePane() = default;

bool CDigitalNumberDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* number = static_cast<const g2driverDigitalNumberSource*>(source);
    addDataElementControls(0);
    addLabel(formatPlaceholderId, "", 0, sharedHeight, 1, 1)->hide();
    format_ = new CIntegerInputFormatPage();
    format_->create(*this, formatPlaceholderId, number ? &number->format() : nullptr, 1);
    int formatBottom = dialogUnitsY(sharedHeight) + format_->height();
    valueMapButton_ = new CMovableChildWnd(toUiText("&Value Map..."));
    QRect place = dialogUnits(0, 0, buttonWidth, buttonHeight);
    place.moveTo(dialogUnitsX(paneWidth - buttonWidth), formatBottom + dialogUnitsY(buttonGap));
    placeControlAt(valueMapId, valueMapButton_, place);
    onCommand(valueMapId, [this] { editValueMap(); });
    resize(std::max(width(), format_->width()), place.bottom() + 1 + dialogUnitsY(buttonGap));
    if (!initFromReference(number ? &number->reference() : nullptr))
        return false;
    if (number)
        valueMap_ = number->valueMap();
    return true;
}

void CDigitalNumberDataSourcePane::editValueMap()
{
    CEditValueMapDialog dialog(valueMap_, this);
    dialog.DoModal();
}

void CDigitalNumberDataSourcePane::moveChildren(int extra)
{
    format_->moveTo(extra);
    valueMapButton_->moveBy(extra);
}

std::unique_ptr<g2driverDataSource> CDigitalNumberDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverDigitalNumberSource>();
    if (!storeIntoReference(source->reference()) || !format_->apply(source->format()))
        return nullptr;
    source->valueMap() = valueMap_;
    return source;
}
