#include "foundation/jhashTable.h"

#include "foundation/gfault.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Entry = jhashNamedObject;

gstrSlice bytes(const std::string& s) { return gstrSlice(s.data(), static_cast<int32_t>(s.size())); }

// The names of a table in iteration order.
std::string walk(const jhashTable& table)
{
    std::string out;
    jhashTypedIterator<Entry> it(table);
    Entry* e = nullptr;
    while (it.get(e)) {
        out += e->getName().view();
        out += ' ';
    }
    EXPECT_EQ(e, nullptr);
    return out;
}

std::string tagName(int i)
{
    std::string name("T");
    name += std::to_string(i);
    return name;
}

std::string faultOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const gfault& f) {
        return f.what();
    }
    return "";
}

// Counts its destructions; may delete a sibling from its own destructor.
struct Counted : jhashNamedObject {
    Counted(const char* name, std::vector<std::string>& log) : jhashNamedObject(name), log_(log) {}
    ~Counted() override
    {
        log_.push_back(std::string(getName().view()));
        delete sibling;
    }
    std::vector<std::string>& log_;
    Counted* sibling = nullptr;
};

TEST(jhashTable, HashFunctionsFollowTheRule)
{
    struct Case {
        std::string key;
        uint32_t caseSensitive, caseFolding;
    } cases[] = {
        {"", 0x0AAAAAAAu, 0xAAAAAAAAu},
        {"abc", 0x55548D76u, 0x55545956u},
        {"ABC", 0x55540956u, 0x55545956u},
        {"\xE9", 0xAAAAAAA8u, 0x5555551Cu},
        {"Pump\xE9", 0xAED190BCu, 0x507EEB1Cu},
        {"[", 0x5555551Au, 0x5555550Eu},
        {"{", 0x5555553Au, 0x5555550Eu},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jhashStringTable::hashText(bytes(c.key)), c.caseSensitive) << c.key;
        EXPECT_EQ(jhashNoCaseStringTable::hashText(bytes(c.key)), c.caseFolding) << c.key;
    }
}

TEST(jhashTable, IteratesBucketByBucketInInsertionOrder)
{
    // Buckets of 5: a 2, b 0, c 4, d 2, e 1, f 4, g 3, h 1.
    jhashStringTable table(5);
    std::deque<Entry> entries;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h"})
        EXPECT_EQ(table.insert(&entries.emplace_back(name)), 1);
    EXPECT_EQ(walk(table), "b e h a d g c f ");
    EXPECT_EQ(table.count(), 8);

    // Removing the head of a chain leaves the next one first; a reinserted
    // entry goes to the end of its chain.
    table.remove(&entries[0]);
    EXPECT_EQ(table.getBucket(2), &entries[3]);
    EXPECT_EQ(table.find("a"), nullptr);
    EXPECT_EQ(table.find("d"), &entries[3]);
    EXPECT_EQ(entries[0].insertInto(table), 1);
    EXPECT_EQ(walk(table), "b e h d a g c f ");
    entries[1].removeFrom(table);
    EXPECT_EQ(walk(table), "e h d a g c f ");
}

TEST(jhashTable, ObjectTypeKeywordsIterateInFileOrder)
{
    jhashNoCaseStringTable table(20);
    std::deque<Entry> types;
    for (const char* name : {"IMAGE", "SCREEN", "DRIVER", "MASK", "BISTATE_REG", "DIGITAL_REG", "ANALOG_REG",
                             "STRING_REG", "PORT", "PARAMETER", "PROGRAM", "REQUEST", "G2DRIVER"})
        table.insert(&types.emplace_back(name));
    EXPECT_EQ(walk(table),
              "MASK ANALOG_REG PORT IMAGE DRIVER REQUEST BISTATE_REG STRING_REG PROGRAM DIGITAL_REG "
              "G2DRIVER SCREEN PARAMETER ");
    EXPECT_EQ(table.find("analog_reg"), &types[6]);
}

