#pragma once

#include "foundation/gstr.h"
#include "sourceedit/CSourceHint.h"
#include "sourceedit/CSourcePosition.h"

#include <memory>
#include <vector>

class CSourceDoc;

// One change of a source document that knows how to take itself back. A
// view builds a record and hands it to the document's execute; perform runs
// the first time and for every redo, undo takes the change back. A record
// works through the document's text primitives and checks, keeps what it
// needs to take the change back, keeps the document's modified flag in step
// and tells the views what changed.
//
// A record refused by a check (error 5, a line too long) changes nothing:
// compound records take back what their members had done.
class CSourceUndoRecord {
public:
    CSourceUndoRecord();
    virtual ~CSourceUndoRecord();
    CSourceUndoRecord(const CSourceUndoRecord&) = delete;
    CSourceUndoRecord& operator=(const CSourceUndoRecord&) = delete;

    // Non-zero on success.
    virtual int perform(CSourceDoc& document) = 0;
    virtual void undo(CSourceDoc& document) = 0;

    // The document's modified flag when the record performed.
    int savedModified = 0;
};

using CSourceUndoRecords = std::vector<std::unique_ptr<CSourceUndoRecord>>;

// Performs the records in order; when one fails, takes back those already
// performed (last first) and answers false.
bool performAll(CSourceDoc& document, const CSourceUndoRecords& records, size_t count);
bool performAll(CSourceDoc& document, const CSourceUndoRecords& records);
void undoAll(CSourceDoc& document, const CSourceUndoRecords& records);

// Several records as one command: indenting or unindenting lines.
class CSourceUndoGroup : public CSourceUndoRecord {
public:
    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;

    CSourceUndoRecords records;
};

class CSourceUndoInsert;

// A typed character or line break, or a tab put in front of a line. At a
// place past the text it becomes an insertion, which pads the line.
class CSourceUndoChar : public CSourceUndoRecord {
public:
    CSourceUndoChar(int32_t column, int32_t line, char character, int overwrite);
    ~CSourceUndoChar() override;

    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;

    int32_t column;
    int32_t line;
    char character[2];
    int overwrite;
    char replaced = 0;
    std::unique_ptr<CSourceUndoInsert> fallback;

private:
    char change(CSourceDoc& document, char c, bool performing);
};

// Inserted text: a paste, typing over a selection, a replacement, inserted
// indentation. With a replace range it first deletes the text from its
// position to replaceEnd and inserts in its place. Undo restores the text
// exactly, the blanks that padded a short line included.
class CSourceUndoInsert : public CSourceUndoRecord {
public:
    CSourceUndoInsert(int32_t column, int32_t line, const gstrSlice& text);

    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;

    void setReplaceRange(const CSourcePosition& rangeEnd);
    CSourcePosition start() const { return {column, line}; }

    int32_t column;
    int32_t line;
    // The text still to insert for the first time; without a buffer after the
    // first perform, when ownedText serves instead.
    gstr text;
    gstr ownedText;
    int replaceRange = 0;
    CSourcePosition replaceEnd{-1, -1};
    CSourcePosition end{-1, -1};
    gstr replacedText;
    int32_t savedLastLength = 0;
    int32_t savedLastLine = 0;

protected:
    CSourceUndoInsert(int32_t column, int32_t line, const CSourcePosition& rangeEnd);
    // Where the text really begins: the column, or the line's end when the
    // column lies past it. Measured when first needed.
    CSourcePosition textStart(const CSourceDoc& document);
    bool insert(CSourceDoc& document, CSourceHint& hint);
    void takeBack(CSourceDoc& document, CSourceHint& hint);
    void restoreEnd(CSourceDoc& document);

    int32_t textColumn = -1;
    // Blanks from textColumn to column were added in front of the text.
    bool padded = false;
};

// An insertion that also carries the deletion of a move by drag and drop:
// performed before it and undone after it.
class CSourceUndoInsertLinked : public CSourceUndoInsert {
public:
    using CSourceUndoInsert::CSourceUndoInsert;

    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;
    void setLinked(std::unique_ptr<CSourceUndoRecord> record) { linked = std::move(record); }

    std::unique_ptr<CSourceUndoRecord> linked;
};

// Deleted text: Backspace, Delete, Cut, unindent. A start past its line's
// end deletes from the line's end. Undo puts the caret after the restored
// text, or at the start when undoCaretAtStart is set (a forward Delete).
class CSourceUndoDelete : public CSourceUndoInsert {
public:
    CSourceUndoDelete(int32_t startColumn, int32_t startLine, int32_t endColumn, int32_t endLine);

    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;

    int undoCaretAtStart = 0;
};
