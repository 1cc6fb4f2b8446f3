#pragma once

#include "foundation/gregexpNode.h"

#include <memory>
#include <vector>

// Alternatives separated by '|': the top level of a pattern, or a group in
// parentheses inside a chain. One repetition of a group is the match of its
// first alternative that matches on its own (shortest first, nothing after
// it); backtracking never re-enters it.
class gregexpNodeList final : public gregexpNode {
public:
    // Groups may nest this deep. Compiling, printing and matching recurse once
    // per level, and the matcher's tables keep a few rows per level.
    static constexpr int maxDepth = 32;
    // No alternative may need more bytes than this; sums beyond it could not
    // be counted in the signed 32-bit minimum length.
    static constexpr int32_t maxMinLength = 2147483646;

    gregexpNodeList() : gregexpNode(Kind::group) {}

    const char* matchOne(const char* pos, const char* end) const override;
    // Reads a group: '(' alternatives ')'.
    const char* parse(const char* cursor, gregexpSyntax& syntax, int32_t& unitLength) override;
    bool needsQuotes(bool isFirst, bool isLastAlternative) const override;
    void print(gstr& out, bool escaped, bool raw) const override;
    void addFirstBytes(gregexpByteSet& set) const override { set.add(firstBytes_); }

    // Compiles alternatives from cursor up to the byte that ends them (not
    // consumed): the end of the text, ')', or the end of a bare or quoted
    // pattern. An alternative that can match nothing fails unless
    // allowZeroLength. Answers null on a syntax error.
    const char* parseAlternatives(const char* cursor, gregexpSyntax& syntax, bool allowZeroLength);
    // Whether any node asks for the quoted form; the top level passes the
    // positions that matter to a bare reader.
    bool alternativesNeedQuotes(bool topLevel) const;
    void printAlternatives(gstr& out, bool escaped, bool raw) const;

    const std::vector<std::unique_ptr<gregexpNode>>& alternatives() const { return alternatives_; }
    // The fewest bytes any alternative matches.
    int32_t minLength() const { return minLength_; }
    // The nodes of all chains, nested ones included.
    int32_t nodeCount() const { return nodeCount_; }
    // The bytes a match can start with; every byte when a match can be empty.
    const gregexpByteSet& firstBytes() const { return firstBytes_; }
    void clearAlternatives();
    void takeAlternatives(gregexpNodeList& other);
    void copyAlternatives(const gregexpNodeList& other);
    bool sameAlternatives(const gregexpNodeList& other) const;

private:
    gregexpNodeList(const gregexpNodeList& other, int) : gregexpNode(other, 0) {}
    std::unique_ptr<gregexpNode> copyNode() const override;
    bool sameContents(const gregexpNode& other) const override;
    // Compiles one chain; answers its head, minimum length and node count.
    static const char* parseChain(const char* cursor, gregexpSyntax& syntax, std::unique_ptr<gregexpNode>& head,
                                  int64_t& minLength, int32_t& nodeCount);
    static std::unique_ptr<gregexpNode> makeNode(char c, const gregexpSyntax& syntax);
    void findFirstBytes();

    std::vector<std::unique_ptr<gregexpNode>> alternatives_;
    int32_t minLength_ = 0;
    int32_t nodeCount_ = 0;
    gregexpByteSet firstBytes_;
};
