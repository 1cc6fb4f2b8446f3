#pragma once

#include <cstdint>

// A place in a source document: a character index into a line and the line,
// both from 0. Columns past a line's end are legal everywhere.
struct CSourcePosition {
    int32_t column = 0;
    int32_t line = 0;

    friend bool operator==(const CSourcePosition&, const CSourcePosition&) = default;
};

// Earlier line, or the same line and a smaller column.
constexpr bool isBefore(const CSourcePosition& a, const CSourcePosition& b)
{
    return a.line < b.line || (a.line == b.line && a.column < b.column);
}

// Where a position goes when text from start to end was inserted or deleted
// in front of it, so that it keeps standing at the same text.
CSourcePosition adjustForInsertion(const CSourcePosition& p, const CSourcePosition& start,
                                   const CSourcePosition& end);
CSourcePosition adjustForDeletion(const CSourcePosition& p, const CSourcePosition& start,
                                  const CSourcePosition& end);
