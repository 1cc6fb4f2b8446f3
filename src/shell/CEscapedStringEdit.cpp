#include "shell/CEscapedStringEdit.h"

#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"

namespace {

constexpr int valueAboveFF = 10050;
constexpr int notCString = 10051;

bool refuse(int messageId, bool quiet)
{
    if (!quiet)
        messageBox(messageId, gbuttons::ok);
    return false;
}

} // namespace

bool CEscapedStringEdit::acceptsChar(unsigned char c) const
{
    return !hexMode_ || charClass::isHexDigit(static_cast<char>(c)) || c == ' ';
}

void CEscapedStringEdit::setValue(const gstrSlice& bytes)
{
    value_.assign(bytes.isNull() ? gstrSlice::empty : bytes);
    show();
}

bool CEscapedStringEdit::getValue(gstr& out, bool quiet)
{
    if (!parse(quiet))
        return false;
    out = value_;
    return true;
}

bool CEscapedStringEdit::setHexMode(int hexMode, bool quiet)
{
    if (hexMode == hexMode_)
        return true;
    if (!parse(quiet))
        return false;
    hexMode_ = hexMode;
    show();
    return true;
}

bool CEscapedStringEdit::parse(bool quiet)
{
    gstr text = fromUiText(this->text());
    if (hexMode_)
        return parseHex(text, quiet);
    gstr bytes;
    if (!bytes.parseValue(text.data(), true))
        return refuse(notCString, quiet);
    value_ = bytes;
    return true;
}

// Leading zeros are allowed (00FF is one byte); two digits without a space
// between them are one item, so 4142 is above FF.
bool CEscapedStringEdit::parseHex(const gstr& text, bool quiet)
{
    value_.assign("");
    const char* p = text.data();
    const char* end = text.end();
    for (;;) {
        while (p < end && *p == ' ')
            ++p;
        if (p == end)
            return true;
        unsigned value = 0;
        for (; p < end && *p != ' '; ++p) {
            if (!charClass::isHexDigit(*p))
                return refuse(valueAboveFF, quiet);
            value = value * 16 + static_cast<unsigned>(hexDigitValue(*p));
            if (value > 255)
                return refuse(valueAboveFF, quiet);
        }
        value_.append(static_cast<char>(value));
    }
}

void CEscapedStringEdit::show()
{
    gstr shown("");
    if (hexMode_)
        shown.assignHexDump(value_);
    else
        shown.assignQuoted(value_, true, false);
    setText(toUiText(shown));
}
