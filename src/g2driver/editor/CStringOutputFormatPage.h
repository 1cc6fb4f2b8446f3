#pragma once

#include "formats/ui/CDataFormatPage.h"

class gstringOutputFormat;

// The page of a string output format (template 737): an optional fixed width
// with its padding character and alignment, and the character that replaces
// non-printable ones.
class CStringOutputFormatPage : public CDataFormatPage {
public:
    static constexpr int padSpacesId = 1830;
    static constexpr int padCustomId = 1831;
    static constexpr int padFieldId = 1833;
    static constexpr int alignLeftId = 1837;
    static constexpr int alignRightId = 1838;
    static constexpr int replaceBoxId = 1398;
    static constexpr int replaceFieldId = 1724;

    // Null shows width 1 not fixed, pad with spaces, align left, no
    // replacement.
    void create(CDialog& host, int placeholderId, const gstringOutputFormat* format);
    bool apply(gstringOutputFormat& format);

private:
    void enableControls();
};
