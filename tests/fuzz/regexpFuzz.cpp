// Regular expressions from arbitrary bytes. The first byte chooses the flags
// and the second where the pattern text ends; the pattern is read as a value
// and as a raw text. What compiles must read back equal from its printed forms
// and is matched against the remaining bytes in every mode, by the matcher and
// by its two engines separately, which must agree.
#include "foundation/gregexp.h"
#include "foundation/gregexpBacktracker.h"
#include "foundation/gregexpMatch.h"
#include "foundation/gregexpTableMatcher.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string printed(const gregexp& re, bool raw)
{
    gstr out;
    re.toString(out, raw);
    return std::string(out.view());
}

void checkReadsBack(const gregexp& re, bool bracesLiteral)
{
    for (bool raw : {false, true}) {
        gregexp back(re.allowZeroLength());
        std::string form = printed(re, raw);
        check(back.parse(form.c_str(), raw, bracesLiteral) != 0);
        check(back == re);
    }
}

void checkEnginesAgree(const gregexp& re, const std::string& text, bool anchored, int mode)
{
    gregexpSequence sequence;
    sequence.reset(1);
    sequence.add(0, re.alternatives(), re.minLength());
    auto length = static_cast<int32_t>(text.size());
    if (sequence.minTotal > length || sequence.nodeCount > 200)
        return;
    const char* expected[2] = {nullptr, nullptr};
    const char* actual[2] = {nullptr, nullptr};
    int want = gregexpBacktracker(sequence, text.data(), length, mode, 20000).run(anchored, expected);
    if (want == gregexpBacktracker::outOfWork)
        return;
    int got = gregexpTableMatcher(sequence, text.data(), length, mode).run(anchored, actual);
    check(got == want);
    check(want == 0 || (expected[0] == actual[0] && expected[1] == actual[1]));
}

void checkMatches(const gregexp& re, const std::string& text)
{
    const gregexp* sequence[] = {nullptr, &re, &re};
    for (int mode : {gregexpMode::shortest, gregexpMode::wholeText, gregexpMode::greedyLast}) {
        for (bool anchored : {false, true}) {
            gregexpMatch m;
            if (m.match(re, text.data(), static_cast<int32_t>(text.size()), anchored, mode)) {
                check(m.start(0) >= text.data() && m.end(0) <= text.data() + text.size());
                check(m.length(0) >= re.minLength());
                check(!anchored || m.start(0) == text.data());
                check(mode != gregexpMode::wholeText || m.end(0) == text.data() + text.size());
            }
            if (m.match(sequence, 3, text.data(), static_cast<int32_t>(text.size()), anchored, mode)) {
                check(m.start(0) == nullptr && m.start(1) <= m.end(1) && m.end(1) == m.start(2));
                check(m.end(2) <= text.data() + text.size());
            }
            checkEnginesAgree(re, text, anchored, mode);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int flags = data[0];
    const bool allowZeroLength = flags & 1;
    const bool bracesLiteral = flags & 2;
    const size_t rest = size - 2;
    const size_t patternLength = rest == 0 ? 0 : data[1] % (rest + 1);
    // A value text ends at its first NUL, as the reader hands it over.
    std::string pattern(reinterpret_cast<const char*>(data + 2), patternLength);
    std::string text(reinterpret_cast<const char*>(data + 2 + patternLength), rest - patternLength);
    for (bool raw : {false, true}) {
        gregexp re(allowZeroLength);
        if (re.parse(pattern.c_str(), raw, bracesLiteral) == 0) {
            check(!re.isSet());
            continue;
        }
        checkReadsBack(re, bracesLiteral);
        checkMatches(re, text);
    }
    return 0;
}
