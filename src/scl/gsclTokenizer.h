#pragma once

#include "foundation/gstr.h"
#include "sourceedit/CSourceTokenizer.h"

#include <cstdint>

// Colour classes of SCL text: indices into the SCL colour table. Classes 0
// to 31 are the source editor's; 32 to 41 are SCL's own.
namespace sclColour {
constexpr int endOfLine = 0;
constexpr int blanks = 1;
constexpr int numbers = 4;
constexpr int punctuation = 5; // and backslashes
constexpr int strings = 6;
constexpr int remarks = 7;
constexpr int lineNumbers = 8;
constexpr int constants = 10;
constexpr int illegal = 32;
constexpr int stringVariables = 33;
constexpr int booleanVariables = 34;
constexpr int numericalVariables = 35;
constexpr int systemVariables = 36;
constexpr int resultVariables = 37;
constexpr int operators = 38;
constexpr int statements = 39;
constexpr int functions = 40;
constexpr int objectNames = 41;
constexpr int count = 42;
} // namespace sclColour

// The colour class of a token kind of the SCL token scanner.
int sclColourClass(int tokenKind);

// Colours the lines of SCL documents token by token with the SCL token
// scanner. Nothing carries from one line to the next. After a backslash the
// rest of the line is not SCL: its words are illegal text.
class gsclTokenizer : public CSourceTokenizer {
public:
    // driverMode 1 for the programs of device drivers, 0 for the station's.
    explicit gsclTokenizer(int driverMode) : driverMode_(driverMode) {}

    void beginLine(CSourceDoc& document, int32_t line) override;
    int nextToken(int32_t& start, int32_t& length) override;
    // Always 0: no state is kept.
    int endLine() override;

private:
    int afterBackslash();

    // The line's text, ended by a NUL whatever the document holds.
    gstr text_;
    bool lineNumberMode_ = true;
    bool afterBackslash_ = false;
    const int driverMode_;
};

// The tokenizers of the station-program and the driver-program documents,
// each made on first use.
gsclTokenizer& sclStationTokenizer();
gsclTokenizer& sclDriverTokenizer();
