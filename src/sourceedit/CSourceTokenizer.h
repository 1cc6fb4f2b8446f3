#pragma once

#include "foundation/gstr.h"

#include <cstdint>

class CSourceDoc;

// Cuts one line of a source document into coloured tokens and carries a small
// state from the end of one line to the start of the next (a block comment,
// a string or a directive continued by a backslash). The state at the end of
// each line lives in the line's word, so that recolouring after a change can
// stop where the state stops changing.
//
// For one line: beginLine, nextToken until it answers 0, then endLine, which
// stores the state and must always come last.
//
// The base scans program text with configurable delimiters; with none set
// (the document default) it yields blanks, single characters, numbers and
// identifiers only.
class CSourceTokenizer {
public:
    // Token kinds: the index into a view's colour table.
    enum kind : int {
        endOfLine = 0,
        blanks = 1,
        other = 2,
        integer = 3,
        real = 4,
        identifier = 5,
        string = 6,
        comment = 7,
        directive = 8,
        charLiteral = 9,
        keyword = 10,
    };
    // Bits of scanOptions.
    static constexpr int continueLines = 0x01;   // a trailing backslash continues strings and directives
    static constexpr int directives = 0x02;      // '#' starts a preprocessor directive
    static constexpr int extendedNumbers = 0x04; // exponents, type suffixes, the x of 0x
    static constexpr int charLiterals = 0x08;    // 'c' is a character literal
    static constexpr int escapes = 0x10;         // a backslash escapes the next character in strings
    // Bits of the state.
    static constexpr uint16_t inBlockComment = 0x01;
    static constexpr uint16_t inString = 0x02;
    static constexpr uint16_t inDirective = 0x04;

    CSourceTokenizer();
    virtual ~CSourceTokenizer();
    CSourceTokenizer(const CSourceTokenizer&) = delete;
    CSourceTokenizer& operator=(const CSourceTokenizer&) = delete;

    virtual void beginLine(CSourceDoc& document, int32_t line);
    // The kind of the next token with its start (offset from the line's
    // start) and length; 0 at the end of the line.
    virtual int nextToken(int32_t& start, int32_t& length);
    // Stores the state in the line's word; non-zero when it changed.
    virtual int endLine();
    virtual int isKeyword(const char* text, int32_t length);

    // Empty strings are never recognised.
    gstr blockCommentOpen;
    gstr blockCommentClose;
    gstr lineCommentOpen;
    char quoteChar = 0; // 0: no strings
    int scanOptions = 0;

protected:
    CSourceDoc* document = nullptr;
    int32_t line = 0;
    uint16_t state = 0;
    const char* lineStart = nullptr;
    const char* lineEnd = nullptr;
    const char* position = nullptr;
    int32_t tokenLength = 0;

private:
    bool beginsHere(const gstr& opener) const;
    bool atCommentOpener() const;
    int scanBlockComment();
    int scanString();
    int scanDirective();
    int scanNumber();
    int scanCharLiteral();
    void skipEscaped();
    void skipWhile(bool (*accept)(char));
};

// The tokenizer of documents that bring none: no delimiters, created on first
// use and kept for the whole run.
CSourceTokenizer& defaultSourceTokenizer();
