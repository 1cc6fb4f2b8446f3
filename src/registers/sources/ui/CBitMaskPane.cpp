#include "registers/sources/ui/CBitMaskPane.h"

#include "shell/CByteMaskCtrl.h"
#include "store/gstorable.h"

namespace {

constexpr int noAndMaskMessage = 10004;

} // namespace

void CBitMaskPane::create(CDialog& parent, int placeholderId, const gbitMaskSetting* masks, bool registerSource)
{
    beginPage(registerSource ? 833 : 802, 286, height);
    addLabel(-1, "&XOR Mask:", 0, 0, 60, 8);
    auto* xorMask = addControl(xorMaskId, new CByteMaskCtrl, 0, 10, 200, 28);
    addLabel(-1, "&AND Mask:", 0, 42, 60, 8);
    auto* andMask = addControl(andMaskId, new CByteMaskCtrl, 0, 52, 200, 28);
    addGroupBox(-1, "Polarity", 0, 84, 286, 36);
    addRadioButton(normalId, "&Normal", 8, 96, 50, 10);
    addLabel(-1, registerSource ? "(Alarm/On if result > 0)" : "(On if result > 0)", 60, 97, 150, 8);
    addRadioButton(invertedId, "In&verted", 8, 108, 50, 10);
    addLabel(-1, registerSource ? "(Alarm/On if result = 0)" : "(On if result = 0)", 60, 109, 150, 8);
    groupRadioButtons({normalId, invertedId});
    placeOver(parent, placeholderId);
    xorMask->setMask(masks ? masks->secondMask : 0);
    andMask->setMask(masks ? masks->mask : 0);
    checkRadioButton(invertedId, normalId, masks && masks->invert != 0 ? invertedId : normalId);
}

bool CBitMaskPane::getValues(gbitMaskSetting& masks)
{
    uint32_t andMask = controlOf<CByteMaskCtrl>(andMaskId)->getMask();
    if (andMask == 0)
        return refuseFocusOnly(andMaskId, noAndMaskMessage);
    masks.mask = andMask;
    masks.secondMask = controlOf<CByteMaskCtrl>(xorMaskId)->getMask();
    masks.invert = isChecked(invertedId) ? 1 : 0;
    return true;
}
