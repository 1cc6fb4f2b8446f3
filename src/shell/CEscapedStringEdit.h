#pragma once

#include "foundation/gstr.h"
#include "shell/CFilteredEdit.h"

// A byte string (any byte, NUL included) shown either escaped as in station
// files, without the surrounding quotes (text mode), or as upper-case
// hexadecimal pairs separated by one space (hex mode). In hex mode typing is
// limited to hexadecimal digits and the space.
class CEscapedStringEdit : public CKeyFilteredEdit {
public:
    using CKeyFilteredEdit::CKeyFilteredEdit;

    bool acceptsChar(unsigned char c) const override;

    int hexMode() const { return hexMode_; }
    const gstr& value() const { return value_; }
    // Keeps the bytes and shows them in the current mode.
    void setValue(const gstrSlice& bytes);
    // Reads the text into the value and copies it to out; on false out is
    // untouched and, unless quiet, the user has been told why.
    bool getValue(gstr& out, bool quiet);
    // Reads the text in the old mode first; when that fails the mode stays
    // (so a switch never loses a text) and the answer is false.
    bool setHexMode(int hexMode, bool quiet);
    // Reads the text in the current mode into the value: text mode the raw
    // escaped form (message 10051 when it is not one), hex mode items of
    // hexadecimal digits between runs of spaces (message 10050 for an item
    // above FF or one with a character that is no hexadecimal digit; the
    // value keeps the bytes before it).
    bool parse(bool quiet);

private:
    void show();
    bool parseHex(const gstr& text, bool quiet);

    int hexMode_ = 0;
    gstr value_;
};
