#include "platform/textCodec.h"

#include "foundation/textEncodings.h"

#include <QStringView>

QString toUiText(const gstrSlice& text)
{
    QString out(text.length(), Qt::Uninitialized);
    QChar* to = out.data();
    for (int32_t i = 0; i < text.length(); ++i)
        to[i] = QChar(windows1252ToUnicode(static_cast<unsigned char>(text[i])));
    return out;
}

gstr fromUiText(const QString& text)
{
    gstr out(static_cast<int32_t>(text.size()));
    char* p = out.getBuffer();
    for (QChar c : text) {
        int byte = unicodeToWindows1252(c.unicode());
        *p++ = byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

namespace {

// Paths are bytes, never text: a byte of a path that is not part of valid
// UTF-8 (a Latin-1 folder name) stands for itself as the lone surrogate
// U+DC80..U+DCFF, which no decoded text holds, so that a path goes to a
// window and back byte for byte.
constexpr char16_t escapedByte = 0xDC00;

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
            int length = utf8SequenceLength(bytes + run, path.length() - run);
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

QString pathForDisplay(const gstrSlice& path) { return QString::fromUtf8(path.data(), path.length()); }
