#include "support/model/stationLines.h"

#include "store/CObjectFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace {

// A scratch file of its own, removed with it.
class scratchFile {
public:
    scratchFile()
    {
        char name[] = "/tmp/korvelLinesXXXXXX";
        int fd = ::mkstemp(name);
        if (fd < 0)
            throw std::runtime_error("mkstemp failed");
        ::close(fd);
        path_ = name;
    }
    ~scratchFile() { ::unlink(path_.c_str()); }
    scratchFile(const scratchFile&) = delete;
    scratchFile& operator=(const scratchFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace

std::string writtenText(const std::function<void(CObjectFile&)>& write)
{
    scratchFile scratch;
    CObjectFile file;
    if (file.open(gstrSlice(scratch.path().c_str()), CObjectFile::modeWrite, false) != 1)
        throw std::runtime_error("cannot open the scratch file");
    write(file);
    if (!file.close())
        throw std::runtime_error("cannot write the scratch file");
    std::ifstream in(scratch.path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text += bytes[i];
    }
    return text;
}

namespace {

bool keywordLineFollows(CObjectFile& file)
{
    for (;;) {
        int token = -1;
        gstr value;
        int kind = readKeywordLine(file, token, value);
        if (kind != 2)
            return kind != 1;
    }
}

std::vector<gloadStatus> feed(const std::string& text, const std::function<gloadStatus(int token, gstr& value)>& receive,
                              bool untilRefused)
{
    scratchFile scratch;
    {
        std::ofstream out(scratch.path(), std::ios::binary);
        out << text;
    }
    CObjectFile file;
    if (file.open(gstrSlice(scratch.path().c_str()), CObjectFile::modeRead, false) != 1)
        throw std::runtime_error("cannot open the scratch file");
    std::vector<gloadStatus> answers;
    for (;;) {
        int token = -1;
        gstr value;
        int kind = readKeywordLine(file, token, value);
        if (kind == 1)
            break;
        if (kind == 2)
            continue;
        if (kind == 3) {
            file.skipLine();
            answers.push_back(-1);
        } else {
            answers.push_back(receive(token, value));
        }
        if (untilRefused && answers.back() != gload::accepted) {
            if (keywordLineFollows(file))
                answers.push_back(refusedEarly);
            break;
        }
    }
    file.close();
    return answers;
}

} // namespace

std::vector<gloadStatus> feedLines(const std::string& text,
                                   const std::function<gloadStatus(int token, gstr& value)>& receive)
{
    return feed(text, receive, false);
}

std::vector<gloadStatus> feedUntilRefused(const std::string& text,
                                          const std::function<gloadStatus(int token, gstr& value)>& receive)
{
    return feed(text, receive, true);
}
