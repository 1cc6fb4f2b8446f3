#include "platform/textCodec.h"

#include <QFile>

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
    for (int32_t i = 0; i < text.length(); ++i)
        out[i] = QChar(toUnicode(static_cast<unsigned char>(text[i])));
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

QString toUiPath(const gstrSlice& path)
{
    return QFile::decodeName(QByteArray(path.data(), path.length()));
}

gstr fromUiPath(const QString& path)
{
    QByteArray bytes = QFile::encodeName(path);
    return gstr(gstrSlice(bytes.constData(), static_cast<int32_t>(bytes.size())));
}
