#include "foundation/valueParsers.h"

#include "foundation/charClasses.h"
#include "foundation/gstr.h"

#include <charconv>
#include <cstring>
#include <system_error>

namespace {

const char* orEmpty(const char* text) { return text ? text : ""; }

const char* skipWhite(const char* p)
{
    while (charClass::isWhite(*p))
        ++p;
    return p;
}

// What follows every item: white space, then a comma or the end of the text.
int endOfItem(const char* p, const char*& next)
{
    p = skipWhite(p);
    if (*p == ',') {
        next = skipWhite(p + 1);
        return itemResult::comma;
    }
    if (*p == '\0') {
        next = p;
        return itemResult::end;
    }
    return itemResult::error;
}

// Decimal digits (at least one) up to limit; the cursor moves past them only
// when they were accepted.
bool readDigits(const char*& cursor, uint64_t limit, uint64_t& value)
{
    const char* p = cursor;
    if (!charClass::isDigit(*p))
        return false;
    uint64_t v = 0;
    for (; charClass::isDigit(*p); ++p) {
        v = v * 10 + static_cast<uint64_t>(*p - '0');
        if (v > limit)
            return false;
    }
    cursor = p;
    value = v;
    return true;
}

// The shape of a real number after its sign: the end of the text it covers
// (null when it holds no digit) and the decimal exponent of its first
// significant digit, which tells an overflow from an underflow.
struct realShape {
    const char* end = nullptr;
    int64_t magnitude = 0;
};

int64_t readExponent(const char*& cursor)
{
    const char* p = cursor + 1;
    bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    if (!charClass::isDigit(*p))
        return 0; // "1e" is the number 1 followed by a stray 'e'
    int64_t e = 0;
    for (; charClass::isDigit(*p); ++p) {
        if (e < 1000000)
            e = e * 10 + (*p - '0');
    }
    cursor = p;
    return negative ? -e : e;
}

realShape scanReal(const char* p)
{
    realShape shape;
    int digits = 0;
    bool significant = false;
    for (; charClass::isDigit(*p); ++p, ++digits) {
        significant = significant || *p != '0';
        if (significant)
            ++shape.magnitude;
    }
    if (*p == '.') {
        for (++p; charClass::isDigit(*p); ++p, ++digits) {
            if (significant)
                continue;
            significant = *p != '0';
            if (!significant)
                --shape.magnitude;
        }
    }
    if (digits == 0)
        return shape;
    if (*p == 'e' || *p == 'E')
        shape.magnitude += readExponent(p);
    shape.end = p;
    return shape;
}

bool isHostAddress(const uint8_t* a)
{
    if (a[0] == 0 || a[0] >= 224)
        return false;
    return a[0] != 127 || (a[1] == 0 && a[2] == 0 && a[3] == 1);
}

// Decodes the bytes up to stop (not consumed) with their escapes. Measures
// first, so that the string is allocated once.
bool readEscaped(const char*& cursor, char stop, gstr& out)
{
    const char* p = cursor;
    int64_t n = 0;
    char byte = 0;
    while (*p != stop && *p != '\0') {
        if (*p == '\\') {
            if (!parseEscape(p, byte))
                return false;
        } else {
            ++p;
        }
        ++n;
    }
    if (*p != stop || n > INT32_MAX - 1)
        return false;
    char* dst = out.resize(static_cast<int32_t>(n));
    for (p = cursor; *p != stop;) {
        if (*p == '\\')
            parseEscape(p, *dst++);
        else
            *dst++ = *p++;
    }
    cursor = p;
    return true;
}

} // namespace

int parseInt(const char*& cursor, int32_t& value)
{
    const char* p = orEmpty(cursor);
    bool negative = *p == '-';
    if (negative)
        ++p;
    uint64_t magnitude = 0;
    if (!readDigits(p, negative ? uint64_t{2147483648u} : uint64_t{2147483647u}, magnitude))
        return 0;
    value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
    cursor = p;
    return 1;
}

int parseIntItem(const char* text, int32_t& value)
{
    const char* next = nullptr;
    return parseIntItem(text, value, next);
}

int parseIntItem(const char* text, int32_t& value, const char*& next)
{
    const char* p = orEmpty(text);
    int32_t v = 0;
    if (!parseInt(p, v))
        return itemResult::error;
    int result = endOfItem(p, next);
    if (result != itemResult::error)
        value = v;
    return result;
}

int parseUnsignedItem(const char* text, uint32_t& value)
{
    const char* next = nullptr;
    return parseUnsignedItem(text, value, next);
}

