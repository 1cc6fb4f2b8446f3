#pragma once

#include "foundation/charClasses.h"
#include "foundation/gstr.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

// A set of byte values, one bit each.
class gregexpByteSet {
public:
    bool contains(unsigned char b) const { return (words_[b >> 6] >> (b & 63)) & 1; }
    void add(unsigned char b) { words_[b >> 6] |= uint64_t{1} << (b & 63); }
    void add(const gregexpByteSet& other)
    {
        for (size_t i = 0; i < words_.size(); ++i)
            words_[i] |= other.words_[i];
    }
    void invert()
    {
        for (uint64_t& word : words_)
            word = ~word;
    }
    void clear() { words_ = {}; }

private:
    std::array<uint64_t, 4> words_{};
};

// How a pattern text is being read. Bare values end at a comma and read a
// backslash as a byte; quoted values end at the closing double quote and read
// escapes; raw texts (dialog fields) run to the end and read escapes.
struct gregexpSyntax {
    bool quoted = false;
    bool raw = false;
    bool bracesLiteral = false;
    // Groups open around the node being read.
    int depth = 0;

    bool bare() const { return !quoted && !raw; }
    bool escapes() const { return quoted || raw; }
    // Whether the byte ends the pattern text in this mode (the end of the
    // text always does).
    bool endsPattern(char c) const { return c == '\0' || (bare() && c == ',') || (quoted && c == '"'); }
    // Reads one source unit at cursor: a byte, or an escape where escapes are
    // read. False on a malformed escape.
    bool readUnit(const char*& cursor, char& byte) const;
};

// One compiled element of a pattern with its repeat counts. Nodes form chains
// through next; a node owns the rest of its chain. Chains can be long, so
// deleting and copying them walks the chain instead of recursing along it.
class gregexpNode {
public:
    static constexpr int32_t unbounded = 2147483647;
    enum class Kind : uint8_t { literal, charClass, set, group };

    gregexpNode(const gregexpNode&) = delete;
    gregexpNode& operator=(const gregexpNode&) = delete;
    virtual ~gregexpNode();

    // A deep copy of this node and the rest of its chain.
    std::unique_ptr<gregexpNode> clone() const;
    // The position after one repetition at pos, or null (always null at end).
    virtual const char* matchOne(const char* pos, const char* end) const = 0;
    // Reads the node (not its quantifier) at cursor; answers the cursor after
    // it and its unit length (the bytes one repetition takes at least), or
    // null on a syntax error.
    virtual const char* parse(const char* cursor, gregexpSyntax& syntax, int32_t& unitLength) = 0;
    // Whether a bare value could not carry the node. isFirst: the node opens
    // the pattern (a bare reader skips leading blanks and takes a leading '"'
    // for a quote); isLastAlternative: the node's chain is the pattern's last
    // alternative, so the node may end the value (trailing blanks are lost).
    virtual bool needsQuotes(bool isFirst, bool isLastAlternative) const = 0;
    // Appends the node's source text (without its quantifier); escaped is the
    // form read back in quoted and raw mode, raw leaves double quotes plain.
    virtual void print(gstr& out, bool escaped, bool raw) const = 0;
    // Adds the bytes a repetition of the node can start with.
    virtual void addFirstBytes(gregexpByteSet& set) const = 0;

    Kind kind() const { return kind_; }
    int32_t minRepeat() const { return minRepeat_; }
    int32_t maxRepeat() const { return maxRepeat_; }
    const gregexpNode* next() const { return next_.get(); }
    // Compares the node's own contents and counts, not the rest of its chain.
    bool sameNode(const gregexpNode& other) const;

    // Reads an optional quantifier at cursor into the repeat counts; answers
    // the cursor after it, or null when it is malformed.
    const char* parseQuantifier(const char* cursor, const gregexpSyntax& syntax);
    void printQuantifier(gstr& out) const;
    void setNext(std::unique_ptr<gregexpNode> next) { next_ = std::move(next); }

protected:
    explicit gregexpNode(Kind kind) : kind_(kind) {}
    // Copies the kind and counts, never the chain (see clone).
    gregexpNode(const gregexpNode& other, int) : kind_(other.kind_), minRepeat_(other.minRepeat_), maxRepeat_(other.maxRepeat_) {}
    // A copy of this node alone, without the rest of the chain.
    virtual std::unique_ptr<gregexpNode> copyNode() const = 0;
    virtual bool sameContents(const gregexpNode& other) const = 0;

private:
    Kind kind_;
    int32_t minRepeat_ = 1;
    int32_t maxRepeat_ = 1;
    std::unique_ptr<gregexpNode> next_;
};

