#include "foundation/gstr.h"

#include "resources/stringTable.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

constexpr gstrSlice realPlaceholder(".10G", 4);

void appendInteger(gstr& out, const gformatArg& arg, bool isSigned)
{
    char buf[16];
    auto r = isSigned ? std::to_chars(buf, buf + sizeof buf, static_cast<int32_t>(arg.bits()))
                      : std::to_chars(buf, buf + sizeof buf, arg.bits());
    out.append(buf, static_cast<int32_t>(r.ptr - buf));
}

// "%.10G" in the "C" locale: to_chars with a precision follows printf's %g
// rules; the exponent letter and the names of infinity and NaN go upper case.
void appendReal(gstr& out, double x)
{
    char buf[48];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 10);
    for (char* p = buf; p != r.ptr; ++p) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
    }
    out.append(buf, static_cast<int32_t>(r.ptr - buf));
}

// Each argument is shown in its own type; the placeholder only decides the
// sign of an integer and is otherwise a position.
void appendArg(gstr& out, const gformatArg& arg, char conversion)
{
    switch (arg.type()) {
    case gformatArg::kind::text: out.append(arg.text().isNull() ? gstrSlice::empty : arg.text()); return;
    case gformatArg::kind::integer: appendInteger(out, arg, conversion != 'u'); return;
    case gformatArg::kind::real: appendReal(out, arg.real()); return;
    }
}

// The length of the placeholder at text[i] (just after '%'), with its
// conversion letter, or 0 when it is none of ours.
int32_t placeholderAt(const gstrSlice& text, int32_t i, char& conversion)
{
    if (i >= text.length())
        return 0;
    char c = text[i];
    if (c == 's' || c == 'd' || c == 'u') {
        conversion = c;
        return 1;
    }
    if (gstrSlice(text.at(i), std::min(realPlaceholder.length(), text.length() - i)) == realPlaceholder) {
        conversion = 'G';
        return realPlaceholder.length();
    }
    return 0;
}

} // namespace

gstr& gstr::loadString(int id)
{
    const char* text = stringTableText(id);
    assign(text ? text : "");
    return *this;
}

gstr& gstr::formatById(int id, std::initializer_list<gformatArg> args)
{
    const char* text = stringTableText(id);
    return formatWith(text ? gstrSlice(text) : gstrSlice::empty, args);
}

gstr& gstr::formatWith(const gstrSlice& formatText, std::initializer_list<gformatArg> args)
{
    gstr out("");
    const gformatArg* next = args.begin();
    int32_t i = 0;
    while (i < formatText.length()) {
        const void* found = std::memchr(formatText.at(i), '%', static_cast<size_t>(formatText.length() - i));
        int32_t percent = found ? static_cast<int32_t>(static_cast<const char*>(found) - formatText.data())
                                : formatText.length();
        out.append(formatText.at(i), percent - i);
        if (!found)
            break;
        i = percent + 1;
        if (i < formatText.length() && formatText[i] == '%') {
            out.append('%');
            ++i;
            continue;
        }
        char conversion = 0;
        int32_t n = placeholderAt(formatText, i, conversion);
        if (n == 0) {
            out.append('%');
            continue;
        }
        i += n;
        if (next != args.end())
            appendArg(out, *next++, conversion);
    }
    adopt(out);
    return *this;
}
