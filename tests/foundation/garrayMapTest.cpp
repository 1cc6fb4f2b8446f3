#include "foundation/garrayMap.h"
#include "foundation/gsortedList.h"
#include "foundation/gstr.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// An element class without a default constructor, like a pattern that must
// be told whether it may match nothing.
struct Pattern {
    explicit Pattern(int allowZero) : allowZeroLength(allowZero) {}
    int allowZeroLength;
};

} // namespace

template <>
struct garrayElementMaker<Pattern> {
    static std::unique_ptr<Pattern> make() { return std::make_unique<Pattern>(0); }
};

namespace {

struct ThresholdNode {
    ThresholdNode* next = nullptr;
    double key = 0;
    int32_t result = 0;
};

template <class Node>
std::vector<decltype(Node::key)> keysOf(const gsortedList<Node>& list)
{
    std::vector<decltype(Node::key)> keys;
    for (const Node* n = list.first(); n; n = n->next)
        keys.push_back(n->key);
    return keys;
}

int insertKey(gsortedList<gvalueMapEntry>& list, int32_t key)
{
    auto* node = new gvalueMapEntry{nullptr, key, key * 10};
    int linked = list.insert(node);
    if (!linked)
        delete node;
    return linked;
}

// Everything an iterator yields, as (key, element) pairs.
template <class T>
std::vector<std::pair<int32_t, T*>> walk(garrayMapIterator<T>& it)
{
    std::vector<std::pair<int32_t, T*>> out;
    T* e = nullptr;
    int32_t key = 0;
    while (it.get(e, key))
        out.emplace_back(key, e);
    EXPECT_EQ(e, nullptr);
    return out;
}

TEST(gsortedList, KeepsUnsignedKeyOrderWithoutDuplicates)
{
    gsortedList<gvalueMapEntry> list;
    for (int32_t key : {5, 1, 3})
        EXPECT_EQ(insertKey(list, key), 1);
    EXPECT_EQ(insertKey(list, 3), 0);
    EXPECT_EQ(insertKey(list, 5), 0);
    EXPECT_EQ(insertKey(list, 1), 0);
    EXPECT_EQ(insertKey(list, -1), 1);
    EXPECT_EQ(insertKey(list, 0), 1);
    EXPECT_EQ(keysOf(list), (std::vector<int32_t>{0, 1, 3, 5, -1}));
    EXPECT_EQ(list.find(3)->value, 30);
    EXPECT_EQ(list.find(-1)->value, -10);
    EXPECT_EQ(list.find(4), nullptr);
    EXPECT_EQ(list.find(-2), nullptr);

    gsortedList<gvalueMapEntry> copy;
    insertKey(copy, 7);
    copy = list;
    EXPECT_EQ(keysOf(copy), keysOf(list));
    EXPECT_NE(copy.first(), list.first());
    gsortedList<gvalueMapEntry> taker;
    taker.transferFrom(copy);
    EXPECT_EQ(copy.first(), nullptr);
    EXPECT_EQ(keysOf(taker).size(), 5u);
}

TEST(gsortedList, ThresholdsRefuseASecondBottomValue)
{
    gsortedList<ThresholdNode> list;
    for (double bottom : {10.5, -3.0, 100.0})
        EXPECT_EQ(list.insert(new ThresholdNode{nullptr, bottom, 0}), 1);
    EXPECT_EQ(keysOf(list), (std::vector<double>{-3.0, 10.5, 100.0}));
    for (double bottom : {-3.0, 10.5, 100.0}) {
        ThresholdNode again{nullptr, bottom, 1};
        EXPECT_EQ(list.insert(&again), 0);
    }
}

TEST(garrayMap, RemovedKeyKeepsItsSlot)
{
    gstr seven("seven"), two("two"), again("again");
    garrayMap<gstr> map;
    EXPECT_EQ(map.insert(&seven, 7), 1);
    EXPECT_EQ(map.insert(&two, 2), 1);
    EXPECT_EQ(map.insert(&again, 2), 0);
    EXPECT_EQ(map.size(), 2);
    garrayMapIterator<gstr> it(map);
    EXPECT_EQ(walk(it), (std::vector<std::pair<int32_t, gstr*>>{{2, &two}, {7, &seven}}));

    EXPECT_EQ(map.remove(7), &seven);
    EXPECT_EQ(map.remove(7), nullptr);
    EXPECT_EQ(map.remove(8), nullptr);
    EXPECT_EQ(map.find(7), nullptr);
    EXPECT_EQ(walk(it), (std::vector<std::pair<int32_t, gstr*>>{{2, &two}}));
    EXPECT_EQ(map.size(), 2);
    EXPECT_EQ(map.insert(&again, 7), 1);
    EXPECT_EQ(map.size(), 2);
    EXPECT_EQ(map.find(7), &again);

    garrayMap<gstr> copy;
    copy = map;
    EXPECT_EQ(copy.find(2), &two);
    map.clear();
    EXPECT_EQ(map.size(), 0);
    EXPECT_EQ(map.find(2), nullptr);
    EXPECT_EQ(copy.find(7), &again);
}

TEST(garrayMap, IteratorWrapsAndThrowsUnattached)
{
    garrayMap<gstr> map;
    garrayMapIterator<gstr> it(map);
    gstr* e = nullptr;
    EXPECT_EQ(it.get(e), 0);
    EXPECT_EQ(it.get(e), 0);

    gstr a("a"), b("b");
    map.insert(&a, -1);
    map.insert(&b, 3);
    EXPECT_EQ(it.get(e), 1);
    EXPECT_EQ(e, &b);
    EXPECT_EQ(it.get(e), 1);
    EXPECT_EQ(e, &a);
    EXPECT_EQ(it.get(e), 0);
    EXPECT_EQ(it.get(e), 1);  // starts again from the smallest key
    EXPECT_EQ(e, &b);
    it.attach(map);
    EXPECT_EQ(it.get(e), 1);
    EXPECT_EQ(e, &b);

    garrayMapIterator<gstr> unattached;
    try {
        unattached.get(e);
        FAIL();
    } catch (const gfault& f) {
        EXPECT_STREQ(f.what(), "unitialized iterator in garrayMapIterator<objectType>::get()");
    }
}

TEST(garrayMapOwned, OwnsItsElements)
{
    garrayMapOwned<gstr> names;
    gstr* five = names.appendNew(5);
    ASSERT_NE(five, nullptr);
    five->assign("five");
    EXPECT_EQ(names.appendNew(5), nullptr);
    EXPECT_EQ(names.find(5), five);
    EXPECT_EQ(names.size(), 1);
    names.appendNew(1)->assign("one");
    names.deleteKey(5);
    names.deleteKey(5);
    names.deleteKey(9);
    EXPECT_EQ(names.find(5), nullptr);
    EXPECT_NE(names.appendNew(5), nullptr);
    EXPECT_EQ(names.size(), 2);

    garrayMapOwned<gstr> taker;
    taker.appendNew(0);
    taker.transferFrom(names);
    EXPECT_EQ(names.size(), 0);
    EXPECT_EQ(names.find(1), nullptr);
    EXPECT_EQ(taker.find(1)->view(), "one");
    EXPECT_EQ(taker.find(0), nullptr);
    taker.deleteAll();
    EXPECT_EQ(taker.size(), 0);
    EXPECT_NE(taker.appendNew(1), nullptr);

    garrayMapOwned<Pattern> patterns;
    EXPECT_EQ(patterns.appendNew(3)->allowZeroLength, 0);
}

} // namespace
