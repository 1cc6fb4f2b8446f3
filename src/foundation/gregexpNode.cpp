#include "foundation/gregexpNode.h"

#include "foundation/charClasses.h"
#include "foundation/valueParsers.h"

#include <charconv>
#include <cstring>
#include <string>

namespace {

// Bytes that end a literal: the operators and class characters. The comma
// and the double quote end one only where they end the pattern, and the
// opening brace only where braces are quantifiers.
constexpr bool isOperator(char c)
{
    switch (c) {
    case '#': case '$': case '%': case '&': case '(': case ')': case '*': case '+':
    case '.': case '?': case '@': case '[': case '|': case '~':
        return true;
    default:
        return false;
    }
}

bool endsLiteral(char c, const gregexpSyntax& syntax)
{
    return syntax.endsPattern(c) || isOperator(c) || (c == '{' && !syntax.bracesLiteral);
}

bool isQuantifier(char c, const gregexpSyntax& syntax)
{
    return c == '*' || c == '+' || c == '?' || (c == '{' && !syntax.bracesLiteral);
}

// Bytes a literal may hold only in the escaped form (the comma only needs the
// quotes, since a quoted pattern reads it as a plain byte).
constexpr bool isLiteralSpecial(char c) { return isOperator(c) || c == '{'; }

// The escaped form writes the byte as an escape when a reader would otherwise
// take it for syntax.
void appendByte(gstr& out, char c, bool special, bool escaped, bool raw)
{
    if (escaped && (special || c == '\\' || (c == '"' && !raw) || !charClass::isPrintable(c))) {
        out.appendEscaped(c);
        return;
    }
    out.append(c);
}

// A repeat count of a brace quantifier: decimal digits below 2147483647.
const char* parseCount(const char* p, int32_t& count)
{
    if (!charClass::isDigit(*p))
        return nullptr;
    int64_t value = 0;
    for (; charClass::isDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value >= gregexpNode::unbounded)
            return nullptr;
    }
    count = static_cast<int32_t>(value);
    return p;
}

void appendNumber(gstr& out, int32_t n)
{
    char digits[12];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, n);
    (void)ec;
    out.append(digits, static_cast<int32_t>(end - digits));
}

} // namespace

bool gregexpSyntax::readUnit(const char*& cursor, char& byte) const
{
    if (escapes() && *cursor == '\\')
        return parseEscape(cursor, byte) == 1;
    byte = *cursor++;
    return true;
}

gregexpNode::~gregexpNode()
{
    // Unlink the chain node by node so that a long chain never recurses.
    std::unique_ptr<gregexpNode> rest = std::move(next_);
    while (rest)
        rest = std::move(rest->next_);
}

std::unique_ptr<gregexpNode> gregexpNode::clone() const
{
    std::unique_ptr<gregexpNode> head = copyNode();
    gregexpNode* tail = head.get();
    for (const gregexpNode* node = next(); node; node = node->next()) {
        tail->next_ = node->copyNode();
        tail = tail->next_.get();
    }
    return head;
}

bool gregexpNode::sameNode(const gregexpNode& other) const
{
    return kind_ == other.kind_ && minRepeat_ == other.minRepeat_ && maxRepeat_ == other.maxRepeat_
        && sameContents(other);
}

const char* gregexpNode::parseQuantifier(const char* cursor, const gregexpSyntax& syntax)
{
    switch (*cursor) {
    case '*':
        minRepeat_ = 0;
        maxRepeat_ = unbounded;
        return cursor + 1;
    case '+':
        maxRepeat_ = unbounded;
        return cursor + 1;
    case '?':
        minRepeat_ = 0;
        return cursor + 1;
    case '{':
        break;
    default:
        return cursor;
    }
    if (syntax.bracesLiteral)
        return cursor;
    int32_t low = 0;
    int32_t high = 0;
    const char* p = parseCount(cursor + 1, low);
    if (!p)
        return nullptr;
    if (*p == '}') {
        high = low;
    } else if (*p == ',' && p[1] == '}') {
        high = unbounded;
        ++p;
    } else if (*p == ',') {
        p = parseCount(p + 1, high);
        if (!p || *p != '}')
            return nullptr;
    } else {
        return nullptr;
    }
    // {0}, {1}, {0,1} and {1,1} say nothing a plain node or '?' does not.
    if (high < 2 || low > high)
        return nullptr;
    minRepeat_ = low;
    maxRepeat_ = high;
    return p + 1;
}

