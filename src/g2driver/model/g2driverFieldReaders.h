#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"
#include "store/keywordLines.h"

#include <cstdint>

class CObjectFile;

// The small readers and writers that the lines of G2 driver objects share:
// one tag, one bounded count, a keyword line with a number.

// One non-empty tag (string item) that ends the value: accepted with the
// tag, else invalidValue.
gloadStatus readOneTag(const gstr& value, gstr& tag);
// A signed count that may be read once: alreadyLoaded while field is not
// unset; invalidValue unless one integer from low to high ends the value.
gloadStatus readCount(const gstr& value, int32_t& field, int32_t unset, int32_t low, int32_t high);
// A real number that may be read once (field holds unset until then): a
// finite number that ends the value.
gloadStatus readReal(const gstr& value, double& field, double unset);

// "KEYWORD\t\tvalue" lines.
void writeIntLine(CObjectFile& file, int indent, int token, int32_t value);
void writeUnsignedLine(CObjectFile& file, int indent, int token, uint32_t value);
void writeStringLine(CObjectFile& file, int indent, int token, const gstrSlice& text);
// The keyword alone, opening a nested block.
void writeBareLine(CObjectFile& file, int indent, int token);
// A text always in double quotes, escaped, as names in element lines are.
void writeQuoted(CObjectFile& file, const gstrSlice& text, int ending);
