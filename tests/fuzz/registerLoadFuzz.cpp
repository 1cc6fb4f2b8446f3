// Arbitrary text read as the field lines of a register of each class. Besides
// not crashing: a register that loads writes lines that load a register of
// its class again, which writes the same lines; its duplicate writes them
// too; and after a find and replace over every scope it still writes lines
// that load back to themselves.
#include "foundation/charClasses.h"
#include "registers/gregister.h"
#include "registers/gregisterBatchOptions.h"
#include "scl/gsclProgram.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

struct keywordLine {
    int token;
    std::string value;
};

// Lines as the station-file reader splits them: the first word must be a
// keyword, the value is the rest of the line without surrounding white space.
std::vector<keywordLine> splitLines(std::string_view text)
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

class scratchFile {
public:
    scratchFile()
    {
        path_ = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/korvelRegisterFuzzXXXXXX" : "/tmp/korvelRegisterFuzzXXXXXX";
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

std::string written(const gregister& reg)
{
    static scratchFile scratch;
    CObjectFile file;
    check(file.open(gstrSlice(scratch.path().c_str()), CObjectFile::modeWrite, false) == 1);
    reg.writeEmbedded(file, 0);
    check(file.close());
    std::ifstream in(scratch.path(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void emptyStation()
{
    station::registers().deleteAll();
    station::programs().deleteAll();
}

// Defines the register and feeds it the lines until it finishes or refuses
// one. Null unless it finished.
gregister* load(const gobjectType& type, const std::vector<keywordLine>& lines)
{
    auto* reg = static_cast<gregister*>(type.defineObject("R", false));
    check(reg && reg->getObjectType() == &type);
    for (const keywordLine& line : lines) {
        if (line.token < 0)
            return nullptr;
        gstr value(gstrSlice(line.value.data(), static_cast<int32_t>(line.value.size())));
        gloadStatus status = reg->loadLine(line.token, value);
        if (status == gload::finished)
            return reg;
        if (status != gload::accepted)
            return nullptr;
    }
    return nullptr;
}

// What the register writes loads a register of the class again that writes
// the same.
void checkRoundTrip(const gobjectType& type, const std::string& first)
{
    size_t header = first.find('\n');
    check(header != std::string::npos);
    emptyStation();
    gregister* again = load(type, splitLines(std::string_view(first).substr(header + 1)));
    check(again != nullptr);
    check(written(*again) == first);
}

gregisterBatchOptions everyScope()
{
    gregisterBatchOptions options;
    options.find.assign("A");
    options.replace.assign("B,\"");
    options.names = options.logStrings = options.automaticControls = options.controlArguments = true;
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<keywordLine> lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    static const gregisterBatchOptions options = everyScope();
    for (const gobjectType* type : {&objectTypes::bistateRegister(), &objectTypes::digitalRegister(),
                                    &objectTypes::analogRegister(), &objectTypes::stringRegister()}) {
        emptyStation();
        gregister* reg = load(*type, lines);
        if (!reg)
            continue;
        std::string first = written(*reg);
        std::unique_ptr<gregister> copy(reg->clone());
        check(written(*copy) == first);
        gstr log("");
        copy->replaceText(options, log, nullptr);
        std::string replaced = written(*copy);
        copy.reset();
        checkRoundTrip(*type, first);
        checkRoundTrip(*type, replaced);
    }
    emptyStation();
    return 0;
}
