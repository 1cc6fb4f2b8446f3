#include "sourceedit/CSourcePosition.h"

CSourcePosition adjustForInsertion(const CSourcePosition& p, const CSourcePosition& start,
                                   const CSourcePosition& end)
{
    if (isBefore(p, start))
        return p;
    if (p.line == start.line)
        return {end.column + p.column - start.column, end.line};
    return {p.column, p.line + end.line - start.line};
}

CSourcePosition adjustForDeletion(const CSourcePosition& p, const CSourcePosition& start,
                                  const CSourcePosition& end)
{
    if (!isBefore(start, p))
        return p;
    if (isBefore(p, end))
        return start;
    if (p.line == end.line)
        return {start.column + p.column - end.column, start.line};
    return {p.column, p.line - (end.line - start.line)};
}
