#include "registers/sources/ui/CLegacyValueSourcePanes.h"

#include "registers/ganalogSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceLegacyDirect.h"
#include "registers/sources/gsourceLegacyLevel.h"
#include "registers/sources/gsourceLegacyLiteral.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "registers/ui/CRegisterDialog.h"
#include "shell/CSpinEdit.h"

namespace {

constexpr int paneWidth = 286;
constexpr int badFactorMessage = 10006;
constexpr int badValueOffsetMessage = 10007;

} // namespace

CLegacyDirectSourcePane::CLegacyDirectSourcePane() : CLegacyDataTypeSourcePane(525) {}

std::unique_ptr<CSourcePane> CLegacyDirectSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyDirectSourcePane>();
    if (const auto* direct = dynamic_cast<const gsourceLegacyDirect*>(source)) {
        pane->loadDataType(direct->location());
        pane->valueMap_ = direct->valueMap();
    }
    return pane;
}

bool CLegacyDirectSourcePane::create(CRegisterDialog& dialog)
{
    int y = addDataTypeControls() + 2;
    addButton(valueMapId, "&Value Map...", 0, y, 60, 14);
    onCommand(valueMapId, [this] {
        CEditValueMapDialog edit(valueMap_, this);
        edit.DoModal();
    });
    becomeChildOf(dialog, paneWidth, y + 14);
    return initDataType(noPortsMessage);
}

bool CLegacyDirectSourcePane::validate()
{
    if (!validateDataType())
        return false;
    commitDataType();
    return true;
}

void CLegacyDirectSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    auto& source = sourceAs<gsourceLegacyDirect>(supplement.newLegacyDirectSource());
    applyDataType(source.location());
    source.valueMap().transferFrom(valueMap_);
}

CLegacyLevelSourcePane::CLegacyLevelSourcePane() : CLegacyDataTypeSourcePane(564) {}

std::unique_ptr<CSourcePane> CLegacyLevelSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyLevelSourcePane>();
    if (const auto* level = dynamic_cast<const gsourceLegacyLevel*>(source)) {
        pane->loadDataType(level->location());
        pane->factor_ = level->getFactor();
        pane->valueOffset_ = level->getValueOffset();
    }
    return pane;
}

bool CLegacyLevelSourcePane::create(CRegisterDialog& dialog)
{
    int y = addDataTypeControls();
    addLabel(-1, "Value f&actor:", 0, y + 2, 55, 8);
    addControl(factorId, new CRealSpinEdit, 60, y, 80, 12);
    addLabel(-1, "&Value offset:", 0, y + 18, 55, 8);
    addControl(valueOffsetId, new CRealSpinEdit, 60, y + 16, 80, 12);
    becomeChildOf(dialog, paneWidth, y + 30);
    if (!initDataType(noPortsMessage))
        return false;
    dynamic_cast<CRealSpinEdit*>(control(valueOffsetId))->setValue(valueOffset_);
    dynamic_cast<CRealSpinEdit*>(control(factorId))->setValue(factor_);
    dialog.showElementCount(1);
    return true;
}

bool CLegacyLevelSourcePane::validate()
{
    if (!validateDataType())
        return false;
    double factor = 0;
    if (!dynamic_cast<CRealSpinEdit*>(control(factorId))->getValue(factor))
        return refuseField(factorId, badFactorMessage);
    double offset = 0;
    if (!dynamic_cast<CRealSpinEdit*>(control(valueOffsetId))->getValue(offset))
        return refuseField(valueOffsetId, badValueOffsetMessage);
    commitDataType();
    factor_ = factor;
    valueOffset_ = offset;
    return true;
}

void CLegacyLevelSourcePane::applyToAnalog(ganalogSupplement& supplement)
{
    auto& source = sourceAs<gsourceLegacyLevel>(supplement.newLegacyLevelSource());
    applyDataType(source.location());
    source.setFactor(factor_);
    source.setValueOffset(valueOffset_);
}

CLegacyLiteralSourcePane::CLegacyLiteralSourcePane() : CLegacySourcePane(565) {}

std::unique_ptr<CSourcePane> CLegacyLiteralSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyLiteralSourcePane>();
    if (const auto* literal = dynamic_cast<const gsourceLegacyLiteral*>(source))
        pane->loadLocation(literal->location());
    return pane;
}

bool CLegacyLiteralSourcePane::create(CRegisterDialog& dialog)
{
    becomeChildOf(dialog, paneWidth, addLocationControls() - 2);
    return initLocation(noPortsMessage);
}

bool CLegacyLiteralSourcePane::validate()
{
    if (!validateLocation())
        return false;
    commitLocation();
    return true;
}

void CLegacyLiteralSourcePane::applyToString(gstringSupplement& supplement)
{
    applyLocation(sourceAs<gsourceLegacyLiteral>(supplement.newLegacyLiteralSource()).location());
}
