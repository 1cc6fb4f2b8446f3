#pragma once

#include "foundation/gstr.h"
#include "sourceedit/CSourceHint.h"
#include "sourceedit/CSourcePosition.h"

#include <cstdint>
#include <deque>
#include <memory>

class CSourceTokenizer;
class CSourceUndoRecord;

// A search request: the text, where to start and how to compare.
struct CSourceFindParams {
    const char* pattern = nullptr;
    int32_t patternLength = 0;
    int32_t startColumn = 0;
    int32_t startLine = 0;
    int32_t backward = 0;  // 0 searches towards the end
    int32_t matchCase = 0; // 0 ignores case
    int32_t wholeWord = 0; // the match must stand between white space or the line's ends
};

// The window-less core of a source document. It keeps no lines itself: a
// derived document supplies them through the line store (getLineCount to
// setLineWord), and the core builds the text primitives, search, bookmarks,
// the read-only guard, the line-length limit and the undo list on them.
//
// Views never change text directly: they build an undo record and hand it to
// execute, which performs it and keeps it for Undo and Redo. The primitives
// and can... checks below neither check readOnly nor notify nor record undo
// information; the undo records call them and send the notifications.
//
// The line store's contract, which every document class meets:
//  - a write to a line at or past the end first grows the store with empty
//    lines (word 0) so that the line exists; reading a line past the end
//    answers an empty line and never fails;
//  - deleteLines removes count lines from first and lowers bookmarkCount for
//    every bookmarked line it removes;
//  - insertLine inserts an empty line before an existing index, removes every
//    line for -1, and otherwise grows the store to index + 1 lines;
//  - lockLineBuffer gives the line's text with room for at least the given
//    number of characters and a terminator, the characters kept;
//    releaseLineBuffer ends the line at the given length. Every change of a
//    line's text is such a pair.
class CSourceDoc {
public:
    // Codes kept in error.
    enum : int {
        errorNone = 0,
        errorOpen = 1,             // the file could not be opened
        errorStream = 2,           // the opened file could not be read as text
        errorLongLineCancelled = 3,
        errorLongLinesWrapped = 4, // loading succeeded
        errorLineTooLong = 5,
        errorNotFound = 6,         // Replace All found nothing
        errorReadOnly = 7,
    };
    // The word of a line: the bookmark bit and the tokenizer state.
    static constexpr uint16_t bookmarkBit = 0x8000;

    CSourceDoc();
    virtual ~CSourceDoc();
    CSourceDoc(const CSourceDoc&) = delete;
    CSourceDoc& operator=(const CSourceDoc&) = delete;

    virtual CSourceTokenizer* getTokenizer();

    // The line store.
    virtual int32_t getLineCount() const;
    virtual const char* getLineText(int32_t line) const;
    virtual int32_t getLineLength(int32_t line) const;
    virtual void deleteLines(int32_t first, int32_t count);
    virtual void insertLine(int32_t line);
    virtual char* lockLineBuffer(int32_t line, int32_t minimumLength);
    virtual void releaseLineBuffer(int32_t line, int32_t newLength);
    virtual uint16_t getLineWord(int32_t line) const;
    virtual void setLineWord(int32_t line, uint16_t word);

    // Empties the undo list and leaves one empty line; notifies nobody.
    virtual void clear();
    // Performs the record and keeps it for Undo; 0 when it was refused (error
    // tells why) and the record is gone.
    virtual int execute(std::unique_ptr<CSourceUndoRecord> record);
    // Asked once per load when a line is too long: non-zero goes on and wraps
    // it.
    virtual int onLongLine() = 0;
    // Recolours from first until the stored state stops changing at or past
    // last; answers the last line whose colours may have changed.
    virtual int32_t retokenize(int32_t first, int32_t last);
    virtual int32_t retokenizeLine(int32_t line);
    virtual void notifyViews(const void* sender, int hintKind, const CSourceHint& hint);
    virtual int isModified();
    virtual void setModified(int flag);

    // The line's text, never null.
    const char* lineText(int32_t line) const;
    bool lineExists(int32_t line) const { return line >= 0 && line < getLineCount(); }
    int32_t lastLine() const;

    // Text primitives. Columns past a line's end read as its end; writing
    // there pads the line with blanks first.
    int canInsertChar(int32_t column, int32_t line, int overwrite) const;
    // Answers the character it overwrote, or 0.
    char insertChar(int32_t column, int32_t line, char c, int overwrite);
    int canInsertText(const CSourcePosition& at, const gstrSlice& text) const;
    // Answers the position just after the inserted text.
    CSourcePosition insertText(const CSourcePosition& at, const gstrSlice& text);
    int canDelete(const CSourcePosition& from, const CSourcePosition& to) const;
    // A range whose end lies past its line's end takes the line break along.
    void deleteText(const CSourcePosition& from, const CSourcePosition& to);
    // The range as one text, lines joined by CR LF; a range that ends past its
    // last line's end ends with CR LF too, unless that is the document's last
    // line.
    gstr getText(const CSourcePosition& from, const CSourcePosition& to) const;
    // What getText gives, counted with a terminator.
    int32_t measureText(const CSourcePosition& from, const CSourcePosition& to) const;

    int find(const CSourceFindParams& params, CSourcePosition& found) const;

    void toggleBookmark(int32_t line);
    int32_t nextBookmark(int32_t line) const;
    int32_t previousBookmark(int32_t line) const;
    void clearBookmarks();
    int hasBookmarks() const { return bookmarkCount != 0; }
    int isBookmarked(int32_t line) const;

    void undo();
    void redo();
    void clearUndo();
    int canUndo() const { return undoPosition >= 0; }
    int canRedo() const { return undoPosition + 1 < static_cast<int>(undoList.size()); }
    int undoCount() const { return static_cast<int>(undoList.size()); }

    // Files: plain 8-bit text, CR LF on disk. readFile answers 0 with error
    // set, or throws CSrcFileException for a read error; writeFile answers 0
    // when the file cannot be made and throws for a failed write.
    int readFile(const gstrSlice& path);
    int writeFile(const gstrSlice& path);

    // The move by drag and drop in progress, kept here so that the drop side
    // knows whether the drag began in the same document.
    int dragActive = 0;
    int dragIsBlock = 0;
    CSourcePosition dragStart;
    CSourcePosition dragEnd;
    CSourceUndoRecord* dragDeleteRecord = nullptr;

    int readOnly = 0;
    int maxLineLength = 1024;
    // Lines whose word carries the bookmark bit; the line store keeps it in
    // step when it deletes lines.
    int bookmarkCount = 0;
    int undoLimit = 256;
    int undoEnabled = 1;
    int error = errorNone;

    // Every change notification goes out this way: no sending view, kind 1.
    void notify(const CSourceHint& hint) { notifyViews(nullptr, sourceHintKindChange, hint); }

private:
    void appendUndo(std::unique_ptr<CSourceUndoRecord> record);
    void setLineText(int32_t line, const gstrSlice& text);
    void appendToLine(int32_t line, const gstrSlice& text);
    void padLine(int32_t line, int32_t column);
    bool findInLine(const CSourceFindParams& params, int32_t line, int32_t from, int32_t& column) const;

    // Oldest first; undoPosition is the index of the record performed last,
    // -1 when none.
    std::deque<std::unique_ptr<CSourceUndoRecord>> undoList;
    int undoPosition = -1;
};
