#include "foundation/jchecksum.h"

#include "foundation/gstr.h"

#include <array>

namespace {

// Table k gives the effect of a byte followed by k zero bytes, so eight bytes
// are folded in one step. Table 0 is the usual table: entry i is the CRC of
// the single byte i from a zero register.
using crcTables = std::array<std::array<uint32_t, 256>, 8>;

constexpr crcTables reflectedTables(uint32_t polynomial)
{
    crcTables t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t r = i;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 1) ? (r >> 1) ^ polynomial : r >> 1;
        t[0][i] = r;
    }
    for (size_t k = 1; k < 8; ++k) {
        for (size_t i = 0; i < 256; ++i)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    }
    return t;
}

constexpr crcTables ccittTables()
{
    crcTables t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t r = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 0x8000) ? ((r << 1) ^ 0x1021) & 0xFFFF : (r << 1) & 0xFFFF;
        t[0][i] = r;
    }
    for (size_t k = 1; k < 8; ++k) {
        for (size_t i = 0; i < 256; ++i)
            t[k][i] = ((t[k - 1][i] << 8) & 0xFFFF) ^ t[0][t[k - 1][i] >> 8];
    }
    return t;
}

constexpr crcTables crc32Tables = reflectedTables(0xEDB88320);
constexpr crcTables crc16Tables = reflectedTables(0xA001);
constexpr crcTables crcCcittTables = ccittTables();

uint32_t loadLittle32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// register = table[(register XOR b) AND 0xFF] XOR (register >> 8), eight bytes
// at a time.
uint32_t updateReflected(const crcTables& t, uint32_t r, const uint8_t* p, size_t n)
{
    for (; n >= 8; n -= 8, p += 8) {
        uint32_t low = r ^ loadLittle32(p);
        uint32_t high = loadLittle32(p + 4);
        r = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24]
            ^ t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; n > 0; --n, ++p)
        r = t[0][(r ^ *p) & 0xFF] ^ (r >> 8);
    return r;
}

// register = (register << 8) XOR table[((register >> 8) XOR b) AND 0xFF] in
// 16 bits, eight bytes at a time.
uint32_t updateCcitt(const crcTables& t, uint32_t r, const uint8_t* p, size_t n)
{
    for (; n >= 8; n -= 8, p += 8) {
        r = t[7][p[0] ^ (r >> 8)] ^ t[6][p[1] ^ (r & 0xFF)] ^ t[5][p[2]] ^ t[4][p[3]] ^ t[3][p[4]]
            ^ t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
    }
    for (; n > 0; --n, ++p)
        r = ((r << 8) & 0xFFFF) ^ t[0][((r >> 8) ^ *p) & 0xFF];
    return r;
}

// Word size and byte order of the layouts of the sum and exclusive-or kinds.
struct wordLayout {
    int size;
    bool firstMostSignificant;
};

bool layoutOf(int layout, wordLayout& out)
{
    if (layout < 0 || layout > 6)
        return false;
    out.size = layout == 0 ? 1 : (layout + 3) / 2;
    out.firstMostSignificant = layout != 0 && layout % 2 == 0;
    return true;
}

// Words of the layout summed (modulo 2^32) or combined by exclusive-or; a
// last short word is completed with zero bytes at its end. Byte k of every
// word is gathered in its own lane, and the lanes are then weighted by their
// place in a word.
uint32_t sumOfWords(const uint8_t* p, size_t n, const wordLayout& layout, bool exclusiveOr)
{
    uint32_t lanes[4] = {0, 0, 0, 0};
    size_t w = static_cast<size_t>(layout.size);
    for (size_t i = 0; i < n; ++i) {
        uint32_t& lane = lanes[i % w];
        lane = exclusiveOr ? lane ^ p[i] : lane + p[i];
    }
    uint32_t total = 0;
    for (size_t k = 0; k < w; ++k) {
        size_t place = layout.firstMostSignificant ? w - 1 - k : k;
        uint32_t weighted = lanes[k] << (8 * place);
        total = exclusiveOr ? total | weighted : total + weighted;
    }
    return total;
}

uint32_t sumOfBytes(const uint8_t* p, size_t n)
{
    uint32_t sum = 0;
    for (size_t i = 0; i < n; ++i)
        sum += p[i];
    return sum;
}

// 32 + (the sum of byte - 32, modulo 2^32) mod 95: always a printable character.
uint32_t printableChecksum(const uint8_t* p, size_t n)
{
    uint32_t sum = 0;
    for (size_t i = 0; i < n; ++i)
        sum += uint32_t(p[i]) - 32u;
    return 32 + sum % 95;
}

template <typename crc>
uint32_t crcOf(const uint8_t* p, size_t n, uint32_t initial, uint32_t finalXor)
{
    crc c(initial, finalXor);
    c.update(p, n);
    return c.value();
}

} // namespace

void jchecksum::compute(uint8_t* out, const void* bytes, size_t count)
{
    update(bytes, count);
    result(out);
}

void jcrc::result(uint8_t* out)
{
    uint32_t v = value();
    for (int i = 0; i < resultSize(); ++i)
        out[i] = static_cast<uint8_t>(v >> (8 * i));
    register_ = initial_;
}

void jcrc32::update(const void* bytes, size_t count)
{
    register_ = updateReflected(crc32Tables, register_, static_cast<const uint8_t*>(bytes), count);
}

void jcrc16::update(const void* bytes, size_t count)
{
    register_ = updateReflected(crc16Tables, register_, static_cast<const uint8_t*>(bytes), count);
}

void jcrcCcitt::update(const void* bytes, size_t count)
{
    register_ = updateCcitt(crcCcittTables, register_, static_cast<const uint8_t*>(bytes), count);
}

uint32_t gstrSlice::checksum(int kind, int layout, uint32_t initial, uint32_t finalXor) const noexcept
{
    const auto* p = reinterpret_cast<const uint8_t*>(ptr_);
    size_t n = len_ > 0 ? static_cast<size_t>(len_) : 0;
    wordLayout words{};
    switch (kind) {
    case 1:
    case 2:
        return layoutOf(layout, words) ? sumOfWords(p, n, words, kind == 2) : 0;
    case 3:
        return crcOf<jcrc16>(p, n, initial, finalXor);
    case 4:
        return crcOf<jcrcCcitt>(p, n, initial, finalXor);
    case 5:
        return crcOf<jcrc32>(p, n, initial, finalXor);
    case 6:
        return sumOfBytes(p, n) & 0x7F;
    case 7:
        return sumOfBytes(p, n) & 0xFF;
    case 8:
        return printableChecksum(p, n);
    default:
        return 0;
    }
}
