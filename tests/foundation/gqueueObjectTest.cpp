#include "foundation/gqueueObject.h"

#include "foundation/gfault.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Item : gqueueObject {
    explicit Item(char n) : name(n) {}
    char name;
};

// The names of a queue's objects, oldest first; checks the way back too.
std::string walk(const gqueue& q)
{
    std::string out;
    for (Item* i = gqueueObject::firstObject<Item>(q); i; i = gqueueObject::nextObject<Item>(i))
        out += i->name;
    std::string back;
    for (gqueueObject* l = q.getNewest(); l; l = l->getOlder())
        back.insert(back.begin(), static_cast<Item*>(l)->name);
    EXPECT_EQ(out, back);
    return out;
}

TEST(gqueue, QueueAndUnqueueKeepBothDirections)
{
    gqueue q;
    Item l1('1'), l2('2'), l3('3');
    for (Item* l : {&l1, &l2, &l3})
        l->queue(q);
    EXPECT_EQ(q.getNewest(), &l3);
    EXPECT_EQ(q.getOldest(), &l1);
    EXPECT_EQ(walk(q), "123");

    l2.unqueue();
    EXPECT_EQ(l1.getPrev(), &l3);
    EXPECT_EQ(l3.getOlder(), &l1);
    EXPECT_FALSE(l2.isQueued());
    EXPECT_EQ(l2.getPrev(), nullptr);
    EXPECT_EQ(l2.getOlder(), nullptr);
    EXPECT_EQ(l2.getQueue(), nullptr);
    l2.unqueue();

    l1.unqueue();
    l3.unqueue();
    EXPECT_TRUE(q.isEmpty());
    EXPECT_EQ(q.getNewest(), nullptr);
    EXPECT_EQ(gqueueObject::firstObject(q), nullptr);
}

TEST(gqueue, ALinkIsInOneQueueAtATime)
{
    gqueue first, second;
    Item l1('1'), l2('2');
    l1.queue(first);
    try {
        l1.queue(second);
        FAIL();
    } catch (const gfault& f) {
        EXPECT_STREQ(f.what(), "object already queued in gqueueObject::queue()");
    }
    EXPECT_EQ(l1.getQueue(), &first);
    EXPECT_TRUE(second.isEmpty());

    // Moving between queues takes an unqueue.
    l2.queue(first);
    l1.unqueue();
    l1.queue(second);
    EXPECT_EQ(walk(first), "2");
    EXPECT_EQ(walk(second), "1");
    Item copy(l1);
    EXPECT_FALSE(copy.isQueued());
}

TEST(gqueue, TakeFromMovesLinksInOrder)
{
    gqueue source, target;
    Item l1('1'), l2('2'), l3('3');
    l1.queue(source);
    l2.queue(source);
    target.takeFrom(source);
    EXPECT_TRUE(source.isEmpty());
    EXPECT_EQ(l1.getQueue(), &target);
    EXPECT_EQ(l2.getQueue(), &target);
    EXPECT_EQ(walk(target), "12");

    // A queue that is not empty keeps its own links before the taken ones.
    l3.queue(source);
    source.takeFrom(target);
    EXPECT_EQ(walk(source), "312");
    EXPECT_EQ(l1.getQueue(), &source);
    source.takeFrom(source);
    EXPECT_EQ(walk(source), "312");
}

TEST(gqueue, LinksAndQueuesMayDieInEitherOrder)
{
    gqueue q;
    Item l1('1'), l3('3');
    l1.queue(q);
    {
        Item l2('2');
        l2.queue(q);
        l3.queue(q);
    }
    EXPECT_EQ(walk(q), "13");

    Item survivor('s');
    {
        gqueue shortLived;
        survivor.queue(shortLived);
    }
    EXPECT_FALSE(survivor.isQueued());
    survivor.queue(q);
    EXPECT_EQ(walk(q), "13s");
}

} // namespace
