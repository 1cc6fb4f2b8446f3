#include "foundation/gregexpMatch.h"

#include "foundation/gregexp.h"
#include "foundation/gregexpBacktracker.h"
#include "foundation/gregexpTableMatcher.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using gregexpMode::greedyLast;
using gregexpMode::shortest;
using gregexpMode::wholeText;

// Patterns in their raw form (escapes read, no quotes); "-" is an absent one.
struct Patterns {
    explicit Patterns(const std::vector<std::string>& texts, bool allowZeroLength = false)
    {
        for (const auto& text : texts) {
            if (text == "-") {
                pointers.push_back(nullptr);
                continue;
            }
            owned.push_back(std::make_unique<gregexp>(allowZeroLength));
            EXPECT_EQ(owned.back()->parse(text.c_str(), true, false), 1) << text;
            pointers.push_back(owned.back().get());
        }
    }
    int count() const { return static_cast<int>(pointers.size()); }

    std::vector<std::unique_ptr<gregexp>> owned;
    std::vector<const gregexp*> pointers;
};

// Offsets of every boundary of a match, -1 for a null one; empty on no match.
std::vector<int> boundaries(const gregexpMatch& m, int parts, const std::string& text)
{
    std::vector<int> out;
    for (int i = 0; i <= parts; ++i) {
        const char* b = i < parts ? m.start(i) : m.end(parts - 1);
        out.push_back(b ? static_cast<int>(b - text.data()) : -1);
    }
    return out;
}

std::vector<int> matchOffsets(const Patterns& patterns, const std::string& text, bool anchored, int mode)
{
    gregexpMatch m;
    int found = m.match(patterns.pointers.data(), patterns.count(), text.data(), static_cast<int32_t>(text.size()),
                        anchored, mode);
    return found ? boundaries(m, patterns.count(), text) : std::vector<int>{};
}

struct MatchCase {
    std::vector<std::string> patterns;
    std::string text;
    bool anchored;
    int mode;
    std::vector<int> bounds; // empty: no match
};

TEST(gregexpMatch, ShortestFirstWithModesAndBoundaries)
{
    const MatchCase cases[] = {
        {{"#+"}, "123x", false, shortest, {0, 1}},
        {{"#+"}, "123x", false, greedyLast, {0, 3}},
        {{"#+"}, "123x", false, wholeText, {}},
        {{"#+"}, "x123", false, wholeText, {1, 4}},
        {{"#+"}, "x12", true, shortest, {}},
        {{"#+"}, "x12", false, shortest, {1, 2}},
        {{"#{2,3}"}, "12345", true, greedyLast, {0, 3}},
        {{"#{2,3}"}, "12345", true, shortest, {0, 2}},
        {{"#{2,3}"}, "1234", true, wholeText, {}},
        {{"a*b"}, "xaaab", false, shortest, {1, 5}},
        {{".*X"}, "abXcX", false, shortest, {0, 3}},
        {{".*X"}, "abXcX", true, wholeText, {0, 5}},
        {{"$+\\r"}, "\x06" "1F\r", false, shortest, {1, 4}},
        {{"[^0-9]+#"}, "12ab3", false, shortest, {2, 5}},
        {{"~@&%"}, "\x7F a1 !b10", false, shortest, {5, 9}},
        {{"OK|ERR"}, "xxERR OK", false, shortest, {2, 5}},
        // A group's repetition is its first alternative that matches on its
        // own; backtracking never re-enters it.
        {{"(a|ab)c"}, "abc", false, shortest, {}},
        {{"(ab|a)c"}, "ac", false, shortest, {0, 2}},
        {{"(ab|a)b"}, "ab", false, shortest, {}},
        {{"(ab|a)+b"}, "aabb", false, shortest, {0, 4}},
        {{"(a#+)+x"}, "a12a3x", true, shortest, {}},
        {{"(a#+)+#a#x"}, "a12a3x", true, shortest, {0, 6}},
        // Sequences: prefix, value, suffix.
        {{"A", ".+", "Z"}, "AxyZ", true, shortest, {0, 1, 3, 4}},
        {{"A", ".+"}, "AxyZ", true, greedyLast, {0, 1, 4}},
        {{"A", ".+"}, "AxyZ", true, shortest, {0, 1, 2}},
        {{"A", ".+", "Z"}, "AxZyZ", true, wholeText, {0, 1, 4, 5}},
        {{"-", "-", "#"}, "ab7", false, shortest, {-1, -1, 2, 3}},
        {{"A", "-", "B"}, "xAB", false, shortest, {1, 2, 2, 3}},
        {{"-", "-"}, "", true, shortest, {-1, -1, -1}},
        // A text shorter than the minimum lengths together.
        {{"ab", "#"}, "ab", false, shortest, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.patterns[0] + " / " + c.text + " mode " + std::to_string(c.mode));
        Patterns patterns(c.patterns);
        EXPECT_EQ(matchOffsets(patterns, c.text, c.anchored, c.mode), c.bounds);
    }
}

