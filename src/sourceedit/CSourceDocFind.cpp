#include "sourceedit/CSourceDoc.h"

#include "foundation/charClasses.h"

#include <algorithm>

namespace {

bool sameChar(char a, char b, bool matchCase)
{
    return matchCase ? a == b : charClass::toLower(a) == charClass::toLower(b);
}

bool matchesAt(const char* text, int32_t at, const CSourceFindParams& params)
{
    for (int32_t i = 0; i < params.patternLength; ++i) {
        if (!sameChar(text[at + i], params.pattern[i], params.matchCase != 0))
            return false;
    }
    return true;
}

bool standsAlone(const char* text, int32_t length, int32_t at, int32_t patternLength)
{
    bool before = at == 0 || charClass::isWhite(text[at - 1]);
    int32_t after = at + patternLength;
    return before && (after >= length || charClass::isWhite(text[after]));
}

} // namespace

// The first match in the line at or after from (at or before it, backwards).
bool CSourceDoc::findInLine(const CSourceFindParams& params, int32_t line, int32_t from, int32_t& column) const
{
    const char* text = lineText(line);
    int32_t length = getLineLength(line);
    int32_t lastStart = length - params.patternLength;
    if (lastStart < 0)
        return false;
    int32_t step = params.backward ? -1 : 1;
    int32_t at = params.backward ? std::min(from, lastStart) : std::max(from, 0);
    for (; at >= 0 && at <= lastStart; at += step) {
        if (!matchesAt(text, at, params))
            continue;
        if (params.wholeWord && !standsAlone(text, length, at, params.patternLength))
            continue;
        column = at;
        return true;
    }
    return false;
}

int CSourceDoc::find(const CSourceFindParams& params, CSourcePosition& found) const
{
    int32_t count = getLineCount();
    int32_t startLine = std::clamp(params.startLine, 0, count > 0 ? count - 1 : 0);
    if (params.patternLength <= 0 || !params.pattern) {
        found = {0, startLine};
        return 1;
    }
    int32_t step = params.backward ? -1 : 1;
    for (int32_t line = startLine; line >= 0 && line < count; line += step) {
        int32_t from;
        if (line == startLine)
            from = std::clamp(params.startColumn, 0, getLineLength(line));
        else
            from = params.backward ? getLineLength(line) : 0;
        int32_t column;
        if (findInLine(params, line, from, column)) {
            found = {column, line};
            return 1;
        }
    }
    return 0;
}
