#include "scl/gsclTokenizer.h"

#include "scl/sclTokenScanner.h"
#include "sourceedit/CSourceDoc.h"

#include <iterator>

namespace {

// By token kind, 0 to 18.
constexpr int colourOfKind[] = {
    sclColour::illegal,          sclColour::endOfLine,        sclColour::blanks,
    sclColour::punctuation,      sclColour::punctuation,      sclColour::lineNumbers,
    sclColour::strings,          sclColour::numbers,          sclColour::stringVariables,
    sclColour::booleanVariables, sclColour::numericalVariables, sclColour::constants,
    sclColour::systemVariables,  sclColour::resultVariables,  sclColour::operators,
    sclColour::statements,       sclColour::functions,        sclColour::remarks,
    sclColour::objectNames,
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

int sclColourClass(int tokenKind)
{
    if (tokenKind < 0 || tokenKind >= static_cast<int>(std::size(colourOfKind)))
        return sclColour::illegal;
    return colourOfKind[tokenKind];
}

void gsclTokenizer::beginLine(CSourceDoc& doc, int32_t lineIndex)
{
    document = &doc;
    line = lineIndex;
    int32_t length = doc.getLineLength(lineIndex);
    text_.assign(doc.lineText(lineIndex), length > 0 ? length : 0);
    lineStart = position = text_.data();
    lineEnd = text_.end();
    lineNumberMode_ = true;
    afterBackslash_ = false;
}

int gsclTokenizer::nextToken(int32_t& start, int32_t& length)
{
    const char* from = position;
    start = static_cast<int32_t>(from - lineStart);
    int colour = 0;
    if (afterBackslash_) {
        colour = afterBackslash();
    } else {
        int kind = gsclScanToken(position, lineNumberMode_, driverMode_ != 0);
        if (kind != sclToken::blanks)
            lineNumberMode_ = false;
        if (kind == sclToken::backslash)
            afterBackslash_ = true;
        colour = sclColourClass(kind);
    }
    length = static_cast<int32_t>(position - from);
    return colour;
}

int gsclTokenizer::afterBackslash()
{
    if (*position == '\0')
        return sclColour::endOfLine;
    bool blanks = isBlank(*position);
    while (*position && isBlank(*position) == blanks)
        ++position;
    return blanks ? sclColour::blanks : sclColour::illegal;
}

int gsclTokenizer::endLine()
{
    document = nullptr;
    return 0;
}

gsclTokenizer& sclStationTokenizer()
{
    static gsclTokenizer tokenizer(0);
    return tokenizer;
}

gsclTokenizer& sclDriverTokenizer()
{
    static gsclTokenizer tokenizer(1);
    return tokenizer;
}
