#pragma once

#include "foundation/gstr.h"
#include "sourceedit/CSourcePosition.h"

#include <cstdint>

class CSourceDoc;

// Converts between text columns (character indexes) and display columns
// (tabs expanded to tab stops). A view supplies it to the records that work
// on blocks, which line their pieces up by display column.
class CSourceColumnMap {
public:
    virtual ~CSourceColumnMap() = default;
    virtual int32_t textToDisplay(int32_t column, int32_t line) = 0;
    virtual int32_t displayToText(int32_t column, int32_t line) = 0;
};

// The conversions of one line for a tab width (at least 1). Past the line's
// end every further column counts one; a display column inside a tab's span
// gives the tab's index. Negative arguments count as 0.
int32_t textToDisplayColumn(const char* text, int32_t length, int tabWidth, int32_t column);
int32_t displayToTextColumn(const char* text, int32_t length, int tabWidth, int32_t column);

// The conversions over a document's lines; a line past the end has equal
// text and display columns.
class CSourceTabColumns : public CSourceColumnMap {
public:
    CSourceTabColumns(const CSourceDoc& document, int tabWidth) : document_(document), tabWidth_(tabWidth) {}

    int32_t textToDisplay(int32_t column, int32_t line) override;
    int32_t displayToText(int32_t column, int32_t line) override;

private:
    const CSourceDoc& document_;
    int tabWidth_;
};

// The text of a block between two corners: each line's part between the
// block's left and right display columns followed by CR LF, for every line
// from the first corner's line to the second's.
gstr getColumnText(const CSourceDoc& document, CSourceColumnMap& columns, const CSourcePosition& start,
                   const CSourcePosition& end);
