// Loads any bytes as a station file, as a device-driver library opened for
// editing and as a library read for import. Whatever loads must save, load
// again and save to the same bytes: the writer never writes what the loader
// would refuse or read differently. Under libFuzzer the mutator also changes
// the file as a whole: it reorders objects and nested blocks, makes a
// reference name another object, and moves reals by a unit in the last place.
#include "foundation/gmessageService.h"
#include "store/gstationState.h"
#include "store/stationFile.h"
#include "stationMutations.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Answers every box without showing it: Cancel where there is a choice.
class quietMessages final : public gmessageService {
public:
    ganswer messageBox(const gstrSlice&, gbuttons buttons, gicon, int) override
    {
        return buttons == gbuttons::ok ? ganswer::ok : ganswer::cancel;
    }
    bool enterText(gstr&, bool) override { return false; }
    bool warningList(const gstrSlice&, bool question) override { return !question; }
};

// Three scratch files of this process, removed at exit.
class scratchFiles {
public:
    scratchFiles()
    {
        for (std::string& name : names_) {
            name = "/tmp/korvelStationFuzzXXXXXX";
            int fd = ::mkstemp(name.data());
            if (fd < 0)
                std::abort();
            ::close(fd);
        }
    }
    ~scratchFiles()
    {
        for (const std::string& name : names_)
            ::unlink(name.c_str());
    }
    const std::string& operator[](int i) const { return names_[i]; }

private:
    std::string names_[3];
};

const scratchFiles& scratch()
{
    static scratchFiles files;
    return files;
}

void writeFile(const std::string& name, const uint8_t* data, size_t size)
{
    FILE* out = std::fopen(name.c_str(), "wb");
    if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0)
        std::abort();
}

std::string readFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int load(const std::string& name, bool libraryMode, bool intoLibrary)
{
    stationState() = gstationState{};
    return loadObjectFile(gstrSlice(name.c_str()), libraryMode, intoLibrary);
}

void save(const std::string& name)
{
    if (saveObjectFile(gstrSlice(name.c_str()), false) != gsaveError::none)
        std::abort();
}

// The lines of a file in sorted order.
std::vector<std::string> sortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// A station that loaded saves, reloads and saves again to the same lines.
// Objects are written in the order of their hash chains, and an object
// named by a reference before its own block joins its chain at that
// reference; a file written in chain order can therefore name objects of
// one chain in another order than the chain has, and the next save
// reorders them. Nothing else may change.
void checkRoundTrip(bool libraryMode)
{
    save(scratch()[1]);
    clearObjectDatabase(false);
    if (load(scratch()[1], libraryMode, false) != gloadError::none)
        std::abort();
    save(scratch()[2]);
    clearObjectDatabase(false);
    std::string first = readFile(scratch()[1]);
    std::string second = readFile(scratch()[2]);
    if (first != second && sortedLines(first) != sortedLines(second))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static quietMessages messages;
    installMessageService(&messages);
    writeFile(scratch()[0], data, size);

    for (bool libraryMode : {false, true}) {
        if (load(scratch()[0], libraryMode, false) == gloadError::none)
            checkRoundTrip(libraryMode);
        clearObjectDatabase(false);
    }
    load(scratch()[0], true, true);
    clearObjectDatabase(true);
    return 0;
}

#ifdef KORVEL_LIBFUZZER
extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed)
{
    if (seed % 4 == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    auto lines = stationMutations::splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    stationMutations::mutator changes(seed);
    if (!changes.mutate(lines))
        return LLVMFuzzerMutate(data, size, maxSize);
    std::string text = stationMutations::joinLines(lines);
    if (text.size() > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::copy(text.begin(), text.end(), data);
    return text.size();
}
#endif
