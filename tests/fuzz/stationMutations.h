#pragma once

// Changes to a station file that keep it well formed enough to load, so that
// the fuzzer reaches what the loader checks across objects: the order of
// definitions and references, the kinds of the objects a reference names,
// and reals that differ in their last digits.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace stationMutations {

struct line {
    std::string text;
    int depth = 0;          // leading tabs
    std::string keyword;    // the first word
    size_t valueStart = 0;  // where the value begins in text (text.size() without one)
    bool carriageReturn = false;
};

inline std::vector<line> splitLines(std::string_view text)
{
    std::vector<line> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        line l;
        l.text = std::string(text.substr(start, end - start));
        l.carriageReturn = !l.text.empty() && l.text.back() == '\r';
        if (l.carriageReturn)
            l.text.pop_back();
        size_t i = 0;
        while (i < l.text.size() && l.text[i] == '\t')
            ++i;
        l.depth = static_cast<int>(i);
        size_t word = i;
        while (i < l.text.size() && l.text[i] != '\t' && l.text[i] != ' ')
            ++i;
        l.keyword = l.text.substr(word, i - word);
        while (i < l.text.size() && (l.text[i] == '\t' || l.text[i] == ' '))
            ++i;
        l.valueStart = i;
        lines.push_back(std::move(l));
        start = end + 1;
    }
    return lines;
}

inline std::string joinLines(const std::vector<line>& lines)
{
    std::string text;
    for (const line& l : lines) {
        text.append(l.text);
        text.append(l.carriageReturn ? "\r\n" : "\n");
    }
    return text;
}

// [first, last] of a block: a line followed by deeper lines, closed by the
// END at its own depth.
struct block {
    size_t first;
    size_t last;
};

inline std::vector<block> findBlocks(const std::vector<line>& lines)
{
    std::vector<block> blocks;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].keyword.empty() || lines[i].keyword == "END" || lines[i + 1].depth <= lines[i].depth)
            continue;
        for (size_t j = i + 1; j < lines.size(); ++j) {
            if (lines[j].depth < lines[i].depth)
                break;
            if (lines[j].depth == lines[i].depth) {
                if (lines[j].keyword == "END")
                    blocks.push_back({i, j});
                break;
            }
        }
    }
    return blocks;
}

// The first item of a line's value: up to a comma or the end.
inline std::string firstItem(const line& l)
{
    std::string value = l.text.substr(l.valueStart);
    size_t comma = value.find(',');
    std::string item = value.substr(0, comma);
    while (!item.empty() && (item.back() == ' ' || item.back() == '\t'))
        item.pop_back();
    return item;
}

inline void replaceFirstItem(line& l, const std::string& item)
{
    std::string value = l.text.substr(l.valueStart);
    size_t comma = value.find(',');
    l.text = l.text.substr(0, l.valueStart) + item + (comma == std::string::npos ? "" : value.substr(comma));
}

class mutator {
public:
    explicit mutator(unsigned seed) : random_(seed) {}