TEST(gregexpMatch, ZeroLengthPatterns)
{
    Patterns digits({"#*"}, true);
    EXPECT_EQ(matchOffsets(digits, "", true, shortest), (std::vector<int>{0, 0}));
    EXPECT_EQ(matchOffsets(digits, "12", true, shortest), (std::vector<int>{0, 0}));
    EXPECT_EQ(matchOffsets(digits, "12", true, greedyLast), (std::vector<int>{0, 2}));
    EXPECT_EQ(matchOffsets(digits, "12x", true, wholeText), std::vector<int>{});
}

TEST(gregexpMatch, SingleFormsAndLengths)
{
    gregexp re(false);
    ASSERT_EQ(re.parse("\"V=\"", false, false), 1);
    gregexp value(false);
    ASSERT_EQ(value.parse("#+", false, false), 1);
    std::string text = "xxV=42;";
    gregexpMatch m;
    ASSERT_EQ(m.match(re, gstrSlice(text.data(), static_cast<int32_t>(text.size())), false, shortest), 1);
    EXPECT_EQ(m.start(0) - text.data(), 2);
    EXPECT_EQ(m.length(0), 2);
    const gregexp* both[] = {&re, &value};
    ASSERT_EQ(m.match(both, 2, text.data(), static_cast<int32_t>(text.size()), false, greedyLast), 1);
    EXPECT_EQ(std::string(m.start(1), static_cast<size_t>(m.length(1))), "42");

    // A group on its own: the end of its first matching alternative.
    gregexp holder(false);
    ASSERT_EQ(holder.parse("(ab|a)", false, false), 1);
    const auto& group = static_cast<const gregexpNodeList&>(*holder.alternatives().alternatives()[0]);
    std::string ab = "abc";
    EXPECT_EQ(group.matchOne(ab.data(), ab.data() + 3), ab.data() + 2);
    EXPECT_EQ(group.matchOne(ab.data() + 1, ab.data() + 3), nullptr);
}

// The table matcher must give the backtracking search's result exactly; small
// random patterns and texts check the two against each other.
class SmallPatterns {
public:
    explicit SmallPatterns(uint32_t seed) : random_(seed) {}

    std::string pattern(int depth = 0)
    {
        std::string text = chain(depth);
        while (pick(4) == 0) {
            text += '|';
            text += chain(depth);
        }
        return text;
    }

    std::string text()
    {
        std::string out;
        for (size_t n = pick(12); n > 0; --n)
            out += "ab1"[pick(3)];
        return out;
    }

    size_t pick(size_t n) { return random_() % n; }

private:
    std::string chain(int depth)
    {
        static const char* const quantifiers[] = {"", "", "*", "+", "?", "{2}", "{0,2}", "{2,}", "{1,3}"};
        std::string out;
        for (size_t n = 1 + pick(3); n > 0; --n) {
            switch (pick(depth < 2 ? 5 : 4)) {
            case 0: case 1: out += "ab1"[pick(3)]; break;
            case 2: out += "#@."[pick(3)]; break;
            case 3: out += pick(2) ? "[ab]" : "[^a]"; break;
            default:
                out += '(';
                out += pattern(depth + 1);
                out += ')';
            }
            out += quantifiers[pick(sizeof quantifiers / sizeof quantifiers[0])];
        }
        return out;
    }

    std::mt19937 random_;
};

