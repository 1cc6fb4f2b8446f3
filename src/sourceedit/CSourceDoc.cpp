#include "sourceedit/CSourceDoc.h"

#include "sourceedit/CSourceTokenizer.h"
#include "sourceedit/CSourceUndoRecord.h"

CSourceDoc::CSourceDoc() = default;

CSourceDoc::~CSourceDoc() = default;

CSourceTokenizer* CSourceDoc::getTokenizer() { return &defaultSourceTokenizer(); }

int32_t CSourceDoc::getLineCount() const { return 0; }
const char* CSourceDoc::getLineText(int32_t) const { return nullptr; }
int32_t CSourceDoc::getLineLength(int32_t) const { return 0; }
void CSourceDoc::deleteLines(int32_t, int32_t) {}
void CSourceDoc::insertLine(int32_t) {}
char* CSourceDoc::lockLineBuffer(int32_t, int32_t) { return nullptr; }
void CSourceDoc::releaseLineBuffer(int32_t, int32_t) {}
uint16_t CSourceDoc::getLineWord(int32_t) const { return 0; }
void CSourceDoc::setLineWord(int32_t, uint16_t) {}
void CSourceDoc::notifyViews(const void*, int, const CSourceHint&) {}
int CSourceDoc::isModified() { return 1; }
void CSourceDoc::setModified(int) {}

const char* CSourceDoc::lineText(int32_t line) const
{
    const char* text = getLineText(line);
    return text ? text : "";
}

int32_t CSourceDoc::lastLine() const
{
    int32_t count = getLineCount();
    return count > 0 ? count - 1 : 0;
}

void CSourceDoc::clear()
{
    clearUndo();
    int32_t count = getLineCount();
    if (count > 0)
        deleteLines(0, count);
    insertLine(0);
}

int CSourceDoc::execute(std::unique_ptr<CSourceUndoRecord> record)
{
    error = errorNone;
    if (!record)
        return 0;
    if (readOnly) {
        error = errorReadOnly;
        return 0;
    }
    int result = record->perform(*this);
    if (result && undoEnabled)
        appendUndo(std::move(record));
    return result;
}

// A new command discards what could still be redone; the oldest records go
// once the list is over its limit.
void CSourceDoc::appendUndo(std::unique_ptr<CSourceUndoRecord> record)
{
    undoList.erase(undoList.begin() + (undoPosition + 1), undoList.end());
    undoList.push_back(std::move(record));
    undoPosition = static_cast<int>(undoList.size()) - 1;
    while (static_cast<int>(undoList.size()) > undoLimit && !undoList.empty()) {
        undoList.pop_front();
        --undoPosition;
    }
}

void CSourceDoc::undo()
{
    if (undoPosition < 0)
        return;
    CSourceUndoRecord& record = *undoList[static_cast<size_t>(undoPosition)];
    --undoPosition;
    record.undo(*this);
}

void CSourceDoc::redo()
{
    if (!canRedo())
        return;
    ++undoPosition;
    undoList[static_cast<size_t>(undoPosition)]->perform(*this);
}

void CSourceDoc::clearUndo()
{
    undoPosition = -1;
    undoList.clear();
}

int32_t CSourceDoc::retokenize(int32_t first, int32_t last)
{
    CSourceTokenizer* tokenizer = getTokenizer();
    if (!tokenizer)
        return first;
    int32_t count = getLineCount();
    for (int32_t line = first < 0 ? 0 : first; line < count; ++line) {
        tokenizer->beginLine(*this, line);
        int32_t start, length;
        while (tokenizer->nextToken(start, length) != CSourceTokenizer::endOfLine) {
        }
        if (!tokenizer->endLine() && line >= last)
            return line;
    }
    return count;
}

int32_t CSourceDoc::retokenizeLine(int32_t line) { return retokenize(line, line); }

void CSourceDoc::toggleBookmark(int32_t line)
{
    if (!lineExists(line))
        return;
    uint16_t word = getLineWord(line);
    bookmarkCount += (word & bookmarkBit) ? -1 : 1;
    setLineWord(line, static_cast<uint16_t>(word ^ bookmarkBit));
    CSourceHint hint;
    hint.flags = CSourceHint::redrawAll;
    notify(hint);
}

int CSourceDoc::isBookmarked(int32_t line) const
{
    return lineExists(line) && (getLineWord(line) & bookmarkBit) != 0;
}

int32_t CSourceDoc::nextBookmark(int32_t line) const
{
    if (!hasBookmarks())
        return line;
    int32_t count = getLineCount();
    for (int32_t l = line + 1; l < count; ++l) {
        if (isBookmarked(l))
            return l;
    }
    for (int32_t l = 0; l < line && l < count; ++l) {
        if (isBookmarked(l))
            return l;
    }
    return line;
}

int32_t CSourceDoc::previousBookmark(int32_t line) const
{
    if (!hasBookmarks())
        return line;
    int32_t count = getLineCount();
    for (int32_t l = (line < count ? line : count) - 1; l >= 0; --l) {
        if (isBookmarked(l))
            return l;
    }
    for (int32_t l = count - 1; l > line; --l) {
        if (isBookmarked(l))
            return l;
    }
    return line;
}

void CSourceDoc::clearBookmarks()
{
    int32_t count = getLineCount();
    for (int32_t l = 0; l < count; ++l) {
        uint16_t word = getLineWord(l);
        if (word & bookmarkBit)
            setLineWord(l, static_cast<uint16_t>(word & ~bookmarkBit));
    }
    bookmarkCount = 0;
    CSourceHint hint;
    hint.flags = CSourceHint::redrawAll;
    notify(hint);
}
