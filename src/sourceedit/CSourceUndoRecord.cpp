#include "sourceedit/CSourceUndoRecord.h"

#include "sourceedit/CSourceDoc.h"
#include "sourceedit/sourceLinePieces.h"

#include <algorithm>

namespace {

void notifyRange(CSourceDoc& document, int32_t flags, const CSourcePosition& start, const CSourcePosition& end)
{
    CSourceHint hint;
    hint.flags = flags;
    hint.rangeStart = start;
    hint.rangeEnd = end;
    document.notify(hint);
}

int32_t linesChangedFlag(const CSourceDoc& document, int32_t before)
{
    return document.getLineCount() != before ? CSourceHint::linesChanged : 0;
}

} // namespace

CSourceUndoRecord::CSourceUndoRecord() = default;
CSourceUndoRecord::~CSourceUndoRecord() = default;

bool performAll(CSourceDoc& document, const CSourceUndoRecords& records, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (records[i]->perform(document))
            continue;
        while (i-- > 0)
            records[i]->undo(document);
        return false;
    }
    return true;
}

bool performAll(CSourceDoc& document, const CSourceUndoRecords& records)
{
    return performAll(document, records, records.size());
}

void undoAll(CSourceDoc& document, const CSourceUndoRecords& records)
{
    for (auto r = records.rbegin(); r != records.rend(); ++r)
        (*r)->undo(document);
}

int CSourceUndoGroup::perform(CSourceDoc& document) { return performAll(document, records); }

void CSourceUndoGroup::undo(CSourceDoc& document) { undoAll(document, records); }

// --- a character ---

// A line break is always inserted: in overwrite mode it would change nothing,
// and nothing is what its undo must then take back.
CSourceUndoChar::CSourceUndoChar(int32_t column, int32_t line, char c, int overwrite)
    : column(std::max(column, 0)), line(std::max(line, 0)), character{c, 0}, overwrite(c == '\n' ? 0 : overwrite)
{
}

CSourceUndoChar::~CSourceUndoChar() = default;

int CSourceUndoChar::perform(CSourceDoc& document)
{
    if (fallback)
        return fallback->perform(document);
    if (!document.lineExists(line) || document.getLineLength(line) < column) {
        fallback = std::make_unique<CSourceUndoInsert>(column, line, gstrSlice(character, 1));
        int result = fallback->perform(document);
        if (!result)
            fallback.reset();
        return result;
    }
    savedModified = document.isModified();
    if (character[0] != '\n' && !document.canInsertChar(column, line, overwrite)) {
        document.error = CSourceDoc::errorLineTooLong;
        return 0;
    }
    replaced = change(document, character[0], true);
    document.setModified(1);
    return 1;
}

char CSourceUndoChar::change(CSourceDoc& document, char c, bool performing)
{
    char old = document.insertChar(column, line, c, overwrite);
    CSourceHint hint;
    hint.firstLine = line;
    if (c == '\n') {
        document.retokenize(line, line + 2);
        hint.flags = CSourceHint::linesChanged | CSourceHint::redrawLines | CSourceHint::moveCaret
                   | CSourceHint::textInserted;
        hint.lastLine = document.lastLine();
        hint.caret = {0, line + 1};
        hint.rangeStart = {column, line};
        hint.rangeEnd = {0, line + 1};
    } else {
        hint.flags = CSourceHint::redrawLines | CSourceHint::moveCaret;
        if (!overwrite) {
            hint.flags |= CSourceHint::textInserted;
            hint.rangeStart = {column, line};
            hint.rangeEnd = {column + 1, line};
        }
        hint.lastLine = document.retokenizeLine(line);
        hint.caret = {performing ? column + 1 : column, line};
    }
    document.notify(hint);
    return old;
}

