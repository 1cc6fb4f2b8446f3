// Fifty patterns of the kind device replies are described with, matched
// against one megabyte of generated reply traffic: each reply is searched for
// its pattern (unanchored, shortest match), by gregexpMatch and by std::regex
// (ECMAScript, the same pattern with lazy quantifiers) in the same run.
#include "foundation/gregexp.h"
#include "foundation/gregexpMatch.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Raw pattern texts (as typed into a dialog: escapes read, no quotes).
const char* const patternTexts[] = {
    "OK\\r\\n", "ERR#+\\r\\n", "#+\\r", "-?#+\\.#+\\r", "V=-?#+\\.#{1,3}\\r\\n",
    "T=#{2}\\.#C\\r", "\\x02$+\\x03", "\\x02~+\\x03$$", "@@#{4}\\r", "ID:&+\\r\\n",
    ">$$$$\\r", "\\x06", "\\x15#{2}", "STATUS=%{8}\\r\\n", "P#{3}=[+\\-]#+\\.#+\\r",
    "#{1,3}(,###|,##|,#)*\\r\\n", "\\*#+\\*\\r", ":$+\\r\\n", "(ON|OFF)\\r\\n", "(OPEN|CLOSED|FAULT)\\r",
    "ALM $$ ~*\\r\\n", "#{2}:#{2}:#{2}\\r", "#{4}-#{2}-#{2} #{2}:#{2}\\r\\n", "RH=#+\\.#\\%\\r", "PWR %\\r",
    "\\[$$]", "@+ @+\\r", "CH#:-?#+\\.#+ ?V\\r", "#+ ?mA\\r", "F#{3}\\.#{2}MHz\\r",
    "SN:&{8}\\r\\n", "VER #\\.#\\.#+\\r", "\\x01&&\\x02~*\\x03", "\\$#+\\r", "[A-Z]{3}#{3}\\r",
    "(#+;){3}#+\\r", "LVL=#{1,3}\\%\\r", "FLOW #+\\.#+ L/min\\r", "E#{2}:~+\\r\\n", "BUSY|READY",
    "\\r\\n>", "Q[0-7]{4}\\r", "$${2,8}\\r", "ADDR=#{1,3}\\.#{1,3}\\.#{1,3}\\.#{1,3}\\r", "[^\\r]+\\r",
    "\\x02.{4}\\x03", "A#{4}B#{4}C#{4}\\r", "(\\+|-)#{5}\\r", "W:#+,X:#+,Y:#+\\r\\n", "#+\\.?#*[ ]?(V|A|W)\\r",
};
constexpr int patternCount = sizeof patternTexts / sizeof patternTexts[0];
constexpr size_t trafficBytes = 1 << 20;

// The same pattern for std::regex: classes and sets as bracket expressions,
// groups without capture, quantifiers lazy (shortest first).
class EcmaScriptForm {
public:
    // Built by appending: GCC 12 warns falsely on "literal" + string.
    static std::string joined(std::initializer_list<std::string_view> parts)
    {
        std::string out;
        for (std::string_view part : parts)
            out.append(part);
        return out;
    }

    static std::string of(const gregexp& re) { return alternatives(re.alternatives()); }

private:
    static std::string alternatives(const gregexpNodeList& list)
    {
        std::string out;
        for (const auto& chain : list.alternatives()) {
            if (!out.empty())
                out += '|';
            for (const gregexpNode* node = chain.get(); node; node = node->next())
                out += quantified(*node);
        }
        return out;
    }

    static std::string hexByte(unsigned char c)
    {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
        return buffer;
    }

