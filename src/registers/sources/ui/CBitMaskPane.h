#pragma once

#include "formats/ui/CDataFormatPage.h"

struct gbitMaskSetting;

// The polarity and the two masks of a bit-mask source, a child pane that
// the legacy, serial data-object and G2 bit-mask panes share. Template 833
// (register sources) says "Alarm/On", template 802 (data-object sources)
// "On".
class CBitMaskPane : public CDataFormatPage {
public:
    static constexpr int andMaskId = 1027;
    static constexpr int xorMaskId = 1514;
    static constexpr int normalId = 1343;
    static constexpr int invertedId = 1291;

    // Over the placeholder of the parent; without masks both are 0 and
    // "&Normal" is checked.
    void create(CDialog& parent, int placeholderId, const gbitMaskSetting* masks, bool registerSource);
    // An AND mask of 0 is refused (its message, focus on it); otherwise the
    // three fields are stored.
    bool getValues(gbitMaskSetting& masks);
    // Back to where it was created, lowered by dy pixels.
    void moveBy(int dy) { moveTo(dy); }

    static constexpr int height = 122;
};
