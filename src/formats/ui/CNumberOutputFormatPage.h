#pragma once

#include "formats/ui/CDataFormatPage.h"

class CEscapedStringEdit;
class gnumberOutputFormat;

// The page of a number output format (template 734): all eleven encodings,
// the fixed width with padding and alignment, the case of hexadecimal
// digits, and for decimal text the signs, thousands separator, decimals with
// their marker and the exponent part.
class CNumberOutputFormatPage : public CDataFormatPage {
public:
    static constexpr int plusBoxId = 1797;
    static constexpr int plusFieldId = 1372;
    static constexpr int minusBoxId = 1799;
    static constexpr int minusFieldId = 1729;
    static constexpr int thousandsBoxId = 1828;
    static constexpr int thousandsFieldId = 1829;
    static constexpr int decimalsFieldId = 1726;
    static constexpr int markerBoxId = 1800;
    static constexpr int markerFieldId = 1725;
    static constexpr int padZerosId = 1830;
    static constexpr int padSpacesId = 1831;
    static constexpr int padCustomId = 1836;
    static constexpr int padFieldId = 1833;
    static constexpr int alignmentLabelId = 1012;
    static constexpr int alignmentId = 1011;
    static constexpr int capitalHexId = 1834;
    static constexpr int smallHexId = 1835;
    static constexpr int exponentBoxId = 1802;
    static constexpr int mantissaLabelId = 1839;
    static constexpr int mantissaFieldId = 1727;
    static constexpr int digitsLabelId = 1840;
    static constexpr int digitsFieldId = 1730;
    static constexpr int positiveLabelId = 1841;
    static constexpr int positiveFieldId = 1804;
    static constexpr int negativeLabelId = 1842;
    static constexpr int negativeFieldId = 1805;

    // Null shows the defaults: Decimal, no decimals, width 1 not fixed, pad
    // with zeros, sign - padding - number, the minus sign shown.
    void create(CDialog& host, int placeholderId, const gnumberOutputFormat* format);
    bool apply(gnumberOutputFormat& format);

private:
    void addControls();
    void showField(const gnumberOutputFormat* format, int32_t type);
    void showDecimalText(const gnumberOutputFormat* format, int32_t type);
    void connectControls();
    int32_t selectedType() const;
    void enableControls();
    void enableMarker();
    bool applySymbols(gnumberOutputFormat& format, int32_t type, int32_t decimals);
    bool applyExponent(gnumberOutputFormat& format, int32_t type, int32_t decimals);
    bool applyField(gnumberOutputFormat& format, int32_t type);

    CEscapedStringEdit* positive_ = nullptr;
    CEscapedStringEdit* negative_ = nullptr;
};
