#pragma once

class jhashDatabaseTable;

// Kinds of the tokens of one line of SCL text.
namespace sclToken {
constexpr int unknown = 0;          // unknown text, or a word the language does not accept
constexpr int endOfLine = 1;        // empty token
constexpr int blanks = 2;           // a run of blanks and tabs
constexpr int punctuation = 3;      // one of ( ) , : ; [ ]
constexpr int backslash = 4;
constexpr int lineNumber = 5;
constexpr int string = 6;           // a string literal
constexpr int number = 7;
constexpr int stringVariable = 8;   // name ending in '$'
constexpr int booleanVariable = 9;  // name ending in '%'
constexpr int numericalVariable = 10;
constexpr int constant = 11;        // the reserved words' kinds follow
constexpr int systemVariable = 12;
constexpr int resultVariable = 13;
constexpr int operatorToken = 14;   // symbols or a word operator
constexpr int statement = 15;
constexpr int function = 16;
constexpr int remark = 17;          // "REM" and the rest of the line
constexpr int objectName = 18;      // a string literal whose text is the tag of a station object
} // namespace sclToken

// Reads one token of a NUL-terminated line of SCL text from the cursor,
// moves the cursor to the end of the token and answers its kind. The editor
// only colours SCL; nothing here parses or checks a program.
//
// lineNumberMode: the token is the first of its line that is not blanks, so
// digits make a line number. driverMode: the line belongs to a device
// driver's program, whose string literals name the objects of the driver
// being edited (the current-driver context); otherwise they name the
// station's objects.
//
// Every token but the end of the line moves the cursor, except a '.' in
// line-number mode, which is an empty line number.
int gsclScanToken(const char*& cursor, bool lineNumberMode, bool driverMode);

// The current-driver context: the command, data-object and program tables
// of the G2 driver being edited, each may be null. The Edit Device Driver
// dialog sets its working tables when it is made and clears them when it
// goes. Every window, the driver program editor's included, runs on the
// main thread, so the context is a plain setting that needs no lock.
void setSclDriverContext(const jhashDatabaseTable* commands, const jhashDatabaseTable* dataObjects,
                         const jhashDatabaseTable* programs);
void clearSclDriverContext();
