// Loading and saving plain 8-bit text: CR LF on disk, single line breaks in
// the document (a lone carriage return stays inside its line).
#include "sourceedit/CSourceDoc.h"

#include "sourceedit/CSourceException.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens an existing regular file, for reading and writing when it allows,
// else for reading only; -1 when it cannot be opened at all.
int openForLoading(const gstrSlice& path, bool& readOnly)
{
    std::string name(path.view());
    int fd = ::open(name.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    readOnly = fd < 0;
    if (fd < 0)
        fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The stream of a file being loaded, closed on every way out.
class loadStream {
public:
    explicit loadStream(FILE* file) : file_(file) {}
    ~loadStream()
    {
        if (file_)
            std::fclose(file_);
    }
    loadStream(const loadStream&) = delete;
    loadStream& operator=(const loadStream&) = delete;

    // The next character with CR LF read as one line feed; EOF at the end.
    int get()
    {
        int c = getc_unlocked(file_);
        if (c != '\r')
            return c;
        int next = getc_unlocked(file_);
        if (next == '\n')
            return '\n';
        if (next != EOF)
            ungetc(next, file_);
        return c;
    }
        // What follows a piece that filled the limit: a line break (consumed),
    // the end of the file, or more of the same line.
    enum class after { lineBreak, endOfFile, moreText };
    after whatFollows()
    {
        int c = get();
        if (c == '\n')
            return after::lineBreak;
        if (c == EOF)
            return after::endOfFile;
        ungetc(c, file_);
        return after::moreText;
    }
    bool failed() const { return std::ferror(file_) != 0; }
    void close()
    {
        FILE* file = file_;
        file_ = nullptr;
        if (std::fclose(file) != 0)
            throw CSrcFileException();
    }

private:
    FILE* file_;
};

// What one read gave.
struct loadPiece {
    std::string text;
    bool ended = false;   // a line feed ended it
    bool wrapped = false; // it filled the limit and its line goes on
};

// One piece of at most limit characters, up to and including a line feed.
// Answers false at the end of the file.
bool readPiece(loadStream& in, int32_t limit, loadPiece& piece)
{
    piece.text.clear();
    piece.ended = piece.wrapped = false;
    int32_t taken = 0;
    while (taken < limit) {
        int c = in.get();
        if (c == EOF)
            break;
        ++taken;
        if (c == 0)
            throw CSrcFileException(); // not text: nothing of it may be lost silently
        if (c == '\n') {
            piece.ended = true;
            return true;
        }
        piece.text.push_back(static_cast<char>(c));
    }
    // A line exactly as long as the limit still fits.
    if (taken == limit) {
        loadStream::after next = in.whatFollows();
        piece.wrapped = next == loadStream::after::moreText;
        piece.ended = next == loadStream::after::lineBreak;
    }
    if (in.failed())
        throw CSrcFileException();
    return taken > 0;
}

bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A temporary file beside the target, with the target's permissions (or the
// usual ones for a new file); -1 when none can be made.
int createBeside(const std::string& target, std::string& temporary)
{
    temporary = folderOf(target) + "/srcXXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return -1;
    struct stat st;
    mode_t mode;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    return fd;
}

} // namespace

int CSourceDoc::readFile(const gstrSlice& path)
{
    error = errorNone;
    bool openedReadOnly = false;
    int fd = openForLoading(path, openedReadOnly);
    if (fd < 0) {
        error = errorOpen;
        return 0;
    }
    FILE* file = ::fdopen(fd, "r");
    if (!file) {
        ::close(fd);
        error = errorStream;
        return 0;
    }
    readOnly = openedReadOnly;
    loadStream in(file);
    clear();
    setModified(1);
    int result = 1;
    bool noticeShown = false;
    bool lastEnded = true;
    int32_t line = 0;
    loadPiece piece;
    while (readPiece(in, maxLineLength, piece)) {
        lastEnded = piece.ended;
        setLineText(line++, gstrSlice(piece.text.data(), static_cast<int32_t>(piece.text.size())));
        if (!piece.wrapped || noticeShown)
            continue;
        if (!onLongLine()) {
            in.close();
            clear();
            error = errorLongLineCancelled;
            return 0;
        }
        noticeShown = true;
        error = errorLongLinesWrapped;
        result = 0;
    }
    if (lastEnded)
        setLineText(line, gstrSlice::empty);
    in.close();
    setModified(0);
    retokenize(0, getLineCount());
    return result;
}

int CSourceDoc::writeFile(const gstrSlice& path)
{
    std::string target(path.view());
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return 0;
    std::string temporary;
    int fd = createBeside(target, temporary);
    if (fd < 0)
        return 0;
    std::string chunk;
    bool ok = true;
    int32_t count = getLineCount();
    for (int32_t line = 0; line < count && ok; ++line) {
        if (line > 0)
            chunk.append("\r\n");
        chunk.append(lineText(line), size_t(getLineLength(line)));
        if (chunk.size() >= 65536) {
            ok = writeAll(fd, chunk);
            chunk.clear();
        }
    }
    ok = ok && writeAll(fd, chunk);
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        throw CSrcFileException();
    }
    setModified(0);
    return 1;
}
