#pragma once

#include "foundation/gcolor.h"

#include <cstdint>

class CObjectFile;
class gfontName;
struct gpropTextValues;

// How a text is lettered: one of the eight symbolic fonts (null: not set),
// bold, italic, size (at least 7, the font's cell height), alignment (1
// "LEFT", 2 "CENTER", 3 "RIGHT") and colour, with the text-drawing flags
// that follow from them.
class gtextInfo {
public:
    // Text-drawing flags.
    static constexpr uint32_t alignCenter = 0x01;
    static constexpr uint32_t alignRight = 0x02;
    static constexpr uint32_t singleLine = 0x20;
    static constexpr uint32_t wordBreak = 0x10;
    static constexpr uint32_t expandTabs = 0x40;
    static constexpr uint32_t noPrefix = 0x800;
    static constexpr uint32_t baseFormat = wordBreak | expandTabs | noPrefix;
    static constexpr int32_t left = 1, center = 2, right = 3;
    static constexpr int32_t smallestSize = 7;

    bool isSet() const noexcept { return font_ != nullptr; }
    const gfontName* getFont() const noexcept { return font_; }
    bool isBold() const noexcept { return bold_; }
    bool isItalic() const noexcept { return italic_; }
    int32_t getSize() const noexcept { return size_; }
    int32_t getAlignment() const noexcept { return alignment_; }
    const gcolor& getColour() const noexcept { return colour_; }
    uint32_t getFormat() const noexcept { return format_; }

    void set(const gfontName* font, bool bold, bool italic, int32_t size, int32_t alignment, const gcolor& colour);
    // Changes the alignment and its flags only.
    void setAlignment(int32_t alignment) noexcept;
    void setSingleLine() noexcept { format_ |= singleLine; }
    // The exponent's smaller text: another font when one is given, the size
    // changed by delta but not below 7.
    void adjustSize(const gfontName* font, int32_t delta) noexcept;

    // "font, weight and slant, size, alignment, colour": 1 when the value
    // ends the text, 2 when a comma follows, 0 when it is invalid (the value
    // is then unchanged).
    int parse(const char* text);
    int parse(const char* text, const char*& next);
    void write(CObjectFile& file, int ending) const;

    // Unset or mixed entries give "ALTERNATE", normal, 14, LEFT, black.
    void apply(const gpropTextValues& values);
    // 6 font, 7 bold, 8 italic, 9 size, 10 alignment, 11 colour.
    void applyOne(const gpropTextValues& values, int id);
    void mergeInto(gpropTextValues& values) const;

    friend bool operator==(const gtextInfo&, const gtextInfo&) = default;

private:
    const gfontName* font_ = nullptr;
    bool bold_ = false;
    bool italic_ = false;
    int32_t size_ = 0;
    int32_t alignment_ = left;
    gcolor colour_;
    uint32_t format_ = baseFormat;
};
