#include "formats/ui/CStringMatchPage.h"

#include "formats/gstringMatch.h"

namespace {

constexpr int badPrefixMessage = 10547;
constexpr int noPatternMessage = 10549;
constexpr int badPatternMessage = 10550;
constexpr int badSuffixMessage = 10548;

gstr sourceText(const gregexp& pattern)
{
    gstr text("");
    pattern.toString(text, true);
    return text;
}

} // namespace

void CStringMatchPage::create(CDialog& host, int placeholderId, const gstringMatch* match, int variant)
{
    if (variant == 0) {
        beginPage(738, 200, 50);
        addLabel(-1, "P&refix:", 0, 2, 40, 8);
        addEdit(prefixId, 42, 0, 150, 12);
        addLabel(-1, "&Pattern:", 0, 20, 40, 8);
        addEdit(patternId, 42, 18, 150, 12);
        addLabel(-1, "&Suffix:", 0, 38, 40, 8);
        addEdit(suffixId, 42, 36, 150, 12);
    } else {
        beginPage(796, 300, 34);
        addLabel(-1, "P&refix:", 0, 2, 30, 8);
        addEdit(prefixId, 32, 0, 110, 12);
        addLabel(-1, "&Suffix:", 152, 2, 30, 8);
        addEdit(suffixId, 184, 0, 110, 12);
        addLabel(-1, "&Pattern:", 0, 20, 30, 8);
        addEdit(patternId, 32, 18, 262, 12);
    }
    placeOver(host, placeholderId);
    if (!match)
        return;
    if (match->prefix().isSet())
        setControlText(prefixId, sourceText(match->prefix()));
    setControlText(patternId, sourceText(match->pattern()));
    if (match->suffix().isSet())
        setControlText(suffixId, sourceText(match->suffix()));
}

bool CStringMatchPage::apply(gstringMatch& match)
{
    gregexp prefix(match.prefix().allowZeroLength());
    gregexp pattern(match.pattern().allowZeroLength());
    gregexp suffix(match.suffix().allowZeroLength());
    gstr text = controlText(prefixId);
    if (!text.isEmpty() && !prefix.parse(text.data(), true, false))
        return refuse(prefixId, badPrefixMessage);
    text = controlText(patternId);
    if (text.isEmpty())
        return refuseFocusOnly(patternId, noPatternMessage);
    if (!pattern.parse(text.data(), true, false))
        return refuse(patternId, badPatternMessage);
    text = controlText(suffixId);
    if (!text.isEmpty() && !suffix.parse(text.data(), true, false))
        return refuse(suffixId, badSuffixMessage);
    match.prefix().transferFrom(prefix);
    match.pattern().transferFrom(pattern);
    match.suffix().transferFrom(suffix);
    return true;
}
