#include "shell/CNumberListEdit.h"

#include "foundation/charClasses.h"
#include "platform/textCodec.h"
#include "platform/userLocale.h"
#include "shell/editNumbers.h"

bool CNumberListEdit::acceptsChar(unsigned char c) const
{
    char ch = static_cast<char>(c);
    return charClass::isDigit(ch) || charClass::isWhite(ch) || ch == getUserListSeparator();
}

void CNumberListEdit::setValues(const garrayVariable<uint32_t>& list)
{
    if (list.size() == 0)
        return;
    const char separator[3] = {getUserListSeparator(), ' ', 0};
    gstr text("");
    for (int32_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            text.append(separator);
        text.append(formatUnsigned(list[i]));
    }
    setText(toUiText(text));
}

bool CNumberListEdit::getValues(garrayVariable<uint32_t>& list) const
{
    list.clear();
    gstr text = fromUiText(this->text());
    if (text.isEmpty())
        return true;
    char separator = getUserListSeparator();
    const char* p = text.data();
    for (;;) {
        while (charClass::isWhite(*p))
            ++p;
        const char* start = p;
        uint32_t value = 0;
        bool negative = false;
        p = readUnsignedNumber(p, 10, value, &negative);
        while (charClass::isWhite(*p))
            ++p;
        if (p == start || negative)
            return false;
        if (p == text.end()) {
            list.append(value);
            return true;
        }
        if (*p != separator)
            return false;
        list.append(value);
        ++p;
    }
}
