#include "foundation/gstr.h"

#include "foundation/charClasses.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

char* allocate(int32_t n)
{
    auto* p = static_cast<char*>(std::malloc(static_cast<size_t>(n) + 1));
    if (!p)
        throw std::bad_alloc();
    p[n] = '\0';
    return p;
}

bool isWordByte(char c) { return charClass::isAlnum(c); }

// Compares n bytes, upper-casing both sides unless matchCase.
bool sameBytes(const char* a, const char* b, int32_t n, bool matchCase)
{
    if (n == 0)
        return true;
    if (matchCase)
        return std::memcmp(a, b, static_cast<size_t>(n)) == 0;
    for (int32_t i = 0; i < n; ++i) {
        if (charClass::toUpper(a[i]) != charClass::toUpper(b[i]))
            return false;
    }
    return true;
}

// Whether the occurrence [pos, pos + n) stands alone: no alphanumeric byte
// right before or right after it.
bool isWholeWord(const gstrSlice& s, int32_t pos, int32_t n)
{
    if (pos > 0 && isWordByte(s[pos - 1]))
        return false;
    return pos + n >= s.length() || !isWordByte(s[pos + n]);
}

constexpr char hexDigits[] = "0123456789ABCDEF";

} // namespace

gstrSlice::gstrSlice(const char* text) noexcept
    : ptr_(text), len_(text ? static_cast<int32_t>(std::strlen(text)) : 0)
{
}

int gstrSlice::compare(const gstrSlice& other) const noexcept
{
    int32_t n = len_ < other.len_ ? len_ : other.len_;
    for (int32_t i = 0; i < n; ++i) {
        int d = static_cast<signed char>(ptr_[i]) - static_cast<signed char>(other.ptr_[i]);
        if (d != 0)
            return d;
    }
    return len_ - other.len_;
}

int gstrSlice::compareNoCase(const gstrSlice& other) const noexcept
{
    int32_t n = len_ < other.len_ ? len_ : other.len_;
    for (int32_t i = 0; i < n; ++i) {
        int d = static_cast<signed char>(charClass::toUpper(ptr_[i]))
            - static_cast<signed char>(charClass::toUpper(other.ptr_[i]));
        if (d != 0)
            return d;
    }
    return len_ - other.len_;
}

int32_t gstrSlice::find(const gstrSlice& text, bool wholeWord, bool matchCase, int32_t start) const
{
    if (len_ < text.len_ || start < 0)
        return -1;
    for (int32_t pos = start; pos <= len_ - text.len_; ++pos) {
        if (!sameBytes(ptr_ + pos, text.ptr_, text.len_, matchCase))
            continue;
        if (wholeWord && !isWholeWord(*this, pos, text.len_))
            return -1;
        return pos;
    }
    return -1;
}

int32_t gstrSlice::findMatch(const gstrSlice& text, bool wholeWord, bool matchCase, int32_t start) const
{
    if (len_ < text.len_ || start < 0)
        return -1;
    for (int32_t pos = start; pos <= len_ - text.len_; ++pos) {
        if (sameBytes(ptr_ + pos, text.ptr_, text.len_, matchCase)
            && (!wholeWord || isWholeWord(*this, pos, text.len_)))
            return pos;
    }
    return -1;
}

bool gstrSlice::contains(char c) const noexcept
{
    return len_ > 0 && std::memchr(ptr_, c, static_cast<size_t>(len_)) != nullptr;
}

bool gstrSlice::isPrintable() const noexcept
{
    for (int32_t i = 0; i < len_; ++i) {
        if (!charClass::isPrintable(ptr_[i]))
            return false;
    }
    return true;
}

gstr::gstr(int32_t length)
{
    ptr_ = allocate(length);
    len_ = length;
}

gstr::gstr(const char* text) { assign(text); }

gstr::gstr(const gstrSlice& text) { assign(text); }

gstr::gstr(const gstr& other) : gstrSlice() { assign(static_cast<const gstrSlice&>(other)); }

gstr::gstr(gstr&& other) noexcept : gstrSlice() { adopt(other); }

gstr::~gstr() { std::free(getBuffer()); }