TEST(gregexpMatch, TableMatcherAgreesWithBacktracking)
{
    SmallPatterns gen(99);
    int compared = 0;
    int matched = 0;
    for (int attempt = 0; attempt < 40000 && compared < 20000; ++attempt) {
        int parts = 1 + static_cast<int>(gen.pick(3));
        std::vector<std::string> texts;
        for (int i = 0; i < parts; ++i)
            texts.push_back(gen.pattern());
        std::vector<std::unique_ptr<gregexp>> owned;
        gregexpSequence sequence;
        sequence.reset(parts);
        bool ok = true;
        for (int i = 0; i < parts && ok; ++i) {
            owned.push_back(std::make_unique<gregexp>(true));
            ok = owned.back()->parse(texts[static_cast<size_t>(i)].c_str(), true, false) == 1;
            if (ok)
                sequence.add(i, owned.back()->alternatives(), owned.back()->minLength());
        }
        if (!ok)
            continue;
        std::string text = gen.text();
        auto length = static_cast<int32_t>(text.size());
        if (sequence.minTotal > length)
            continue;
        for (int mode : {shortest, wholeText, greedyLast}) {
            for (bool anchored : {false, true}) {
                std::vector<const char*> expected(static_cast<size_t>(parts) + 1, nullptr);
                std::vector<const char*> actual(expected);
                int want = gregexpBacktracker(sequence, text.data(), length, mode, INT64_MAX)
                               .run(anchored, expected.data());
                int got = gregexpTableMatcher(sequence, text.data(), length, mode).run(anchored, actual.data());
                ++compared;
                SCOPED_TRACE(texts[0] + (parts > 1 ? " + " + texts[1] : "") + (parts > 2 ? " + " + texts[2] : "")
                             + " / " + text + " mode " + std::to_string(mode) + (anchored ? " anchored" : ""));
                ASSERT_EQ(got, want);
                if (want == 1) {
                    ++matched;
                    EXPECT_EQ(actual, expected);
                }
            }
        }
    }
    EXPECT_GE(compared, 20000);
    EXPECT_GT(matched, compared / 5);
}

TEST(gregexpMatch, HostilePatternsStayBounded)
{
    // Each of these makes a plain backtracking search take time exponential
    // or of a high power in the text length; the results must still come.
    std::string as(3000, 'a');
    std::string optional;
    for (int i = 0; i < 30; ++i)
        optional += "a?";
    const struct {
        std::string pattern;
        std::string text;
        bool anchored;
        int mode;
        std::vector<int> bounds;
    } cases[] = {
        {"a*a*a*a*a*a*a*a*b", as, false, shortest, {}},
        {"a*a*a*a*a*a*a*a*", as, true, wholeText, {0, 3000}},
        {optional + "a{30}", std::string(60, 'a'), true, wholeText, {0, 60}},
        {optional + "ab", std::string(60, 'a'), false, shortest, {}},
        {".*.*.*.*X", std::string(200000, 'y'), false, shortest, {}},
        {"(a+a+)+b", as, false, shortest, {}},
        {"(a|aa){2,}a*c|a+", as, true, wholeText, {0, 3000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        Patterns patterns({c.pattern}, true);
        EXPECT_EQ(matchOffsets(patterns, c.text, c.anchored, c.mode), c.bounds);
    }
}

TEST(gregexpMatch, DeepAndLongPatternsMatchLongTexts)
{
    // Nesting at the limit, and a chain too long for the backtracking search.
    std::string nested = std::string(gregexpNodeList::maxDepth, '(') + "ab"
        + std::string(gregexpNodeList::maxDepth, ')') + "+";
    std::string text(20000, 'x');
    for (int i = 0; i < 500; ++i)
        text += "ab";
    Patterns deep({nested});
    EXPECT_EQ(matchOffsets(deep, text, false, greedyLast), (std::vector<int>{20000, 21000}));

    std::string chain;
    for (int i = 0; i < 3000; ++i)
        chain += "a?";
    chain += "b";
    Patterns longChain({chain});
    EXPECT_EQ(matchOffsets(longChain, std::string(5000, 'a') + "b", false, shortest), (std::vector<int>{2000, 5001}));
}

} // namespace
