#pragma once

#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceUndoRecord.h"

// Replace All: every match from the start position (up to the stop position
// when one is given) replaced, as one command. The search runs towards the
// end whatever the direction asked, so that every match in the range is
// reached; each continues just after the text it inserted, so a replacement
// that contains the searched text is not searched again.
class CSourceUndoReplaceAll : public CSourceUndoRecord {
public:
    CSourceUndoReplaceAll(int32_t startColumn, int32_t startLine, int32_t stopColumn, int32_t stopLine,
                          const gstrSlice& findText, const gstrSlice& replaceText);

    int perform(CSourceDoc& document) override;
    void undo(CSourceDoc& document) override;

    // The caller sets backward, matchCase and wholeWord.
    CSourceFindParams params;
    int replaceAll = 1;
    int count = 0;
    CSourceUndoRecords records;
    gstr findText;
    gstr replaceText;
    int32_t replaceLength;
    // Column -1: no stop.
    CSourcePosition stop;
};
