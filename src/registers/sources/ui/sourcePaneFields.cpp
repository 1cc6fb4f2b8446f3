#include "registers/sources/ui/sourcePaneFields.h"

#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"
#include "platform/CDialog.h"

bool readUnsignedField(const CDialog& pane, int id, uint32_t& value)
{
    gstr text = pane.controlText(id);
    const char* p = text.data() ? text.data() : "";
    while (charClass::isWhite(*p))
        ++p;
    if (*p == '+')
        ++p;
    return parseUnsignedItem(p, value) == itemResult::end;
}
