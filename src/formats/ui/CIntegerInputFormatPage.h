#pragma once

#include "formats/ui/CInputFormatPageBase.h"

class gintegerInputFormat;

// The page of an integer input format: the unsigned encodings, the leading
// characters, the fixed width and the trailing characters. Template 740
// (variant 0, one column) or 794 (the same controls in two columns).
class CIntegerInputFormatPage : public CInputFormatPageBase {
public:
    // Null shows the defaults: Decimal, width 1 not fixed, only spaces.
    void create(CDialog& host, int placeholderId, const gintegerInputFormat* format, int variant);
    bool apply(gintegerInputFormat& format);

    // The TYPE of a position of the encoding combo, and the position of a
    // TYPE (a signed TYPE shows its unsigned twin); -1 when none.
    static int32_t typeAt(int position);
    static int positionOf(int32_t type);

protected:
    int32_t selectedType() const override;
};
