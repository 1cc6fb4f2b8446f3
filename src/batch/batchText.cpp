#include "batch/batchText.h"

#include "foundation/charClasses.h"

bool matchesAt(const gstrSlice& text, int32_t pos, const gstrSlice& what, bool matchCase)
{
    if (pos < 0 || pos + what.length() > text.length())
        return false;
    for (int32_t i = 0; i < what.length(); ++i) {
        char a = text[pos + i];
        char b = what[i];
        if (matchCase ? a != b : charClass::toUpper(a) != charClass::toUpper(b))
            return false;
    }
    return true;
}

bool isWholeWordIn(const gstrSlice& text, int32_t pos, int32_t n, int32_t regionStart, int32_t regionEnd)
{
    if (pos > regionStart && charClass::isAlnum(text[pos - 1]))
        return false;
    return pos + n >= regionEnd || !charClass::isAlnum(text[pos + n]);
}

int32_t gbatchFind::findIn(const gstrSlice& text, int32_t start) const
{
    return find.isEmpty() ? -1 : text.findMatch(find, wholeWord, matchCase, start);
}

int gbatchFind::replaceFirstIn(gstr& text) const
{
    if (find.isEmpty())
        return 0;
    return text.replaceFirstMatch(find, replace.isNull() ? gstrSlice::empty : gstrSlice(replace), wholeWord, matchCase);
}

int gbatchFind::replaceAllIn(gstr& text) const
{
    if (find.isEmpty())
        return 0;
    return text.replaceAll(find, replace.isNull() ? gstrSlice::empty : gstrSlice(replace), wholeWord, matchCase);
}
