#include "sourceedit/CSourceUndoColumn.h"

#include "sourceedit/CSourceColumnMap.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/sourceLinePieces.h"

#include <algorithm>

CSourceUndoColumnInsert::CSourceUndoColumnInsert(CSourceColumnMap* columns, int32_t column, int32_t line,
                                                 const gstrSlice& insertText)
    : column(std::max(column, 0)), line(std::max(line, 0)), text(untilZero(insertText)), view(columns)
{
}

void CSourceUndoColumnInsert::setReplaceRange(const CSourcePosition& rangeEnd)
{
    replaceRange = 1;
    replaceEnd = rangeEnd;
}

int CSourceUndoColumnInsert::perform(CSourceDoc& document)
{
    if (text.isNull())
        return performAll(document, records);
    int32_t display = view->textToDisplay(column, line);
    sourceLinePieces pieces(text);
    gstrSlice piece;
    for (int32_t i = 0; pieces.next(piece); ++i) {
        // Nothing follows a final line break.
        if (i > 0 && piece.isEmpty() && !pieces.endedWithBreak())
            break;
        int32_t at = i == 0 ? column : view->displayToText(display, line + i);
        auto record = std::make_unique<CSourceUndoInsert>(at, line + i, piece);
        if (i == 0 && replaceRange)
            record->setReplaceRange(replaceEnd);
        if (!record->perform(document)) {
            undoAll(document, records);
            records.clear();
            return 0;
        }
        records.push_back(std::move(record));
    }
    text.clear();
    view = nullptr;
    return 1;
}

void CSourceUndoColumnInsert::undo(CSourceDoc& document) { undoAll(document, records); }

int CSourceUndoColumnInsertLinked::perform(CSourceDoc& document)
{
    if (linked && !linked->perform(document))
        return 0;
    int result = CSourceUndoColumnInsert::perform(document);
    if (!result && linked)
        linked->undo(document);
    return result;
}

void CSourceUndoColumnInsertLinked::undo(CSourceDoc& document)
{
    CSourceUndoColumnInsert::undo(document);
    if (linked)
        linked->undo(document);
}

CSourceUndoColumnDelete::CSourceUndoColumnDelete(CSourceColumnMap* columns, int32_t startColumn, int32_t startLine,
                                                 int32_t endColumn, int32_t endLine)
    : start{startColumn, startLine}, end{endColumn, endLine}, view(columns)
{
}

int CSourceUndoColumnDelete::perform(CSourceDoc& document)
{
    if (!view)
        return performAll(document, records);
    int32_t a = view->textToDisplay(start.column, start.line);
    int32_t b = view->textToDisplay(end.column, end.line);
    int32_t left = std::min(a, b);
    int32_t right = std::max(a, b);
    for (int32_t line = std::max(start.line, end.line); line >= std::min(start.line, end.line); --line) {
        int32_t length = document.lineExists(line) ? document.getLineLength(line) : 0;
        int32_t from = view->displayToText(left, line);
        if (length <= from)
            continue;
        int32_t to = std::min(view->displayToText(right, line), length);
        auto record = std::make_unique<CSourceUndoDelete>(from, line, to, line);
        if (!record->perform(document)) {
            undoAll(document, records);
            records.clear();
            view = nullptr;
            return 0;
        }
        records.push_back(std::move(record));
    }
    view = nullptr;
    return 1;
}

void CSourceUndoColumnDelete::undo(CSourceDoc& document) { undoAll(document, records); }
