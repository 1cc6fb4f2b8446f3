#include "shell/CValueListBox.h"

#include "platform/textCodec.h"
#include "shell/editNumbers.h"

namespace {

bool leadingNumber(const gstrSlice& text, uint32_t& value)
{
    gstr copy(text);
    bool negative = false;
    return readUnsignedNumber(copy.data(), 10, value, &negative) != copy.data() && !negative;
}

} // namespace

int CValueListBox::insertSorted(const gstrSlice& text)
{
    uint32_t value = 0;
    int at = 0;
    if (leadingNumber(text, value)) {
        at = count();
        for (int i = 0; i < count(); ++i) {
            uint32_t other = 0;
            if (leadingNumber(fromUiText(item(i)->text()), other) && other > value) {
                at = i;
                break;
            }
        }
    }
    insertItem(at, toUiText(text));
    return at;
}
