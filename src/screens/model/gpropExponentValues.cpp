#include "screens/model/gpropExponentValues.h"

#include "foundation/gstr.h"

void gpropExponentValues::fillDefaults()
{
    if (!marker.isSet())
        marker.set(gstr().loadString(20019));
    if (!digits.isSet())
        digits.set(2);
    if (!plusSign.isSet())
        plusSign.set(1);
    if (!font.isSet())
        font.set(nullptr);
    if (!reduceBy.isSet())
        reduceBy.set(2);
    if (!raiseBy.isSet())
        raiseBy.set(5);
}
