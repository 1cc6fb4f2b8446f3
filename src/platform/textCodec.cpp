#include "platform/textCodec.h"

#include <QStringView>

namespace {

// Unicode of the bytes 0x80 to 0x9F; the five unassigned bytes keep their own
// code point so that they still round-trip.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t toUnicode(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? high[b - 0x80] : b;
}

char fromUnicode(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        if (high[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString toUiText(const gstrSlice& text)
{
    QString out(text.length(), Qt::Uninitialized);
    QChar* to = out.data();
    for (int32_t i = 0; i < text.length(); ++i)
        to[i] = QChar(toUnicode(static_cast<unsigned char>(text[i])));
    return out;
}

gstr fromUiText(const QString& text)
{
    gstr out(static_cast<int32_t>(text.size()));
    char* p = out.getBuffer();
    for (QChar c : text)
        *p++ = fromUnicode(c.unicode());
    return out;
}

namespace {

// Paths are bytes, never text: a byte of a path that is not part of valid
// UTF-8 (a Latin-1 folder name) stands for itself as the lone surrogate
// U+DC80..U+DCFF, which no decoded text holds, so that a path goes to a
// window and back byte for byte.
constexpr char16_t escapedByte = 0xDC00;

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The length of the UTF-8 sequence at p (n bytes left), 0 when it is not one.
int utf8Length(const unsigned char* p, int32_t n)
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

bool isEscapedByte(const QString& text, qsizetype i)
{
    char16_t u = text[i].unicode();
    return u >= escapedByte + 0x80 && u <= escapedByte + 0xFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

} // namespace

QString toUiPath(const gstrSlice& path)
{
    QString out;
    const auto* bytes = reinterpret_cast<const unsigned char*>(path.data());
    int32_t i = 0;
    while (i < path.length()) {
        int32_t run = i;
        while (run < path.length()) {
            int length = utf8Length(bytes + run, path.length() - run);
            if (length == 0)
                break;
            run += length;
        }
        out += QString::fromUtf8(path.data() + i, run - i);
        if (run < path.length())
            out += QChar(static_cast<char16_t>(escapedByte + bytes[run++]));
        i = run;
    }
    return out;
}

gstr fromUiPath(const QString& path)
{
    QByteArray bytes;
    qsizetype i = 0;
    while (i < path.size()) {
        qsizetype run = i;
        while (run < path.size() && !isEscapedByte(path, run))
            ++run;
        bytes += QStringView(path).mid(i, run - i).toUtf8();
        if (run < path.size())
            bytes += static_cast<char>(path[run++].unicode() - escapedByte);
        i = run;
    }
    return gstr(gstrSlice(bytes.constData(), static_cast<int32_t>(bytes.size())));
}
