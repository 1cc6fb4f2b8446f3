#include "registers/sources/ui/CBitSectionMasksPane.h"

#include "platform/CUpDownCtrl.h"
#include "registers/sources/gbitSectionMasks.h"
#include "shell/CByteMaskCtrl.h"
#include "shell/CByteRotateCtrl.h"

namespace {

constexpr int noAndMaskMessage = 10004;

// The spin beside the rotation: the up arrow rotates one more bit left.
class rotationSpin : public CUpDownCtrl {
public:
    rotationSpin(CBitSectionMasksPane& pane) : CUpDownCtrl(nullptr), pane_(pane) {}

    int OnDeltaPos(int delta) override
    {
        pane_.spinRotation(delta);
        return 0;
    }

private:
    CBitSectionMasksPane& pane_;
};

} // namespace

void CBitSectionMasksPane::create(CDialog& parent, int placeholderId, const gbitSectionMasks* masks, bool wide)
{
    int width = wide ? 302 : 274;
    beginPage(wide ? 817 : 818, width, height);
    addLabel(-1, "Rotate bits:", 0, 0, 60, 8);
    auto* rotation = addControl(rotationId, new CByteRotateCtrl, 0, 10, 200, 30);
    addControl(spinId, new rotationSpin(*this), 202, 10, 10, 30);
    addLabel(-1, "&XOR Mask:", 0, 44, 60, 8);
    auto* xorMask = addControl(xorMaskId, new CByteMaskCtrl, 0, 54, 200, 28);
    addLabel(-1, "&AND Mask:", 0, 86, 60, 8);
    auto* andMask = addControl(andMaskId, new CByteMaskCtrl, 0, 96, 200, 28);
    placeOver(parent, placeholderId);
    loadedRotate_ = masks ? masks->rotate : 0;
    rotation->setRotation(loadedRotate_ & 31);
    xorMask->setMask(masks ? masks->xorMask : 0);
    andMask->setMask(masks ? masks->andMask : 0);
}

int CBitSectionMasksPane::rotation() const { return controlOf<CByteRotateCtrl>(rotationId)->getRotation(); }

void CBitSectionMasksPane::spinRotation(int delta)
{
    controlOf<CByteRotateCtrl>(rotationId)->setRotation((rotation() - delta) & 31);
}

bool CBitSectionMasksPane::validate(gbitSectionMasks& masks)
{
    uint32_t andMask = controlOf<CByteMaskCtrl>(andMaskId)->getMask();
    if (andMask == 0)
        return refuseFocusOnly(andMaskId, noAndMaskMessage);
    // A count outside 0 to 31 that the control shows unchanged is kept as
    // it was written.
    masks.rotate = rotation() == (loadedRotate_ & 31) ? loadedRotate_ : rotation();
    masks.xorMask = controlOf<CByteMaskCtrl>(xorMaskId)->getMask();
    masks.andMask = andMask;
    return true;
}