TEST(jhashTable, KeyRulesDecideWhatIsTaken)
{
    Entry upper("Tag"), lower("tag"), again("Tag");
    jhashStringTable exact(5);
    EXPECT_EQ(exact.insert(&upper), 1);
    EXPECT_EQ(exact.insert(&lower), 1);
    EXPECT_EQ(exact.insert(&again), 0);
    EXPECT_FALSE(again.isInTable());
    EXPECT_EQ(exact.insert(&upper), 0);
    EXPECT_EQ(exact.find("tag"), &lower);
    EXPECT_EQ(exact.find("TAG"), nullptr);
    EXPECT_EQ(exact.count(), 2);

    jhashNoCaseStringTable folding(5);
    Entry other("TAG");
    EXPECT_EQ(folding.insert(&other), 1);
    EXPECT_EQ(folding.insert(&again), 0);
    EXPECT_EQ(folding.find("tAg"), &other);
    // The fold makes "[" and "{" hash alike, but only letters compare equal.
    Entry bracket("["), brace("{");
    EXPECT_EQ(folding.insert(&bracket), 1);
    EXPECT_EQ(folding.insert(&brace), 1);
    EXPECT_EQ(folding.find("{"), &brace);

    // Keys too long for the index's own copy are compared through the entry.
    Entry longUpper("PRESSURE_OF_THE_NORTH_TANK"), longLower("pressure_of_the_north_tank");
    EXPECT_EQ(exact.insert(&longUpper), 1);
    EXPECT_EQ(exact.insert(&longLower), 1);
    EXPECT_EQ(exact.find("pressure_of_the_north_tank"), &longLower);
    EXPECT_EQ(exact.find("Pressure_of_the_north_tank"), nullptr);
    Entry longMixed("Pressure_Of_The_North_Tank"), longAgain("PRESSURE_of_the_NORTH_tank");
    EXPECT_EQ(folding.insert(&longMixed), 1);
    EXPECT_EQ(folding.insert(&longAgain), 0);
    EXPECT_EQ(folding.find("PRESSURE_OF_THE_NORTH_TANK"), &longMixed);
    EXPECT_EQ(folding.find("PRESSURE_OF_THE_NORTH_TANKS"), nullptr);
}

TEST(jhashTable, FaultTexts)
{
    jhashStringTable five(5), twenty(20), otherFive(5);
    Entry inTable("a"), stranger("d"), lonely("b");  // buckets 2, 2, 0
    five.insert(&inTable);
    EXPECT_EQ(faultOf([&] { five.remove(&stranger); }), "not in the table in jhashImplementedTable::remove()");
    EXPECT_EQ(faultOf([&] { five.remove(&lonely); }), "empty table in jhashImplementedTable::remove()");
    EXPECT_EQ(faultOf([&] { otherFive.remove(&inTable); }), "empty table in jhashImplementedTable::remove()");
    EXPECT_EQ(faultOf([&] { twenty.transferFrom(five); }),
              "Hash tables not the same size in jhashTable::transferFrom()");
    EXPECT_EQ(five.count(), 1);
    EXPECT_EQ(faultOf([&] { otherFive.insert(&inTable); }),
              "object already in a table in jhashImplementedTable::insert()");
    EXPECT_EQ(walk(five), "a ");
    EXPECT_EQ(faultOf([] { jhashStringTable none(0); }), "bucket count not positive in jhashTable::jhashTable()");
}

TEST(jhashTable, IteratorDetachesAtTheEnd)
{
    jhashStringTable table(5);
    jhashIterator it(table);
    Entry dummy("x");
    jhashObject* e = &dummy;
    EXPECT_EQ(it.get(e), 0);
    EXPECT_EQ(e, nullptr);
    EXPECT_EQ(faultOf([&] { it.get(e); }), "unitialized iterator in jhashIterator::get()");
    jhashIterator unattached;
    EXPECT_EQ(faultOf([&] { unattached.get(e); }), "unitialized iterator in jhashIterator::get()");

    Entry a("a"), b("b");
    table.insert(&a);
    table.insert(&b);
    it.attach(table);
    EXPECT_EQ(it.get(e), 1);
    EXPECT_EQ(e, &b);
    it.attach(table);  // attaching again starts over
    EXPECT_EQ(it.get(e), 1);
    EXPECT_EQ(e, &b);
    EXPECT_EQ(it.get(e), 1);
    EXPECT_EQ(e, &a);
    EXPECT_EQ(it.get(e), 0);
    EXPECT_THROW(it.get(e), gfault);
}

TEST(jhashTable, TransferMovesEntriesWithoutRehashing)
{
    jhashStringTable source(5), target(5), third(5);
    std::deque<Entry> entries;
    for (const char* name : {"a", "b", "c", "d"})
        source.insert(&entries.emplace_back(name));
    Entry old("e");
    target.insert(&old);

    target.transferFrom(source);
    EXPECT_EQ(source.count(), 0);
    EXPECT_EQ(walk(source), "");
    EXPECT_EQ(source.find("a"), nullptr);
    EXPECT_EQ(target.count(), 4);
    EXPECT_EQ(walk(target), "b a d c ");
    EXPECT_EQ(target.find("c"), &entries[2]);
    // The entry the target held is left out, in no table, and may go elsewhere.
    EXPECT_EQ(target.find("e"), nullptr);
    EXPECT_FALSE(old.isInTable());
    EXPECT_EQ(third.insert(&old), 1);
    // The moved entries belong to the target now.
    target.remove(&entries[0]);
    EXPECT_EQ(faultOf([&] { source.remove(&entries[1]); }), "empty table in jhashImplementedTable::remove()");
    source.insert(&entries[0]);
    target.transferFrom(target);
    EXPECT_EQ(target.count(), 3);
}

