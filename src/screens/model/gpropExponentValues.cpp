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

void gpropExponentValues::clear()
{
    marker.reset();
    digits.reset();
    plusSign.reset();
    font.reset();
    reduceBy.reset();
    raiseBy.reset();
}

void gpropExponentValues::merge(const gpropExponentValues& other)
{
    if (other.marker.hasValue())
        marker.set(other.marker.getValue());
    if (other.digits.hasValue())
        digits = other.digits;
    if (other.plusSign.hasValue())
        plusSign = other.plusSign;
    if (other.font.hasValue())
        font = other.font;
    if (other.reduceBy.hasValue())
        reduceBy = other.reduceBy;
    if (other.raiseBy.hasValue())
        raiseBy = other.raiseBy;
}
