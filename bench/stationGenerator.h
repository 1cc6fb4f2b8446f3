#pragma once

// Writes a big station made of the project's own fixture objects, each copy
// under new tags: every tag a fixture file defines, wherever it stands in
// the copy (definition or reference), gets the copy's suffix, so the copies
// refer only to each other.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace stationGenerator {

struct counts {
    int registers = 0;
    int screens = 0;
    int programs = 0;
    int devices = 0;
    int screenObjects = 0; // on the biggest screen
};

inline bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// One fixture file: its object lines (comments and blank lines dropped) and
// the tags it defines.
class kit {
public:
    explicit kit(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            throw std::runtime_error(std::string("cannot read ").append(path));
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty() || line[0] == '#')
                continue;
            lines_.push_back(line);
            if (line[0] == '\t' || line == "END")
                continue;
            size_t space = line.find(' ');
            if (space == std::string::npos)
                continue;
            tags_.insert(line.substr(space + 1));
            std::string type = line.substr(0, space);
            own_.registers += type.size() > 4 && type.compare(type.size() - 4, 4, "_REG") == 0;
            own_.screens += type == "SCREEN";
            own_.programs += type == "PROGRAM";
        }
        for (const std::string& l : lines_)
            own_.devices += startsWith(l, "\tDEVICE\t") || startsWith(l, "\tG2DEVICE\t");
    }

    const counts& own() const { return own_; }

    // The objects of copy n; screenObjects > 0 repeats the objects of the
    // screen with the most of them until it holds at least that many.
    void write(std::string& out, int n, int screenObjects = 0) const
    {
        std::string suffix = std::to_string(n);
        suffix.insert(suffix.begin(), 'q');
        std::vector<std::string> lines = screenObjects > 0 ? grownScreen(screenObjects) : lines_;
        for (const std::string& line : lines) {
            out += renamed(line, suffix);
            out += "\r\n";
            if (line == "END")
                out += "\r\n";
        }
    }

    // The number of objects on the biggest screen of the file once grown.
    int grownObjects(int wanted) const
    {
        auto [first, last] = biggestScreenObjects();
        int per = objectsBetween(first, last);
        return per == 0 ? 0 : (wanted + per - 1) / per * per;
    }

private:
    std::string renamed(const std::string& line, const std::string& suffix) const
    {
        if (line[0] != '\t') {
            size_t space = line.find(' ');
            if (space == std::string::npos || !tags_.count(line.substr(space + 1)))
                return line;
            return line + suffix;
        }
        size_t key = line.find_first_not_of('\t');
        size_t gap = line.find('\t', key);
        if (gap == std::string::npos)
            return line;
        size_t value = line.find_first_not_of('\t', gap);
        if (value == std::string::npos)
            return line;
        std::string out = line.substr(0, value);
        size_t at = value;
        while (true) {
            size_t comma = line.find(", ", at);
            std::string item = line.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
            out += item;
            if (tags_.count(item))
                out += suffix;
            if (comma == std::string::npos)
                break;
            out += ", ";
            at = comma + 2;
        }
        return out;
    }

    // The lines of the screen objects (one tab deep, each up to its "\tEND")
    // of the screen that has the most: [first, last).
    std::pair<size_t, size_t> biggestScreenObjects() const
    {
        std::pair<size_t, size_t> best{0, 0};
        int most = 0;
        for (size_t i = 0; i < lines_.size(); ++i) {
            if (!startsWith(lines_[i], "SCREEN "))
                continue;
            size_t end = i + 1;
            while (end < lines_.size() && lines_[end] != "END")
                ++end;
            size_t first = i + 1;
            // The screen's own fields come first; its objects begin at the
            // first block whose next line is two tabs deep and that is not
            // a field block of the screen.
            while (first < end && !(startsWith(lines_[first], "\tCONTROL2") || startsWith(lines_[first], "\tLINE") ||
                                    startsWith(lines_[first], "\tRECTANGLE")))
                ++first;
            int n = objectsBetween(first, end);
            if (n > most) {
                most = n;
                best = {first, end};
            }
        }
        return best;
    }

    int objectsBetween(size_t first, size_t last) const
    {
        return static_cast<int>(
            std::count(lines_.begin() + static_cast<long>(first), lines_.begin() + static_cast<long>(last), "\tEND"));
    }

    std::vector<std::string> grownScreen(int wanted) const
    {
        auto [first, last] = biggestScreenObjects();
        int per = objectsBetween(first, last);
        std::vector<std::string> out(lines_.begin(), lines_.begin() + static_cast<long>(last));
        for (int have = per; per > 0 && have < wanted; have += per)
            out.insert(out.end(), lines_.begin() + static_cast<long>(first), lines_.begin() + static_cast<long>(last));
        out.insert(out.end(), lines_.begin() + static_cast<long>(last), lines_.end());
        return out;
    }

    std::vector<std::string> lines_;
    std::set<std::string> tags_;
    counts own_;
};

// A station of about `registers` registers; screens, programs and devices
// scale with it (100,000 registers: 5,000 screens, one of 5,000 objects,
// 2,000 programs, 500 devices). fixtures: the tests folder.
inline counts write(const std::string& fixtures, const std::string& path, int registers)
{
    double scale = registers / 100000.0;
    kit screens(fixtures + "/fuzz/corpus/stationLoadFuzz/screens-everyObject.stn");
    kit programs(fixtures + "/fuzz/corpus/stationLoadFuzz/programSchedules.stn");
    kit devices(fixtures + "/fuzz/corpus/stationLoadFuzz/ports-plant.stn");
    std::vector<kit> registerKits;
    for (const char* name : {"/registers/fixtures/registerSources.stn", "/registers/fixtures/legacySources.stn",
                             "/fuzz/corpus/stationLoadFuzz/registers-dataObjectSources.stn"})
        registerKits.emplace_back(fixtures + name);

    std::string out;
    out.reserve(static_cast<size_t>(registers) * 200);
    counts made;
    int copy = 0;
    auto add = [&](const kit& k, int screenObjects = 0) {
        k.write(out, copy++, screenObjects);
        made.registers += k.own().registers;
        made.screens += k.own().screens;
        made.programs += k.own().programs;
        made.devices += k.own().devices;
    };
    int bigScreen = std::max(100, static_cast<int>(5000 * scale));
    made.screenObjects = screens.grownObjects(bigScreen);
    add(screens, bigScreen);
    while (made.screens < 5000 * scale)
        add(screens);
    while (made.devices < 500 * scale)
        add(devices);
    while (made.programs < 2000 * scale)
        add(programs);
    for (size_t k = 0; made.registers < registers; k = (k + 1) % registerKits.size())
        add(registerKits[k]);
    std::ofstream(path, std::ios::binary) << out;
    return made;
}

} // namespace stationGenerator