void gregexpNode::printQuantifier(gstr& out) const
{
    if (maxRepeat_ == unbounded) {
        if (minRepeat_ == 0) {
            out.append('*');
        } else if (minRepeat_ == 1) {
            out.append('+');
        } else {
            out.append('{');
            appendNumber(out, minRepeat_);
            out.append(",}");
        }
        return;
    }
    if (maxRepeat_ == 1) {
        if (minRepeat_ == 0)
            out.append('?');
        return;
    }
    out.append('{');
    appendNumber(out, minRepeat_);
    if (maxRepeat_ != minRepeat_) {
        out.append(',');
        appendNumber(out, maxRepeat_);
    }
    out.append('}');
}

// --- literal ---------------------------------------------------------------

const char* gregexpLiteralNode::parse(const char* cursor, gregexpSyntax& syntax, int32_t& unitLength)
{
    std::string bytes;
    char byte = 0;
    const char* p = cursor;
    if (!syntax.readUnit(p, byte))
        return nullptr;
    bytes.push_back(byte);
    // Further bytes join until an operator; a byte with a quantifier behind it
    // starts a literal of its own so that the quantifier applies to it alone.
    while (!endsLiteral(*p, syntax)) {
        const char* after = p;
        if (!syntax.readUnit(after, byte))
            return nullptr;
        if (isQuantifier(*after, syntax))
            break;
        bytes.push_back(byte);
        p = after;
    }
    // A bare value loses its trailing blanks, as every bare item does.
    if (syntax.bare() && syntax.endsPattern(*p)) {
        while (!bytes.empty() && charClass::isWhite(bytes.back()))
            bytes.pop_back();
    }
    text_.assign(bytes.data(), static_cast<int32_t>(bytes.size()));
    unitLength = text_.length();
    return p;
}

bool gregexpLiteralNode::needsQuotes(bool isFirst, bool isLastAlternative) const
{
    for (int32_t i = 0; i < text_.length(); ++i) {
        char c = text_[i];
        if (isLiteralSpecial(c) || c == ',' || !charClass::isPrintable(c))
            return true;
    }
    if (text_.isEmpty())
        return false;
    if (isFirst && (text_[0] == ' ' || text_[0] == '"'))
        return true;
    return isLastAlternative && !next() && text_[text_.length() - 1] == ' ';
}

void gregexpLiteralNode::print(gstr& out, bool escaped, bool raw) const
{
    if (!escaped) {
        out.append(text_);
        return;
    }
    for (int32_t i = 0; i < text_.length(); ++i)
        appendByte(out, text_[i], isLiteralSpecial(text_[i]), true, raw);
}

std::unique_ptr<gregexpNode> gregexpLiteralNode::copyNode() const
{
    return std::unique_ptr<gregexpNode>(new gregexpLiteralNode(*this));
}

bool gregexpLiteralNode::sameContents(const gregexpNode& other) const
{
    return text_ == static_cast<const gregexpLiteralNode&>(other).text_;
}

// --- class -----------------------------------------------------------------

int gregexpClassNode::codeOf(char c)
{
    const char* found = c ? std::strchr(classChars, c) : nullptr;
    return found ? static_cast<int>(found - classChars) : -1;
}

const char* gregexpClassNode::parse(const char* cursor, gregexpSyntax&, int32_t& unitLength)
{
    code_ = codeOf(*cursor);
    if (code_ < 0)
        return nullptr;
    unitLength = 1;
    return cursor + 1;
}

bool gregexpClassNode::needsQuotes(bool, bool) const { return false; }

void gregexpClassNode::addFirstBytes(gregexpByteSet& set) const
{
    for (int b = 0; b < 256; ++b) {
        if (matches(static_cast<unsigned char>(b)))
            set.add(static_cast<unsigned char>(b));
    }
}

void gregexpClassNode::print(gstr& out, bool, bool) const { out.append(classChars[code_]); }