    // One change; false when the text offers nothing for the one chosen.
    bool mutate(std::vector<line>& lines)
    {
        switch (pick(5)) {
        case 0: return swapSiblingBlocks(lines);
        case 1: return moveBlock(lines);
        case 2: return replaceReference(lines);
        case 3: return nudgeReal(lines);
        default: return duplicateWithNearbyValue(lines);
        }
    }

private:
    size_t pick(size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

    // Two blocks of one parent, one after the other, change places.
    bool swapSiblingBlocks(std::vector<line>& lines)
    {
        std::vector<block> blocks = findBlocks(lines);
        if (blocks.empty())
            return false;
        block a = blocks[pick(blocks.size())];
        for (const block& b : blocks) {
            if (b.first != a.last + 1 || lines[b.first].depth != lines[a.first].depth)
                continue;
            std::vector<line> swapped(lines.begin() + b.first, lines.begin() + b.last + 1);
            swapped.insert(swapped.end(), lines.begin() + a.first, lines.begin() + a.last + 1);
            std::copy(swapped.begin(), swapped.end(), lines.begin() + a.first);
            return true;
        }
        return false;
    }

    // A block goes to the end of the file (a top-level object) or to the
    // end of its parent (a nested block).
    bool moveBlock(std::vector<line>& lines)
    {
        std::vector<block> blocks = findBlocks(lines);
        if (blocks.empty())
            return false;
        block a = blocks[pick(blocks.size())];
        std::vector<line> moved(lines.begin() + a.first, lines.begin() + a.last + 1);
        lines.erase(lines.begin() + a.first, lines.begin() + a.last + 1);
        size_t at = a.first;
        while (at < lines.size() && lines[at].depth >= moved.front().depth)
            ++at;
        if (at < lines.size() || moved.front().depth > 0)
            lines.insert(lines.begin() + at, moved.begin(), moved.end());
        else
            lines.insert(lines.end(), moved.begin(), moved.end());
        return true;
    }

    // A line whose first item names an object of the file names another
    // object instead, most likely one of another kind.
    bool replaceReference(std::vector<line>& lines)
    {
        std::set<std::string> tags;
        for (const block& b : findBlocks(lines)) {
            std::string tag = firstItem(lines[b.first]);
            if (!tag.empty())
                tags.insert(tag);
        }
        std::vector<size_t> references;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (tags.count(firstItem(lines[i])) != 0)
                references.push_back(i);
        }
        if (tags.size() < 2 || references.empty())
            return false;
        line& chosen = lines[references[pick(references.size())]];
        auto tag = tags.begin();
        std::advance(tag, static_cast<long>(pick(tags.size())));
        replaceFirstItem(chosen, *tag);
        return true;
    }

    // Where a real number starts in the line's value; npos without one.
    static size_t findNumber(const line& l, size_t from)
    {
        for (size_t i = std::max(from, l.valueStart); i < l.text.size(); ++i) {
            char c = l.text[i];
            bool starts = (c >= '0' && c <= '9') || ((c == '-' || c == '.') && i + 1 < l.text.size()
                                                     && l.text[i + 1] >= '0' && l.text[i + 1] <= '9');
            bool afterWord = i > 0 && (std::isalnum(static_cast<unsigned char>(l.text[i - 1])) || l.text[i - 1] == '.');
            if (starts && !afterWord)
                return i;
        }
        return std::string::npos;
    }

    std::vector<std::pair<size_t, size_t>> numbers(const std::vector<line>& lines) const
    {
        std::vector<std::pair<size_t, size_t>> found;
        for (size_t i = 0; i < lines.size(); ++i) {
            for (size_t at = findNumber(lines[i], 0); at != std::string::npos; at = findNumber(lines[i], at + 1))
                found.emplace_back(i, at);
        }
        return found;
    }

    static std::string realText(double value)
    {
        char text[40];
        std::snprintf(text, sizeof text, "%.17G", value);
        return text;
    }

    // The number at [at] of the line becomes the value its change gives.
    template <class change>
    static bool rewriteNumber(line& l, size_t at, change how)
    {
        const char* start = l.text.c_str() + at;
        char* end = nullptr;
        double value = std::strtod(start, &end);
        if (end == start || !std::isfinite(value))
            return false;
        l.text.replace(at, static_cast<size_t>(end - start), realText(how(value)));
        return true;
    }

    double nearby(double value)
    {
        switch (pick(4)) {
        case 0: return std::nextafter(value, HUGE_VAL);
        case 1: return std::nextafter(value, -HUGE_VAL);
        case 2: return value + 1;
        default: return value * (1 + 1e-15);
        }
    }

    bool nudgeReal(std::vector<line>& lines)
    {
        auto found = numbers(lines);
        if (found.empty())
            return false;
        auto [index, at] = found[pick(found.size())];
        return rewriteNumber(lines[index], at, [this](double v) { return nearby(v); });
    }

    // A line with a number is repeated after itself with that number moved
    // a little, as a second point of a list.
    bool duplicateWithNearbyValue(std::vector<line>& lines)
    {
        auto found = numbers(lines);
        if (found.empty())
            return false;
        auto [index, at] = found[pick(found.size())];
        line copy = lines[index];
        if (!rewriteNumber(copy, at, [this](double v) { return nearby(v); }))
            return false;
        lines.insert(lines.begin() + static_cast<long>(index) + 1, copy);
        return true;
    }

    std::mt19937 random_;
};

} // namespace stationMutations
