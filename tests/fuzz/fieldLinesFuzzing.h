#pragma once

// What the fuzzers that feed field lines to a storable share: lines split as
// the station-file reader splits them, and the text a writer produces, read
// back from a scratch file in memory.
#include "foundation/charClasses.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace fuzzing {

// A failed expectation is a finding: the fuzzer stops and keeps the input.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

struct keywordLine {
    int token;
    std::string value;
};

// The first word must be a keyword (else token -1); the value is the rest of
// the line without surrounding white space. Blank and '#' lines are skipped.
inline std::vector<keywordLine> splitLines(std::string_view text)
{
    std::vector<keywordLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        size_t i = 0;
        while (i < line.size() && charClass::isWhite(line[i]))
            ++i;
        size_t word = i;
        while (i < line.size() && !charClass::isWhite(line[i]))
            ++i;
        if (i == word || line[word] == '#')
            continue;
        const gkeyword* keyword = keywordTable().find(gstrSlice(line.data() + word, static_cast<int32_t>(i - word)));
        size_t last = line.size();
        while (last > i && charClass::isWhite(line[last - 1]))
            --last;
        while (i < last && charClass::isWhite(line[i]))
            ++i;
        lines.push_back({keyword ? keyword->getToken() : -1, std::string(line.substr(i, last - i))});
    }
    return lines;
}

// A scratch file in memory where there is one, removed at exit.
class scratchFile {
public:
    scratchFile()
    {
        path_ = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/korvelFuzzXXXXXX" : "/tmp/korvelFuzzXXXXXX";
        int fd = ::mkstemp(path_.data());
        if (fd < 0)
            std::abort();
        ::close(fd);
    }
    ~scratchFile() { ::unlink(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// What write puts into a station file, as text.
inline std::string written(const std::function<void(CObjectFile&)>& write)
{
    static scratchFile scratch;
    CObjectFile file;
    check(file.open(gstrSlice(scratch.path().c_str()), CObjectFile::modeWrite, false) == 1);
    write(file);
    check(file.close());
    std::ifstream in(scratch.path(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace fuzzing
