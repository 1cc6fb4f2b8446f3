#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string_view>

class CObjectFile;

// A run of bytes that is viewed, never owned: a literal, a part of a line, a
// key. The null slice (no pointer) and the empty slice (an empty text) are
// different things to a gstr assigned from them.
class gstrSlice {
public:
    constexpr gstrSlice() noexcept = default;
    // A NUL-terminated text; a null pointer gives the null slice.
    gstrSlice(const char* text) noexcept;
    constexpr gstrSlice(const char* data, int32_t length) noexcept : ptr_(data), len_(length) {}

    static const gstrSlice null;
    static const gstrSlice empty;

    const char* data() const noexcept { return ptr_; }
    int32_t length() const noexcept { return len_; }
    const char* at(int32_t i) const noexcept { return ptr_ + i; }
    const char* end() const noexcept { return ptr_ + len_; }
    char operator[](int32_t i) const noexcept { return ptr_[i]; }
    bool isNull() const noexcept { return ptr_ == nullptr; }
    bool isEmpty() const noexcept { return len_ == 0; }
    std::string_view view() const noexcept { return {ptr_ ? ptr_ : "", static_cast<size_t>(len_)}; }

    // Byte by byte as signed 8-bit values; a prefix sorts first.
    int compare(const gstrSlice& other) const noexcept;
    int compareNoCase(const gstrSlice& other) const noexcept;
    // The index of the first occurrence at or after start, or -1. With
    // wholeWord only that first occurrence is considered.
    int32_t find(const gstrSlice& text, bool wholeWord, bool matchCase, int32_t start = 0) const;
    // The same, but with wholeWord an occurrence that is no whole word is
    // passed over and the search goes on (the batch tools' rule).
    int32_t findMatch(const gstrSlice& text, bool wholeWord, bool matchCase, int32_t start = 0) const;
    bool contains(char c) const noexcept;
    bool isPrintable() const noexcept;

    // The bare checksum of the bytes (defined with the checksum classes):
    // kind 1 sum and 2 exclusive-or of words in the given layout, 3 CRC-16,
    // 4 CRC-CCITT, 5 CRC-32 from initial with finalXor applied, 6 and 7 the
    // 7- and 8-bit sums, 8 the printable checksum character. An unknown kind,
    // or an unknown layout for kinds 1 and 2, gives 0.
    uint32_t checksum(int kind, int layout, uint32_t initial, uint32_t finalXor) const noexcept;

    // Writes the text as a station-file value (bare or quoted), then the
    // ending: 1 a line end, 2 the list separator, anything else nothing.
    void write(CObjectFile& file, int ending) const;

protected:
    const char* ptr_ = nullptr;
    int32_t len_ = 0;
};

inline constexpr gstrSlice gstrSlice::null{};
inline constexpr gstrSlice gstrSlice::empty{"", 0};

inline bool operator==(const gstrSlice& a, const gstrSlice& b) noexcept { return a.view() == b.view(); }

// One argument of gstr::format: a text, a 32-bit integer (the same bits serve
// "%d" and "%u", so -1 and 4294967295 are one argument) or a real number. Only
// these types convert, so every call is checked when it is compiled.
class gformatArg {
public:
    enum class kind : uint8_t { text, integer, real };

    gformatArg(const gstrSlice& text) noexcept : kind_(kind::text), text_(text) {}
    gformatArg(const char* text) noexcept : kind_(kind::text), text_(text) {}
    template <std::integral T>
        requires(!std::same_as<T, char> && !std::same_as<T, bool>)
    gformatArg(T n) noexcept : kind_(kind::integer), bits_(static_cast<uint32_t>(n))
    {
    }
    gformatArg(double x) noexcept : kind_(kind::real), real_(x) {}

    kind type() const noexcept { return kind_; }
    const gstrSlice& text() const noexcept { return text_; }
    uint32_t bits() const noexcept { return bits_; }
    double real() const noexcept { return real_; }

private:
    kind kind_;
    gstrSlice text_;
    uint32_t bits_ = 0;
    double real_ = 0;
};

// The program's string: an owned buffer of bytes (NULs allowed) followed by a
// terminating NUL. It has two empty states: no buffer (new, or cleared) and an
// empty buffer; loaders use the first for "not given yet".
class gstr : public gstrSlice {
public:
    gstr() noexcept = default;
    // A buffer for length bytes whose contents are unspecified.
    explicit gstr(int32_t length);
    gstr(const char* text);
    explicit gstr(const gstrSlice& text);
    gstr(const gstr& other);
    gstr(gstr&& other) noexcept;
    ~gstr();
    gstr& operator=(const gstr& other);
    gstr& operator=(gstr&& other) noexcept;

