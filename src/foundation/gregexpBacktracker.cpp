#include "foundation/gregexpBacktracker.h"

#include "foundation/gregexpNodeList.h"

gregexpBacktracker::gregexpBacktracker(const gregexpSequence& sequence, const char* text, int32_t length, int mode,
                                       int64_t allowance)
    : sequence_(sequence), text_(text), end_(text + length), mode_(mode), allowance_(allowance)
{
}

int gregexpBacktracker::run(bool anchored, const char** bounds)
{
    bounds_ = bounds;
    const char* last = end_ - sequence_.minTotal;
    // A start whose byte no match begins with needs no attempt (a match of
    // the first part takes a byte there when its minimum length is not 0).
    const gregexpSequence::Part& first = sequence_.parts[0];
    const bool filter = !anchored && first.minLength > 0;
    for (const char* start = text_; start <= last; ++start) {
        if (filter && !first.list->firstBytes().contains(static_cast<unsigned char>(*start)))
            continue;
        bounds_[first.index] = start;
        int result = matchAt(0, start);
        if (result != 0 || anchored)
            return result;
    }
    return 0;
}

int gregexpBacktracker::matchAt(int k, const char* pos)
{
    for (const auto& chain : sequence_.parts[k].list->alternatives()) {
        int result = matchChain(chain.get(), pos, k, nullptr);
        if (result != 0)
            return result;
    }
    return 0;
}

int gregexpBacktracker::partEnd(int k, const char* pos)
{
    size_t next = static_cast<size_t>(k) + 1;
    int upTo = next < sequence_.parts.size() ? sequence_.parts[next].index : sequence_.count;
    for (int i = sequence_.parts[k].index + 1; i <= upTo; ++i)
        bounds_[i] = pos;
    if (next < sequence_.parts.size())
        return matchAt(static_cast<int>(next), pos);
    return mode_ != gregexpMode::wholeText || pos == end_ ? 1 : 0;
}

int gregexpBacktracker::matchChain(const gregexpNode* node, const char* pos, int k, const char** groupEnd)
{
    if (!node) {
        if (k >= 0)
            return partEnd(k, pos);
        *groupEnd = pos;
        return 1;
    }
    if (--allowance_ < 0)
        return outOfWork;
    int32_t count = 0;
    for (; count < node->minRepeat(); ++count) {
        int result = matchOne(node, pos, pos);
        if (result != 1)
            return result;
    }
    bool greedy = mode_ == gregexpMode::greedyLast && k >= 0 && !node->next()
        && static_cast<size_t>(k) + 1 == sequence_.parts.size();
    if (greedy) {
        const char* further = nullptr;
        for (; count < node->maxRepeat(); ++count) {
            int result = matchOne(node, pos, further);
            if (result == outOfWork)
                return result;
            if (result == 0)
                break;
            pos = further;
        }
        return partEnd(k, pos);
    }
    for (;;) {
        int result = matchChain(node->next(), pos, k, groupEnd);
        if (result != 0)
            return result;
        if (count >= node->maxRepeat())
            return 0;
        result = matchOne(node, pos, pos);
        if (result != 1)
            return result;
        ++count;
    }
}

int gregexpBacktracker::matchOne(const gregexpNode* node, const char* pos, const char*& out)
{
    if (--allowance_ < 0)
        return outOfWork;
    switch (node->kind()) {
    case gregexpNode::Kind::literal:
        out = static_cast<const gregexpLiteralNode*>(node)->matchHere(pos, end_);
        return out ? 1 : 0;
    case gregexpNode::Kind::charClass:
        out = static_cast<const gregexpClassNode*>(node)->matchHere(pos, end_);
        return out ? 1 : 0;
    case gregexpNode::Kind::set:
        out = static_cast<const gregexpSetNode*>(node)->matchHere(pos, end_);
        return out ? 1 : 0;
    case gregexpNode::Kind::group:
        break;
    }
    // A group: its first alternative that matches on its own, shortest first.
    for (const auto& chain : static_cast<const gregexpNodeList*>(node)->alternatives()) {
        int result = matchChain(chain.get(), pos, -1, &out);
        if (result != 0)
            return result;
    }
    return 0;
}
