#include "shell/CIpAddressEdit.h"

#include "foundation/charClasses.h"
#include "platform/textCodec.h"
#include "shell/editNumbers.h"

bool CIpAddressEdit::acceptsChar(unsigned char c) const
{
    return charClass::isDigit(static_cast<char>(c)) || c == '.';
}

void CIpAddressEdit::setAddress(const uint8_t (&address)[4])
{
    gstr text;
    text.format("%u.%u.%u.%u", address[0], address[1], address[2], address[3]);
    setText(toUiText(text));
}

bool CIpAddressEdit::getAddress(uint8_t (&address)[4], bool hostCheck) const
{
    gstr text = fromUiText(this->text());
    if (text.isEmpty())
        return false;
    uint32_t numbers[4];
    const char* p = text.data();
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (*p != '.' || !charClass::isDigit(p[1]))
                return false;
            ++p;
        }
        bool negative = false;
        const char* end = readUnsignedNumber(p, 10, numbers[i], &negative);
        if (end == p || negative || numbers[i] > 255)
            return false;
        p = end;
    }
    if (p != text.end())
        return false;
    bool loopback = numbers[1] == 0 && numbers[2] == 0 && numbers[3] == 1;
    if (hostCheck && (numbers[0] == 0 || numbers[0] > 223 || (numbers[0] == 127 && !loopback)))
        return false;
    for (int i = 0; i < 4; ++i)
        address[i] = static_cast<uint8_t>(numbers[i]);
    return true;
}