void CSourceUndoChar::undo(CSourceDoc& document)
{
    if (fallback) {
        fallback->undo(document);
        return;
    }
    document.setModified(savedModified);
    CSourceHint hint;
    hint.flags = CSourceHint::linesChanged | CSourceHint::redrawLines | CSourceHint::moveCaret;
    if (overwrite && replaced != 0) {
        change(document, replaced, false);
    } else {
        document.deleteText({column, line}, {column + 1, line});
    }
    if (!overwrite) {
        hint.flags |= CSourceHint::textDeleted;
        hint.rangeStart = {column, line};
        // A joined line break takes the lines below it up with it.
        hint.rangeEnd = character[0] == '\n' ? CSourcePosition{0, line + 1} : CSourcePosition{column + 1, line};
    }
    hint.firstLine = line;
    hint.lastLine = document.retokenizeLine(line);
    hint.caret = {column, line};
    document.notify(hint);
}

// --- an insertion ---

CSourceUndoInsert::CSourceUndoInsert(int32_t column, int32_t line, const gstrSlice& insertText)
    : column(std::max(column, 0)), line(std::max(line, 0)), text(untilZero(insertText))
{
}

CSourceUndoInsert::CSourceUndoInsert(int32_t column, int32_t line, const CSourcePosition& rangeEnd)
    : column(std::max(column, 0)), line(std::max(line, 0)), end(rangeEnd)
{
}

void CSourceUndoInsert::setReplaceRange(const CSourcePosition& rangeEnd)
{
    replaceRange = 1;
    replaceEnd = rangeEnd;
}

CSourcePosition CSourceUndoInsert::textStart(const CSourceDoc& document)
{
    textColumn = document.lineExists(line) ? std::min(column, document.getLineLength(line)) : column;
    return {textColumn, line};
}

int CSourceUndoInsert::perform(CSourceDoc& document)
{
    savedModified = document.isModified();
    savedLastLine = document.lastLine();
    savedLastLength = document.getLineLength(savedLastLine);
    CSourceHint hint;
    if (!insert(document, hint))
        return 0;
    document.setModified(1);
    document.notify(hint);
    return 1;
}

// A short line is padded first, so that the text and what it replaces sit at
// the column even when the replaced range runs on into a later line.
bool CSourceUndoInsert::insert(CSourceDoc& document, CSourceHint& hint)
{
    int32_t before = document.getLineCount();
    CSourcePosition at{column, line};
    padded = document.lineExists(line) && textStart(document).column < column;
    if (padded)
        document.insertText(at, gstrSlice::empty);
    if (replaceRange) {
        replacedText = document.getText(at, replaceEnd);
        document.deleteText(at, replaceEnd);
        notifyRange(document, CSourceHint::textDeleted, at, replaceEnd);
    }
    bool first = !text.isNull();
    if (first && !document.canInsertText(at, text)) {
        if (!replacedText.isNull()) {
            CSourcePosition back = document.insertText(at, replacedText);
            replacedText.clear();
            notifyRange(document, CSourceHint::textInserted, at, back);
        }
        if (padded)
            document.deleteText({textColumn, line}, at);
        document.error = CSourceDoc::errorLineTooLong;
        return false;
    }
    end = document.insertText(at, first ? text : ownedText);
    text.clear();
    ownedText.clear();
    hint.flags = CSourceHint::redrawLines | CSourceHint::moveCaret | CSourceHint::textInserted
               | linesChangedFlag(document, before);
    hint.firstLine = line;
    hint.lastLine = document.retokenize(line, end.line + 1);
    hint.caret = end;
    hint.rangeStart = at;
    hint.rangeEnd = end;
    return true;
}

