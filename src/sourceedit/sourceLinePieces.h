#pragma once

#include "foundation/gstr.h"

// Walks a text line by line. A line break is a carriage return followed by a
// line feed, a lone line feed or a lone carriage return; the text ends at its
// length or at a zero byte, whichever comes first.
//
//   sourceLinePieces pieces(text);
//   gstrSlice piece;
//   while (pieces.next(piece)) { ... pieces.endedWithBreak() ... }
class sourceLinePieces {
public:
    explicit sourceLinePieces(const gstrSlice& text);

    // The next piece; false when none is left. A text yields one piece more
    // than it has line breaks (the last may be empty).
    bool next(gstrSlice& piece);
    // Whether the piece next gave last was ended by a line break.
    bool endedWithBreak() const { return broke_; }

private:
    const char* at_;
    const char* end_;
    bool broke_ = false;
    bool done_ = false;
};

// The text up to its first zero byte.
gstrSlice untilZero(const gstrSlice& text);
