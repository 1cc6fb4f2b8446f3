// Keeps the source tree layered: every folder of src/ has a rank, and a file
// includes headers of its own folder and of lower folders only. The few
// includes that still point up are listed in fixtures/upwardIncludes.txt;
// the list may only shrink, so a listed include that is gone fails too.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path sourceRoot = fs::path(KORVEL_TEST_DATA_DIR) / ".." / "src";
const fs::path exceptionsFile = fs::path(KORVEL_TEST_DATA_DIR) / "app" / "fixtures" / "upwardIncludes.txt";

// From the bottom up; folders on one line share a rank and may not include
// each other. The window layer sits above the whole model, and app (the
// composition root) above everything.
const std::vector<std::vector<std::string>> folderRanks = {
    {"foundation"}, {"resources"}, {"store"}, {"formats", "sourceedit"}, {"scl"}, {"legacy"},
    {"g2driver/model"}, {"ports"}, {"registers"}, {"registers/sources"}, {"sabus"}, {"screens/model"},
    {"batch"},
    {"platform"}, {"shell"}, {"formats/ui", "sourceedit/ui"}, {"scl/ui"}, {"legacy/ui"},
    {"g2driver/editor"}, {"ports/ui"}, {"registers/sources/ui"}, {"registers/ui"}, {"sabus/ui"},
    {"screens/editor"}, {"batch/ui"},
    {"app"},
};

// The frame and the application are reached through the shell's interfaces;
// only shell and app may name them.
const std::set<std::string> frameHeaders = {"shell/CMainFrame.h", "shell/CStationEditorApp.h"};

std::optional<int> rankOf(const std::string& folder)
{
    for (size_t rank = 0; rank < folderRanks.size(); ++rank)
        for (const std::string& name : folderRanks[rank])
            if (name == folder)
                return static_cast<int>(rank);
    return std::nullopt;
}

struct include {
    std::string file;    // relative to src/
    std::string header;  // relative to src/
    bool operator<(const include& other) const
    {
        return file != other.file ? file < other.file : header < other.header;
    }
};

std::string folderOf(const std::string& path)
{
    return fs::path(path).parent_path().generic_string();
}

std::string resolve(const std::string& folder, const std::string& named)
{
    if (fs::exists(sourceRoot / named))
        return named;
    return (fs::path(folder) / named).lexically_normal().generic_string();
}

std::vector<include> includesOf(const fs::path& file, const std::string& relative)
{
    static const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<include> found;
    std::ifstream in(file);
    std::string line;
    std::smatch match;
    while (std::getline(in, line))
        if (std::regex_search(line, match, quoted))
            found.push_back({relative, resolve(folderOf(relative), match[1].str())});
    return found;
}

bool pointsUp(const include& edge)
{
    std::string from = folderOf(edge.file);
    std::string to = folderOf(edge.header);
    if (from == to)
        return false;
    std::optional<int> target = rankOf(to);
    return !target || *target >= rankOf(from).value_or(-1);
}

bool namesTheFrame(const include& edge)
{
    std::string from = folderOf(edge.file);
    return frameHeaders.contains(edge.header) && from != "shell" && from != "app";
}

std::set<include> listedExceptions()
{
    std::set<include> listed;
    std::ifstream in(exceptionsFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        size_t arrow = line.find(" -> ");
        if (arrow != std::string::npos)
            listed.insert({line.substr(0, arrow), line.substr(arrow + 4)});
    }
    return listed;
}

TEST(includeRanks, EveryIncludePointsDownOrIsAListedException)
{
    ASSERT_TRUE(fs::is_directory(sourceRoot));
    std::set<include> listed = listedExceptions();
    std::set<include> seen;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sourceRoot)) {
        std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
            continue;
        std::string relative = fs::relative(entry.path(), sourceRoot).generic_string();
        EXPECT_TRUE(rankOf(folderOf(relative))) << "src/" << folderOf(relative) << " has no rank";
        for (const include& edge : includesOf(entry.path(), relative)) {
            if (!pointsUp(edge) && !namesTheFrame(edge))
                continue;
            seen.insert(edge);
            EXPECT_TRUE(listed.contains(edge))
                << "src/" << edge.file << " includes " << edge.header
                << (namesTheFrame(edge) ? ": reach the frame through the shell's interfaces"
                                        : ", which lies above it: move the shared piece down or invert the call");
        }
    }
    for (const include& edge : listed)
        EXPECT_TRUE(seen.contains(edge)) << edge.file << " -> " << edge.header
                                         << " no longer occurs: remove it from " << exceptionsFile.filename();
}

}  // namespace