    static std::string node(const gregexpNode& node)
    {
        static const char* const classes[] = {"[\\s\\S]", "[ -~]", "[A-Za-z]", "[0-9]", "[0-9A-Fa-f]", "[01]",
                                              "[0-9A-Za-z]"};
        switch (node.kind()) {
        case gregexpNode::Kind::literal: {
            std::string out;
            for (char c : static_cast<const gregexpLiteralNode&>(node).text().view())
                out += hexByte(static_cast<unsigned char>(c));
            return node.maxRepeat() == 1 ? out : joined({"(?:", out, ")"});
        }
        case gregexpNode::Kind::charClass:
            return classes[static_cast<const gregexpClassNode&>(node).classCode()];
        case gregexpNode::Kind::set: {
            const auto& set = static_cast<const gregexpSetNode&>(node);
            std::string out = set.negated() ? "[^" : "[";
            const gstr& entries = set.entries();
            for (int32_t i = 0; i < entries.length();) {
                bool range = entries[i] == gregexpSetNode::rangeEntry;
                out += hexByte(static_cast<unsigned char>(entries[i + 1]));
                if (range) {
                    out += '-';
                    out += hexByte(static_cast<unsigned char>(entries[i + 2]));
                }
                i += range ? 3 : 2;
            }
            return out += ']';
        }
        case gregexpNode::Kind::group:
            return joined({"(?:", alternatives(static_cast<const gregexpNodeList&>(node)), ")"});
        }
        return {};
    }

    static std::string quantified(const gregexpNode& n)
    {
        std::string out = node(n);
        int32_t low = n.minRepeat();
        int32_t high = n.maxRepeat();
        if (low == 1 && high == 1)
            return out;
        if (high == gregexpNode::unbounded && low < 2)
            return out += low == 0 ? "*?" : "+?";
        if (high == gregexpNode::unbounded)
            return joined({out, "{", std::to_string(low), ",}?"});
        if (low == 0 && high == 1)
            return out += "??";
        if (low == high)
            return joined({out, "{", std::to_string(low), "}"});
        return joined({out, "{", std::to_string(low), ",", std::to_string(high), "}?"});
    }
};

// A reply that the pattern matches: each node's bytes drawn at random, each
// repeat count between the minimum and a few more.
class ReplyMaker {
public:
    explicit ReplyMaker(uint32_t seed) : random_(seed) {}

    std::string instance(const gregexpNodeList& list)
    {
        const auto& chains = list.alternatives();
        std::string out;
        for (const gregexpNode* node = chains[pick(chains.size())].get(); node; node = node->next()) {
            int32_t high = node->maxRepeat() == gregexpNode::unbounded ? node->minRepeat() + 6 : node->maxRepeat();
            int32_t count = node->minRepeat() + static_cast<int32_t>(pick(static_cast<size_t>(high - node->minRepeat()) + 1));
            for (int32_t i = 0; i < count; ++i)
                out += one(*node);
        }
        return out;
    }

    // What comes before a reply: the echo of a command or line noise.
    std::string noise()
    {
        std::string out;
        for (size_t n = pick(24); n > 0; --n)
            out += static_cast<char>(' ' + pick(95));
        return out;
    }

    size_t pick(size_t n) { return n == 0 ? 0 : random_() % n; }

private:
    std::string one(const gregexpNode& node)
    {
        switch (node.kind()) {
        case gregexpNode::Kind::literal:
            return std::string(static_cast<const gregexpLiteralNode&>(node).text().view());
        case gregexpNode::Kind::charClass:
            return byteOf([&](unsigned char c) { return static_cast<const gregexpClassNode&>(node).matches(c); });
        case gregexpNode::Kind::set:
            return byteOf([&](unsigned char c) { return static_cast<const gregexpSetNode&>(node).matches(c); });
        case gregexpNode::Kind::group:
            return instance(static_cast<const gregexpNodeList&>(node));
        }
        return {};
    }

    template <class Test>
    std::string byteOf(Test test)
    {
        for (;;) {
            auto c = static_cast<unsigned char>(' ' + pick(95));
            if (test(c))
                return std::string(1, static_cast<char>(c));
        }
    }

    std::mt19937 random_;
};

