#pragma once

#include "formats/ui/CDataFormatPage.h"

// The factor and the offset with which a number source scales the value it
// reads (VALUE_FACTOR and VALUE_OFFSET of the source).
struct gfactorOffset {
    double factor = 1;
    double offset = 0;
};

// The pane of a factor and an offset that a number source's pane embeds
// over a placeholder: "1" and "0" for a new source.
class CFactorOffsetPane : public CDataFormatPage {
public:
    static constexpr int factorId = 1259;
    static constexpr int offsetId = 1349;

    // Null shows 1 and 0.
    void create(CDialog& host, int placeholderId, const gfactorOffset* source);
    // The factor, then the offset must be numbers (10393, 10303); only then
    // are both written.
    bool store(gfactorOffset& source);
    // Back to where it was created, lowered by dy pixels.
    void move(int dy) { moveTo(dy); }
};
