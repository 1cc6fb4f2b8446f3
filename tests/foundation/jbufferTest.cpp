#include "foundation/jbuffer.h"

#include "foundation/gfault.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string held(const jbuffer& b) { return std::string(reinterpret_cast<const char*>(b.data()), b.used()); }

TEST(jbuffer, KeepsTheLastBytes)
{
    jbuffer b;
    b.create(4);
    b.append("\x01\x02\x03", 3);
    b.append("\x04\x05", 2);
    EXPECT_EQ(held(b), "\x02\x03\x04\x05");
    b.append("abcdef", 6);
    EXPECT_EQ(held(b), "cdef");
    b.appendByte('g');
    EXPECT_EQ(held(b), "defg");
    b.append("xyzw", 4);
    EXPECT_EQ(held(b), "xyzw");
    b.assign("12", 2);
    EXPECT_EQ(held(b), "12");
    b.append("3", 1);
    EXPECT_EQ(held(b), "123");
    b.append("", 0);
    b.append("?", -1);
    EXPECT_EQ(held(b), "123");
    b.assign("123456789", 9);
    EXPECT_EQ(held(b), "6789");
}

TEST(jbuffer, BeforeCreateNothingIsKept)
{
    jbuffer b;
    b.append("abc", 3);
    EXPECT_EQ(b.used(), 0);
}

TEST(jbuffer, CreateFaults)
{
    jbuffer b;
    try {
        b.create(0);
        ADD_FAILURE();
    } catch (const gfault& fault) {
        EXPECT_STREQ(fault.what(), "newSize not positive in jbuffer::create()");
    }
    b.create(1);
    try {
        b.create(2);
        ADD_FAILURE();
    } catch (const gfault& fault) {
        EXPECT_STREQ(fault.what(), "block not NULL in jbuffer::create()");
    }
    b.append("ab", 2);
    EXPECT_EQ(held(b), "b");
}

} // namespace
