// CRC-32, CRC-16, CRC-CCITT and base64 encoding and decoding over 64 MB in
// one run, with memcpy of the same bytes as the peer and 300 MB/s as the floor
// CRC-32 must reach on one core. MB here is 2^20 bytes.
// Run: build/bench/checksumBench
#include "foundation/gstr.h"
#include "foundation/jbase64.h"
#include "foundation/jbyteQueue.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr size_t dataSize = size_t(64) << 20;
constexpr double megabyte = 1 << 20;
constexpr double crc32FloorMBps = 300;

const std::string& data()
{
    static const std::string bytes = [] {
        std::string b(dataSize, '\0');
        std::mt19937_64 random(11);
        for (size_t i = 0; i < b.size(); i += 8) {
            uint64_t v = random();
            std::memcpy(&b[i], &v, 8);
        }
        return b;
    }();
    return bytes;
}

gstrSlice dataSlice() { return gstrSlice(data().data(), static_cast<int32_t>(data().size())); }

const std::string& base64Text()
{
    static const std::string text = [] {
        jbase64Encoder encoder;
        encoder.write(data().data(), data().size());
        encoder.finish();
        std::string t(encoder.available(), '\0');
        encoder.read(t.data(), t.size());
        return t;
    }();
    return text;
}

void checksumKind(benchmark::State& state, int kind, uint32_t initial, uint32_t finalXor)
{
    gstrSlice s = dataSlice();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.checksum(kind, 0, initial, finalXor));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(dataSize));
}

void crc32(benchmark::State& state) { checksumKind(state, 5, 0xFFFFFFFF, 0xFFFFFFFF); }
void crc16(benchmark::State& state) { checksumKind(state, 3, 0, 0); }
void crcCcitt(benchmark::State& state) { checksumKind(state, 4, 0xFFFF, 0); }

void base64Encode(benchmark::State& state)
{
    const std::string& bytes = data();
    for (auto _ : state) {
        auto encoder = std::make_unique<jbase64Encoder>();
        encoder->write(bytes.data(), bytes.size());
        encoder->finish();
        benchmark::DoNotOptimize(encoder->available());
        state.PauseTiming();
        encoder.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(dataSize));
}

void base64Decode(benchmark::State& state)
{
    const std::string& text = base64Text();
    for (auto _ : state) {
        auto decoder = std::make_unique<jbase64Decoder>();
        decoder->write(text.data(), text.size());
        decoder->finish();
        if (decoder->available() != dataSize)
            state.SkipWithError("decoded size differs");
        state.PauseTiming();
        decoder.reset();
        state.ResumeTiming();
    }
    // Counted in decoded bytes, so that encode and decode compare.
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(dataSize));
}

void memcpyPeer(benchmark::State& state)
{
    const std::string& bytes = data();
    std::vector<char> target(bytes.size());
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(dataSize));
}

BENCHMARK(crc32)->Unit(benchmark::kMillisecond);
BENCHMARK(crc16)->Unit(benchmark::kMillisecond);
BENCHMARK(crcCcitt)->Unit(benchmark::kMillisecond);
BENCHMARK(base64Encode)->Unit(benchmark::kMillisecond);
BENCHMARK(base64Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyPeer)->Unit(benchmark::kMillisecond);

// Keeps the time of each run so that the rates and ratios can be printed at
// the end.
class RateReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (seconds > 0)
                rates[run.benchmark_name()] = dataSize / megabyte / seconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void print() const
    {
        double peer = rateOf("memcpyPeer");
        for (const auto& [name, rate] : rates)
            std::printf("%-13s %9.1f MB/s   %.3f of memcpy\n", name.c_str(), rate, peer > 0 ? rate / peer : 0.0);
        double crc = rateOf("crc32");
        if (crc > 0)
            std::printf("crc32 / floor of %.0f MB/s = %.2f (%s)\n", crc32FloorMBps, crc / crc32FloorMBps,
                        crc >= crc32FloorMBps ? "met" : "NOT met");
    }

private:
    double rateOf(const std::string& name) const
    {
        auto it = rates.find(name);
        return it == rates.end() ? 0.0 : it->second;
    }

    std::map<std::string, double> rates;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print();
    benchmark::Shutdown();
    return 0;
}
