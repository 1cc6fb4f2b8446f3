#pragma once

#include <QLineEdit>

// An edit that refuses, as the user types, the characters that cannot occur
// in its kind of text: a refused character is dropped and the platform's
// simple beep sounds. Control characters (codes 0 to 31 and 127: Backspace
// and the Ctrl shortcuts such as copy and paste) always pass, and text
// pasted from the clipboard is not filtered: the reading operations catch
// what the filter let through. A character without a Windows-1252 byte
// counts as a byte above 127, which belongs to no class.
class CKeyFilteredEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // Whether a typed byte (never a control character) may go in.
    virtual bool acceptsChar(unsigned char c) const = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A tag or SCL variable name: letters, digits and underscore; also '$' for
// the name of a string variable (nameKind 2) and '%' for a boolean one
// (nameKind 3). The owner sets nameKind directly.
class CTagNameEdit : public CKeyFilteredEdit {
public:
    using CKeyFilteredEdit::CKeyFilteredEdit;

    bool acceptsChar(unsigned char c) const override;

    int nameKind = 1;
};

// Printable text: codes 32 to 126.
class CPrintableEdit : public CKeyFilteredEdit {
public:
    using CKeyFilteredEdit::CKeyFilteredEdit;

    bool acceptsChar(unsigned char c) const override;
};
