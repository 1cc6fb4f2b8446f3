#include "registers/sources/ui/CLegacyBitMaskSourcePane.h"

#include "registers/gbistateSupplement.h"
#include "registers/sources/gsourceLegacyBitMask.h"

#include <QLabel>

CLegacyBitMaskSourcePane::CLegacyBitMaskSourcePane() : CLegacyDataTypeSourcePane(512) {}

std::unique_ptr<CSourcePane> CLegacyBitMaskSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyBitMaskSourcePane>();
    if (const auto* bitMask = dynamic_cast<const gsourceLegacyBitMask*>(source)) {
        pane->loadDataType(bitMask->location());
        pane->masks_ = bitMask->masks();
    }
    return pane;
}

bool CLegacyBitMaskSourcePane::create(CRegisterDialog& dialog)
{
    int y = addDataTypeControls() + 2;
    addLabel(masksPlaceholderId, "", 0, y, 286, 8)->hide();
    becomeChildOf(dialog, 286, y + CBitMaskPane::height);
    if (!initDataType(noPortsMessage))
        return false;
    masksPane_.create(*this, masksPlaceholderId, masks_.mask != 0 ? &masks_ : nullptr, true);
    return true;
}

bool CLegacyBitMaskSourcePane::validate()
{
    if (!validateDataType() || !masksPane_.getValues(masks_))
        return false;
    commitDataType();
    return true;
}

void CLegacyBitMaskSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    auto& source = sourceAs<gsourceLegacyBitMask>(supplement.newLegacyBitMaskSource());
    applyDataType(source.location());
    source.masks() = masks_;
}
