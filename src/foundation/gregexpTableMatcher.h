#pragma once

#include "foundation/gregexpSearch.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class gregexpNode;
class gregexpNodeList;

// Computes the result of the shortest-first backtracking search without
// backtracking. For every node and every text position it works out, from the
// last node of the sequence backwards, whether the search entering the node
// there would succeed; then it follows the search's own choices along one
// path. A repetition of a group is a fixed function of the position (the end
// of its first alternative that matches on its own), computed the same way
// inside the group.
//
// Work: a fixed number of passes over the L + 1 positions per node (see
// gregexpSearch). Memory: one bit per position for every node outside groups,
// and a few rows of 32-bit positions for each level of groups being computed.
class gregexpTableMatcher {
public:
    gregexpTableMatcher(const gregexpSequence& sequence, const char* text, int32_t length, int mode);
    // 1 on a match (bounds filled), else 0.
    int run(bool anchored, const char** bounds);

private:
    using Row = std::vector<int32_t>;
    static constexpr int32_t none = -1;

    class Bits {
    public:
        Bits() = default;
        explicit Bits(const Row& row);
        bool test(int32_t q) const { return (words_[static_cast<size_t>(q) >> 6] >> (q & 63)) & 1; }

    private:
        std::vector<uint64_t> words_;
    };

    // One repetition of a node as a function of the position.
    struct Step {
        const gregexpNode* node;
        const char* text;
        int32_t length;
        // Bytes one repetition takes, or 0 for a group.
        int32_t unit;
        // A group's repetition ends (none where it does not match).
        const int32_t* groupRow;
        int32_t next(int32_t q) const;
    };

    Step stepFor(const gregexpNode& node, Row& groupRow) const;
    // The repetition ends of a group at every position.
    Row groupRow(const gregexpNodeList& group) const;
    // Where the search entering node at each position ends, or none, given
    // where it ends entering what follows the node (after).
    void nodeRow(const gregexpNode& node, bool greedy, const Row& after, Row& out) const;
    // Where the minimum repeats of the node end from each position, or none.
    void minimumRow(const Step& step, int32_t repeats, const Row& runs, Row& out) const;
    void reconstruct(int32_t start, const char** bounds) const;
    static std::vector<const gregexpNode*> chainNodes(const gregexpNode* head);
    bool isGreedy(size_t part, const gregexpNode& node) const;

    const gregexpSequence& sequence_;
    const char* text_;
    int32_t length_;
    int mode_;
    // Per part, alternative and node of the chain: where entering succeeds.
    std::vector<std::vector<std::vector<Bits>>> entered_;
    // Per part: where the part may end (what follows it succeeds).
    std::vector<Bits> partEnds_;
};