int parseUnsignedItem(const char* text, uint32_t& value, const char*& next)
{
    const char* p = orEmpty(text);
    uint64_t v = 0;
    if (!readDigits(p, 4294967295u, v))
        return itemResult::error;
    int result = endOfItem(p, next);
    if (result != itemResult::error)
        value = static_cast<uint32_t>(v);
    return result;
}

int parseDoubleItem(const char* text, double& value)
{
    const char* next = nullptr;
    return parseDoubleItem(text, value, next);
}

int parseDoubleItem(const char* text, double& value, const char*& next)
{
    const char* p = skipWhite(orEmpty(text));
    bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    realShape shape = scanReal(p);
    if (!shape.end)
        return itemResult::error;
    double v = 0;
    auto [end, ec] = std::from_chars(p, shape.end, v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (shape.magnitude > 0)
            return itemResult::error;
        v = 0; // below the smallest double
    } else if (ec != std::errc() || end != shape.end) {
        return itemResult::error;
    }
    int result = endOfItem(shape.end, next);
    if (result != itemResult::error)
        value = negative ? -v : v;
    return result;
}

int parseIpAddress(const char*& cursor, uint8_t* address, bool hostCheck)
{
    const char* p = orEmpty(cursor);
    uint8_t bytes[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && *p++ != '.')
            return 0;
        uint64_t v = 0;
        if (!readDigits(p, 255, v))
            return 0;
        bytes[i] = static_cast<uint8_t>(v);
    }
    if (hostCheck && !isHostAddress(bytes))
        return 0;
    std::memcpy(address, bytes, sizeof bytes);
    cursor = p;
    return 1;
}

int parseIpAddressItem(const char* text, uint8_t* address, bool hostCheck)
{
    const char* p = orEmpty(text);
    uint8_t bytes[4] = {};
    if (!parseIpAddress(p, bytes, hostCheck))
        return itemResult::error;
    const char* next = nullptr;
    int result = endOfItem(p, next);
    if (result != itemResult::error)
        std::memcpy(address, bytes, sizeof bytes);
    return result;
}

int skipListSeparator(const char* text, const char*& next)
{
    return endOfItem(orEmpty(text), next);
}

int parseEscape(const char*& cursor, char& byte)
{
    const char* p = cursor + 1;
    switch (*p) {
    case '\0': return 0;
    case '0': byte = 0; break;
    case 'b': byte = 8; break;
    case 'f': byte = 12; break;
    case 'n': byte = 10; break;
    case 'r': byte = 13; break;
    case 't': byte = 9; break;
    case 'v': byte = 11; break;
    case 'x':
        if (!charClass::isHexDigit(p[1]) || !charClass::isHexDigit(p[2]))
            return 0;
        byte = static_cast<char>(hexPairValue(p + 1));
        cursor = p + 3;
        return 1;
    default: byte = *p; break;
    }
    cursor = p + 1;
    return 1;
}

int gstr::parse(const char* text, bool raw)
{
    const char* next = nullptr;
    return parse(text, next, raw);
}

int gstr::parse(const char* text, const char*& next, bool raw)
{
    // The text may lie in this string's own buffer: build apart, then adopt.
    const char* p = orEmpty(text);
    gstr result;
    if (raw) {
        if (!readEscaped(p, '\0', result)) {
            clear();
            return itemResult::error;
        }
        adopt(result);
        next = p;
        return itemResult::end;
    }
    p = skipWhite(p);
    if (*p == '"') {
        ++p;
        int outcome = readEscaped(p, '"', result) ? endOfItem(p + 1, next) : itemResult::error;
        if (outcome == itemResult::error)
            result.clear();
        adopt(result);
        return outcome;
    }
    const char* end = p + std::strcspn(p, ",");
    const char* last = end;
    while (last > p && charClass::isWhite(last[-1]))
        --last;
    result.assign(p, static_cast<int32_t>(last - p));
    adopt(result);
    if (*end == ',') {
        next = skipWhite(end + 1);
        return itemResult::comma;
    }
    next = end;
    return itemResult::end;
}

bool gstr::parseValue(const char* text, bool raw)
{
    int result = parse(text, raw);
    if (result == itemResult::comma)
        clear();
    return result == itemResult::end;
}

bool gstr::isBareValue(const gstrSlice& text) noexcept
{
    if (text.isEmpty() || text[0] == '"' || charClass::isWhite(text[0])
        || charClass::isWhite(text[text.length() - 1]))
        return false;
    return !text.contains(',') && !text.contains('\0');
}
