// Loading and saving a station of 200,000 objects, each with a tag, a TITLE
// and a reference to another object by tag, against the floor of the same
// run: reading the file into memory and splitting it into lines.
// Run: build/bench/stationFileBench
#include "foundation/gmessageService.h"
#include "store/gstationState.h"
#include "store/stationFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int objectCount = 200000;

// The serial port is the stand-in whose own lines refer to another object:
// every port is linked to another port, half of them to one defined further
// down the file, so the loader makes and later takes over placeholders.
std::string stationText()
{
    std::string text;
    text.reserve(static_cast<size_t>(objectCount) * 160);
    char line[256];
    for (int i = 0; i < objectCount; ++i) {
        int linked = static_cast<int>((static_cast<long long>(i) * 7919 + 1) % objectCount);
        int n = std::snprintf(line, sizeof line,
                              "PORT Port-%06d\r\n\tTITLE\t\tSerial line %d of the plant\r\n"
                              "\tDEVICE_PATH\t/dev/ttyS%d\r\n\tSETTINGS\t9600, 8, NONE, 1\r\n\tLINE_TERM\tCR+LF\r\n"
                              "\tPORT\t\tPort-%06d\r\nEND\r\n\r\n",
                              i, i, i % 64, linked);
        text.append(line, static_cast<size_t>(n));
    }
    return text;
}

struct benchFiles {
    std::filesystem::path dir;
    std::string station;
    std::string saved;
    int64_t bytes = 0;

    benchFiles()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvelBenchXXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        dir = pattern;
        station = (dir / "station.stn").string();
        saved = (dir / "saved.stn").string();
        std::string text = stationText();
        std::ofstream(station, std::ios::binary) << text;
        bytes = static_cast<int64_t>(text.size());
    }
    ~benchFiles() { std::filesystem::remove_all(dir); }
};

benchFiles& files()
{
    static benchFiles f;
    return f;
}

class quietMessages final : public gmessageService {
public:
    ganswer messageBox(const gstrSlice& text, gbuttons, gicon, int) override
    {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.length()), text.data());
        std::abort();
    }
    bool enterText(gstr&, bool) override { return false; }
    bool warningList(const gstrSlice&, bool) override { return false; }
};

void loadStation()
{
    clearObjectDatabase(false);
    if (loadObjectFile(gstrSlice(files().station.c_str()), false, false) != gloadError::none)
        std::abort();
}

// The floor: the whole file read and cut into lines.
void readAndSplit(benchmark::State& state)
{
    for (auto _ : state) {
        int fd = ::open(files().station.c_str(), O_RDONLY | O_CLOEXEC);
        std::string bytes(static_cast<size_t>(files().bytes), '\0');
        size_t got = 0;
        while (got < bytes.size()) {
            ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n <= 0)
                std::abort();
            got += static_cast<size_t>(n);
        }
        ::close(fd);
        std::vector<std::string_view> lines;
        const char* p = bytes.data();
        const char* end = p + bytes.size();
        while (p < end) {
            const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
            const char* stop = nl ? nl : end;
            lines.emplace_back(p, static_cast<size_t>(stop - p));
            p = stop + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * files().bytes);
}

void load(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        clearObjectDatabase(false);
        state.ResumeTiming();
        if (loadObjectFile(gstrSlice(files().station.c_str()), false, false) != gloadError::none)
            std::abort();
    }
    state.SetBytesProcessed(state.iterations() * files().bytes);
}

void save(benchmark::State& state)
{
    loadStation();
    for (auto _ : state) {
        if (saveObjectFile(gstrSlice(files().saved.c_str()), false) != gsaveError::none)
            std::abort();
    }
    state.SetBytesProcessed(state.iterations() * files().bytes);
}

BENCHMARK(readAndSplit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(load)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(save)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps each benchmark's real time per iteration for the ratios.
class ratioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            std::string name = run.benchmark_name();
            seconds[name.substr(0, name.find('/'))] = run.GetAdjustedRealTime() / 1000.0;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv)
{
    quietMessages messages;
    installMessageService(&messages);
    benchmark::Initialize(&argc, argv);
    files();
    ratioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double mb = static_cast<double>(files().bytes) / 1e6;
    double floor = reporter.seconds["readAndSplit"];
    std::printf("\nstation of %d objects, %.1f MB\n", objectCount, mb);
    for (const char* name : {"load", "save"}) {
        double s = reporter.seconds[name];
        if (s > 0 && floor > 0)
            std::printf("%-5s %8.1f MB/s  %6.2f x the floor (read and split: %.1f MB/s)\n", name, mb / s, s / floor,
                        mb / floor);
    }
    clearObjectDatabase(false);
    benchmark::Shutdown();
    return 0;
}