    char* getBuffer() noexcept { return const_cast<char*>(ptr_); }
    using gstrSlice::at;
    char* at(int32_t i) noexcept { return getBuffer() + i; }

    void clear() noexcept;
    // Makes the length n (bytes past the old length unspecified) and returns
    // the buffer.
    char* resize(int32_t n);

    // A null text clears; every other text, even an empty one, gives a buffer.
    void assign(const char* text);
    void assign(const char* data, int32_t length);
    void assign(const gstrSlice& text);
    void assign(char c);

    void append(const char* text);
    void append(const char* data, int32_t length);
    void append(const gstrSlice& text);
    void append(char c);

    // Takes the other's buffer without copying; the other is left without one.
    void adopt(gstr& other) noexcept;
    // Takes a buffer that gstr::release handed out.
    void adopt(gstrSlice released) noexcept;
    // Hands the buffer out and leaves this string without one.
    gstrSlice release() noexcept;

    void trim();
    // Upper-case hexadecimal pairs separated by one blank.
    void assignHexDump(const gstrSlice& bytes);

    // The quoting rule of station-file values:
    //   (false, false) value form: bare when the text allows it, else quoted;
    //   (false, true)  always quoted;
    //   (true, x)      the escaped text is appended without quotes, a double
    //                  quote escaped only when escapeQuotes is set.
    void assignQuoted(const gstrSlice& text, bool appendEscaped, bool escapeQuotes);
    // Whether the value form of the text is the text itself, unquoted.
    static bool writesBare(const gstrSlice& text) noexcept;
    void appendEscaped(char c);

    // Becomes the template with each single '%' replaced by value and each
    // "%%" by '%'. Returns the number of replacements.
    int substitute(const gstrSlice& templateText, const gstrSlice& value);
    void escapePercent();
    int replaceFirst(const gstrSlice& text, const gstrSlice& by, bool wholeWord, bool matchCase, int32_t start = 0);
    // Replaces the occurrence findMatch reports; 1 when there was one.
    int replaceFirstMatch(const gstrSlice& text, const gstrSlice& by, bool wholeWord, bool matchCase);
    int replaceAll(const gstrSlice& text, const gstrSlice& by, bool wholeWord, bool matchCase);

    // Reads one string item of a station-file value (the result codes and the
    // cursor of valueParsers.h). Unless raw, leading white space is skipped.
    // A quoted item is read up to its closing quote with its escapes decoded;
    // a bare item runs to the next comma or the end, trailing white space
    // removed, bytes unchanged. Raw reads the whole text as the inside of a
    // quoted item (a double quote is then an ordinary byte) and answers 1 or
    // 0. On 0 the string is left without a buffer.
    int parse(const char* text, bool raw = false);
    int parse(const char* text, const char*& next, bool raw = false);
    // A value that must be exactly one string item; a following comma clears
    // the string and answers false.
    bool parseValue(const char* text, bool raw = false);
    // Whether parseValue reads the text as itself: a bare item with no white
    // space at either end, no comma and no NUL. Its reader may then use the
    // text in place, without a copy.
    static bool isBareValue(const gstrSlice& text) noexcept;

    // Message texts (gstrFormat.cpp). loadString: the string-table text with
    // that id, empty when the table has none. format: the text (by id, or
    // given) with "%s", "%d", "%u" and "%.10G" filled from the arguments in
    // order and "%%" made '%'; a placeholder without an argument gives
    // nothing. The format is never handed to printf.
    gstr& loadString(int id);
    template <class... A>
    gstr& format(int id, const A&... args)
    {
        return formatById(id, {gformatArg(args)...});
    }
    template <class... A>
    gstr& format(const gstrSlice& formatText, const A&... args)
    {
        return formatWith(formatText, {gformatArg(args)...});
    }

private:
    gstr& formatById(int id, std::initializer_list<gformatArg> args);
    gstr& formatWith(const gstrSlice& formatText, std::initializer_list<gformatArg> args);
    bool overlaps(const gstrSlice& text) const noexcept;
    // Puts by in place of the length bytes at pos; 0 for a pos below 0.
    int replaceAt(int32_t pos, int32_t length, const gstrSlice& by);
};
