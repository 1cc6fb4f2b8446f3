#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;
class gfontName;
class gtextInfo;
struct gpropExponentValues;

// How an analog indicator shows a number in exponent notation: the mantissa,
// a marker text, and the exponent raised and in smaller type. Its header line
// is "EXPONENT" with the marker text.
class gexponentNotation : public gstorable {
public:
    // The default marker text (string 20019).
    gexponentNotation();

    const gstr& marker() const noexcept { return marker_; }
    void setMarker(const gstrSlice& text) { marker_.assign(text); }
    // 0 while not given; 1 or more after loading.
    int32_t width() const noexcept { return width_; }
    void setWidth(int32_t width) noexcept { width_ = width; }
    // -1 not given, 0 NO, 1 YES.
    int32_t plusSign() const noexcept { return plusSign_; }
    void setPlusSign(int32_t shown) noexcept { plusSign_ = shown; }
    // The exponent's symbolic font; null for the mantissa's font.
    const gfontName* font() const noexcept { return font_; }
    void setFont(const gfontName* font) noexcept { font_ = font; }
    // Pixels; the reduction is -1 while not given.
    int32_t sizeReduction() const noexcept { return reduction_; }
    int32_t raise() const noexcept { return raise_; }
    void setSize(int32_t reduction, int32_t raise) noexcept;

    // The header line's value: one non-empty string item. False leaves the
    // marker as it was.
    bool parseHeader(const gstr& value);
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;

    // Every value from the property set's group: the marker string 20019,
    // 2 digits, the plus sign, the mantissa's font, 2 smaller and 5 higher
    // where the group has no value.
    void apply(const gpropExponentValues& values);
    // One of the properties 48 to 53 (marker, digits, plus sign, font,
    // reduce by, raise by); 0 for any other id.
    int applyOne(const gpropExponentValues& values, int id);
    void mergeInto(gpropExponentValues& values) const;
    // The exponent's lettering: the number's appearance in the exponent's
    // font, smaller by the reduction; raise: how many pixels higher.
    void styleExponent(gtextInfo& style, int32_t& raise) const;

private:
    gloadStatus readWidth(const gstr& value);
    gloadStatus readFont(const gstr& value);
    gloadStatus readSize(const gstr& value);

    gstr marker_;
    int32_t width_ = 0;
    int32_t plusSign_ = -1;
    const gfontName* font_ = nullptr;
    bool fontLoaded_ = false;
    int32_t reduction_ = -1;
    int32_t raise_ = 0;
};
