#include "foundation/gregexpTableMatcher.h"

#include "foundation/gfault.h"
#include "foundation/gregexpNodeList.h"

#include <limits>
#include <utility>

namespace {

constexpr int32_t unreachable = std::numeric_limits<int32_t>::max();

[[noreturn]] void inconsistent()
{
    throw gfault("inconsistent tables in gregexpTableMatcher::reconstruct()");
}

} // namespace

gregexpTableMatcher::Bits::Bits(const Row& row) : words_((row.size() + 63) / 64, 0)
{
    for (size_t q = 0; q < row.size(); ++q) {
        if (row[q] != none)
            words_[q >> 6] |= uint64_t{1} << (q & 63);
    }
}

int32_t gregexpTableMatcher::Step::next(int32_t q) const
{
    if (groupRow)
        return groupRow[q];
    const char* after = node->matchOne(text + q, text + length);
    return after ? static_cast<int32_t>(after - text) : none;
}

gregexpTableMatcher::gregexpTableMatcher(const gregexpSequence& sequence, const char* text, int32_t length, int mode)
    : sequence_(sequence), text_(text), length_(length), mode_(mode)
{
}

std::vector<const gregexpNode*> gregexpTableMatcher::chainNodes(const gregexpNode* head)
{
    std::vector<const gregexpNode*> nodes;
    for (const gregexpNode* node = head; node; node = node->next())
        nodes.push_back(node);
    return nodes;
}

bool gregexpTableMatcher::isGreedy(size_t part, const gregexpNode& node) const
{
    return mode_ == gregexpMode::greedyLast && part + 1 == sequence_.parts.size() && !node.next();
}

gregexpTableMatcher::Step gregexpTableMatcher::stepFor(const gregexpNode& node, Row& groupRowStore) const
{
    Step step{&node, text_, length_, 0, nullptr};
    switch (node.kind()) {
    case gregexpNode::Kind::group:
        groupRowStore = groupRow(static_cast<const gregexpNodeList&>(node));
        step.groupRow = groupRowStore.data();
        break;
    case gregexpNode::Kind::literal:
        step.unit = static_cast<const gregexpLiteralNode&>(node).text().length();
        break;
    default:
        step.unit = 1;
    }
    return step;
}

gregexpTableMatcher::Row gregexpTableMatcher::groupRow(const gregexpNodeList& group) const
{
    const size_t positions = static_cast<size_t>(length_) + 1;
    Row ends(positions, none);
    Row current;
    Row entered;
    for (const auto& chain : group.alternatives()) {
        // Inside a group the end of the chain ends the repetition at once.
        current.resize(positions);
        for (size_t q = 0; q < positions; ++q)
            current[q] = static_cast<int32_t>(q);
        std::vector<const gregexpNode*> nodes = chainNodes(chain.get());
        for (size_t i = nodes.size(); i-- > 0;) {
            nodeRow(*nodes[i], false, current, entered);
            std::swap(current, entered);
        }
        for (size_t q = 0; q < positions; ++q) {
            if (ends[q] == none)
                ends[q] = current[q];
        }
    }
    return ends;
}

void gregexpTableMatcher::nodeRow(const gregexpNode& node, bool greedy, const Row& after, Row& out) const
{
    const size_t positions = static_cast<size_t>(length_) + 1;
    Row groupRowStore;
    const Step step = stepFor(node, groupRowStore);
    // Walking the repetitions from q: how many more are needed to reach a
    // position where what follows succeeds, and where it then ends. out holds
    // the ends until the last loop turns them into the node's own.
    Row distance(positions);
    Row runs(step.unit > 0 && node.minRepeat() > 0 ? positions : 0);
    out.resize(positions);
    for (size_t i = positions; i-- > 0;) {
        auto q = static_cast<int32_t>(i);
        int32_t r = step.next(q);
        if (!runs.empty())
            runs[i] = r == none ? 0 : runs[static_cast<size_t>(r)] + 1;
        if (after[i] != none) {
            distance[i] = 0;
            out[i] = after[i];
        } else if (r != none && distance[static_cast<size_t>(r)] != unreachable) {
            distance[i] = distance[static_cast<size_t>(r)] + 1;
            out[i] = out[static_cast<size_t>(r)];
        } else {
            distance[i] = unreachable;
            out[i] = none;
        }
    }
    Row firsts;
    minimumRow(step, node.minRepeat(), runs, firsts);
    const int32_t spare = node.maxRepeat() == gregexpNode::unbounded ? unreachable : node.maxRepeat() - node.minRepeat();
    // Ascending, so out[q] for q >= p is still the end found from q.
    for (size_t p = 0; p < positions; ++p) {
        int32_t q = firsts.empty() ? static_cast<int32_t>(p) : firsts[p];
        if (q == none)
            out[p] = none;
        else if (greedy)
            out[p] = q;
        else
            out[p] = distance[static_cast<size_t>(q)] <= spare ? out[static_cast<size_t>(q)] : none;
    }
}

