#pragma once

#include "formats/gfieldWidth.h"
#include "g2driver/model/gcharOption.h"
#include "store/gstorable.h"

class CObjectFile;

// How a string is sent: an optional fixed width with alignment (LEFT or
// RIGHT) and pad character, and the character that replaces non-printable
// ones (or none). The record of the STRING encoder.
class gstringOutputFormat {
public:
    const gfieldWidth& field() const noexcept { return field_; }
    gfieldWidth& field() noexcept { return field_; }
    // Unset while loading, then a printable character or NONE.
    const gcharOption& replacement() const noexcept { return replacement_; }
    void setReplacement(const gcharOption& option) noexcept { replacement_ = option; }

    // WIDTH (a positive width carries alignment and pad; no FULL RIGHT) and
    // REPLACEMENT (one printable character).
    gloadStatus loadField(int token, const gstr& value);
    void writeFields(CObjectFile& file, int indent) const;
    // An unset WIDTH becomes 0, an unset REPLACEMENT none.
    void afterLoad() noexcept;

    // The text in the field: padded up to WIDTH (after the text for LEFT,
    // before it for RIGHT), or cut to its first (LEFT) or last (RIGHT)
    // WIDTH bytes; then every byte that is not printable becomes the
    // replacement character when one is set. A field wider than an output
    // format builds gives no bytes.
    gstr encode(const gstrSlice& text) const;

private:
    gfieldWidth field_;
    gcharOption replacement_;
};
