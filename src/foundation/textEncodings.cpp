#include "foundation/textEncodings.h"

#include <string>

namespace {

// Unicode of the bytes 0x80 to 0x9F; the five unassigned bytes keep their own
// code point so that they still round-trip.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

char32_t decodeUtf8(const unsigned char* p, int length)
{
    if (length == 1)
        return p[0];
    char32_t code = p[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i)
        code = (code << 6) | (p[i] & 0x3F);
    return code;
}

} // namespace

char16_t windows1252ToUnicode(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte; }

int unicodeToWindows1252(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    for (int i = 0; i < 32; ++i) {
        if (high[i] == code)
            return 0x80 + i;
    }
    return -1;
}

int utf8SequenceLength(const unsigned char* p, int32_t n)
{
    unsigned char b = p[0];
    if (b < 0x80)
        return 1;
    int length = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (length == 0 || n < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(p[i]))
            return 0;
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((b == 0xE0 && p[1] < 0xA0) || (b == 0xED && p[1] > 0x9F) || (b == 0xF0 && p[1] < 0x90) ||
        (b == 0xF4 && p[1] > 0x8F))
        return 0;
    return length;
}

gstr pathAsText(const gstrSlice& path)
{
    std::string out;
    const auto* bytes = reinterpret_cast<const unsigned char*>(path.data());
    int32_t i = 0;
    while (i < path.length()) {
        int length = utf8SequenceLength(bytes + i, path.length() - i);
        if (length == 0) {
            out += '?';
            ++i;
            continue;
        }
        int byte = unicodeToWindows1252(decodeUtf8(bytes + i, length));
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += length;
    }
    return gstr(gstrSlice(out.data(), static_cast<int32_t>(out.size())));
}
