#include "foundation/gregexp.h"

#include "foundation/gfault.h"
#include "store/CObjectFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <unistd.h>

namespace {

enum Flags { none = 0, zero = 1, raw = 2, braces = 4 };

std::string printed(const gregexp& re, bool rawForm)
{
    gstr out;
    re.toString(out, rawForm);
    return std::string(out.view());
}

struct Compiled {
    std::string text;
    int flags;
    int result;
    int32_t minLength;
    std::string printed;
};

TEST(gregexp, CompilesWithMinimumLengthAndPrintedForm)
{
    const Compiled cases[] = {
        {"#+", none, 1, 1, "#+"},
        {"#*", zero, 1, 0, "#*"},
        {"a{2}", none, 1, 2, "a{2}"},
        {"a{3,5}", none, 1, 3, "a{3,5}"},
        {"a{2,}", none, 1, 2, "a{2,}"},
        {"a{1,}", none, 1, 1, "a+"},
        {"a{0,}", zero, 1, 0, "a*"},
        {"a{0,2}", zero, 1, 0, "a{0,2}"},
        {"a?b", none, 1, 1, "a?b"},
        {"ab*c", none, 1, 2, "ab*c"},
        {"abc@", none, 1, 4, "abc@"},
        {"(ab|c)", none, 1, 1, "(ab|c)"},
        {"(ab|c){2}x", none, 1, 3, "(ab|c){2}x"},
        {"((a))", none, 1, 1, "((a))"},
        {"a|bcd", none, 1, 1, "a|bcd"},
        {"a |b", none, 1, 1, "a |b"},
        {"a| b", none, 1, 1, "a| b"},
        {"a b", none, 1, 3, "a b"},
        {"  abc  ", none, 1, 3, "abc"},
        {"# ", none, 1, 1, "#"},
        {"a\\b", none, 1, 3, "a\\b"},
        {"a\"b", none, 1, 3, "a\"b"},
        {"[a-c-e]", none, 1, 1, "[a-e]"},
        {"[a-]", none, 1, 1, "[a-]"},
        {"[-a]", none, 1, 1, "[-a]"},
        {"[]x]", none, 1, 1, "[]x]"},
        {"[^abc]", none, 1, 1, "[^abc]"},
        {"[^]]", none, 1, 1, "[^]]"},
        {"[a^]", none, 1, 1, "[a^]"},
        {"[!--]", none, 1, 1, "[!--]"},
        {"[\\]", none, 1, 1, "[\\]"},
        {"[#.(]", none, 1, 1, "[#.(]"},
        // Quoted values read escapes; the printed form is quoted only when a
        // bare reader would read something else.
        {"\"a\\x2Cb\"", none, 1, 3, "\"a,b\""},
        {"\"abc\"", none, 1, 3, "abc"},
        {"\"a b \"", none, 1, 4, "\"a b \""},
        {"\" ab\"", none, 1, 3, "\" ab\""},
        {"\"\\\"ab\"", none, 1, 3, "\"\\\"ab\""},
        {"\"\\t#\"", none, 1, 2, "\"\\t#\""},
        {"\"\\xE9\"", none, 1, 1, "\"\\xE9\""},
        {"\"\\*\\(\\|\"", none, 1, 3, "\"\\*\\(\\|\""},
        {"\"a\\.*\"", none, 1, 1, "\"a\\.*\""},
        {"\"[a\\-z]\"", none, 1, 1, "\"[a\\-z]\""},
        {"\"[a\\]]\"", none, 1, 1, "\"[a\\]]\""},
        {"\"[\\^a]\"", none, 1, 1, "\"[\\^a]\""},
        {"\"[!-\\]]\"", none, 1, 1, "\"[!-\\]]\""},
        {"\"[a\\--/]\"", none, 1, 1, "\"[a\\--/]\""},
        {"\"[,\\\\]\"", none, 1, 1, "\"[,\\\\]\""},
        {"\"[\\\"]\"", none, 1, 1, "[\"]"},
        {"\"[\\x01-\\x1F]\"", none, 1, 1, "\"[\\x01-\\x1F]\""},
        // Raw dialog text: the whole field, escapes read, quotes plain.
        {"a,b\"c", raw, 1, 5, "\"a,b\\\"c\""},
        {" a", raw, 1, 2, "\" a\""},
        {"\\(x\\)", raw, 1, 3, "\"\\(x\\)\""},
        // Braces as plain bytes.
        {"x{2}", braces, 1, 4, "\"x\\{2}\""},
        {"{2}", braces, 1, 3, "\"\\{2}\""},
        {"a*{", braces | zero, 1, 1, "\"a*\\{\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        gregexp re((c.flags & zero) != 0);
        ASSERT_EQ(re.parse(c.text.c_str(), (c.flags & raw) != 0, (c.flags & braces) != 0), c.result);
        EXPECT_TRUE(re.isSet());
        EXPECT_EQ(re.minLength(), c.minLength);
        EXPECT_EQ(printed(re, false), c.printed);
    }
}

TEST(gregexp, RefusesMalformedPatterns)
{
    const std::pair<const char*, int> cases[] = {
        {"", none}, {"   ", none}, {"\"", none}, {"\"abc", none}, {"\"a\" x", none}, {"\"a\\\"", none},
        {"\"a\\x4G\"", none}, {"\"a\\", none},
        // Quantifiers: nothing to repeat, repeated twice, saying nothing, falling, too large.
        {"*a", none}, {"+", none}, {"a**", none}, {"a+?", none}, {"a{2}*", none}, {"a{0}", none}, {"a{1}", none},
        {"a{0,1}", none}, {"a{1,1}", none}, {"a{0,0}", none}, {"a{2,1}", none}, {"{2}", none}, {"a{,2}", none},
        {"a{2", none}, {"a{2,3", none}, {"a{x}", none}, {"a{ 2}", none}, {"a{2147483647}", none},
        {"a{2,2147483647}", none}, {"a{99999999999}", none},
        // Matching nothing.
        {"#*", none}, {"a?|b", none}, {"(a*)", zero}, {"(a|b?)", zero},
        // Groups and alternatives.
        {"(ab|)", none}, {"(|a)", none}, {"()", none}, {"(ab", none}, {"a)", none}, {"a)b", raw}, {"a|", none},
        {"|a", none}, {"(a,b)", none}, {"\"(a\"b)\"", none},
        // Sets: empty, unclosed, falling or flat ranges, an ending byte inside.
        {"[]", none}, {"[^]", none}, {"[abc", none}, {"[a-", none}, {"[c-a]", none}, {"[a-a]", none},
        {"[a-c-b]", none}, {"[a,b]", none}, {"\"[a\"b]\"", none}, {"\"[\\x4]\"", none},
        // No minimum length beyond the signed 32-bit range.
        {"a{1000000000}b{1000000000}c{1000000000}", none}, {"(a{65536}){65536}", none},
    };
    for (const auto& [text, flags] : cases) {
        SCOPED_TRACE(text);
        gregexp re((flags & zero) != 0);
        EXPECT_EQ(re.parse(text, (flags & raw) != 0, (flags & braces) != 0), 0);
        EXPECT_FALSE(re.isSet());
    }
}

TEST(gregexp, ValueEndsAtCommaWithCursorOnNextItem)
{
    gregexp re(false);
    const char* next = nullptr;
    const char* text = "ab# ,  next";
    ASSERT_EQ(re.parse(text, next, false, false), 2);
    EXPECT_STREQ(next, "next");
    EXPECT_EQ(printed(re, false), "ab#");

    ASSERT_EQ(re.parse("\"a,b\" , 7", next, false, false), 2);
    EXPECT_STREQ(next, "7");
    EXPECT_EQ(re.minLength(), 3);

    ASSERT_EQ(re.parse("\"ab\"  ", next, false, false), 1);
    EXPECT_EQ(*next, '\0');

    // A raw field is one pattern: the comma is a byte.
    ASSERT_EQ(re.parse("a, b", next, true, false), 1);
    EXPECT_EQ(re.minLength(), 4);
}

TEST(gregexp, WritesValuesThatReadBack)
{
    std::string dir = (std::filesystem::temp_directory_path() / "korvelRegexpXXXXXX").string();
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    std::string path = dir + "/values.stn";
    const char* const texts[] = {"ERR#+", "\"a,b\\t\"", "\"[^,]+\""};
    {
        CObjectFile file;
        ASSERT_EQ(file.open(gstrSlice(path.c_str()), CObjectFile::modeWrite, false), 1);
        for (const char* text : texts) {
            gregexp re(false);
            ASSERT_NE(re.parse(text, false, false), 0) << text;
            re.write(file, 2);
        }
        gregexp unset(false);
        unset.write(file, 1);
        ASSERT_TRUE(file.close());
    }
    std::ifstream in(path, std::ios::binary);
    std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove_all(dir);
    EXPECT_EQ(written, "ERR#+, \"a,b\\t\", \"[^,]+\", \r\n");

    const char* next = written.c_str();
    for (const char* text : texts) {
        gregexp original(false);
        original.parse(text, false, false);
        gregexp back(false);
        ASSERT_EQ(back.parse(next, next, false, false), 2);
        EXPECT_TRUE(back == original);
    }
}

TEST(gregexp, GroupsNestUpToTheLimit)
{
    auto nested = [](int depth) {
        return std::string(static_cast<size_t>(depth), '(') + "a" + std::string(static_cast<size_t>(depth), ')');
    };
    gregexp re(false);
    EXPECT_EQ(re.parse(nested(gregexpNodeList::maxDepth).c_str(), false, false), 1);
    EXPECT_EQ(printed(re, false), nested(gregexpNodeList::maxDepth));
    EXPECT_EQ(re.parse(nested(gregexpNodeList::maxDepth + 1).c_str(), false, false), 0);
}

TEST(gregexp, LongChainsCopyPrintAndFreeWithoutRecursion)
{
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += i % 2 ? "a?" : "#";
    gregexp re(false);
    ASSERT_EQ(re.parse(text.c_str(), false, false), 1);
    EXPECT_EQ(re.minLength(), 100000);
    gregexp copy(re);
    EXPECT_TRUE(copy == re);
    EXPECT_EQ(printed(copy, false), text);
}

TEST(gregexp, CopyAssignTransferAndFlags)
{
    gregexp a(false);
    ASSERT_EQ(a.parse("(ab|c)#+", false, false), 1);
    gregexp b(false);
    b = a;
    EXPECT_TRUE(b == a);
    a.clear();
    EXPECT_FALSE(a.isSet());
    EXPECT_EQ(printed(b, false), "(ab|c)#+");
    EXPECT_EQ(printed(a, false), "");

    b = a;
    EXPECT_FALSE(b.isSet());

    gregexp c(false);
    ASSERT_EQ(c.parse("x", false, false), 1);
    b.transferFrom(c);
    EXPECT_FALSE(c.isSet());
    EXPECT_EQ(printed(b, false), "x");

    gregexp zeroAllowed(true);
    try {
        zeroAllowed = b;
        FAIL();
    } catch (const gfault& fault) {
        EXPECT_STREQ(fault.what(), "allowZeroLength flags don't match in gregexp::operator =()");
    }
    try {
        zeroAllowed.transferFrom(b);
        FAIL();
    } catch (const gfault& fault) {
        EXPECT_STREQ(fault.what(), "allowZeroLength flags don't match in gregexp::transferFrom()");
    }
    EXPECT_TRUE(b.isSet());
}

// Pattern-like texts: nodes of every kind with quantifiers, their bytes drawn
// from plain bytes, escapes and stray syntax, so that many compile and many
// need quotes or escapes to be printed.
class PatternTexts {
public:
    explicit PatternTexts(uint32_t seed) : random_(seed) {}

    std::string next() { return alternatives(0); }

private:
    size_t pick(size_t n) { return random_() % n; }

    std::string byte()
    {
        static const char* const units[] = {"a", "b", "Z", "1", " ", "-", "^", "]", "}", ",", "\\", "\"",
            "\\x2C", "\\t", "\\x01", "\\xE9", "\\\\", "\\\"", "\\]", "\\-", "\\^", "\\(",
            "\\*", "\\{", "\\.", "\x01", "\xE9", "\t", "{", "#", "(", ")", "|", "*", "[", "\\0"};
        return units[pick(sizeof units / sizeof units[0])];
    }

    std::string node(int depth)
    {
        switch (pick(depth < 3 ? 6 : 5)) {
        case 0: case 1: {
            std::string text;
            for (size_t n = 1 + pick(3); n > 0; --n)
                text += byte();
            return text;
        }
        case 2:
            return std::string(1, ".~@#$%&"[pick(7)]);
        case 3: case 4: {
            std::string text = pick(3) ? "[" : "[^";
            for (size_t n = 1 + pick(3); n > 0; --n) {
                text += byte();
                if (pick(3) == 0) {
                    text += '-';
                    text += byte();
                }
            }
            return text + "]";
        }
        default:
            return group(depth + 1);
        }
    }

    std::string group(int depth)
    {
        std::string text(1, '(');
        text += alternatives(depth);
        text += ')';
        return text;
    }

    std::string chain(int depth)
    {
        static const char* const quantifiers[] = {"", "", "", "*", "+", "?", "{2}", "{0,3}", "{1,}", "{2,5}", "{0}"};
        std::string text;
        for (size_t n = 1 + pick(4); n > 0; --n)
            text += node(depth) + quantifiers[pick(sizeof quantifiers / sizeof quantifiers[0])];
        return text;
    }

    std::string alternatives(int depth)
    {
        std::string text = chain(depth);
        while (pick(4) == 0) {
            text += '|';
            text += chain(depth);
        }
        return text;
    }

    std::mt19937 random_;
};

TEST(gregexp, PrintedPatternsReadBackEqual)
{
    // Whatever compiles, in any mode, reads back from its printed forms (bare
    // or quoted, and raw) as the same pattern.
    PatternTexts texts(20240611);
    std::mt19937 random(7);
    int compiled = 0;
    for (int attempt = 0; attempt < 200000 && compiled < 5000; ++attempt) {
        std::string text = texts.next();
        int flags = static_cast<int>(random() % 8);
        bool allowZero = (flags & zero) != 0;
        bool bracesLiteral = (flags & braces) != 0;
        bool rawText = (flags & raw) != 0;
        if (!rawText && random() % 2) {
            text.insert(0, 1, '"');
            text += '"';
        }
        gregexp re(allowZero);
        if (re.parse(text.c_str(), rawText, bracesLiteral) == 0)
            continue;
        ++compiled;
        SCOPED_TRACE(text);
        for (bool rawForm : {false, true}) {
            gregexp back(allowZero);
            std::string form = printed(re, rawForm);
            SCOPED_TRACE(form);
            ASSERT_NE(back.parse(form.c_str(), rawForm, bracesLiteral), 0);
            EXPECT_TRUE(back == re);
            EXPECT_EQ(printed(back, rawForm), form);
        }
    }
    EXPECT_EQ(compiled, 5000);
}

} // namespace