void CSourceUndoInsert::takeBack(CSourceDoc& document, CSourceHint& hint)
{
    int32_t before = document.getLineCount();
    CSourcePosition at{column, line};
    ownedText = document.getText(at, end);
    document.deleteText(at, end);
    notifyRange(document, CSourceHint::textDeleted, at, end);
    int32_t lastAffected = line;
    if (!replacedText.isNull()) {
        CSourcePosition back = document.insertText(at, replacedText);
        replacedText.clear();
        notifyRange(document, CSourceHint::textInserted, at, back);
        lastAffected = back.line;
    }
    if (padded)
        document.deleteText({textColumn, line}, at);
    hint.flags = CSourceHint::redrawLines | CSourceHint::moveCaret | linesChangedFlag(document, before);
    hint.firstLine = line;
    hint.lastLine = document.retokenize(line, lastAffected + 1);
    hint.caret = at;
}

// Lines the insertion added past the old end of the document go again.
void CSourceUndoInsert::restoreEnd(CSourceDoc& document)
{
    if (line <= savedLastLine)
        return;
    int32_t last = std::min(line, document.getLineCount() - 1);
    if (last > savedLastLine)
        document.deleteLines(savedLastLine + 1, last - savedLastLine);
    CSourceHint hint;
    hint.flags = CSourceHint::redrawLines | CSourceHint::moveCaret | CSourceHint::textDeleted
               | (last > savedLastLine ? CSourceHint::linesChanged : 0);
    hint.firstLine = savedLastLine;
    hint.lastLine = savedLastLine + 1;
    hint.caret = hint.rangeStart = {savedLastLength, savedLastLine};
    hint.rangeEnd = {column, line};
    document.notify(hint);
}

void CSourceUndoInsert::undo(CSourceDoc& document)
{
    CSourceHint hint;
    takeBack(document, hint);
    document.setModified(savedModified);
    document.notify(hint);
    restoreEnd(document);
}

int CSourceUndoInsertLinked::perform(CSourceDoc& document)
{
    if (linked && !linked->perform(document))
        return 0;
    int result = CSourceUndoInsert::perform(document);
    if (!result && linked)
        linked->undo(document);
    return result;
}

void CSourceUndoInsertLinked::undo(CSourceDoc& document)
{
    CSourceUndoInsert::undo(document);
    if (linked)
        linked->undo(document);
}

// --- a deletion ---

CSourceUndoDelete::CSourceUndoDelete(int32_t startColumn, int32_t startLine, int32_t endColumn, int32_t endLine)
    : CSourceUndoInsert(startColumn, startLine, CSourcePosition{endColumn, endLine})
{
}

int CSourceUndoDelete::perform(CSourceDoc& document)
{
    savedModified = document.isModified();
    // An empty range stays empty even in virtual space.
    CSourcePosition at = start() == end ? end : textStart(document);
    textColumn = at.column;
    if (!document.canDelete(at, end)) {
        document.error = CSourceDoc::errorLineTooLong;
        return 0;
    }
    int32_t before = document.getLineCount();
    ownedText = document.getText(at, end);
    document.deleteText(at, end);
    notifyRange(document, CSourceHint::textDeleted, at, end);
    document.setModified(1);
    CSourceHint hint;
    hint.flags = CSourceHint::redrawLines | CSourceHint::moveCaret | linesChangedFlag(document, before);
    hint.firstLine = line;
    hint.lastLine = document.retokenize(line, line + 1);
    hint.caret = {column, line};
    document.notify(hint);
    return 1;
}

void CSourceUndoDelete::undo(CSourceDoc& document)
{
    int32_t before = document.getLineCount();
    CSourcePosition at{textColumn, line};
    CSourcePosition back = ownedText.isEmpty() ? at : document.insertText(at, ownedText);
    ownedText.clear();
    document.setModified(savedModified);
    CSourceHint hint;
    hint.flags = CSourceHint::redrawLines | CSourceHint::moveCaret | CSourceHint::textInserted
               | linesChangedFlag(document, before);
    hint.firstLine = line;
    hint.lastLine = document.retokenize(line, back.line + 1);
    hint.caret = undoCaretAtStart ? CSourcePosition{column, line} : back;
    hint.rangeStart = at;
    hint.rangeEnd = back;
    document.notify(hint);
}
