#include "shell/CFilteredEdit.h"

#include "foundation/charClasses.h"
#include "platform/messageBeep.h"
#include "platform/textCodec.h"

#include <QKeyEvent>
#include <array>

namespace {

bool isControl(char16_t code) { return code < 32 || code == 127; }

// The byte a typed character stands for; one without a Windows-1252 byte
// stands for 0x80, which no class holds.
unsigned char typedByte(QChar c)
{
    gstr byte = fromUiText(QString(c));
    if (byte.length() != 1 || (byte[0] == '?' && c != QLatin1Char('?')))
        return 0x80;
    return static_cast<unsigned char>(byte[0]);
}

// The characters of tag names, built once: letters, digits, underscore.
const std::array<bool, 256>& tagNameSet()
{
    static const std::array<bool, 256> set = [] {
        std::array<bool, 256> s{};
        for (const char* c = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ01234567890_"; *c; ++c)
            s[static_cast<unsigned char>(*c)] = true;
        return s;
    }();
    return set;
}

} // namespace

void CKeyFilteredEdit::keyPressEvent(QKeyEvent* event)
{
    for (QChar c : event->text()) {
        if (isControl(c.unicode()) || acceptsChar(typedByte(c)))
            continue;
        messageBeep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool CTagNameEdit::acceptsChar(unsigned char c) const
{
    if (tagNameSet()[c])
        return true;
    return (c == '$' && nameKind == 2) || (c == '%' && nameKind == 3);
}

bool CPrintableEdit::acceptsChar(unsigned char c) const { return charClass::isPrintable(static_cast<char>(c)); }
