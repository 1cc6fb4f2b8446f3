#include "foundation/gregexpNodeList.h"

#include "foundation/gregexpSearch.h"

#include <algorithm>

const char* gregexpNodeList::matchOne(const char* pos, const char* end) const
{
    gregexpSequence sequence;
    sequence.reset(1);
    sequence.add(0, *this, minLength_);
    const char* bounds[2] = {nullptr, nullptr};
    if (!gregexpSearch::run(sequence, pos, static_cast<int32_t>(end - pos), true, gregexpMode::shortest, bounds))
        return nullptr;
    return bounds[1];
}

const char* gregexpNodeList::parse(const char* cursor, gregexpSyntax& syntax, int32_t& unitLength)
{
    if (syntax.depth >= maxDepth)
        return nullptr;
    ++syntax.depth;
    const char* p = parseAlternatives(cursor + 1, syntax, false);
    --syntax.depth;
    if (!p || *p != ')')
        return nullptr;
    unitLength = minLength_;
    return p + 1;
}

const char* gregexpNodeList::parseAlternatives(const char* cursor, gregexpSyntax& syntax, bool allowZeroLength)
{
    clearAlternatives();
    int64_t smallest = maxMinLength;
    const char* p = cursor;
    for (;;) {
        std::unique_ptr<gregexpNode> head;
        int64_t length = 0;
        p = parseChain(p, syntax, head, length, nodeCount_);
        if (!p || (length == 0 && !allowZeroLength))
            return nullptr;
        smallest = std::min(smallest, length);
        alternatives_.push_back(std::move(head));
        if (*p != '|')
            break;
        ++p;
    }
    minLength_ = static_cast<int32_t>(smallest);
    findFirstBytes();
    return p;
}

void gregexpNodeList::findFirstBytes()
{
    firstBytes_.clear();
    if (minLength_ == 0) {
        firstBytes_.invert();
        return;
    }
    // Every repetition takes a byte, so a match starts in the first node that
    // must repeat or in one of the optional nodes before it.
    for (const auto& chain : alternatives_) {
        for (const gregexpNode* node = chain.get(); node; node = node->next()) {
            node->addFirstBytes(firstBytes_);
            if (node->minRepeat() > 0)
                break;
        }
    }
}

std::unique_ptr<gregexpNode> gregexpNodeList::makeNode(char c, const gregexpSyntax& syntax)
{
    switch (c) {
    case '(':
        return std::make_unique<gregexpNodeList>();
    case '[':
        return std::make_unique<gregexpSetNode>();
    case '*': case '+': case '?':
        return nullptr; // nothing to repeat
    case '{':
        if (!syntax.bracesLiteral)
            return nullptr;
        return std::make_unique<gregexpLiteralNode>();
    default:
        if (gregexpClassNode::codeOf(c) >= 0)
            return std::make_unique<gregexpClassNode>();
        return std::make_unique<gregexpLiteralNode>();
    }
}

const char* gregexpNodeList::parseChain(const char* cursor, gregexpSyntax& syntax, std::unique_ptr<gregexpNode>& head,
                                        int64_t& minLength, int32_t& nodeCount)
{
    const char* p = cursor;
    gregexpNode* tail = nullptr;
    while (*p != ')' && *p != '|' && !syntax.endsPattern(*p)) {
        std::unique_ptr<gregexpNode> node = makeNode(*p, syntax);
        if (!node)
            return nullptr;
        int32_t unitLength = 0;
        p = node->parse(p, syntax, unitLength);
        if (p)
            p = node->parseQuantifier(p, syntax);
        if (!p)
            return nullptr;
        // Only a bare literal made of trailing blanks comes out empty; the
        // blanks were never part of the value.
        if (unitLength == 0)
            continue;
        minLength += static_cast<int64_t>(node->minRepeat()) * unitLength;
        if (minLength > maxMinLength)
            return nullptr;
        ++nodeCount;
        if (node->kind() == Kind::group)
            nodeCount += static_cast<const gregexpNodeList&>(*node).nodeCount_;
        gregexpNode* added = node.get();
        if (tail)
            tail->setNext(std::move(node));
        else
            head = std::move(node);
        tail = added;
    }
    return head ? p : nullptr;
}

bool gregexpNodeList::needsQuotes(bool, bool) const { return alternativesNeedQuotes(false); }

bool gregexpNodeList::alternativesNeedQuotes(bool topLevel) const
{
    for (size_t a = 0; a < alternatives_.size(); ++a) {
        bool isLast = topLevel && a + 1 == alternatives_.size();
        for (const gregexpNode* node = alternatives_[a].get(); node; node = node->next()) {
            bool isFirst = topLevel && a == 0 && node == alternatives_[a].get();
            if (node->needsQuotes(isFirst, isLast))
                return true;
        }
    }
    return false;
}

void gregexpNodeList::print(gstr& out, bool escaped, bool raw) const
{
    out.append('(');
    printAlternatives(out, escaped, raw);
    out.append(')');
}

void gregexpNodeList::printAlternatives(gstr& out, bool escaped, bool raw) const
{
    for (size_t a = 0; a < alternatives_.size(); ++a) {
        if (a > 0)
            out.append('|');
        for (const gregexpNode* node = alternatives_[a].get(); node; node = node->next()) {
            node->print(out, escaped, raw);
            node->printQuantifier(out);
        }
    }
}

void gregexpNodeList::clearAlternatives()
{
    alternatives_.clear();
    minLength_ = 0;
    nodeCount_ = 0;
    firstBytes_.clear();
}

void gregexpNodeList::takeAlternatives(gregexpNodeList& other)
{
    alternatives_ = std::move(other.alternatives_);
    minLength_ = other.minLength_;
    nodeCount_ = other.nodeCount_;
    firstBytes_ = other.firstBytes_;
    other.clearAlternatives();
}

void gregexpNodeList::copyAlternatives(const gregexpNodeList& other)
{
    std::vector<std::unique_ptr<gregexpNode>> copies;
    copies.reserve(other.alternatives_.size());
    for (const auto& chain : other.alternatives_)
        copies.push_back(chain->clone());
    alternatives_ = std::move(copies);
    minLength_ = other.minLength_;
    nodeCount_ = other.nodeCount_;
    firstBytes_ = other.firstBytes_;
}

bool gregexpNodeList::sameAlternatives(const gregexpNodeList& other) const
{
    if (alternatives_.size() != other.alternatives_.size())
        return false;
    for (size_t a = 0; a < alternatives_.size(); ++a) {
        const gregexpNode* x = alternatives_[a].get();
        const gregexpNode* y = other.alternatives_[a].get();
        for (; x && y; x = x->next(), y = y->next()) {
            if (!x->sameNode(*y))
                return false;
        }
        if (x || y)
            return false;
    }
    return true;
}

std::unique_ptr<gregexpNode> gregexpNodeList::copyNode() const
{
    auto copy = std::unique_ptr<gregexpNodeList>(new gregexpNodeList(*this, 0));
    copy->copyAlternatives(*this);
    return copy;
}

bool gregexpNodeList::sameContents(const gregexpNode& other) const
{
    return sameAlternatives(static_cast<const gregexpNodeList&>(other));
}
