#include "g2driver/editor/parameterTermTexts.h"

#include "foundation/goffsetParameter.h"
#include "g2driver/model/g2driverParameter.h"

#include <cstdint>

namespace {

// The negation of every int32 value, the lowest one included, without
// overflow: the lowest stays itself.
int32_t negated(int32_t n) { return static_cast<int32_t>(0u - static_cast<uint32_t>(n)); }

gstr tagOf(const goffsetParameter& term)
{
    return term.getParameter() ? gstr(term.getParameter()->getName()) : gstr("");
}

// "P + a" or "P - a"; plus and minus have their own texts in each list.
gstr shifted(const gstr& tag, int32_t a, int plusId, int minusId)
{
    gstr inner;
    if (a > 0)
        inner.format(plusId, tag, a);
    else
        inner.format(minusId, tag, negated(a));
    return inner;
}

// The 2nd offset and the range, as both lists end their rows.
void appendTail(gstr& text, int32_t s, const goffsetParameter& term)
{
    gstr part;
    if (s > 0)
        text.append(part.format(10746, s));
    else if (s < 0)
        text.append(part.format(10747, negated(s)));
    if (term.isRanged())
        text.append(part.format(10363, term.getLowest(), term.getHighest()));
}

} // namespace

gstr describeRotateTerm(const goffsetParameter& term)
{
    gstr tag = tagOf(term);
    int32_t a = term.getFirstOffset();
    int32_t f = term.getFactor();
    int32_t s = term.getSecondOffset();
    gstr text;
    if (f < 0 || (f == 0 && s <= 0)) {
        text.loadString(10735);
        f = negated(f);
        s = negated(s);
    } else {
        text.loadString(10736);
    }
    gstr formula;
    if (a != 0) {
        gstr inner = shifted(tag, a, 10731, 10732);
        formula = f == 1 ? inner : gstr().format(10733, inner, f);
    } else {
        formula = f == 1 ? tag : gstr().format(10734, tag, f);
    }
    text.append(formula);
    appendTail(text, s, term);
    return text;
}

gstr describeOffsetTerm(const goffsetParameter& term)
{
    gstr tag = tagOf(term);
    int32_t a = term.getFirstOffset();
    int32_t f = term.getFactor();
    gstr text;
    if (a != 0) {
        gstr inner = shifted(tag, a, 10725, 10730);
        if (f >= 2)
            text.format(10726, inner, f);
        else if (f < 0)
            text.format(10727, inner, f);
        else
            text = inner;
    } else if (f > 1) {
        text.format(10728, tag, f);
    } else if (f < 0) {
        text.format(10729, tag, f);
    } else {
        text = tag;
    }
    appendTail(text, term.getSecondOffset(), term);
    return text;
}
