#include "foundation/garray.h"
#include "foundation/garrayFixed.h"
#include "foundation/garrayVariable.h"
#include "foundation/gstr.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string faultOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const gfault& f) {
        return f.what();
    }
    return "";
}

// Records its destruction; deleted through the base's virtual destructor.
struct Shape {
    virtual ~Shape() = default;
};
struct Logged : Shape {
    static std::vector<int>* log;
    int id = 0;
    ~Logged() override { log->push_back(id); }
};
std::vector<int>* Logged::log = nullptr;

struct Point {
    int32_t x = 2147483647, y = 2147483647;
};

TEST(garray, RemoveLeavesANullSlotUntilPack)
{
    int a = 1, b = 2, c = 3;
    garray<int> arr;
    EXPECT_EQ(arr.data(), nullptr);
    EXPECT_EQ(arr.append(&a), &a);
    arr.append(&b);
    arr.append(&c);
    EXPECT_EQ(arr.remove(2), &c);
    EXPECT_EQ(arr.size(), 3);
    EXPECT_EQ(arr[2], nullptr);
    EXPECT_EQ(arr.replace(0, &c), &a);
    EXPECT_EQ(arr.remove(1), &b);
    arr.pack();
    EXPECT_EQ(arr.size(), 1);
    EXPECT_EQ(arr[0], &c);

    garray<int> full;
    full.append(&a);
    full.append(&b);
    full.pack();
    EXPECT_EQ(full.size(), 2);
    EXPECT_EQ(full[1], &b);

    arr.remove(0);
    arr.pack();
    EXPECT_EQ(arr.size(), 0);
    EXPECT_EQ(arr.data(), nullptr);
}

TEST(garray, IndexOfIsByIdentity)
{
    gstr one("x"), same("x");
    garray<gstr> arr;
    arr.append(&same);
    arr.append(&one);
    arr.append(&one);
    EXPECT_EQ(arr.indexOf(&one), 1);
    gstr other("x");
    EXPECT_EQ(arr.indexOf(&other), -1);

    garray<gstr> copy;
    copy = arr;
    EXPECT_EQ(copy.size(), 3);
    EXPECT_EQ(copy[2], &one);
    garray<gstr> empty;
    copy = empty;
    EXPECT_EQ(copy.size(), 0);
}