// A run of bytes matched exactly. Each primitive node offers matchHere,
// matchOne without the virtual call, for the matcher's inner loop.
class gregexpLiteralNode final : public gregexpNode {
public:
    gregexpLiteralNode() : gregexpNode(Kind::literal) {}
    const char* matchOne(const char* pos, const char* end) const override { return matchHere(pos, end); }
    const char* matchHere(const char* pos, const char* end) const
    {
        int32_t n = text_.length();
        if (end - pos < n || *pos != text_[0] || std::memcmp(pos + 1, text_.data() + 1, static_cast<size_t>(n - 1)) != 0)
            return nullptr;
        return pos + n;
    }
    const char* parse(const char* cursor, gregexpSyntax& syntax, int32_t& unitLength) override;
    bool needsQuotes(bool isFirst, bool isLastAlternative) const override;
    void print(gstr& out, bool escaped, bool raw) const override;
    void addFirstBytes(gregexpByteSet& set) const override { set.add(static_cast<unsigned char>(text_[0])); }
    const gstr& text() const { return text_; }

private:
    gregexpLiteralNode(const gregexpLiteralNode& other) : gregexpNode(other, 0), text_(other.text_) {}
    std::unique_ptr<gregexpNode> copyNode() const override;
    bool sameContents(const gregexpNode& other) const override;

    gstr text_;
};

// One byte of a character class: . ~ @ # $ % & (codes 0 to 6).
class gregexpClassNode final : public gregexpNode {
public:
    static constexpr char classChars[] = ".~@#$%&";

    gregexpClassNode() : gregexpNode(Kind::charClass) {}
    const char* matchOne(const char* pos, const char* end) const override { return matchHere(pos, end); }
    const char* matchHere(const char* pos, const char* end) const
    {
        return pos < end && matches(static_cast<unsigned char>(*pos)) ? pos + 1 : nullptr;
    }
    const char* parse(const char* cursor, gregexpSyntax& syntax, int32_t& unitLength) override;
    bool needsQuotes(bool isFirst, bool isLastAlternative) const override;
    void print(gstr& out, bool escaped, bool raw) const override;
    void addFirstBytes(gregexpByteSet& set) const override;
    int classCode() const { return code_; }
    bool matches(unsigned char byte) const { return (classMasks[byte] >> code_) & 1; }
    // The code of a class character, or -1.
    static int codeOf(char c);

private:
    gregexpClassNode(const gregexpClassNode& other) : gregexpNode(other, 0), code_(other.code_) {}
    std::unique_ptr<gregexpNode> copyNode() const override;
    bool sameContents(const gregexpNode& other) const override;
    // Bit c of entry b tells whether byte b belongs to class c.
    static constexpr std::array<uint8_t, 256> classMasks = [] {
        std::array<uint8_t, 256> masks{};
        for (int b = 0; b < 256; ++b) {
            auto c = static_cast<char>(b);
            masks[static_cast<size_t>(b)] = static_cast<uint8_t>(1 | charClass::isPrintable(c) << 1
                | charClass::isAlpha(c) << 2 | charClass::isDigit(c) << 3 | charClass::isHexDigit(c) << 4
                | (c == '0' || c == '1') << 5 | charClass::isAlnum(c) << 6);
        }
        return masks;
    }();

    int code_ = 0;
};

// One byte of a bracketed set. The entries are kept as written: byte 1 and a
// character, or byte 2 and the two bounds of a range; a bitmap of the bytes
// they cover serves the matcher.
class gregexpSetNode final : public gregexpNode {
public:
    static constexpr char singleEntry = 1;
    static constexpr char rangeEntry = 2;

    gregexpSetNode() : gregexpNode(Kind::set) {}
    const char* matchOne(const char* pos, const char* end) const override { return matchHere(pos, end); }
    const char* matchHere(const char* pos, const char* end) const
    {
        return pos < end && matches(static_cast<unsigned char>(*pos)) ? pos + 1 : nullptr;
    }
    const char* parse(const char* cursor, gregexpSyntax& syntax, int32_t& unitLength) override;
    bool needsQuotes(bool isFirst, bool isLastAlternative) const override;
    void print(gstr& out, bool escaped, bool raw) const override;
    void addFirstBytes(gregexpByteSet& set) const override { set.add(bytes_); }
    bool matches(unsigned char byte) const { return bytes_.contains(byte); }
    const gstr& entries() const { return entries_; }
    bool negated() const { return negated_; }

private:
    gregexpSetNode(const gregexpSetNode& other)
        : gregexpNode(other, 0), entries_(other.entries_), negated_(other.negated_), bytes_(other.bytes_) {}
    std::unique_ptr<gregexpNode> copyNode() const override;
    bool sameContents(const gregexpNode& other) const override;
    struct Entry {
        char lower;
        char upper;
        bool range;
    };
    void addEntry(std::string& entries, const Entry& entry);
    // Calls visit(entry, isFirst, isLast) for each entry in order.
    template <class Visit>
    void forEachEntry(Visit visit) const;
    // Whether a bound would be read back differently when written as it is.
    bool lowerIsSpecial(const Entry& entry, bool isFirst, bool isLast) const;
    static bool upperIsSpecial(const Entry& entry) { return entry.range && entry.upper == ']'; }

    gstr entries_;
    bool negated_ = false;
    gregexpByteSet bytes_;
};
