#include "sourceedit/CSourceColumnMap.h"

#include "sourceedit/CSourceDoc.h"

#include <algorithm>
#include <string>

int32_t textToDisplayColumn(const char* text, int32_t length, int tabWidth, int32_t column)
{
    column = std::max(column, 0);
    tabWidth = std::max(tabWidth, 1);
    int64_t display = 0;
    int32_t inText = std::min(column, length);
    for (int32_t i = 0; i < inText; ++i)
        display = text[i] == '\t' ? (display / tabWidth + 1) * tabWidth : display + 1;
    display += column - inText;
    return static_cast<int32_t>(std::min<int64_t>(display, INT32_MAX));
}

int32_t displayToTextColumn(const char* text, int32_t length, int tabWidth, int32_t column)
{
    column = std::max(column, 0);
    tabWidth = std::max(tabWidth, 1);
    int64_t display = 0;
    for (int32_t i = 0; i < length; ++i) {
        int64_t next = text[i] == '\t' ? (display / tabWidth + 1) * tabWidth : display + 1;
        if (column < next)
            return i;
        display = next;
    }
    return static_cast<int32_t>(std::min<int64_t>(length + (column - display), INT32_MAX));
}

int32_t CSourceTabColumns::textToDisplay(int32_t column, int32_t line)
{
    if (!document_.lineExists(line))
        return std::max(column, 0);
    return textToDisplayColumn(document_.lineText(line), document_.getLineLength(line), tabWidth_, column);
}

int32_t CSourceTabColumns::displayToText(int32_t column, int32_t line)
{
    if (!document_.lineExists(line))
        return std::max(column, 0);
    return displayToTextColumn(document_.lineText(line), document_.getLineLength(line), tabWidth_, column);
}

gstr getColumnText(const CSourceDoc& document, CSourceColumnMap& columns, const CSourcePosition& start,
                   const CSourcePosition& end)
{
    int32_t a = columns.textToDisplay(start.column, start.line);
    int32_t b = columns.textToDisplay(end.column, end.line);
    int32_t left = std::min(a, b);
    int32_t right = std::max(a, b);
    std::string out;
    for (int32_t line = std::min(start.line, end.line); line <= std::max(start.line, end.line); ++line) {
        int32_t length = document.lineExists(line) ? document.getLineLength(line) : 0;
        int32_t from = std::min(columns.displayToText(left, line), length);
        int32_t to = std::min(columns.displayToText(right, line), length);
        if (to > from)
            out.append(document.lineText(line) + from, size_t(to - from));
        out.append("\r\n");
    }
    return gstr(gstrSlice(out.data(), static_cast<int32_t>(out.size())));
}
