#pragma once

#include "sourceedit/CSourceUndoRecord.h"

class CSourceColumnMap;

// A paste of text copied from a block: each line of the text goes to the next
// line of the document at the same display column, so that the pieces line
// up as a block even across tabs. The column map (the view) is used by the
// first perform only.
class CSourceUndoColumnInsert : public CSourceUndoRecord {
public:
    CSourceUndoColumnInsert(CSourceColumnMap* view, int32_t column, int32_t line, const gstrSlice& text);

    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;

    // The first piece replaces the text from its position to rangeEnd.
    void setReplaceRange(const CSourcePosition& rangeEnd);

    CSourceUndoRecords records;
    int32_t column;
    int32_t line;
    CSourcePosition replaceEnd{-1, -1};
    int replaceRange = 0;
    // The text still to insert; without a buffer after the first perform.
    gstr text;
    CSourceColumnMap* view;
};

// The drop of a dragged block: carries the deletion of the move, performed
// before it and undone after it.
class CSourceUndoColumnInsertLinked : public CSourceUndoColumnInsert {
public:
    using CSourceUndoColumnInsert::CSourceUndoColumnInsert;

    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;
    void setLinked(std::unique_ptr<CSourceUndoRecord> record) { linked = std::move(record); }

    std::unique_ptr<CSourceUndoRecord> linked;
};

// Cut or Delete of a block: the block's part of each line, bottom line first.
// Lines that end before the block's left edge stay as they are.
class CSourceUndoColumnDelete : public CSourceUndoRecord {
public:
    CSourceUndoColumnDelete(CSourceColumnMap* view, int32_t startColumn, int32_t startLine, int32_t endColumn,
                            int32_t endLine);

    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;

    CSourceUndoRecords records;
    CSourcePosition start;
    CSourcePosition end;
    CSourceColumnMap* view;
};