std::unique_ptr<gregexpNode> gregexpClassNode::copyNode() const
{
    return std::unique_ptr<gregexpNode>(new gregexpClassNode(*this));
}

bool gregexpClassNode::sameContents(const gregexpNode& other) const
{
    return code_ == static_cast<const gregexpClassNode&>(other).code_;
}

// --- set -------------------------------------------------------------------

const char* gregexpSetNode::parse(const char* cursor, gregexpSyntax& syntax, int32_t& unitLength)
{
    const char* p = cursor + 1;
    negated_ = *p == '^';
    if (negated_)
        ++p;
    std::string entries;
    bytes_.clear();
    // One entry: a byte, or a range whose bounds must rise (a-c-e is a to e).
    auto readBound = [&](char& bound) {
        if (*p == '\0' || (syntax.bare() && *p == ',') || (syntax.quoted && *p == '"'))
            return false;
        return syntax.readUnit(p, bound);
    };
    for (bool first = true; first || *p != ']'; first = false) {
        Entry entry{0, 0, false};
        if (!readBound(entry.lower))
            return nullptr;
        entry.upper = entry.lower;
        while (*p == '-' && p[1] != ']') {
            ++p;
            char upper = 0;
            if (!readBound(upper) || static_cast<unsigned char>(upper) <= static_cast<unsigned char>(entry.upper))
                return nullptr;
            entry.upper = upper;
            entry.range = true;
        }
        addEntry(entries, entry);
    }
    entries_.assign(entries.data(), static_cast<int32_t>(entries.size()));
    if (negated_)
        bytes_.invert();
    unitLength = 1;
    return p + 1;
}

void gregexpSetNode::addEntry(std::string& entries, const Entry& entry)
{
    entries += entry.range ? rangeEntry : singleEntry;
    entries += entry.lower;
    if (entry.range)
        entries += entry.upper;
    for (unsigned b = static_cast<unsigned char>(entry.lower); b <= static_cast<unsigned char>(entry.upper); ++b)
        bytes_.add(static_cast<unsigned char>(b));
}

template <class Visit>
void gregexpSetNode::forEachEntry(Visit visit) const
{
    int32_t i = 0;
    while (i < entries_.length()) {
        int32_t start = i;
        bool range = entries_[i] == rangeEntry;
        Entry entry{entries_[i + 1], range ? entries_[i + 2] : entries_[i + 1], range};
        i += range ? 3 : 2;
        visit(entry, start == 0, i >= entries_.length());
    }
}

bool gregexpSetNode::lowerIsSpecial(const Entry& entry, bool isFirst, bool isLast) const
{
    switch (entry.lower) {
    case ']':
        return !isFirst;
    case '^':
        return isFirst && !negated_;
    case '-':
        return !isFirst && (entry.range || !isLast);
    default:
        return false;
    }
}

bool gregexpSetNode::needsQuotes(bool, bool) const
{
    bool needs = false;
    forEachEntry([&](const Entry& entry, bool isFirst, bool isLast) {
        for (char c : {entry.lower, entry.upper}) {
            if (c == ',' || !charClass::isPrintable(c))
                needs = true;
        }
        if (lowerIsSpecial(entry, isFirst, isLast) || upperIsSpecial(entry))
            needs = true;
    });
    return needs;
}

void gregexpSetNode::print(gstr& out, bool escaped, bool raw) const
{
    out.append(negated_ ? "[^" : "[");
    forEachEntry([&](const Entry& entry, bool isFirst, bool isLast) {
        appendByte(out, entry.lower, lowerIsSpecial(entry, isFirst, isLast), escaped, raw);
        if (!entry.range)
            return;
        out.append('-');
        appendByte(out, entry.upper, upperIsSpecial(entry), escaped, raw);
    });
    out.append(']');
}

std::unique_ptr<gregexpNode> gregexpSetNode::copyNode() const
{
    return std::unique_ptr<gregexpNode>(new gregexpSetNode(*this));
}

bool gregexpSetNode::sameContents(const gregexpNode& other) const
{
    const auto& set = static_cast<const gregexpSetNode&>(other);
    return negated_ == set.negated_ && entries_ == set.entries_;
}
