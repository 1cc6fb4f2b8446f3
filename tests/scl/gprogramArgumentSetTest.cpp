#include "scl/gprogramArgumentSet.h"

#include "store/gprocessorCall.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using entryT = gprogramArgumentSetEntry;

gprogramArgument argument(const char* text)
{
    gprogramArgument a;
    EXPECT_EQ(a.parse(text), 1) << text;
    return a;
}

void add(gprocessorCall& call, const char* text) { call.addArgumentCopy(argument(text), true); }

// The arguments of a call described in order, "|" between them.
std::string describe(const gprocessorCall& call)
{
    std::string text;
    for (int i = 0; i < call.argumentCount(); ++i) {
        const gprogramArgument* a = call.getArgument(i);
        if (!a)
            continue;
        if (!text.empty())
            text.push_back('|');
        text.append(describeProgramArgument(*a).view());
    }
    return text;
}

const entryT& entryNamed(const gprogramArgumentSet& set, const char* name)
{
    gprogramArgument key;
    key.setName(name);
    int32_t index = set.indexOf(key);
    EXPECT_GE(index, 0) << name;
    return *set.entry(index);
}

TEST(programArgument, EqualsAndClearValue)
{
    EXPECT_TRUE(argument("Speed, 1").equals(argument("SPEED, 1.0")));
    EXPECT_FALSE(argument("Speed, 1").equals(argument("Speed, 1.0000001")));
    EXPECT_FALSE(argument("Name$, a").equals(argument("name$, A")));
    EXPECT_TRUE(argument("Done%, TRUE").equals(argument("done%, true")));
    EXPECT_FALSE(argument("Done%, TRUE").equals(argument("Other%, TRUE")));
    gprogramArgument a = argument("Name$, text");
    a.clearValue();
    EXPECT_EQ(a.string().view(), "");
    EXPECT_EQ(a.type(), 2);
}

TEST(programArgumentSet, GatherMarksDifferencesAndGaps)
{
    gprocessorCall one, two;
    add(one, "Speed, 1");
    add(one, "Mode$, x");
    add(two, "Speed, 2");
    add(two, "Done%, TRUE");
    gprogramArgumentSet set;
    EXPECT_FALSE(set.isGathered());
    set.gather(one);
    EXPECT_TRUE(set.isGathered());
    EXPECT_EQ(entryNamed(set, "speed").flags, 0);
    set.gather(two);
    EXPECT_EQ(entryNamed(set, "Speed").flags, entryT::valuesDiffer);
    EXPECT_EQ(entryNamed(set, "Mode$").flags, entryT::missing);
    EXPECT_EQ(entryNamed(set, "Done%").flags, entryT::missing);
    EXPECT_EQ(entryNamed(set, "Done%").state, entryT::set);
    EXPECT_EQ(describeArgumentSetEntry(entryNamed(set, "Speed")).view(), "Speed");
    EXPECT_EQ(describeArgumentSetEntry(entryNamed(set, "Mode$")).view(), "Mode$ = \"x\"");
    set.reset();
    EXPECT_EQ(set.size(), 0);
    EXPECT_FALSE(set.isGathered());
}