void gregexpTableMatcher::minimumRow(const Step& step, int32_t repeats, const Row& runs, Row& out) const
{
    out.clear();
    if (repeats == 0)
        return; // an empty row: every position is its own
    const size_t positions = static_cast<size_t>(length_) + 1;
    out.assign(positions, none);
    if (step.unit > 0) {
        for (size_t p = 0; p < positions; ++p) {
            if (runs[p] >= repeats)
                out[p] = static_cast<int32_t>(static_cast<int64_t>(p) + static_cast<int64_t>(repeats) * step.unit);
        }
        return;
    }
    // Each repetition of a group takes a byte at least.
    if (repeats > length_)
        return;
    // The repeats-th power of the group's function, by squaring. Squaring in
    // place is safe ascending: power[p] lies beyond p.
    Row power(step.groupRow, step.groupRow + positions);
    for (size_t p = 0; p < positions; ++p)
        out[p] = static_cast<int32_t>(p);
    for (int32_t e = repeats;;) {
        if (e & 1) {
            for (size_t p = 0; p < positions; ++p)
                out[p] = out[p] == none ? none : power[static_cast<size_t>(out[p])];
        }
        e >>= 1;
        if (e == 0)
            break;
        for (size_t p = 0; p < positions; ++p)
            power[p] = power[p] == none ? none : power[static_cast<size_t>(power[p])];
    }
}

int gregexpTableMatcher::run(bool anchored, const char** bounds)
{
    const size_t positions = static_cast<size_t>(length_) + 1;
    const size_t partCount = sequence_.parts.size();
    Row after(positions);
    for (size_t q = 0; q < positions; ++q)
        after[q] = mode_ == gregexpMode::wholeText && q != positions - 1 ? none : static_cast<int32_t>(q);
    entered_.assign(partCount, {});
    partEnds_.assign(partCount, Bits());
    partEnds_[partCount - 1] = Bits(after);
    Row starts;
    Row current;
    Row entered;
    for (size_t k = partCount; k-- > 0;) {
        starts.assign(positions, none);
        const auto& alternatives = sequence_.parts[k].list->alternatives();
        entered_[k].resize(alternatives.size());
        for (size_t a = 0; a < alternatives.size(); ++a) {
            std::vector<const gregexpNode*> nodes = chainNodes(alternatives[a].get());
            entered_[k][a].resize(nodes.size());
            current = after;
            for (size_t i = nodes.size(); i-- > 0;) {
                nodeRow(*nodes[i], isGreedy(k, *nodes[i]), current, entered);
                std::swap(current, entered);
                entered_[k][a][i] = Bits(current);
            }
            for (size_t q = 0; q < positions; ++q) {
                if (starts[q] == none && current[q] != none)
                    starts[q] = static_cast<int32_t>(q);
            }
        }
        if (k > 0) {
            partEnds_[k - 1] = Bits(starts);
            std::swap(after, starts);
        }
    }
    const int64_t lastStart = anchored ? 0 : length_ - sequence_.minTotal;
    for (int64_t s = 0; s <= lastStart; ++s) {
        if (starts[static_cast<size_t>(s)] != none) {
            reconstruct(static_cast<int32_t>(s), bounds);
            return 1;
        }
    }
    return 0;
}

void gregexpTableMatcher::reconstruct(int32_t start, const char** bounds) const
{
    int32_t pos = start;
    bounds[sequence_.parts[0].index] = text_ + start;
    for (size_t k = 0; k < sequence_.parts.size(); ++k) {
        const auto& alternatives = sequence_.parts[k].list->alternatives();
        size_t a = 0;
        while (a < alternatives.size() && !entered_[k][a][0].test(pos))
            ++a;
        if (a == alternatives.size())
            inconsistent();
        std::vector<const gregexpNode*> nodes = chainNodes(alternatives[a].get());
        for (size_t i = 0; i < nodes.size(); ++i) {
            const gregexpNode& node = *nodes[i];
            Row groupRowStore;
            const Step step = stepFor(node, groupRowStore);
            auto take = [&] {
                pos = step.next(pos);
                if (pos == none)
                    inconsistent();
            };
            int32_t count = 0;
            for (; count < node.minRepeat(); ++count)
                take();
            if (isGreedy(k, node)) {
                for (int32_t r; count < node.maxRepeat() && (r = step.next(pos)) != none; ++count)
                    pos = r;
                continue;
            }
            const Bits& following = i + 1 < nodes.size() ? entered_[k][a][i + 1] : partEnds_[k];
            for (; !following.test(pos); ++count) {
                if (count >= node.maxRepeat())
                    inconsistent();
                take();
            }
        }
        int upTo = k + 1 < sequence_.parts.size() ? sequence_.parts[k + 1].index : sequence_.count;
        for (int b = sequence_.parts[k].index + 1; b <= upTo; ++b)
            bounds[b] = text_ + pos;
    }
}