TEST(garray, FaultTexts)
{
    int a = 0;
    garray<int> arr;
    arr.append(&a);
    struct Case {
        std::function<void()> call;
        std::string text;
    } cases[] = {
        {[&] { (void)arr[1]; }, "garray index out of range in garray::operator[]"},
        {[&] { (void)arr[-1]; }, "garray index out of range in garray::operator[]"},
        {[&] { arr.remove(1); }, "garray index out of range in garray::remove()"},
        {[&] { arr.replace(5, &a); }, "garray index out of range in garray::replace()"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(faultOf(c.call), c.text);
    EXPECT_EQ(arr[0], &a);
}

TEST(garrayOwned, DeletesWhatItOwnsOnce)
{
    std::vector<int> log;
    Logged::log = &log;
    {
        garrayOwned<Shape> arr;
        for (int id : {1, 2, 3}) {
            auto* e = new Logged;
            e->id = id;
            arr.append(e);
        }
        arr.deleteAt(1);
        arr.deleteAt(1);
        EXPECT_EQ(log, std::vector<int>{2});
        EXPECT_EQ(arr.size(), 3);

        garrayOwned<Shape> target;
        auto* own = new Logged;
        own->id = 9;
        target.append(own);
        target.transferFrom(arr);
        EXPECT_EQ(log, (std::vector<int>{2, 9}));
        EXPECT_EQ(arr.size(), 0);
        EXPECT_EQ(target.size(), 3);
        target.transferFrom(target);
        EXPECT_EQ(target.size(), 3);
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<int>{1, 3}));

    garrayOwned<gstr> names;
    gstr* fresh = names.appendNew();
    EXPECT_TRUE(fresh->isNull());
    EXPECT_EQ(names[0], fresh);
    names.deleteAll();
    EXPECT_EQ(names.size(), 0);
}

TEST(garrayFixed, CreateResizeAndAssign)
{
    garrayFixed<int32_t> ints;
    EXPECT_EQ(ints.size(), 0);
    ints.create(2, 7);
    EXPECT_EQ(ints[1], 7);
    ints[0] = 1;
    ints.resize(3);
    EXPECT_EQ(ints[0], 1);
    EXPECT_EQ(ints[1], 7);
    ints[2] = 9;
    ints.resize(2);
    EXPECT_EQ(ints.size(), 2);
    EXPECT_EQ(ints[1], 7);

    garrayFixed<int32_t> grown;
    grown.resize(1);
    grown[0] = 5;
    grown.resize(grown.size() + 1);
    EXPECT_EQ(grown[0], 5);

    garrayFixed<int32_t> copy;
    copy = ints;
    EXPECT_EQ(copy.size(), 2);
    EXPECT_EQ(copy[0], 1);
    copy.fill(4);
    ints.swap(copy);
    EXPECT_EQ(ints[1], 4);
    EXPECT_EQ(copy[0], 1);

    garrayFixed<Point> points;
    points.create(2);
    EXPECT_EQ(points[1].x, 2147483647);
    garrayFixed<gstr> names(3);
    names[2].assign("addr");
    garrayFixed<gstr> names2(names);
    EXPECT_EQ(names2[2].view(), "addr");
    garrayFixed<gstr> notCreated(garrayFixed<gstr>{});
    EXPECT_EQ(notCreated.size(), 0);
}

TEST(garrayFixed, FaultTexts)
{
    garrayFixed<int32_t> two(2), three(3), none;
    struct Case {
        std::function<void()> call;
        std::string text;
    } cases[] = {
        {[] { garrayFixed<int32_t> bad(0); }, "size not positive in garrayFixed::garrayFixed(int newSize)"},
        {[&] { two.create(2, 0); }, "array already initialized in garrayFized::create()"},
        {[&] { none.create(0); }, "size not positive in garrayFixed::create()"},
        {[&] { none.resize(0); }, "size not positive in garrayFixed::resize()"},
        {[&] { two = three; }, "array sizes don't match in garrayFixed::operator =()"},
        {[&] { none = garrayFixed<int32_t>(); }, "size not positive in garrayFixed::create()"},
        {[&] { (void)two[-1]; }, "index out of range in garrayFixed::operator []()"},
        {[&] { (void)two[2]; }, "index out of range in garrayFixed::operator []()"},
        {[&] { (void)none[0]; }, "index out of range in garrayFixed::operator []()"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(faultOf(c.call), c.text) << c.text;
    EXPECT_EQ(two.size(), 2);
    EXPECT_EQ(none.size(), 0);
}

TEST(garrayVariable, AppendFindAndTransfer)
{
    garrayVariable<int32_t> values;
    EXPECT_EQ(values.append(10), 0);
    EXPECT_EQ(values.append(20), 1);
    values.append(10);
    EXPECT_EQ(values.find(10), 0);
    EXPECT_EQ(values.find(30), -1);
    values[1] = 25;
    EXPECT_EQ(values[1], 25);
    EXPECT_EQ(faultOf([&] { (void)values[-1]; }), "index out of range in garrayVariable::operator []()");
    EXPECT_EQ(faultOf([&] { (void)values[3]; }), "index out of range in garrayVariable::operator []()");

    garrayVariable<int32_t> copy;
    copy = values;
    EXPECT_EQ(copy.size(), 3);
    garrayVariable<int32_t> taker;
    taker.append(99);
    taker.transferFrom(values);
    EXPECT_EQ(values.size(), 0);
    EXPECT_EQ(taker.size(), 3);
    EXPECT_EQ(taker[2], 10);
    copy = values;
    EXPECT_EQ(copy.size(), 0);
}

} // namespace
