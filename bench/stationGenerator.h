#pragma once

// Writes a big station made of the project's own fixture objects, each copy
// under new tags: every tag a fixture file defines, wherever it stands in
// the copy (definition or reference), gets the copy's suffix, so the copies
// refer only to each other's objects.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
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

inline bool isRegisterType(const std::string& type)
{
    return type.size() > 4 && type.compare(type.size() - 4, 4, "_REG") == 0;
}

// One fixture file: its objects (comments and blank lines dropped), each
// with the tag it defines.
//
// A copy holds all the objects of the file, or only those of some types
// (a part copy): its tags of the other types then name the objects of an
// earlier whole copy, its home, so that the part copy refers only to
// objects that exist and adds no programs or devices of its own.
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
            if (line[0] != '\t' && line != "END")
                startObject(line);
            if (objects_.empty())
                objects_.emplace_back();
            objects_.back().lines.push_back(line);
            objects_.back().devices += startsWith(line, "\tDEVICE\t") || startsWith(line, "\tG2DEVICE\t");
        }
    }

    // What a copy adds; with types, a part copy of objects of those types.
    counts own(const std::set<std::string>* types = nullptr) const
    {
        counts c;
        for (const object& o : objects_) {
            if (types && !types->count(o.type))
                continue;
            c.registers += isRegisterType(o.type);
            c.screens += o.type == "SCREEN";
            c.programs += o.type == "PROGRAM";
            c.devices += o.devices;
        }
        return c;
    }

    // The objects of copy n, or of a part copy of the types with home as
    // its whole copy; screenObjects > 0 repeats the objects of the screen
    // with the most of them until it holds at least that many.
    void write(std::string& out, int n, int screenObjects = 0, const std::set<std::string>* types = nullptr,
               int home = 0) const
    {
        std::string suffix = suffixOf(n);
        std::string homeSuffix = suffixOf(home);
        auto suffixFor = [&](const std::string& tag) -> const std::string* {
            auto it = tags_.find(tag);
            if (it == tags_.end())
                return nullptr;
            return !types || types->count(it->second) ? &suffix : &homeSuffix;
        };
        const object* big = screenObjects > 0 ? biggestScreen() : nullptr;
        for (const object& o : objects_) {
            if (types && !types->count(o.type))
                continue;
            std::vector<std::string> grown;
            if (&o == big)
                grown = grownScreen(o, screenObjects);
            for (const std::string& line : &o == big ? grown : o.lines) {
                out += renamed(line, suffixFor);
                out += "\r\n";
                if (line == "END")
                    out += "\r\n";
            }
        }
    }

    // The number of objects on the biggest screen of the file once grown.
    int grownObjects(int wanted) const
    {
        const object* big = biggestScreen();
        int per = big ? objectsBetween(*big, screenObjectsStart(*big), big->lines.size()) : 0;
        return per == 0 ? 0 : (wanted + per - 1) / per * per;
    }

private:
    struct object {
        std::string type;
        std::vector<std::string> lines;
        int devices = 0;
    };

    static std::string suffixOf(int copy)
    {
        std::string suffix = std::to_string(copy);
        suffix.insert(suffix.begin(), 'q');
        return suffix;
    }

    void startObject(const std::string& line)
    {
        objects_.emplace_back();
        size_t space = line.find(' ');
        if (space == std::string::npos)
            return;
        objects_.back().type = line.substr(0, space);
        tags_.emplace(line.substr(space + 1), objects_.back().type);
    }

    template <class F>
    std::string renamed(const std::string& line, const F& suffixOf) const
    {
        if (line[0] != '\t') {
            size_t space = line.find(' ');
            const std::string* suffix = space == std::string::npos ? nullptr : suffixOf(line.substr(space + 1));
            return suffix ? line + *suffix : line;
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
            if (const std::string* suffix = suffixOf(item))
                out += *suffix;
            if (comma == std::string::npos)
                break;
            out += ", ";
            at = comma + 2;
        }
        return out;
    }

    // Where a screen's objects begin: the screen's own fields come first.
    static size_t screenObjectsStart(const object& screen)
    {
        size_t first = 1;
        while (first < screen.lines.size() &&
               !(startsWith(screen.lines[first], "\tCONTROL2") || startsWith(screen.lines[first], "\tLINE") ||
                 startsWith(screen.lines[first], "\tRECTANGLE")))
            ++first;
        return first;
    }

    static int objectsBetween(const object& o, size_t first, size_t last)
    {
        return static_cast<int>(std::count(o.lines.begin() + static_cast<long>(first),
                                           o.lines.begin() + static_cast<long>(last), "\tEND"));
    }

    // The screen with the most objects, null without screens.
    const object* biggestScreen() const
    {
        const object* best = nullptr;
        int most = 0;
        for (const object& o : objects_) {
            if (o.type != "SCREEN")
                continue;
            int n = objectsBetween(o, screenObjectsStart(o), o.lines.size());
            if (n > most) {
                most = n;
                best = &o;
            }
        }
        return best;
    }

    // The screen's lines with its objects repeated; its closing "END" last.
    static std::vector<std::string> grownScreen(const object& screen, int wanted)
    {
        size_t first = screenObjectsStart(screen);
        size_t last = screen.lines.size() - 1;
        int per = objectsBetween(screen, first, last);
        std::vector<std::string> out(screen.lines.begin(), screen.lines.begin() + static_cast<long>(last));
        for (int have = per; per > 0 && have < wanted; have += per)
            out.insert(out.end(), screen.lines.begin() + static_cast<long>(first),
                       screen.lines.begin() + static_cast<long>(last));
        out.insert(out.end(), screen.lines.begin() + static_cast<long>(last), screen.lines.end());
        return out;
    }

    std::vector<object> objects_;
    std::map<std::string, std::string> tags_; // tag: its object's type
};

// A station of about `registers` registers with, scaled to it, 5,000
// screens (one of 5,000 objects), 2,000 programs and 500 devices at
// 100,000 registers. fixtures: the tests folder.
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
    const std::set<std::string> screenTypes{"SCREEN", "IMAGE", "ANALOG_REG", "BISTATE_REG", "DIGITAL_REG",
                                            "STRING_REG"};
    const std::set<std::string> registerTypes{"ANALOG_REG", "BISTATE_REG", "DIGITAL_REG", "STRING_REG"};

    std::string out;
    out.reserve(static_cast<size_t>(registers) * 200);
    counts made;
    int copy = 0;
    // Copy number of a whole copy; part copies of types name it as home.
    auto add = [&](const kit& k, int screenObjects = 0, const std::set<std::string>* types = nullptr,
                   int home = 0) {
        k.write(out, copy, screenObjects, types, home);
        counts c = k.own(types);
        made.registers += c.registers;
        made.screens += c.screens;
        made.programs += c.programs;
        made.devices += c.devices;
        return copy++;
    };
    int bigScreen = std::max(100, static_cast<int>(5000 * scale));
    made.screenObjects = screens.grownObjects(bigScreen);
    int screensHome = add(screens, bigScreen);
    while (made.screens < 5000 * scale)
        add(screens, 0, &screenTypes, screensHome);
    std::vector<int> registerHomes;
    for (const kit& k : registerKits)
        registerHomes.push_back(add(k));
    while (made.devices < 500 * scale)
        add(devices);
    while (made.programs < 2000 * scale)
        add(programs);
    for (size_t k = 0; made.registers < registers; k = (k + 1) % registerKits.size())
        add(registerKits[k], 0, &registerTypes, registerHomes[k]);
    std::ofstream(path, std::ios::binary) << out;
    return made;
}

} // namespace stationGenerator
