#include "foundation/gtriState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(gtriState, NewValueIsUnset)
{
    gtriState<int32_t> v;
    EXPECT_FALSE(v.isSet());
    EXPECT_FALSE(v.hasValue());
    EXPECT_FALSE(v.isMixed());
    EXPECT_EQ(v.get(), -1);
    int32_t out = 0;
    v.getOr(out, 42);
    EXPECT_EQ(out, 42);
}

TEST(gtriState, MergeRule)
{
    struct Case {
        std::vector<int32_t> merged;
        int32_t plain, boolean;
    } cases[] = {
        {{}, -1, -1},
        {{5}, 5, 1},
        {{5, 5}, 5, 1},
        {{5, 7}, -2, 1},
        {{5, 7, 5}, -2, 1},
        {{2, 1}, -2, 1},
        {{0, 3}, -2, -2},
        {{0, 0}, 0, 0},
        {{3, 0, 3}, -2, -2},
    };
    for (const auto& c : cases) {
        gtriState<int32_t> plain;
        gtriStateBool boolean;
        for (int32_t v : c.merged) {
            plain.merge(v);
            boolean.merge(v);
        }
        EXPECT_EQ(plain.get(), c.plain) << ::testing::PrintToString(c.merged);
        EXPECT_EQ(boolean.get(), c.boolean) << ::testing::PrintToString(c.merged);
        EXPECT_EQ(plain.hasValue() != 0, c.plain >= 0);
        EXPECT_EQ(plain.isMixed() != 0, c.plain == -2);
        EXPECT_EQ(plain.isSet() != 0, c.plain != -1);
        EXPECT_EQ(plain.equals(-2) != 0, c.plain == -2);
    }

    gtriState<int32_t> v;
    v.merge(5);
    v.merge(7);
    v.set(9);
    EXPECT_EQ(v.get(), 9);
    int32_t out = 0;
    v.getOr(out, 1);
    EXPECT_EQ(out, 9);
    EXPECT_TRUE(v.differs(8));
    v.reset();
    EXPECT_FALSE(v.isSet());
}

TEST(gtriState, ValueFamilies)
{
    enum class Style { solid, dashed };
    gtriState<Style> style;
    style.merge(Style::dashed);
    Style s = Style::solid;
    style.getOr(s, Style::solid);
    EXPECT_EQ(s, Style::dashed);

    int registerObject = 0;
    gtriState<int*, gtriFamily::general> reference;
    EXPECT_FALSE(reference.hasValue());
    reference.merge(&registerObject);
    EXPECT_TRUE(reference.hasValue());
    int* got = nullptr;
    reference.getOr(got, nullptr);
    EXPECT_EQ(got, &registerObject);
    int other = 0;
    reference.merge(&other);
    EXPECT_TRUE(reference.isMixed());
    EXPECT_FALSE(reference.hasValue());

    gtriStateBool flag;
    flag.set(7);
    EXPECT_EQ(flag.get(), 1);
    EXPECT_TRUE(flag.isTrue());
    flag.set(0);
    EXPECT_FALSE(flag.isTrue());
}

TEST(gtriState, SetByObjectTypeAndCopyFrom)
{
    struct Case {
        int32_t kind;
        int flag;
        int32_t value;
    } cases[] = {
        {0, 0, 1}, {1, 0, 1}, {2, 1, 0}, {3, 1, 1}, {3, 0, 0}, {4, 0, 1},
        {5, 1, 0}, {7, 0, 1}, {12, 0, 1}, {12, 1, 1}, {13, 1, 0}, {-1, 1, 0},
    };
    for (const auto& c : cases) {
        gtriStateBool b;
        b.setByObjectType(c.kind, c.flag);
        EXPECT_EQ(b.get(), c.value) << c.kind << " " << c.flag;
    }

    gtriStateBool target, source, mixed;
    target.set(0);
    source.set(1);
    mixed.merge(0);
    mixed.merge(1);
    target.copyFrom(source, 3);
    EXPECT_EQ(target.get(), 0);
    target.copyFrom(gtriStateBool(), -1);
    EXPECT_EQ(target.get(), 0);
    target.copyFrom(mixed, -1);
    EXPECT_EQ(target.get(), 0);
    target.copyFrom(source, -1);
    EXPECT_EQ(target.get(), 1);
}

TEST(gtriStateString, MergeSetAndFallback)
{
    gtriStateString s;
    EXPECT_FALSE(s.isSet());
    gstr out("old");
    s.getOr(out, gstrSlice::null);
    EXPECT_TRUE(out.isNull());

    s.merge("Arial");
    s.merge("Arial");
    EXPECT_TRUE(s.hasValue());
    EXPECT_EQ(s.getValue().view(), "Arial");
    s.getOr(out, "fallback");
    EXPECT_EQ(out.view(), "Arial");

    s.merge("arial");
    EXPECT_TRUE(s.isMixed());
    EXPECT_TRUE(s.getValue().isNull());
    s.merge("Arial");
    EXPECT_TRUE(s.isMixed());
    s.getOr(out, "fallback");
    EXPECT_EQ(out.view(), "fallback");

    s.reset();
    EXPECT_FALSE(s.isSet());
    s.merge("Courier");
    EXPECT_TRUE(s.hasValue());
    EXPECT_EQ(s.getValue().view(), "Courier");

    // No text, an empty text and a text stay distinct common values.
    s.clear();
    EXPECT_TRUE(s.hasValue());
    EXPECT_TRUE(s.getValue().isNull());
    char* buffer = s.setEmpty();
    EXPECT_NE(buffer, nullptr);
    EXPECT_FALSE(s.getValue().isNull());
    EXPECT_EQ(s.getValue().length(), 0);
    s.set(gstrSlice::null);
    EXPECT_TRUE(s.hasValue());
    EXPECT_TRUE(s.getValue().isNull());
    s.getOr(out, "fallback");
    EXPECT_TRUE(out.isNull());
}

TEST(gtriStateDouble, MergesExactly)
{
    gtriStateDouble v;
    EXPECT_FALSE(v.isSet());
    double out = 0;
    v.getOr(out, 1.5);
    EXPECT_EQ(out, 1.5);
    v.merge(0.1);
    v.merge(0.1);
    EXPECT_TRUE(v.hasValue());
    EXPECT_EQ(v.value(), 0.1);
    // Negative values are values, not marks.
    gtriStateDouble negative;
    negative.merge(-2);
    EXPECT_TRUE(negative.hasValue());
    v.merge(0.1000001);
    EXPECT_TRUE(v.isMixed());
    v.merge(0.1);
    EXPECT_TRUE(v.isMixed());
    v.set(3);
    EXPECT_TRUE(v.hasValue());
    v.reset();
    EXPECT_FALSE(v.isSet());
}

} // namespace