gstr& gstr::operator=(const gstr& other)
{
    if (this != &other)
        assign(static_cast<const gstrSlice&>(other));
    return *this;
}

gstr& gstr::operator=(gstr&& other) noexcept
{
    if (this != &other)
        adopt(other);
    return *this;
}

void gstr::clear() noexcept
{
    std::free(getBuffer());
    ptr_ = nullptr;
    len_ = 0;
}

char* gstr::resize(int32_t n)
{
    if (ptr_ && n == len_)
        return getBuffer();
    auto* p = static_cast<char*>(std::realloc(getBuffer(), static_cast<size_t>(n) + 1));
    if (!p)
        throw std::bad_alloc();
    p[n] = '\0';
    ptr_ = p;
    len_ = n;
    return p;
}

void gstr::assign(const char* text)
{
    assign(gstrSlice(text));
}

void gstr::assign(const char* data, int32_t length)
{
    assign(gstrSlice(data, length));
}

void gstr::assign(const gstrSlice& text)
{
    if (text.isNull()) {
        clear();
        return;
    }
    // A new buffer first: the text may lie inside the old one.
    char* p = allocate(text.length());
    std::memcpy(p, text.data(), static_cast<size_t>(text.length()));
    std::free(getBuffer());
    ptr_ = p;
    len_ = text.length();
}

void gstr::assign(char c) { assign(gstrSlice(&c, 1)); }

void gstr::append(const char* text) { append(gstrSlice(text)); }

void gstr::append(const char* data, int32_t length) { append(gstrSlice(data, length)); }

void gstr::append(const gstrSlice& text)
{
    if (text.isEmpty())
        return;
    if (overlaps(text)) {
        gstr copy(text);
        append(copy);
        return;
    }
    int32_t old = len_;
    char* p = resize(old + text.length());
    std::memcpy(p + old, text.data(), static_cast<size_t>(text.length()));
}

void gstr::append(char c) { append(gstrSlice(&c, 1)); }

void gstr::adopt(gstr& other) noexcept
{
    if (&other == this)
        return;
    adopt(other.release());
}

void gstr::adopt(gstrSlice released) noexcept
{
    std::free(getBuffer());
    ptr_ = released.data();
    len_ = released.length();
}

gstrSlice gstr::release() noexcept
{
    gstrSlice out(ptr_, len_);
    ptr_ = nullptr;
    len_ = 0;
    return out;
}

void gstr::trim()
{
    int32_t first = 0;
    while (first < len_ && charClass::isWhite(ptr_[first]))
        ++first;
    int32_t last = len_;
    while (last > first && charClass::isWhite(ptr_[last - 1]))
        --last;
    if (first == 0 && last == len_)
        return;
    assign(gstrSlice(ptr_ + first, last - first));
}

