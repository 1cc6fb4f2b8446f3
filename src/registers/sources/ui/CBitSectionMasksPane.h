#pragma once

#include "formats/ui/CDataFormatPage.h"

struct gbitSectionMasks;

// The rotation and the two masks of one bit section, a child pane of the
// section dialogs (template 817 wide, 818 narrow). The rotation is kept
// from 0 to 31; a loaded count outside that range is handed back as loaded
// while the control still shows it.
class CBitSectionMasksPane : public CDataFormatPage {
public:
    static constexpr int rotationId = 1413;
    static constexpr int spinId = 2066;
    static constexpr int xorMaskId = 1514;
    static constexpr int andMaskId = 1027;
    static constexpr int height = 126;

    // Over the placeholder; without masks the rotation and both masks are 0.
    void create(CDialog& parent, int placeholderId, const gbitSectionMasks* masks, bool wide);
    // An AND mask of 0 is refused (its message, focus on it); else the
    // rotation and the masks are handed out.
    bool validate(gbitSectionMasks& masks);
    void moveBy(int dy) { moveTo(dy); }
    // One step of the spin: the rotation moves by it, round within 0 to 31.
    void spinRotation(int delta);
    int rotation() const;

private:
    int32_t loadedRotate_ = 0;
};
