#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <vector>

class CObjectFile;

// The field lines of a source block whose kind this editor does not read
// yet, kept as they were read (keyword and trimmed value) so that the block
// is written back unchanged. Nested blocks are followed so that their "END"
// lines are told from the block's own: "SECTION" and "PROGRAM" without a
// value open one, and so does "DRIVER" with a tag (a data-object reference).
class gcarriedLines {
public:

    // True while no nested block is open: an "END" now ends the block itself.
    bool atBlockLevel() const noexcept { return depth_ == 0; }
    // Keeps the line: accepted, or invalid for an "END" with a value and for
    // a block opened deeper than any kind nests its blocks (each level costs
    // every line below it a tab when written).
    gloadStatus take(int token, const gstr& value);
    // The kept lines, nested ones one level deeper per open block.
    void write(CObjectFile& file, int indent) const;
    bool isEmpty() const noexcept { return lines_.empty(); }

private:
    static constexpr int maxDepth = 8;

    static bool opensBlock(int token, const gstr& value) noexcept;

    struct line {
        int token;
        gstr value;
        int depth;
    };
    std::vector<line> lines_;
    int depth_ = 0;
};