TEST(jhashTable, DeleteAllDeletesInIterationOrder)
{
    std::vector<std::string> log;
    jhashStringTable table(5);
    for (const char* name : {"a", "b", "c", "d", "e"})
        table.insert(new Counted(name, log));
    // A destructor that deletes another entry of the same chain.
    auto* a = static_cast<Counted*>(table.find("a"));
    a->sibling = static_cast<Counted*>(table.find("d"));
    table.deleteAll();
    EXPECT_EQ(log, (std::vector<std::string>{"b", "e", "a", "d", "c"}));
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.find("c"), nullptr);
    EXPECT_EQ(table.getBucketCount(), 5);
    EXPECT_EQ(table.insert(new Counted("c", log)), 1);
    table.deleteAll();
}

TEST(jhashTable, EntriesAndTablesMayDieInEitherOrder)
{
    jhashStringTable table(5);
    {
        Entry shortLived("a");
        table.insert(&shortLived);
        EXPECT_EQ(table.count(), 1);
    }
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.find("a"), nullptr);
    EXPECT_EQ(walk(table), "");

    Entry survivor("b");
    {
        jhashStringTable shortTable(5);
        shortTable.insert(&survivor);
    }
    EXPECT_FALSE(survivor.isInTable());
    EXPECT_EQ(table.insert(&survivor), 1);
}

TEST(jhashTable, NamedEntries)
{
    Entry e;
    EXPECT_TRUE(e.getName().isNull());
    e.setName("Pump 1");
    gstr taken("Pump 2");
    e.adoptName(taken);
    EXPECT_TRUE(taken.isNull());
    EXPECT_EQ(e.getKey().view(), "Pump 2");
    EXPECT_EQ(e.replaceInName("pump", "Valve", false, true), 0);
    EXPECT_EQ(e.replaceInName("pump", "Valve", false, false), 1);
    EXPECT_EQ(e.getName().view(), "Valve 2");

    jhashNamedObjectTable table;
    EXPECT_EQ(table.getBucketCount(), 5);
    table.insert(&e);
    Entry copy(e);
    EXPECT_EQ(copy.getName().view(), "Valve 2");
    EXPECT_FALSE(copy.isInTable());
    EXPECT_EQ(table.find("Valve 2"), &e);

    jhashDatabaseObject placeholder;
    EXPECT_EQ(placeholder.isDefined(), 0);
    jhashDatabaseObject defined(placeholder);
    EXPECT_EQ(defined.isDefined(), 1);
    placeholder.setDefined(1);
    EXPECT_EQ(placeholder.isDefined(), 1);
}

// Random inserts, removals and destructions against a plain model of the
// chains: the order and every lookup must match after each step. The pool
// holds pairs of names with equal hashes ("AB" and "@b"), short and longer
// than the index keeps in its slots, and names that differ only past that.
TEST(jhashTable, MatchesAModelOfTheChains)
{
    std::vector<std::string> pool;
    for (int i = 0; i < 600; ++i)
        pool.push_back(tagName(i));
    for (const std::string prefix : {"", "LONG_TAG_OF_THE_PLANT_", "EXACTLY_NINETEEN__"}) {
        for (char a : std::string("@ABCab`c")) {
            for (char b : std::string("@ABCab`c"))
                pool.push_back(prefix + std::string{a, b});
        }
    }
    EXPECT_EQ(jhashStringTable::hashText("AB"), jhashStringTable::hashText("@b"));
    EXPECT_EQ(jhashStringTable::hashText("LONG_TAG_OF_THE_PLANT_AB"),
              jhashStringTable::hashText("LONG_TAG_OF_THE_PLANT_@b"));

    for (int buckets : {1, 3, 100}) {
        std::mt19937 rng(static_cast<unsigned>(buckets));
        jhashStringTable table(buckets);
        std::map<std::string, std::unique_ptr<Entry>> live;
        std::vector<std::vector<std::string>> chains(static_cast<size_t>(buckets));
        for (int step = 0; step < 6000; ++step) {
            const std::string& name = pool[rng() % pool.size()];
            auto& chain = chains[jhashStringTable::hashText(bytes(name)) % static_cast<uint32_t>(buckets)];
            auto it = live.find(name);
            if (it == live.end()) {
                auto entry = std::make_unique<Entry>(bytes(name));
                ASSERT_EQ(table.insert(entry.get()), 1);
                live.emplace(name, std::move(entry));
                chain.push_back(name);
                continue;
            }
            if (rng() % 2)
                table.remove(it->second.get());
            live.erase(it);
            chain.erase(std::find(chain.begin(), chain.end(), name));
        }
        std::string expected;
        for (const auto& chain : chains) {
            for (const auto& name : chain)
                expected.append(name).append(" ");
        }
        EXPECT_EQ(walk(table), expected);
        EXPECT_EQ(table.count(), static_cast<int32_t>(live.size()));
        for (const auto& name : pool) {
            auto it = live.find(name);
            EXPECT_EQ(table.find(bytes(name)), it == live.end() ? nullptr : it->second.get()) << name;
        }
    }
}

} // namespace
