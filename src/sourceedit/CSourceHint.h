#pragma once

#include "sourceedit/CSourcePosition.h"

#include <cstdint>

// What a document tells its views after a change. The views carry out the
// bits in this order: 1, 2, 4, 0x10, 8, 0x20, 0x40, 0x80.
struct CSourceHint {
    enum : int32_t {
        linesChanged = 0x01,   // the line count changed: new scroll ranges, redraw to the bottom
        redrawLines = 0x02,    // redraw firstLine to lastLine
        redrawToEnd = 0x04,    // redraw everything and scroll to the document's end
        moveCaret = 0x08,      // the focused view puts its caret at caret, no selection
        selectRange = 0x10,    // select from caret to rangeEnd
        redrawAll = 0x20,      // redraw everything (bookmarks changed)
        textInserted = 0x40,   // rangeStart to rangeEnd inserted: other views follow
        textDeleted = 0x80,    // rangeStart to rangeEnd deleted: other views follow
    };

    int32_t flags = 0;
    int32_t firstLine = 0;
    int32_t lastLine = 0;
    CSourcePosition caret;
    CSourcePosition rangeStart;
    CSourcePosition rangeEnd;
};

// The hint kind of every change notification of the document and its undo
// records; kind 0 asks the views for a full refresh.
constexpr int sourceHintKindChange = 1;
