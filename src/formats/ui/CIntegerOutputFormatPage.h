#pragma once

#include "formats/ui/CDataFormatPage.h"

class gintegerOutputFormat;

// The page of an integer output format (template 735): the unsigned
// encodings, the fixed width with padding and alignment for the text
// encodings, and the case of hexadecimal digits.
class CIntegerOutputFormatPage : public CDataFormatPage {
public:
    static constexpr int padZerosId = 1830;
    static constexpr int padSpacesId = 1831;
    static constexpr int padCustomId = 1836;
    static constexpr int padFieldId = 1833;
    static constexpr int alignLeftId = 1837;
    static constexpr int alignRightId = 1838;
    static constexpr int capitalHexId = 1834;
    static constexpr int smallHexId = 1835;

    // Null shows the defaults: Decimal, width 1 not fixed, pad with zeros,
    // align right, capital letters.
    void create(CDialog& host, int placeholderId, const gintegerOutputFormat* format);
    bool apply(gintegerOutputFormat& format);

private:
    int32_t selectedType() const;
    void enableControls();
};
