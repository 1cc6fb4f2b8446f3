#pragma once

#include <cstdint>
#include <vector>

class gregexpNodeList;

// How a match ends.
namespace gregexpMode {
// The shortest match.
constexpr int shortest = 0;
// The match must end at the end of the text.
constexpr int wholeText = 1;
// As shortest, but the last node of the last pattern takes every repetition
// it can and is never backtracked.
constexpr int greedyLast = 2;
} // namespace gregexpMode

// The patterns of one match in their order, absent ones left out.
struct gregexpSequence {
    struct Part {
        // The pattern's place in the sequence as the caller gave it.
        int index;
        const gregexpNodeList* list;
        int32_t minLength;
    };

    std::vector<Part> parts;
    // Patterns in the sequence, absent ones included.
    int count = 0;
    int64_t minTotal = 0;
    int64_t nodeCount = 0;

    void reset(int n);
    void add(int index, const gregexpNodeList& list, int32_t minLength);
};

// Matches a sequence over text[0, length) and fills bounds[0 .. count]: bounds
// i and i+1 are where part i starts and ends; absent parts at the front stay
// null. Answers 1 on a match, else 0.
//
// The result is that of a shortest-first backtracking search: every node takes
// its minimum repeats first and one more only when the rest fails; a group's
// repetition is the first alternative that matches on its own. That search is
// run first, with a work allowance; a pattern that would need more (nested or
// adjacent repeats that backtrack over each other) is answered by a table
// matcher that computes the same result without backtracking.
//
// Bound on the work for a text of L bytes and a sequence of N nodes in P
// patterns: the search stops after 4 * (N + P + 1) * (L + 1) + 4096 steps; the
// table matcher then makes a fixed number of passes over the L + 1 positions
// per node (a literal's pass compares its bytes at each position; a group
// repeated at least twice adds at most 62 passes to find where its minimum
// repeats end). So each byte fed costs work proportional to the size of the
// pattern, never to the length of the text. Neither recurses along the text;
// recursion follows the nodes of one chain only in the first search, which
// runs only for sequences of at most 1000 nodes, and the nesting of groups,
// which is at most gregexpNodeList::maxDepth.
namespace gregexpSearch {

int run(const gregexpSequence& sequence, const char* text, int32_t length, bool anchored, int mode,
        const char** bounds);

} // namespace gregexpSearch
