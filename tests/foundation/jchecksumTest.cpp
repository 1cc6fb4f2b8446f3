#include "foundation/jchecksum.h"

#include "foundation/gstr.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

gstrSlice bytes(const std::string& s) { return gstrSlice(s.data(), static_cast<int32_t>(s.size())); }

const std::string check = "123456789";

// The catalogued check values of the CRC variants these parameters make.
TEST(checksum, CrcCheckValues)
{
    struct {
        int kind;
        uint32_t initial;
        uint32_t finalXor;
        uint32_t expected;
        const char* variant;
    } cases[] = {
        {5, 0xFFFFFFFF, 0xFFFFFFFF, 0xCBF43926, "CRC-32/ISO-HDLC"},
        {5, 0xFFFFFFFF, 0, 0x340BC6D9, "CRC-32/JAMCRC"},
        {3, 0, 0, 0xBB3D, "CRC-16/ARC"},
        {3, 0xFFFF, 0, 0x4B37, "CRC-16/MODBUS"},
        {3, 0, 0xFFFF, 0x44C2, "CRC-16/MAXIM-DOW"},
        {3, 0xFFFFFFFF, 0, 0x4B37, "CRC-16/MODBUS, high bits of the initial value dropped"},
        {4, 0xFFFF, 0, 0x29B1, "CRC-16/IBM-3740"},
        {4, 0, 0, 0x31C3, "CRC-16/XMODEM"},
        {4, 0xFFFF, 0xFFFF, 0xD64E, "CRC-16/GENIBUS"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bytes(check).checksum(c.kind, 0, c.initial, c.finalXor), c.expected) << c.variant;
}

// Bit by bit, straight from the polynomials: nothing shared with the tables.
uint32_t bitwiseReflected(uint32_t poly, uint32_t r, const std::vector<uint8_t>& data)
{
    for (uint8_t b : data) {
        r ^= b;
        for (int i = 0; i < 8; ++i)
            r = (r & 1) ? (r >> 1) ^ poly : r >> 1;
    }
    return r;
}

uint32_t bitwiseCcitt(uint32_t r, const std::vector<uint8_t>& data)
{
    for (uint8_t b : data) {
        r ^= uint32_t(b) << 8;
        for (int i = 0; i < 8; ++i)
            r = (r & 0x8000) ? ((r << 1) ^ 0x1021) & 0xFFFF : (r << 1) & 0xFFFF;
    }
    return r;
}

TEST(checksum, EightByteStepsMatchBitwiseCrcAtEveryLength)
{
    std::mt19937 random(7);
    for (size_t n = 0; n < 70; ++n) {
        std::vector<uint8_t> data(n);
        for (auto& b : data)
            b = static_cast<uint8_t>(random());
        gstrSlice s(reinterpret_cast<const char*>(data.data()), static_cast<int32_t>(n));
        uint32_t init = static_cast<uint32_t>(random());
        EXPECT_EQ(s.checksum(5, 0, init, 0), bitwiseReflected(0xEDB88320, init, data)) << n;
        EXPECT_EQ(s.checksum(3, 0, init, 0), bitwiseReflected(0xA001, init & 0xFFFF, data)) << n;
        EXPECT_EQ(s.checksum(4, 0, init, 0), bitwiseCcitt(init & 0xFFFF, data)) << n;
    }
}

TEST(checksum, ResultWritesLowByteFirstAndRestarts)
{
    jcrc32 crc(0xFFFFFFFF, 0xFFFFFFFF);
    uint8_t out[4];
    crc.compute(out, check.data(), 4);
    crc.compute(out, check.data(), check.size());
    EXPECT_EQ(out[0], 0x26);
    EXPECT_EQ(out[1], 0x39);
    EXPECT_EQ(out[2], 0xF4);
    EXPECT_EQ(out[3], 0xCB);

    jcrcCcitt ccitt(0x1FFFF, 0xF0000);
    EXPECT_EQ(ccitt.resultSize(), 2);
    ccitt.update(check.data(), 5);
    ccitt.update(check.data() + 5, 4);
    uint8_t two[2];
    ccitt.result(two);
    EXPECT_EQ(two[0], 0xB1);
    EXPECT_EQ(two[1], 0x29);
    EXPECT_EQ(ccitt.value(), 0xFFFFu) << "restarted from the initial value";
}

struct sumCase {
    int kind;
    int layout;
    std::string data;
    uint32_t expected;
};

TEST(checksum, SumsAndExclusiveOrByLayout)
{
    const sumCase cases[] = {
        {1, 0, "\x01\x02\x03", 6},
        {1, 1, "\x01\x02\x03", 0x0204},
        {1, 2, "\x01\x02\x03", 0x0402},
        {1, 3, "\x01\x02\x03\x04", 0x030205},
        {1, 4, "\x01\x02\x03\x04", 0x050203},
        {1, 5, "\x01\x02\x03\x04\x05", 0x04030206},
        {1, 6, "\x01\x02\x03\x04\x05", 0x06020304},
        {1, 0, "\xFF\xFF\xFF", 0x2FD},                 // bytes are unsigned, the sum is not cut
        {1, 1, "\xFF\xFF\xFF\xFF", 0x1FFFE},            // nor cut to the word size
        {1, 6, "\xFF\xFF\xFF\xFF\x01\x01\x01\x01", 0x01010100},  // modulo 2^32
        {2, 0, "\x55\xAA", 0xFF},
        {2, 0, "\x55\x55", 0},
        {2, 1, "\x01\x02\x04\x08\x10", 0x0A15},
        {2, 2, "\x01\x02\x04\x08\x10", 0x150A},
        {2, 4, "\x12\x34\x56\x78", 0x6A3456},
        {2, 5, "\x12\x34\x56\x78\xFF", 0x785634ED},
        {1, 7, "\x01", 0},
        {2, 9, "\x01", 0},
        {1, -1, "\x01", 0},
        {6, 0, "\x7F\x02", 0x01},
        {7, 0, "\xFF\x02", 0x01},
        {6, 3, "abc", (97 + 98 + 99) & 0x7F},
        {8, 0, "abc", 40},
        {8, 0, "123456789", 126},
        {8, 0, std::string("\x00", 1), 32 + (0xFFFFFFE0u % 95)},
        {8, 0, "\x80", 32 + 96 % 95},
        {9, 0, "abc", 0},
        {0, 0, "abc", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bytes(c.data).checksum(c.kind, c.layout, 0, 0), c.expected) << c.kind << "/" << c.layout;
}

TEST(checksum, EmptyText)
{
    for (int kind : {1, 2, 6, 7})
        EXPECT_EQ(gstrSlice::empty.checksum(kind, 0, 0x1234, 0x1), 0u) << kind;
    EXPECT_EQ(gstrSlice::null.checksum(5, 0, 0x12345678, 0xFF), 0x12345687u);
    EXPECT_EQ(gstrSlice::empty.checksum(3, 0, 0x12345678, 0xFF), 0x5687u);
    EXPECT_EQ(gstrSlice::empty.checksum(4, 0, 0x12345678, 0x10000), 0x5678u);
    EXPECT_EQ(gstrSlice::empty.checksum(8, 0, 0, 0), 32u);
}

} // namespace
