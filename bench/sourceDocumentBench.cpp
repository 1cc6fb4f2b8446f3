// A source document of 100,000 lines loaded from its file and changed by
// 10,000 random edits (typed characters, line breaks, pasted text, deleted
// ranges, each an undo record executed by the document), against the floor
// of the same run: reading the file into a vector of std::string, one per
// line, and making the same edits on it.
// Run: build/bench/sourceDocumentBench
#include "foundation/gmessageService.h"
#include "sourceedit/CSourceTextDoc.h"
#include "sourceedit/CSourceUndoRecord.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int lineCount = 100000;
constexpr int editCount = 10000;

const std::string& sourceFile()
{
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() / ("sourceDocumentBench-" + std::to_string(::getpid())))
                            .string();
        std::ofstream out(p, std::ios::binary);
        std::mt19937 random(5);
        for (int i = 0; i < lineCount; ++i) {
            std::string line(size_t(random() % 60), 'x');
            for (char& c : line)
                c = "abcdefgh  \t;=()"[random() % 15];
            out << line << "\r\n";
        }
        return p;
    }();
    return path;
}

// One edit, its place given as fractions that each side resolves on its own
// (identical) text.
struct edit {
    int kind;          // 0 type, 1 line break, 2 paste, 3 delete
    uint32_t line;     // taken modulo the line count
    uint32_t column;   // taken modulo the line's length + 1
    uint32_t span;     // lines and columns a deletion spans
    std::string text;  // what is typed or pasted
};

const std::vector<edit>& edits()
{
    static const std::vector<edit> list = [] {
        std::vector<edit> out;
        std::mt19937 random(9);
        for (int i = 0; i < editCount; ++i) {
            edit e{static_cast<int>(random() % 4), static_cast<uint32_t>(random()), static_cast<uint32_t>(random()),
                   static_cast<uint32_t>(random() % 3), ""};
            if (e.kind == 0)
                e.text = std::string(1, "abc ;"[random() % 5]);
            if (e.kind == 2)
                e.text = random() % 2 ? "pasted text" : "two\r\nlines\r\n";
            out.push_back(e);
        }
        return out;
    }();
    return list;
}

struct place {
    int32_t line, column;
};

template <class LengthOf>
place resolve(const edit& e, int32_t count, LengthOf length)
{
    int32_t line = static_cast<int32_t>(e.line % uint32_t(count));
    return {line, static_cast<int32_t>(e.column % uint32_t(length(line) + 1))};
}

void applyToDocument(CSourceTextDoc& doc, const edit& e)
{
    place p = resolve(e, doc.getLineCount(), [&](int32_t l) { return doc.getLineLength(l); });
    std::unique_ptr<CSourceUndoRecord> record;
    switch (e.kind) {
    case 0: record = std::make_unique<CSourceUndoChar>(p.column, p.line, e.text[0], 0); break;
    case 1: record = std::make_unique<CSourceUndoChar>(p.column, p.line, '\n', 0); break;
    case 2: record = std::make_unique<CSourceUndoInsert>(p.column, p.line, gstrSlice(e.text.c_str())); break;
    default: {
        int32_t last = std::min(p.line + static_cast<int32_t>(e.span), doc.getLineCount() - 1);
        int32_t column = std::min(p.column + 3, doc.getLineLength(last));
        record = std::make_unique<CSourceUndoDelete>(p.column, p.line, column, last);
    }
    }
    doc.execute(std::move(record));
}

void applyToLines(std::vector<std::string>& lines, const edit& e)
{
    int32_t count = static_cast<int32_t>(lines.size());
    place p = resolve(e, count, [&](int32_t l) { return static_cast<int32_t>(lines[size_t(l)].size()); });
    std::string& line = lines[size_t(p.line)];
    switch (e.kind) {
    case 0: line.insert(size_t(p.column), e.text); break;
    case 1: {
        std::string tail = line.substr(size_t(p.column));
        line.resize(size_t(p.column));
        lines.insert(lines.begin() + p.line + 1, tail);
        break;
    }
    case 2: {
        if (e.text.find('\n') == std::string::npos) {
            line.insert(size_t(p.column), e.text);
            break;
        }
        std::string tail = line.substr(size_t(p.column));
        line.resize(size_t(p.column));
        line += "two";
        lines.insert(lines.begin() + p.line + 1, {"lines", tail});
        break;
    }
    default: {
        int32_t last = std::min(p.line + static_cast<int32_t>(e.span), count - 1);
        int32_t column = std::min(p.column + 3, static_cast<int32_t>(lines[size_t(last)].size()));
        std::string joined = line.substr(0, size_t(p.column)) + lines[size_t(last)].substr(size_t(column));
        lines.erase(lines.begin() + p.line + 1, lines.begin() + last + 1);
        lines[size_t(p.line)] = joined;
    }
    }
}

std::vector<std::string> readLines()
{
    std::vector<std::string> lines;
    std::ifstream in(sourceFile(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    lines.emplace_back();
    return lines;
}

void floorOfLines(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::string> lines = readLines();
        for (const edit& e : edits())
            applyToLines(lines, e);
        benchmark::DoNotOptimize(lines.data());
    }
}

void sourceDocument(benchmark::State& state)
{
    for (auto _ : state) {
        CSourceTextDoc doc;
        if (!doc.readFile(sourceFile().c_str()))
            std::abort();
        for (const edit& e : edits())
            applyToDocument(doc, e);
        benchmark::DoNotOptimize(doc.getLineCount());
    }
}

// The two sides must end with the same text, or the comparison means nothing.
bool sameResult()
{
    std::vector<std::string> lines = readLines();
    CSourceTextDoc doc;
    doc.readFile(sourceFile().c_str());
    for (const edit& e : edits()) {
        applyToLines(lines, e);
        applyToDocument(doc, e);
    }
    if (static_cast<int32_t>(lines.size()) != doc.getLineCount())
        return false;
    for (int32_t l = 0; l < doc.getLineCount(); ++l) {
        if (lines[size_t(l)] != doc.lineText(l))
            return false;
    }
    return true;
}

BENCHMARK(floorOfLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(sourceDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps each benchmark's real time per iteration for the ratio.
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
    benchmark::Initialize(&argc, argv);
    if (!sameResult()) {
        std::fprintf(stderr, "the document and the floor disagree\n");
        return 1;
    }
    ratioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double floor = reporter.seconds["floorOfLines"];
    double document = reporter.seconds["sourceDocument"];
    if (floor > 0 && document > 0)
        std::printf("\n%d lines loaded and %d edits: document %.1f ms, floor %.1f ms, %.2f x the floor\n", lineCount,
                    editCount, document * 1000, floor * 1000, document / floor);
    std::filesystem::remove(sourceFile());
    benchmark::Shutdown();
    return 0;
}
