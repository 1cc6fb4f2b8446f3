#pragma once

#include "batch/batchText.h"

class gsclProgramBody;

// Which parts of a program's code a replacement reaches.
struct gcodeScopes {
    bool literals = false;
    bool remarks = false;
    bool allCode = false;
};

// Replaces the find text in the program's code: everywhere with allCode, else
// only inside string literals and REM remarks as chosen. The code is not
// parsed: a light scan finds statements (they start at the start of the code,
// after a CR and after ':'), remarks (REM right at a statement's start) and
// literals (from a double quote to the next one or to the end of the line).
// Stores the changed code; answers the number of replacements.
int replaceInProgramCode(gsclProgramBody& body, const gbatchFind& find, const gcodeScopes& scopes);
// The same on a code text.
int replaceInCodeText(gstr& code, const gbatchFind& find, const gcodeScopes& scopes);
