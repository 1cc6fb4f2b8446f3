#pragma once

#include "formats/ui/CInputFormatPageBase.h"

class CEscapedStringEdit;
class gnumberInputFormat;

// The page of a number input format: all eleven encodings, the character
// groups and width of the integer input page, and for decimal text the sign,
// thousands and decimal symbols, the exponent prefixes and the implied
// decimals. Template 742 (variant 0) or 844 (any other variant), which adds
// the greater-than and less-than symbols and the separator between values.
class CNumberInputFormatPage : public CInputFormatPageBase {
public:
    static constexpr int plusBoxId = 1859;
    static constexpr int plusFieldId = 1372;
    static constexpr int minusBoxId = 1858;
    static constexpr int minusFieldId = 1729;
    static constexpr int thousandsBoxId = 1857;
    static constexpr int thousandsFieldId = 1829;
    static constexpr int decimalBoxId = 1856;
    static constexpr int decimalFieldId = 1725;
    static constexpr int exponentBoxId = 1802;
    static constexpr int positiveLabelId = 1841;
    static constexpr int positiveFieldId = 1804;
    static constexpr int negativeLabelId = 1842;
    static constexpr int negativeFieldId = 1805;
    static constexpr int decimalsFieldId = 1726;
    static constexpr int greaterLessBoxId = 2028;
    static constexpr int greaterLabelId = 1843;
    static constexpr int greaterFieldId = 1806;
    static constexpr int lessLabelId = 1844;
    static constexpr int lessFieldId = 1807;
    static constexpr int separatorLabelId = 2082;
    static constexpr int separatorFieldId = 1724;

    // Null shows the defaults: Decimal with "+", "-" and "." allowed, "E+"
    // and "E-", no implied decimals.
    void create(CDialog& host, int placeholderId, const gnumberInputFormat* format, int variant);
    bool apply(gnumberInputFormat& format);
    // Template 844 only: the separator label and field.
    void enableSeparator(bool on);

protected:
    int32_t selectedType() const override;
    void enableControls() override;

private:
    void addControls(bool extended);
    void showSymbols(const gnumberInputFormat* format, int32_t type);
    bool applySymbols(gnumberInputFormat& format, int32_t type);
    bool applyMarkers(gnumberInputFormat& format, int32_t type);
    bool applySeparator(gnumberInputFormat& format);

    bool extended_ = false;
    CEscapedStringEdit* positive_ = nullptr;
    CEscapedStringEdit* negative_ = nullptr;
};