TEST(programArgumentSet, SetArgument)
{
    gprocessorCall one, two;
    add(one, "Speed, 1");
    add(one, "Mode$, x");
    add(one, "Level, 3");
    add(two, "Speed, 1");
    add(two, "Level, 4");
    gprogramArgumentSet set;
    set.gather(one);
    set.gather(two);

    // Every object has Speed: the caller must ask before replacing it.
    EXPECT_EQ(set.setArgument(argument("SPEED, 9")), -1);
    EXPECT_EQ(entryNamed(set, "Speed").number(), 1);

    // Mode$ is missing in one object; the same value makes it set for all,
    // after which a further value must be confirmed like Speed.
    int32_t mode = set.setArgument(argument("Mode$, x"));
    EXPECT_EQ(set.entry(mode)->state, entryT::set);
    EXPECT_EQ(set.entry(mode)->flags, 0);
    EXPECT_EQ(set.setArgument(argument("Mode$, y")), -1);
    // Another value: add where missing, keep the others.
    gprogramArgumentSet other;
    other.gather(one);
    other.gather(two);
    mode = other.setArgument(argument("mode$, z"));
    EXPECT_EQ(other.entry(mode)->state, entryT::addWhereMissing);
    EXPECT_EQ(other.entry(mode)->flags, entryT::valuesDiffer);
    EXPECT_EQ(other.entry(mode)->string().view(), "z");

    // A deleted entry takes the new argument.
    int32_t level = set.indexOf(argument("Level, 0"));
    set.entry(level)->state = entryT::deleted;
    EXPECT_EQ(set.setArgument(argument("Level, 5")), level);
    EXPECT_EQ(set.entry(level)->state, entryT::set);
    EXPECT_EQ(set.entry(level)->flags, 0);

    // A new name is appended.
    int32_t last = set.size();
    EXPECT_EQ(set.setArgument(argument("Done%, FALSE")), last);
}

TEST(programArgumentSet, ApplyWritesTheDecisions)
{
    gprocessorCall one, two;
    add(one, "Speed, 1");
    add(one, "Mode$, x");
    add(one, "Old%, TRUE");
    add(two, "Speed, 2");
    gprogramArgumentSet gathered;
    gathered.gather(one);
    gathered.gather(two);

    gprogramArgumentSet edit(gathered);
    edit.clearStates();
    edit.entry(edit.indexOf(argument("Old%, TRUE")))->state = entryT::deleted;
    edit.entry(edit.setArgument(argument("Mode$, new")))->state = entryT::addWhereMissing;
    edit.setArgument(argument("Extra, 7"));
    gathered.assign(edit);

    gprocessorCall none;
    gathered.applyTo(one, none);
    gathered.applyTo(two, none);
    EXPECT_EQ(describe(one), "Speed = 1|Mode$ = \"x\"|Extra = 7");
    EXPECT_EQ(describe(two), "Speed = 2|Mode$ = \"new\"|Extra = 7");

    gathered.commit();
    EXPECT_EQ(gathered.indexOf(argument("Old%, TRUE")), -1);
    for (int32_t i = 0; i < gathered.size(); ++i) {
        EXPECT_EQ(gathered.entry(i)->state, entryT::set);
        EXPECT_EQ(gathered.entry(i)->flags, 0);
    }
}

TEST(programArgumentSet, ApplyWithoutGatheredObjectsCopiesTheSource)
{
    gprocessorCall source, target;
    add(source, "A, 1");
    add(source, "B, 2");
    add(target, "C, 3");
    gprogramArgumentSet set;
    set.applyTo(target, source);
    EXPECT_EQ(describe(target), "B = 2|A = 1");
}

TEST(programArgumentSet, CopiesAndUnmixedCopies)
{
    gprocessorCall one, two;
    add(one, "A, 1");
    add(one, "B, 1");
    add(one, "C, 1");
    add(two, "A, 1");
    add(two, "B, 2");
    gprogramArgumentSet set;
    set.gather(one);
    set.gather(two);
    set.entry(set.indexOf(argument("A, 0")))->flags |= entryT::unseen;

    gprogramArgumentSet copy(set);
    ASSERT_EQ(copy.size(), 3);
    // Walked from the last entry: the copy holds them the other way round.
    EXPECT_EQ(copy.entry(0)->name().view(), "C");
    EXPECT_EQ(copy.entry(2)->flags, 0); // A, without the working bit

    gprogramArgumentSet unmixed;
    unmixed.assignUnmixed(gprogramArgumentSet());
    EXPECT_FALSE(unmixed.isGathered());
    unmixed.assignUnmixed(set);
    ASSERT_EQ(unmixed.size(), 1);
    EXPECT_EQ(unmixed.entry(0)->name().view(), "A");
    EXPECT_TRUE(unmixed.isGathered());
}

} // namespace
