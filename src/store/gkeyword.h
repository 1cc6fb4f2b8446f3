#pragma once

#include "foundation/gstr.h"
#include "foundation/jhashTable.h"
#include "store/keywordTokens.h"

#include <cstdint>

class CObjectFile;

// A station-file keyword: its text as written in files and its token, the
// place of the keyword in the table. Code compares tokens (store/
// keywordTokens.h), never texts.
class gkeyword : public jhashKeyedObject {
public:
    gkeyword(const char* text, int token) noexcept : text_(text), token_(token) {}

    gstrSlice getKey() const override { return text_; }
    gstrSlice getText() const noexcept { return text_; }
    int getToken() const noexcept { return token_; }

    // The keyword of a token; a token outside the table throws gfault.
    static const gkeyword& byToken(int token);

    // The start of a keyword line: indent tabs, the keyword, then two tabs
    // when it is shorter than 8 characters, one tab for 8 to 15, one blank
    // for 16 or more, so that values line up at tab stops of 8. The caller
    // writes the value with ending 1.
    void writeKey(CObjectFile& file, int indent) const;
    // The keyword as a value, then the ending (1 a line end, 2 ", ").
    void writeValue(CObjectFile& file, int ending) const;
    // indent tabs and the keyword, nothing after it ("END" lines).
    void writeIndented(CObjectFile& file, int indent) const;

private:
    gstrSlice text_;
    int token_;
};

// The keyword table: looked up ignoring letter case, 483 buckets.
class jhashKeywordTable : public jhashNoCaseStringTable {
public:
    jhashKeywordTable() : jhashNoCaseStringTable(keywordCount) {}

    const gkeyword* find(const gstrSlice& text) const
    {
        return static_cast<const gkeyword*>(jhashNoCaseStringTable::find(text));
    }
};

// The one keyword table, built on first use and kept to the end of the run.
const jhashKeywordTable& keywordTable();

// A string item (gstr::parse) naming a keyword, in any letter case: the
// string item's result (1 or 2) with the token, or 0 when the item does not
// parse or names no keyword.
int parseKeywordItem(const char* text, int& token);
int parseKeywordItem(const char* text, int& token, const char*& next);
