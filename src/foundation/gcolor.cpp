#include "foundation/gcolor.h"

#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"

#include <algorithm>

namespace {

// Two hexadecimal digits at p; p moves past them.
bool readHexPair(const char*& p, uint8_t& value)
{
    if (!charClass::isHexDigit(p[0]) || !charClass::isHexDigit(p[1]))
        return false;
    value = static_cast<uint8_t>(hexPairValue(p));
    p += 2;
    return true;
}

} // namespace

gcolor gcolor::contrasting() const noexcept
{
    int sum = std::max({red_, green_, blue_}) + std::min({red_, green_, blue_});
    return sum < 256 ? gcolor(255, 255, 255) : gcolor(0, 0, 0);
}

int gcolor::parse(const char* text)
{
    const char* next = nullptr;
    return parse(text, next);
}

int gcolor::parse(const char* text, const char*& next)
{
    if (!text)
        return itemResult::error;
    const char* p = text;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    if (!readHexPair(p, red) || *p++ != '-' || !readHexPair(p, green) || *p++ != '-' || !readHexPair(p, blue))
        return itemResult::error;
    const char* after = nullptr;
    int result = skipListSeparator(p, after);
    if (result == itemResult::error)
        return result;
    set(red, green, blue);
    next = after;
    return result;
}

void gcolor::formatText(char (&text)[9]) const noexcept
{
    const uint8_t parts[] = {red_, green_, blue_};
    for (int i = 0; i < 3; ++i) {
        text[3 * i] = hexDigitChar(parts[i] >> 4);
        text[3 * i + 1] = hexDigitChar(parts[i]);
        if (i < 2)
            text[3 * i + 2] = '-';
    }
    text[8] = '\0';
}

void gcolor::write(CObjectFile& file, int ending) const
{
    char text[9];
    formatText(text);
    file.writeBytes(text, 8);
    file.writeEnding(ending);
}

void gcolor::gather(const gcolor& colour) noexcept
{
    if (state_ == 0) {
        *this = gcolor(colour.red_, colour.green_, colour.blue_);
        return;
    }
    if (colour.red_ != red_ || colour.green_ != green_ || colour.blue_ != blue_)
        state_ = 2;
}
