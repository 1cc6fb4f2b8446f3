#pragma once

// The token of every station-file keyword by name, for code that compares
// tokens: `case kw::TITLE:`. The token is the keyword's place in the keyword
// table (store/keywordList.h), which the file format fixes.
//
// Naming rule, from the keyword's text:
//   - the six comparison symbols are named EQ "=", GT ">", GE ">=", LT "<",
//     LE "<=" and NE "<>";
//   - otherwise letters, digits and '_' are kept and every run of other
//     characters (blank, '-', '/', '+', parentheses) becomes one '_'; a '_'
//     left at the end is dropped: "CR+LF" is CR_LF, "READ-ONLY" READ_ONLY;
//   - a text that holds a blank (such texts only ever stand as values) takes
//     the prefix V_, which keeps it apart from its twin with '_': "SET DELAY"
//     is V_SET_DELAY, "SET_DELAY" is SET_DELAY, "16 BITS (LO-HI)" is
//     V_16_BITS_LO_HI;
//   - a name that would still start with a digit takes the prefix K_: "0" is
//     K_0, "3D_RECT" K_3D_RECT.
namespace kw {
#define KORVEL_KEYWORD(token, name, text) constexpr int name = token;
#include "store/keywordList.h"
#undef KORVEL_KEYWORD
} // namespace kw

constexpr int keywordCount = 483;
