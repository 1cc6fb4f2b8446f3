#include "sourceedit/CSourceTokenizer.h"

#include "foundation/charClasses.h"
#include "sourceedit/CSourceDoc.h"

#include <cstring>

namespace {

bool isWordStart(char c) { return charClass::isAlpha(c) || c == '_'; }
bool isWordChar(char c) { return charClass::isAlnum(c) || c == '_'; }

} // namespace

CSourceTokenizer::CSourceTokenizer() = default;
CSourceTokenizer::~CSourceTokenizer() = default;

CSourceTokenizer& defaultSourceTokenizer()
{
    static CSourceTokenizer tokenizer;
    return tokenizer;
}

void CSourceTokenizer::beginLine(CSourceDoc& doc, int32_t lineIndex)
{
    document = &doc;
    line = lineIndex;
    state = lineIndex <= 0 ? 0 : static_cast<uint16_t>(doc.getLineWord(lineIndex - 1) & 0xFF);
    lineStart = doc.lineText(lineIndex);
    lineEnd = lineStart + doc.getLineLength(lineIndex);
    position = lineStart;
    tokenLength = 0;
}

int CSourceTokenizer::isKeyword(const char*, int32_t) { return 0; }

bool CSourceTokenizer::beginsHere(const gstr& opener) const
{
    if (opener.isEmpty())
        return false;
    if (lineEnd - position < opener.length())
        return false;
    return std::memcmp(position, opener.data(), static_cast<size_t>(opener.length())) == 0;
}

bool CSourceTokenizer::atCommentOpener() const { return beginsHere(blockCommentOpen) || beginsHere(lineCommentOpen); }

void CSourceTokenizer::skipWhile(bool (*accept)(char))
{
    while (position < lineEnd && accept(*position))
        ++position;
}

// Over a backslash and the character it escapes.
void CSourceTokenizer::skipEscaped()
{
    ++position;
    if (position < lineEnd)
        ++position;
}

int CSourceTokenizer::nextToken(int32_t& start, int32_t& length)
{
    if (!position || position >= lineEnd)
        return endOfLine;
    const char* begin = position;
    int result;
    // A string continued from the line before is not a place for openers.
    if (!(state & (inBlockComment | inString)) && beginsHere(blockCommentOpen)) {
        state |= inBlockComment;
        position += blockCommentOpen.length();
    }
    if (state & inBlockComment) {
        result = scanBlockComment();
    } else if (quoteChar != 0 && !(state & inString) && *position == quoteChar) {
        ++position;
        state |= inString;
        result = scanString();
    } else if (state & inString) {
        result = scanString();
    } else if (beginsHere(lineCommentOpen)) {
        position = lineEnd;
        result = comment;
    } else if ((scanOptions & directives) && (*position == '#' || (state & inDirective))) {
        result = scanDirective();
    } else if (charClass::isWhite(*position)) {
        skipWhile(charClass::isWhite);
        result = blanks;
    } else if (isWordStart(*position)) {
        skipWhile(isWordChar);
        result = isKeyword(begin, static_cast<int32_t>(position - begin)) ? keyword : identifier;
    } else if (charClass::isDigit(*position)) {
        result = scanNumber();
    } else if (*position == '\'' && (scanOptions & charLiterals) && position + 1 < lineEnd) {
        result = scanCharLiteral();
    } else {
        ++position;
        result = other;
    }
    start = static_cast<int32_t>(begin - lineStart);
    length = tokenLength = static_cast<int32_t>(position - begin);
    return result;
}

int CSourceTokenizer::scanBlockComment()
{
    const gstr& close = blockCommentClose;
    while (position < lineEnd) {
        if (beginsHere(close)) {
            position += close.length();
            state &= static_cast<uint16_t>(~inBlockComment);
            return comment;
        }
        ++position;
    }
    return comment;
}

int CSourceTokenizer::scanString()
{
    while (position < lineEnd) {
        if ((scanOptions & escapes) && *position == '\\') {
            skipEscaped();
            continue;
        }
        if (*position++ == quoteChar) {
            state &= static_cast<uint16_t>(~inString);
            return string;
        }
    }
    return string;
}

// From the '#' (or the start of a continued line) to a comment opener or the
// line's end; strings inside belong to the directive.
int CSourceTokenizer::scanDirective()
{
    if (!(state & inDirective) && !(state & (inBlockComment | inString)))
        state |= inDirective;
    do {
        if ((state & inString) && (scanOptions & escapes) && *position == '\\') {
            skipEscaped();
            continue;
        }
        if (quoteChar != 0 && *position == quoteChar)
            state ^= inString;
        ++position;
    } while (position < lineEnd && ((state & inString) || !atCommentOpener()));
    return directive;
}

int CSourceTokenizer::scanNumber()
{
    skipWhile(charClass::isDigit);
    bool extended = (scanOptions & extendedNumbers) != 0;
    if (position < lineEnd && *position == '.') {
        ++position;
        skipWhile(charClass::isDigit);
        if (!extended)
            return real;
        if (position < lineEnd && (*position == 'e' || *position == 'E')) {
            const char* digits = position + 1;
            if (digits < lineEnd && (*digits == '+' || *digits == '-'))
                ++digits;
            if (digits < lineEnd && charClass::isDigit(*digits)) {
                position = digits;
                skipWhile(charClass::isDigit);
            }
        }
        if (position < lineEnd && std::strchr("FLfl", *position) && *position != 0)
            ++position;
        return real;
    }
    if (!extended || position >= lineEnd)
        return integer;
    if (std::strchr("LUlu", *position) && *position != 0) {
        ++position;
    } else if (*position == 'x' && position + 1 < lineEnd && charClass::isDigit(position[1])) {
        ++position;
        skipWhile(charClass::isDigit);
    }
    return integer;
}

int CSourceTokenizer::scanCharLiteral()
{
    const void* close = std::memchr(position + 1, '\'', static_cast<size_t>(lineEnd - position - 1));
    if (!close) {
        ++position;
        return other;
    }
    position = static_cast<const char*>(close) + 1;
    return charLiteral;
}

int CSourceTokenizer::endLine()
{
    CSourceDoc* doc = document;
    document = nullptr;
    if (!doc)
        return 0;
    bool continued = false;
    if (scanOptions & continueLines) {
        const char* last = lineEnd;
        while (last > lineStart && charClass::isWhite(last[-1]))
            --last;
        continued = last > lineStart && last[-1] == '\\';
    }
    if (!continued)
        state &= static_cast<uint16_t>(~(inString | inDirective));
    position = lineStart = lineEnd = nullptr;
    uint16_t word = doc->getLineWord(line);
    if ((word & 0xFF) == state)
        return 0;
    doc->setLineWord(line, static_cast<uint16_t>((word & 0x8000) | (state & 0x7FFF)));
    return 1;
}
