#pragma once

#include "foundation/gstr.h"
#include "store/gstorable.h"

class CObjectFile;

// The two texts that stand for the on and the off state of a bistate value.
// A text has no buffer while not given during loading and an (empty) buffer
// after it.
class gonOffStrings {
public:
    const gstr& onText() const noexcept { return on_; }
    const gstr& offText() const noexcept { return off_; }
    void setTexts(const gstrSlice& on, const gstrSlice& off);

    // A copy of the ON text when on, else of the OFF text.
    gstr text(bool on) const { return on ? on_ : off_; }
    // Either text is not empty.
    bool isSet() const noexcept { return !on_.isEmpty() || !off_.isEmpty(); }

    // ON_STRING and OFF_STRING, each once and not empty.
    gloadStatus loadField(int token, const gstr& value);
    void writeFields(CObjectFile& file, int indent) const;
    // A text not given becomes empty.
    void afterLoad();

private:
    gstr on_;
    gstr off_;
};
