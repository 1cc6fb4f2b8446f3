// Inserting and finding one million tags in a 100-bucket jhashStringTable (the
// kind every object table is), next to std::unordered_map in the same run.
// Run: build/bench/hashTableBench
#include "foundation/jhashTable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int tagCount = 1000000;
constexpr int buckets = 100;

struct Tags {
    std::vector<std::string> names;
    std::vector<std::unique_ptr<jhashNamedObject>> entries;
    std::vector<int> lookupOrder;

    Tags()
    {
        const char* words[] = {"PUMP", "Valve", "TANK_LEVEL", "FLOW", "Pressure", "MOTOR_", "ALARM", "T"};
        for (int i = 0; i < tagCount; ++i) {
            std::string name(words[i % 8]);
            name += std::to_string(i);
            names.push_back(name);
            entries.push_back(std::make_unique<jhashNamedObject>(slice(i)));
            lookupOrder.push_back(i);
        }
        std::shuffle(lookupOrder.begin(), lookupOrder.end(), std::mt19937(7));
    }

    gstrSlice slice(int i) const
    {
        return gstrSlice(names[i].data(), static_cast<int32_t>(names[i].size()));
    }
};

const Tags& tags()
{
    static const Tags t;
    return t;
}

void jhashInsert(benchmark::State& state)
{
    const Tags& t = tags();
    for (auto _ : state) {
        auto table = std::make_unique<jhashStringTable>(buckets);
        for (const auto& e : t.entries)
            table->insert(e.get());
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * tagCount);
}

void stdInsert(benchmark::State& state)
{
    const Tags& t = tags();
    for (auto _ : state) {
        auto map = std::make_unique<std::unordered_map<std::string, jhashNamedObject*>>();
        for (int i = 0; i < tagCount; ++i)
            map->emplace(t.names[i], t.entries[i].get());
        state.PauseTiming();
        map.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * tagCount);
}

void jhashFind(benchmark::State& state)
{
    const Tags& t = tags();
    jhashStringTable table(buckets);
    for (const auto& e : t.entries)
        table.insert(e.get());
    for (auto _ : state) {
        for (int i : t.lookupOrder)
            benchmark::DoNotOptimize(table.find(t.slice(i)));
    }
    state.SetItemsProcessed(state.iterations() * tagCount);
}

void stdFind(benchmark::State& state)
{
    const Tags& t = tags();
    std::unordered_map<std::string, jhashNamedObject*> map;
    for (int i = 0; i < tagCount; ++i)
        map.emplace(t.names[i], t.entries[i].get());
    for (auto _ : state) {
        for (int i : t.lookupOrder)
            benchmark::DoNotOptimize(map.find(t.names[i]));
    }
    state.SetItemsProcessed(state.iterations() * tagCount);
}

BENCHMARK(jhashInsert)->Unit(benchmark::kMillisecond);
BENCHMARK(stdInsert)->Unit(benchmark::kMillisecond);
BENCHMARK(jhashFind)->Unit(benchmark::kMillisecond);
BENCHMARK(stdFind)->Unit(benchmark::kMillisecond);

// Keeps the time of each run so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio(const char* what, const std::string& ours, const std::string& theirs) const
    {
        auto a = times.find(ours), b = times.find(theirs);
        if (a == times.end() || b == times.end() || b->second <= 0)
            return;
        std::printf("%s: jhashStringTable / std::unordered_map = %.2f\n", what, a->second / b->second);
    }

    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("insert", "jhashInsert", "stdInsert");
    reporter.printRatio("lookup", "jhashFind", "stdFind");
    benchmark::Shutdown();
    return 0;
}