void gstr::assignHexDump(const gstrSlice& bytes)
{
    gstr out(bytes.isEmpty() ? 0 : bytes.length() * 3 - 1);
    char* p = out.getBuffer();
    for (int32_t i = 0; i < bytes.length(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (i > 0)
            *p++ = ' ';
        *p++ = hexDigits[b >> 4];
        *p++ = hexDigits[b & 0x0F];
    }
    adopt(out);
}

// Nothing a reader would trim or split on.
bool gstr::writesBare(const gstrSlice& text) noexcept
{
    if (text.isEmpty())
        return true;
    if (text[0] == ' ' || text[0] == '"' || text[text.length() - 1] == ' ')
        return false;
    for (int32_t i = 0; i < text.length(); ++i) {
        if (!charClass::isPrintable(text[i]) || text[i] == ',')
            return false;
    }
    return true;
}

void gstr::assignQuoted(const gstrSlice& text, bool appendEscaped, bool escapeQuotes)
{
    if (overlaps(text)) {
        gstr copy(text);
        assignQuoted(copy, appendEscaped, escapeQuotes);
        return;
    }
    if (!appendEscaped && !escapeQuotes && writesBare(text)) {
        assign(text);
        return;
    }
    bool quoted = !appendEscaped;
    bool plainQuote = appendEscaped && !escapeQuotes;
    if (quoted)
        assign('"');
    int32_t i = 0;
    while (i < text.length()) {
        int32_t run = i;
        while (run < text.length() && charClass::isPrintable(text[run]) && text[run] != '\\'
               && (text[run] != '"' || plainQuote))
            ++run;
        append(text.at(i), run - i);
        if (run == text.length())
            break;
        this->appendEscaped(text[run]);
        i = run + 1;
    }
    if (quoted)
        append('"');
}

void gstr::appendEscaped(char c)
{
    char escape[4] = {'\\', 0, 0, 0};
    int32_t n = 2;
    switch (c) {
    case 0: escape[1] = '0'; break;
    case 8: escape[1] = 'b'; break;
    case 9: escape[1] = 't'; break;
    case 10: escape[1] = 'n'; break;
    case 11: escape[1] = 'v'; break;
    case 12: escape[1] = 'f'; break;
    case 13: escape[1] = 'r'; break;
    default:
        if (charClass::isPrintable(c)) {
            escape[1] = c;
            break;
        }
        escape[1] = 'x';
        escape[2] = hexDigits[static_cast<unsigned char>(c) >> 4];
        escape[3] = hexDigits[static_cast<unsigned char>(c) & 0x0F];
        n = 4;
    }
    append(escape, n);
}

int gstr::substitute(const gstrSlice& templateText, const gstrSlice& value)
{
    gstr out("");
    int count = 0;
    int32_t i = 0;
    while (i < templateText.length()) {
        const char* percent = static_cast<const char*>(
            std::memchr(templateText.at(i), '%', static_cast<size_t>(templateText.length() - i)));
        int32_t next = percent ? static_cast<int32_t>(percent - templateText.data()) : templateText.length();
        out.append(templateText.at(i), next - i);
        if (!percent)
            break;
        if (next + 1 < templateText.length() && templateText[next + 1] == '%') {
            out.append('%');
            i = next + 2;
            continue;
        }
        out.append(value);
        ++count;
        i = next + 1;
    }
    adopt(out);
    return count;
}

void gstr::escapePercent()
{
    if (!contains('%'))
        return;
    gstr out("");
    for (int32_t i = 0; i < len_; ++i) {
        if (ptr_[i] == '%')
            out.append('%');
        out.append(ptr_[i]);
    }
    adopt(out);
}

int gstr::replaceFirst(const gstrSlice& text, const gstrSlice& by, bool wholeWord, bool matchCase, int32_t start)
{
    return replaceAt(find(text, wholeWord, matchCase, start), text.length(), by);
}

int gstr::replaceFirstMatch(const gstrSlice& text, const gstrSlice& by, bool wholeWord, bool matchCase)
{
    return replaceAt(findMatch(text, wholeWord, matchCase), text.length(), by);
}

int gstr::replaceAt(int32_t pos, int32_t length, const gstrSlice& by)
{
    if (pos < 0)
        return 0;
    gstr out(gstrSlice(ptr_, pos));
    out.append(by);
    out.append(ptr_ + pos + length, len_ - pos - length);
    adopt(out);
    return 1;
}

int gstr::replaceAll(const gstrSlice& text, const gstrSlice& by, bool wholeWord, bool matchCase)
{
    if (len_ < text.length())
        return 0;
    gstr out("");
    int count = 0;
    int32_t copied = 0;
    int32_t pos = 0;
    while (pos <= len_ - text.length()) {
        if (!sameBytes(ptr_ + pos, text.data(), text.length(), matchCase)
            || (wholeWord && !isWholeWord(*this, pos, text.length()))) {
            ++pos;
            continue;
        }
        out.append(ptr_ + copied, pos - copied);
        out.append(by);
        ++count;
        copied = pos + text.length();
        pos = text.isEmpty() ? pos + 1 : copied;
    }
    if (count == 0)
        return 0;
    out.append(ptr_ + copied, len_ - copied);
    adopt(out);
    return count;
}

bool gstr::overlaps(const gstrSlice& text) const noexcept
{
    return ptr_ && text.data() && text.data() < ptr_ + len_ + 1 && text.data() + text.length() > ptr_;
}
