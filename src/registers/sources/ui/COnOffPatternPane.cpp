#include "registers/sources/ui/COnOffPatternPane.h"

#include "formats/gonOffPatterns.h"

namespace {

constexpr int noOffMessage = 10551;
constexpr int noOnMessage = 10552;
constexpr int badOffMessage = 10553;
constexpr int badOnMessage = 10554;

gstr sourceText(const gregexp& pattern)
{
    gstr text("");
    pattern.toString(text, true);
    return text;
}

} // namespace

void COnOffPatternPane::create(CDialog& host, int placeholderId, const gonOffPatterns* patterns, int form)
{
    if (form == 1) {
        beginPage(793, 300, 14);
        addLabel(-1, "Pattern for o&n:", 0, 2, 55, 8);
        addEdit(onFieldId, 57, 0, 90, 12);
        addLabel(-1, "Pattern for o&ff:", 152, 2, 55, 8);
        addEdit(offFieldId, 209, 0, 90, 12);
    } else {
        bool truth = form != 0;
        beginPage(truth ? 892 : 744, 200, 32);
        addLabel(-1, truth ? "Pattern for &true:" : "Pattern for o&n:", 0, 2, 62, 8);
        addEdit(onFieldId, 64, 0, 130, 12);
        addLabel(-1, truth ? "Pattern for &false:" : "Pattern for o&ff:", 0, 20, 62, 8);
        addEdit(offFieldId, 64, 18, 130, 12);
    }
    placeOver(host, placeholderId);
    if (!patterns)
        return;
    setControlText(onFieldId, sourceText(patterns->onPattern()));
    setControlText(offFieldId, sourceText(patterns->offPattern()));
}

bool COnOffPatternPane::apply(gonOffPatterns& patterns)
{
    gregexp off(false);
    gregexp on(false);
    gstr text = controlText(offFieldId);
    if (text.isEmpty())
        return refuseFocusOnly(offFieldId, noOffMessage);
    if (off.parse(text.data(), true, false) != 1)
        return refuse(offFieldId, badOffMessage);
    text = controlText(onFieldId);
    if (text.isEmpty())
        return refuseFocusOnly(onFieldId, noOnMessage);
    if (on.parse(text.data(), true, false) != 1)
        return refuse(onFieldId, badOnMessage);
    patterns.offPattern().transferFrom(off);
    patterns.onPattern().transferFrom(on);
    return true;
}