struct Traffic {
    std::vector<std::unique_ptr<gregexp>> patterns;
    std::vector<std::regex> regexes;
    std::string bytes;
    // Each reply: its first byte and its length; reply i uses pattern i % 50.
    std::vector<std::pair<size_t, int32_t>> replies;
};

const Traffic& traffic()
{
    static const Traffic t = [] {
        Traffic t;
        for (const char* text : patternTexts) {
            t.patterns.push_back(std::make_unique<gregexp>(false));
            if (t.patterns.back()->parse(text, true, false) != 1)
                std::fprintf(stderr, "pattern does not compile: %s\n", text);
            t.regexes.emplace_back(EcmaScriptForm::of(*t.patterns.back()), std::regex::ECMAScript);
        }
        ReplyMaker maker(42);
        for (size_t i = 0; t.bytes.size() < trafficBytes; ++i) {
            std::string reply = maker.noise();
            reply += maker.instance(t.patterns[i % patternCount]->alternatives());
            // One reply in ten arrives damaged.
            if (maker.pick(10) == 0)
                reply[maker.pick(reply.size())] = '\x7F';
            t.replies.emplace_back(t.bytes.size(), static_cast<int32_t>(reply.size()));
            t.bytes += reply;
        }
        return t;
    }();
    return t;
}

// Where each engine finds reply i's pattern: start and length, or -1.
std::pair<long, long> gregexpFinds(const Traffic& t, size_t i, gregexpMatch& m)
{
    const char* reply = t.bytes.data() + t.replies[i].first;
    if (!m.match(*t.patterns[i % patternCount], reply, t.replies[i].second, false, gregexpMode::shortest))
        return {-1, -1};
    return {m.start(0) - reply, m.length(0)};
}

std::pair<long, long> regexFinds(const Traffic& t, size_t i)
{
    const char* reply = t.bytes.data() + t.replies[i].first;
    std::cmatch m;
    if (!std::regex_search(reply, reply + t.replies[i].second, m, t.regexes[i % patternCount]))
        return {-1, -1};
    return {m.position(0), m.length(0)};
}

void gregexpSearch(benchmark::State& state)
{
    const Traffic& t = traffic();
    gregexpMatch m;
    for (auto _ : state) {
        for (size_t i = 0; i < t.replies.size(); ++i)
            benchmark::DoNotOptimize(gregexpFinds(t, i, m));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(t.bytes.size()));
}

void stdRegexSearch(benchmark::State& state)
{
    const Traffic& t = traffic();
    for (auto _ : state) {
        for (size_t i = 0; i < t.replies.size(); ++i)
            benchmark::DoNotOptimize(regexFinds(t, i));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(t.bytes.size()));
}

BENCHMARK(gregexpSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(stdRegexSearch)->Unit(benchmark::kMillisecond);

// Keeps the time of each run so that the throughput and the ratio can be
// printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime() / 1e3; // seconds (unit: ms)
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> times;
};

// Both engines must find the same match in each reply for the race to be fair.
void printAgreement()
{
    const Traffic& t = traffic();
    gregexpMatch m;
    size_t same = 0;
    size_t found = 0;
    for (size_t i = 0; i < t.replies.size(); ++i) {
        auto ours = gregexpFinds(t, i, m);
        same += ours == regexFinds(t, i);
        found += ours.first >= 0;
    }
    std::printf("%zu replies, %zu bytes; %zu matched; both engines agree on %zu\n", t.replies.size(), t.bytes.size(),
                found, same);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    printAgreement();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ours = reporter.times.find("gregexpSearch");
    auto theirs = reporter.times.find("stdRegexSearch");
    if (ours != reporter.times.end() && theirs != reporter.times.end() && ours->second > 0) {
        double megabytes = static_cast<double>(traffic().bytes.size()) / (1 << 20);
        std::printf("gregexpMatch %.1f MB/s, std::regex %.1f MB/s, gregexpMatch / std::regex = %.2f\n",
                    megabytes / ours->second, megabytes / theirs->second, theirs->second / ours->second);
    }
    benchmark::Shutdown();
    return 0;
}
