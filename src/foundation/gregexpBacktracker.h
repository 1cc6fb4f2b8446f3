#pragma once

#include "foundation/gregexpSearch.h"

#include <cstdint>

class gregexpNode;

// The shortest-first backtracking search, followed step by step: every node
// takes its minimum repeats, then the rest of the chain and of the sequence is
// tried and one more repeat is taken only when the rest fails. It stops with
// outOfWork once it has made the number of steps it was allowed.
class gregexpBacktracker {
public:
    static constexpr int outOfWork = -1;

    gregexpBacktracker(const gregexpSequence& sequence, const char* text, int32_t length, int mode, int64_t allowance);
    // 1 on a match (bounds filled), 0 without one, or outOfWork.
    int run(bool anchored, const char** bounds);

private:
    // The alternatives of part k at pos, each with the rest of the sequence.
    int matchAt(int k, const char* pos);
    // The chain from node at pos. In part k of the sequence (k >= 0), the end
    // of the chain ends the part; inside a group (k < 0) it ends the search
    // with the position in groupEnd.
    int matchChain(const gregexpNode* node, const char* pos, int k, const char** groupEnd);
    int partEnd(int k, const char* pos);
    // One repetition of node at pos into out.
    int matchOne(const gregexpNode* node, const char* pos, const char*& out);

    const gregexpSequence& sequence_;
    const char* text_;
    const char* end_;
    int mode_;
    int64_t allowance_;
    const char** bounds_ = nullptr;
};
