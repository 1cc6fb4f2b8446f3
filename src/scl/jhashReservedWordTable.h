#pragma once

#include "foundation/jhashTable.h"

// Kinds of SCL reserved words; the number is the token kind the scanner
// gives the word.
namespace sclWordKind {
constexpr int illegal = 0; // reserved, but the language does not accept it
constexpr int constant = 11;
constexpr int systemVariable = 12;
constexpr int resultVariable = 13;
constexpr int wordOperator = 14;
constexpr int statement = 15;
constexpr int function = 16;
} // namespace sclWordKind

// One reserved word of SCL: its text, suffix ('$', '%', '#') included, and
// its kind.
class gsclWord : public jhashKeyedObject {
public:
    gsclWord(const char* text, int kind) noexcept : text_(text), kind_(kind) {}

    gstrSlice getKey() const override { return text_; }
    const gstrSlice& getText() const noexcept { return text_; }
    int getKind() const noexcept { return kind_; }

private:
    gstrSlice text_;
    int kind_;
};

// The SCL reserved words, looked up ignoring letter case. The scanner that
// colours SCL text is its only user. "REM" is not a word of the table: the
// scanner knows it first.
class jhashReservedWordTable : public jhashNoCaseStringTable {
public:
    // Every word, each once, in 30 buckets.
    jhashReservedWordTable();
    ~jhashReservedWordTable() override;

    const gsclWord* find(const gstrSlice& text) const
    {
        return static_cast<const gsclWord*>(jhashNoCaseStringTable::find(text));
    }
};

// The one table, built on first use and never changed afterwards.
const jhashReservedWordTable& sclReservedWords();
