#include "foundation/jbase64.h"
#include "foundation/jbyteQueue.h"

#include "foundation/gfault.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string drain(jbyteStream& s)
{
    std::string out(s.available(), '\0');
    out.resize(s.read(out.data(), out.size()));
    return out;
}

void writeText(jbyteStream& s, const std::string& text) { s.write(text.data(), text.size()); }

TEST(jbyteQueue, ChunksAreFreedOnceRead)
{
    jbyteQueue q(4);
    writeText(q, "0123456789");
    EXPECT_EQ(q.chunkCount(), 3u);
    char buffer[5];
    EXPECT_EQ(q.read(buffer, 5), 5u);
    EXPECT_EQ(std::string(buffer, 5), "01234");
    EXPECT_EQ(q.chunkCount(), 2u);
    EXPECT_EQ(q.available(), 5u);

    uint8_t b = 0;
    EXPECT_EQ(q.peek(b), 1);
    EXPECT_EQ(b, '5');
    EXPECT_EQ(q.get(b), 1);
    EXPECT_EQ(b, '5');
    EXPECT_EQ(q.get(b), 1);
    EXPECT_EQ(b, '6');
    EXPECT_EQ(q.get(b), 1);
    EXPECT_EQ(q.chunkCount(), 1u) << "the second chunk was filled and read";
    EXPECT_EQ(drain(q), "89");
    EXPECT_EQ(q.get(b), 0);
    EXPECT_EQ(q.peek(b), 0);
    EXPECT_EQ(q.read(buffer, 5), 0u);

    // The last chunk, not yet full, takes more after being read.
    q.put('x');
    q.put('y');
    EXPECT_EQ(drain(q), "xy");
    EXPECT_EQ(q.available(), 0u);
    EXPECT_THROW(jbyteQueue(0), gfault);
}

TEST(jbyteQueue, CopyMovesAtMostTheCount)
{
    jbyteQueue source(7);
    jbyteQueue target(3);
    std::string text(1000, '\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>(i * 7);
    writeText(source, text);
    EXPECT_EQ(source.copyTo(target, 600), 600u);
    EXPECT_EQ(source.available(), 400u);
    EXPECT_EQ(source.copyTo(target, 600), 400u);
    EXPECT_EQ(drain(target), text);
    writeText(source, text);
    EXPECT_EQ(source.copyAllTo(target), 1000u);
    EXPECT_EQ(drain(target), text);
}

std::string encode(const std::string& data, bool lineBreaks)
{
    jbase64Encoder e(nullptr, lineBreaks);
    writeText(e, data);
    e.finish();
    return drain(e);
}

std::string decode(const std::string& text)
{
    jbase64Decoder d;
    writeText(d, text);
    d.finish();
    return drain(d);
}

TEST(jbase64, Rfc4648Vectors)
{
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [data, text] : vectors) {
        EXPECT_EQ(encode(data, false), text);
        EXPECT_EQ(encode(data, true), text.empty() ? "" : text + "\n");
        EXPECT_EQ(decode(text), data);
    }
}

TEST(jbase64, LineBreaks)
{
    std::string line = encode(std::string(54, 'a'), true);
    ASSERT_EQ(line.size(), 73u);
    EXPECT_EQ(line.back(), '\n');
    EXPECT_EQ(line.find('\n'), 72u);

    std::string more = encode(std::string(55, 'a'), true);
    EXPECT_EQ(more.substr(0, 73), line);
    EXPECT_EQ(more.substr(73), "YQ==\n");

    std::string many = encode(std::string(1000, 'z'), true);
    size_t start = 0;
    for (size_t lf = many.find('\n'); lf != std::string::npos; lf = many.find('\n', start)) {
        EXPECT_LE(lf - start, 72u);
        start = lf + 1;
    }
    EXPECT_EQ(start, many.size()) << "ends with a line feed";
    EXPECT_EQ(encode(std::string(54, 'a'), false).find('\n'), std::string::npos);
}

TEST(jbase64, DecoderSkipsOutsideTheAlphabetAndFlushesPartialGroups)
{
    EXPECT_EQ(encode("\x4D\x61", false), "TWE=");
    EXPECT_EQ(decode("TWE="), "\x4D\x61");
    EXPECT_EQ(decode(" T\nW\r\nE = "), "\x4D\x61");
    EXPECT_EQ(decode("T-W*E"), "\x4D\x61");
    // A lone value gives one byte made from it alone.
    EXPECT_EQ(decode("TWFu/"), std::string("Man") + static_cast<char>(63 << 2));
    EXPECT_EQ(decode("===\n!!"), "");
}

TEST(jbase64, WritesInPiecesGiveTheSameText)
{
    std::string data(301, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 31 + 5);
    std::string whole = encode(data, true);
    jbase64Encoder e(nullptr, true);
    for (size_t i = 0; i < data.size(); i += i % 5 + 1) {
        size_t n = std::min(i % 5 + 1, data.size() - i);
        if (n == 1)
            e.put(static_cast<uint8_t>(data[i]));
        else
            e.write(data.data() + i, n);
    }
    e.finish();
    EXPECT_EQ(drain(e), whole);
    e.flush();
    EXPECT_EQ(e.available(), 0u) << "a second flush adds nothing";
}

TEST(jbase64, RandomMegabyteRoundTrip)
{
    std::mt19937 random(42);
    std::string data(1 << 20, '\0');
    for (auto& c : data)
        c = static_cast<char>(random());
    for (bool lineBreaks : {false, true}) {
        std::string text = encode(data, lineBreaks);
        EXPECT_EQ(text.size(), (data.size() + 2) / 3 * 4 + (lineBreaks ? (text.size() + 72) / 73 : 0));
        EXPECT_EQ(decode(text), data);
    }
}

TEST(jbyteFilter, ChainsAndReattaches)
{
    // Encoder into decoder: what is written comes out unchanged.
    auto encoder = std::make_unique<jbase64Encoder>(std::make_unique<jbase64Decoder>(), true);
    EXPECT_TRUE(encoder->isFilter());
    writeText(*encoder, "hello, world");
    encoder->finish();
    EXPECT_EQ(drain(*encoder), "hello, world");

    // attachLast goes to the end of the chain: the decoder's queue is replaced
    // by the new one, which receives what the old one held.
    writeText(*encoder, "abc");
    encoder->finish();
    auto fresh = std::make_unique<jbyteQueue>(2);
    jbyteQueue* last = fresh.get();
    encoder->attachLast(std::move(fresh));
    EXPECT_EQ(last->available(), 3u);
    EXPECT_TRUE(encoder->target().isFilter());

    // attach without a target: a fresh queue holding what the old target held.
    jbase64Encoder plain;
    writeText(plain, "ManMa");
    jbyteStream* old = &plain.target();
    plain.attach(nullptr);
    EXPECT_NE(&plain.target(), old);
    EXPECT_EQ(drain(plain), "TWFu");
    plain.finish();
    EXPECT_EQ(drain(plain), "TWE=") << "the encoder's own pending bytes stay with it";
}

} // namespace
