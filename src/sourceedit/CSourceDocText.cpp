// The text primitives of the document core: checks, insertion, deletion and
// copying of ranges. Nothing here checks readOnly, notifies or records undo
// information; the undo records do.
#include "sourceedit/CSourceDoc.h"

#include "sourceedit/sourceLinePieces.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

int32_t clampColumn(int32_t column, int32_t length) { return std::clamp(column, 0, length); }

} // namespace

void CSourceDoc::setLineText(int32_t line, const gstrSlice& text)
{
    char* buffer = lockLineBuffer(line, text.length());
    if (!buffer)
        return;
    if (text.length() > 0)
        std::memmove(buffer, text.data(), static_cast<size_t>(text.length()));
    releaseLineBuffer(line, text.length());
}

void CSourceDoc::appendToLine(int32_t line, const gstrSlice& text)
{
    if (text.isEmpty() && lineExists(line))
        return;
    int32_t length = getLineLength(line);
    char* buffer = lockLineBuffer(line, length + text.length());
    if (!buffer)
        return;
    if (text.length() > 0)
        std::memcpy(buffer + length, text.data(), static_cast<size_t>(text.length()));
    releaseLineBuffer(line, length + text.length());
}

// Blanks up to the column when the line is shorter.
void CSourceDoc::padLine(int32_t line, int32_t column)
{
    int32_t length = getLineLength(line);
    if (length >= column && lineExists(line))
        return;
    int32_t target = std::max(length, column);
    char* buffer = lockLineBuffer(line, target);
    if (!buffer)
        return;
    std::memset(buffer + length, ' ', static_cast<size_t>(target - length));
    releaseLineBuffer(line, target);
}

int CSourceDoc::canInsertChar(int32_t column, int32_t line, int overwrite) const
{
    if (column > maxLineLength)
        return 0;
    int32_t length = lineExists(line) ? getLineLength(line) : 0;
    int64_t after = column < length ? (overwrite ? length : int64_t(length) + 1) : int64_t(column) + 1;
    return after <= maxLineLength;
}

char CSourceDoc::insertChar(int32_t column, int32_t line, char c, int overwrite)
{
    column = std::max(column, 0);
    line = std::max(line, 0);
    int32_t length = lineExists(line) ? getLineLength(line) : 0;
    if (c == '\n') {
        if (overwrite)
            return column < length ? lineText(line)[column] : 0;
        if (column == 0) {
            insertLine(line);
            return 0;
        }
        std::string tail = column < length ? std::string(lineText(line) + column, size_t(length - column)) : "";
        insertLine(line + 1);
        if (!tail.empty()) {
            setLineText(line + 1, gstrSlice(tail.data(), static_cast<int32_t>(tail.size())));
            lockLineBuffer(line, column);
            releaseLineBuffer(line, column);
        }
        return 0;
    }
    if (column >= length) {
        padLine(line, column);
        appendToLine(line, gstrSlice(&c, 1));
        return 0;
    }
    char* buffer = lockLineBuffer(line, length + 1);
    if (!buffer)
        return 0;
    char old = buffer[column];
    if (overwrite) {
        buffer[column] = c;
        releaseLineBuffer(line, length);
        return old;
    }
    std::memmove(buffer + column + 1, buffer + column, static_cast<size_t>(length - column));
    buffer[column] = c;
    releaseLineBuffer(line, length + 1);
    return 0;
}

int CSourceDoc::canInsertText(const CSourcePosition& at, const gstrSlice& text) const
{
    if (at.column >= maxLineLength)
        return 0;
    int32_t column = std::max(at.column, 0);
    int32_t length = lineExists(at.line) ? getLineLength(at.line) : 0;
    int64_t tail = column < length ? length - column : 0;
    sourceLinePieces pieces(text);
    gstrSlice piece;
    int64_t before = column;
    while (pieces.next(piece)) {
        int64_t size = before + piece.length();
        if (!pieces.endedWithBreak())
            size += tail;
        if (size > maxLineLength)
            return 0;
        before = 0;
    }
    return 1;
}

CSourcePosition CSourceDoc::insertText(const CSourcePosition& at, const gstrSlice& text)
{
    int32_t column = std::max(at.column, 0);
    int32_t line = std::max(at.line, 0);
    int32_t length = lineExists(line) ? getLineLength(line) : 0;
    std::string tail;
    if (column < length) {
        tail.assign(lineText(line) + column, size_t(length - column));
        lockLineBuffer(line, column);
        releaseLineBuffer(line, column);
    } else {
        padLine(line, column);
    }
    sourceLinePieces pieces(text);
    gstrSlice piece;
    CSourcePosition end{column, line};
    while (pieces.next(piece)) {
        appendToLine(line, piece);
        end = {end.column + piece.length(), line};
        if (!pieces.endedWithBreak())
            break;
        insertLine(++line);
        end = {0, line};
    }
    appendToLine(line, gstrSlice(tail.data(), static_cast<int32_t>(tail.size())));
    return end;
}

int CSourceDoc::canDelete(const CSourcePosition& from, const CSourcePosition& to) const
{
    if (from == to || !lineExists(from.line))
        return 1; // nothing is deleted
    int32_t head = lineExists(from.line) ? clampColumn(from.column, getLineLength(from.line)) : 0;
    int64_t rest = 0;
    if (lineExists(to.line)) {
        int32_t length = getLineLength(to.line);
        if (to.column < length)
            rest = length - std::max(to.column, 0);
        else if (to.column > length && lineExists(to.line + 1))
            rest = getLineLength(to.line + 1); // the line break goes and the next line joins
    }
    return head + rest <= maxLineLength;
}

void CSourceDoc::deleteText(const CSourcePosition& from, const CSourcePosition& to)
{
    if (!lineExists(from.line) || from == to || isBefore(to, from))
        return;
    int32_t line = from.line;
    std::string head(lineText(line), size_t(clampColumn(from.column, getLineLength(line))));
    int32_t count = getLineCount();
    int32_t lastJoined = std::min(to.line, count);
    if (lastJoined > line)
        deleteLines(line, lastJoined - line);
    std::string rest;
    if (lineExists(line) && to.line < count) {
        int32_t length = getLineLength(line);
        if (to.column > length) {
            deleteLines(line, 1);
            if (lineExists(line))
                rest = lineText(line);
        } else {
            rest.assign(lineText(line) + std::max(to.column, 0), size_t(length - std::max(to.column, 0)));
        }
    }
    head += rest;
    setLineText(line, gstrSlice(head.data(), static_cast<int32_t>(head.size())));
}

gstr CSourceDoc::getText(const CSourcePosition& from, const CSourcePosition& to) const
{
    gstr text("");
    if (from == to)
        return text;
    int32_t count = getLineCount();
    std::string out;
    for (int32_t line = std::max(from.line, 0); line <= to.line && line < count; ++line) {
        int32_t length = getLineLength(line);
        int32_t a = line == from.line ? clampColumn(from.column, length) : 0;
        int32_t b = line == to.line ? clampColumn(to.column, length) : length;
        if (b > a)
            out.append(lineText(line) + a, size_t(b - a));
        // The last line has no break to copy.
        if (line != to.line || (length < to.column && line + 1 < count))
            out.append("\r\n");
    }
    text.assign(out.data(), static_cast<int32_t>(out.size()));
    return text;
}

int32_t CSourceDoc::measureText(const CSourcePosition& from, const CSourcePosition& to) const
{
    return getText(from, to).length() + 1;
}
