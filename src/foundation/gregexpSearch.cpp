#include "foundation/gregexpSearch.h"

#include "foundation/gregexpBacktracker.h"
#include "foundation/gregexpNodeList.h"
#include "foundation/gregexpTableMatcher.h"

namespace {

// The backtracking search recurses once per node along a chain; beyond this
// many nodes only the table matcher runs.
constexpr int64_t backtrackNodeLimit = 1000;

int64_t backtrackAllowance(const gregexpSequence& sequence, int32_t length)
{
    return 4 * (sequence.nodeCount + static_cast<int64_t>(sequence.parts.size()) + 1) * (int64_t{length} + 1) + 4096;
}

} // namespace

void gregexpSequence::reset(int n)
{
    parts.clear();
    count = n;
    minTotal = 0;
    nodeCount = 0;
}

void gregexpSequence::add(int index, const gregexpNodeList& list, int32_t minLength)
{
    parts.push_back({index, &list, minLength});
    minTotal += minLength;
    nodeCount += list.nodeCount();
}

int gregexpSearch::run(const gregexpSequence& sequence, const char* text, int32_t length, bool anchored, int mode,
                       const char** bounds)
{
    if (sequence.parts.empty())
        return 1;
    if (sequence.minTotal > length)
        return 0;
    if (sequence.nodeCount <= backtrackNodeLimit) {
        gregexpBacktracker search(sequence, text, length, mode, backtrackAllowance(sequence, length));
        int result = search.run(anchored, bounds);
        if (result != gregexpBacktracker::outOfWork)
            return result;
    }
    return gregexpTableMatcher(sequence, text, length, mode).run(anchored, bounds);
}
