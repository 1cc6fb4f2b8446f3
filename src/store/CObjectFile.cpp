#include "store/CObjectFile.h"

#include "foundation/charClasses.h"
#include "foundation/gfault.h"
#include "foundation/gmessageService.h"
#include "foundation/realFormat.h"
#include "foundation/textEncodings.h"
#include "resources/stringTable.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One write call per 64 KB of a saved station.
constexpr size_t writeBufferSize = 65536;
// An open that found something other than a regular file: a FIFO would block
// the reader and a device could deliver bytes without end.
constexpr int notRegularFile = -1;
constexpr int bannerId = 20115;
constexpr int32_t longestText = std::numeric_limits<int32_t>::max() - 1;
// A line is judged by its first word, a keyword of a few dozen bytes at
// most. A word past 64 KB is cut here and refused by what was read, so that a
// file of one endless "word" (a file of NUL bytes) is not read whole first.
constexpr int32_t longestToken = 65536;

bool isWhiteByte(char c) { return charClass::isWhite(c); }

bool parentIsDirectory(const std::string& name)
{
    size_t slash = name.rfind('/');
    std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
    struct stat st {};
    return ::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int openFailureMessage(int err, const std::string& name)
{
    switch (err) {
    case EACCES:
    case EPERM:
    case EROFS:
        return 10060;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return 10061;
    case ENOENT:
        return !name.empty() && parentIsDirectory(name) ? 10064 : 10061;
    case EIO:
        return 10063;
    case EMFILE:
    case ENFILE:
        return 10065;
    // A folder is no more a file to open than a pipe is; saying that the
    // user lacks permission would send them to look at its rights.
    case EISDIR:
    case notRegularFile:
        return 10062;
    default:
        return 10066;
    }
}

bool askRetry(int err, const std::string& name, const gstrSlice& path)
{
    int id = openFailureMessage(err, name);
    gstr text(stringTableText(id));
    text.replaceAll("%1", pathAsText(path), false, true);
    return messageService().messageBox(text, gbuttons::retryCancel, gicon::none, id) == ganswer::retry;
}

gstr absolutePath(const std::string& name)
{
    std::error_code ec;
    auto full = std::filesystem::absolute(name, ec);
    return gstr(ec ? name.c_str() : full.c_str());
}

// A text that grows by doubling and is cut to its length at the end.
class growingText {
public:
    explicit growingText(int first, int32_t limit = longestText) : limit_(limit)
    {
        if (first >= 0)
            append(static_cast<char>(first));
    }
    bool full() const { return length_ >= limit_; }
    void append(char c)
    {
        if (length_ == text_.length())
            text_.resize(static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(512, text_.length() * int64_t{2}), limit_)));
        *text_.at(length_++) = c;
    }
    bool isEmpty() const { return length_ == 0; }
    gstr take()
    {
        text_.resize(length_);
        return std::move(text_);
    }

private:
    gstr text_;
    int32_t length_ = 0;
    int32_t limit_;
};

} // namespace

// The read block of a text-mode file. It holds raw bytes; CR LF becomes "\n"
// as characters are taken. After a refill the two bytes before the position
// are kept in front, so that the last character (CR LF at most) can always
// be stepped back over.
struct CObjectFile::readBlock {
    static constexpr int size = readBlockSize;
    static constexpr int history = 2;

    std::unique_ptr<char[]> bytes; // made on the first read
    int position = 0;              // next byte to take
    int end = 0;                   // bytes held
    int64_t start = 0;             // file position of bytes[0]
    int lastWidth = 0;             // raw bytes of the last character taken; 0 none
};

CObjectFile::CObjectFile() = default;

CObjectFile::~CObjectFile() { close(); }

int CObjectFile::open(const gstrSlice& path, int mode, bool binary)
{
    close();
    error_ = 0;
    std::string name(path.view());
    for (;;) {
        int err = tryOpen(name.c_str(), mode);
        if (err == 0)
            break;
        if (!askRetry(err, name, path)) {
            error_ = err;
            return 0;
        }
    }
    binary_ = binary;
    writtenTo_ = false;
    writing_ = false;
    pending_ = 0;
    path_ = absolutePath(name);
    if (!binary) {
        block_ = std::make_unique<readBlock>();
        block_->start = ::lseek(fd_, 0, SEEK_CUR);
    }
    return 1;
}

int CObjectFile::tryOpen(const char* name, int mode)
{
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    switch (mode) {
    case modeRead: flags |= O_RDONLY; break;
    case modeWrite: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
    case modeReadWrite: flags |= O_RDWR | O_CREAT; break;
    default: throw gfault("invalid mode in CObjectFile::open()");
    }
    int fd = ::open(name, flags, 0666);
    if (fd < 0)
        return errno;
    struct stat st {};
    int err = 0;
    if (::fstat(fd, &st) != 0)
        err = errno;
    else if (!S_ISREG(st.st_mode))
        err = S_ISDIR(st.st_mode) ? EISDIR : notRegularFile;
    else if (mode == modeReadWrite && ::lseek(fd, 0, SEEK_END) < 0)
        err = errno;
    else if (int status = ::fcntl(fd, F_GETFL); status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0)
        err = errno;
    if (err != 0) {
        ::close(fd);
        return err;
    }
    fd_ = fd;
    return 0;
}

bool CObjectFile::close()
{
    if (fd_ < 0)
        return error_ == 0;
    flushWrites();
    // Write-back errors surface here; a saved file must be on disk before it
    // replaces the one it was written for.
    if (writtenTo_ && error_ == 0 && ::fsync(fd_) != 0)
        fail(errno);
    if (::close(fd_) != 0 && errno != EINTR)
        fail(errno);
    fd_ = -1;
    block_.reset();
    pending_ = 0;
    return error_ == 0;
}

void CObjectFile::fail(int err)
{
    if (error_ == 0)
        error_ = err;
}

size_t CObjectFile::readRaw(void* destination, size_t count)
{
    auto* out = static_cast<char*>(destination);
    size_t got = 0;
    while (got < count && fd_ >= 0 && error_ == 0) {
        ssize_t n = ::read(fd_, out + got, count - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(errno);
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    return got;
}

bool CObjectFile::refill()
{
    readBlock& b = *block_;
    if (!b.bytes)
        b.bytes = std::make_unique<char[]>(readBlock::size + readBlock::history);
    int keep = std::min(b.position, readBlock::history);
    int unread = b.end - b.position;
    std::memmove(b.bytes.get(), b.bytes.get() + b.position - keep, static_cast<size_t>(keep + unread));
    b.start += b.position - keep;
    b.position = keep;
    b.end = keep + unread;
    size_t n = readRaw(b.bytes.get() + b.end, static_cast<size_t>(readBlock::size + readBlock::history - b.end));
    b.end += static_cast<int>(n);
    return n > 0;
}

void CObjectFile::startReading()
{
    if (!writing_)
        return;
    flushWrites();
    writing_ = false;
    if (block_) {
        *block_ = readBlock{std::move(block_->bytes)};
        block_->start = ::lseek(fd_, 0, SEEK_CUR);
    }
}

int CObjectFile::readChar()
{
    startReading();
    if (!block_) {
        unsigned char c = 0;
        return readRaw(&c, 1) == 1 ? c : -1;
    }
    readBlock& b = *block_;
    if (b.position == b.end && !refill())
        return -1;
    char c = b.bytes[b.position++];
    b.lastWidth = 1;
    if (c == '\r' && (b.position < b.end || refill()) && b.bytes[b.position] == '\n') {
        ++b.position;
        b.lastWidth = 2;
        return '\n';
    }
    return static_cast<unsigned char>(c);
}

size_t CObjectFile::read(void* destination, size_t count)
{
    startReading();
    if (!block_)
        return readRaw(destination, count);
    auto* out = static_cast<char*>(destination);
    size_t got = 0;
    while (got < count) {
        readBlock& b = *block_;
        if (b.position == b.end && !refill())
            break;
        // Runs without CR are copied whole; a CR goes through readChar.
        const char* from = b.bytes.get() + b.position;
        size_t available = std::min(count - got, static_cast<size_t>(b.end - b.position));
        const void* cr = std::memchr(from, '\r', available);
        size_t run = cr ? static_cast<size_t>(static_cast<const char*>(cr) - from) : available;
        if (run == 0) {
            out[got++] = static_cast<char>(readChar());
            continue;
        }
        std::memcpy(out + got, from, run);
        b.position += static_cast<int>(run);
        b.lastWidth = 1;
        got += run;
    }
    return got;
}

void CObjectFile::unreadChar()
{
    if (!block_) {
        flushWrites();
        if (::lseek(fd_, -1, SEEK_CUR) < 0)
            fail(errno);
        return;
    }
    readBlock& b = *block_;
    if (b.lastWidth == 0)
        throw gfault("nothing to step back over in CObjectFile::unreadChar()");
    b.position -= b.lastWidth;
    b.lastWidth = 0;
}

int64_t CObjectFile::getPosition()
{
    if (block_ && !writing_)
        return block_->start + block_->position;
    return ::lseek(fd_, 0, SEEK_CUR) + static_cast<int64_t>(pending_);
}

int64_t CObjectFile::getLength()
{
    flushWrites();
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0)
        return 0;
    return st.st_size;
}

gstr CObjectFile::readUntil(char delimiter, int first, bool consume)
{
    growingText text(first);
    int c = -1;
    while (!text.full() && (c = readChar()) >= 0) {
        if (c == static_cast<unsigned char>(delimiter)) {
            if (!consume)
                unreadChar();
            break;
        }
        text.append(static_cast<char>(c));
    }
    if (c < 0 && first < 0 && text.isEmpty())
        return gstr();
    return text.take();
}

gstr CObjectFile::readUntil(bool (*predicate)(char), int first, bool consume, int32_t longest)
{
    growingText text(first, longest);
    int c = -1;
    while (!text.full() && (c = readChar()) >= 0) {
        if (predicate(static_cast<char>(c))) {
            if (!consume)
                unreadChar();
            break;
        }
        text.append(static_cast<char>(c));
    }
    if (c < 0 && first < 0 && text.isEmpty())
        return gstr();
    return text.take();
}

gstr CObjectFile::readToken()
{
    int c = -1;
    bool sawWhite = false;
    while ((c = readChar()) >= 0 && c != '\n' && charClass::isWhite(static_cast<char>(c)))
        sawWhite = true;
    if (c < 0)
        return sawWhite ? gstr("") : gstr();
    if (c == '\n') {
        unreadChar();
        return gstr("");
    }
    // Cut like this, the word is refused by what was read.
    return readUntil(isWhiteByte, c, false, longestToken);
}

gstr CObjectFile::readValue()
{
    int c = -1;
    while ((c = readChar()) >= 0 && c != '\n' && charClass::isWhite(static_cast<char>(c))) {
    }
    if (c < 0)
        return gstr();
    if (c == '\n')
        return gstr("");
    gstr value = readUntil('\n', c, true);
    value.trim();
    return value;
}

void CObjectFile::skipLine()
{
    startReading();
    int lineFeed = 0;
    if (block_ && lineFeedInBlock(lineFeed)) {
        takeLineEnd(lineFeed);
        return;
    }
    int c = -1;
    while ((c = readChar()) >= 0 && c != '\n') {
    }
}

gstrSlice CObjectFile::readTokenSlice()
{
    startReading();
    gstrSlice token;
    if (block_ && (tokenInBlock(token) || (refill() && tokenInBlock(token))))
        return token;
    sliceText_ = readToken();
    return sliceText_;
}

gstrSlice CObjectFile::readValueSlice()
{
    startReading();
    int lineFeed = 0;
    if (!block_ || !lineFeedInBlock(lineFeed)) {
        sliceText_ = readValue();
        return sliceText_;
    }
    const char* bytes = block_->bytes.get();
    int first = block_->position;
    int last = lineFeed;
    while (first < last && charClass::isWhite(bytes[first]))
        ++first;
    while (last > first && charClass::isWhite(bytes[last - 1]))
        --last;
    takeLineEnd(lineFeed);
    return gstrSlice(bytes + first, last - first);
}

// The token and the byte that ends it must lie in the block; a CR at the
// block's end might be the first half of a line end, so it is not decided
// there either. Otherwise nothing is taken and the caller reads the long way.
bool CObjectFile::tokenInBlock(gstrSlice& token)
{
    readBlock& b = *block_;
    const char* bytes = b.bytes.get();
    auto endsLine = [&](int i) {
        return bytes[i] == '\n' || (bytes[i] == '\r' && i + 1 < b.end && bytes[i + 1] == '\n');
    };
    int p = b.position;
    while (p < b.end && charClass::isWhite(bytes[p]) && !endsLine(p) && !(bytes[p] == '\r' && p + 1 == b.end))
        ++p;
    if (p == b.end || (bytes[p] == '\r' && p + 1 == b.end))
        return false;
    int first = p;
    if (!endsLine(p)) {
        while (p < b.end && !charClass::isWhite(bytes[p]))
            ++p;
        if (p == b.end)
            return false;
    }
    // As readToken leaves it: the byte after the token stepped back over.
    b.position = p;
    b.lastWidth = 0;
    token = gstrSlice(bytes + first, p - first);
    return true;
}

// The LF that ends the line being read, refilling the block once when the
// rest of the block holds none.
bool CObjectFile::lineFeedInBlock(int& lineFeed)
{
    for (bool refilled = false;; refilled = true) {
        readBlock& b = *block_;
        if (b.position < b.end) {
            const void* lf = std::memchr(b.bytes.get() + b.position, '\n', static_cast<size_t>(b.end - b.position));
            if (lf) {
                lineFeed = static_cast<int>(static_cast<const char*>(lf) - b.bytes.get());
                return true;
            }
        }
        if (refilled || !refill())
            return false;
    }
}

// Takes the line end as readChar would: a CR right before the LF, not yet
// read, makes one character with it.
void CObjectFile::takeLineEnd(int lineFeed)
{
    readBlock& b = *block_;
    b.lastWidth = lineFeed > b.position && b.bytes[lineFeed - 1] == '\r' ? 2 : 1;
    b.position = lineFeed + 1;
}

void CObjectFile::flushWrites()
{
    size_t done = 0;
    while (done < pending_ && error_ == 0) {
        ssize_t n = ::write(fd_, writeBuffer_.get() + done, pending_ - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(n < 0 ? errno : EIO);
            break;
        }
        done += static_cast<size_t>(n);
    }
    pending_ = 0;
}

void CObjectFile::putRaw(const char* bytes, size_t count)
{
    if (!writeBuffer_)
        writeBuffer_ = std::make_unique<char[]>(writeBufferSize);
    writtenTo_ = true;
    if (error_ == 0 && count < writeBufferSize - pending_) {
        std::memcpy(writeBuffer_.get() + pending_, bytes, count);
        pending_ += count;
        return;
    }
    while (count > 0 && error_ == 0) {
        size_t n = std::min(count, writeBufferSize - pending_);
        std::memcpy(writeBuffer_.get() + pending_, bytes, n);
        pending_ += n;
        bytes += n;
        count -= n;
        if (pending_ == writeBufferSize)
            flushWrites();
    }
}

bool CObjectFile::startWriting(size_t count)
{
    if (fd_ < 0)
        fail(EBADF);
    if (error_ != 0 || count == 0)
        return false;
    // A file open for reading and writing starts at its end, so nothing was
    // ever read ahead of a write: it goes where the file handle stands.
    writing_ = true;
    return true;
}

// Bytes without a line feed are the same in either mode.
void CObjectFile::writeWithoutLineFeed(const char* bytes, size_t count)
{
    if (startWriting(count))
        putRaw(bytes, count);
}

void CObjectFile::write(const void* bytes, size_t count)
{
    if (!startWriting(count))
        return;
    const auto* p = static_cast<const char*>(bytes);
    const char* end = p + count;
    if (binary_) {
        putRaw(p, count);
        return;
    }
    while (p < end) {
        const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p));
        const char* stop = lf ? static_cast<const char*>(lf) : end;
        putRaw(p, static_cast<size_t>(stop - p));
        if (!lf)
            break;
        putRaw("\r\n", 2);
        p = stop + 1;
    }
}

void CObjectFile::putChar(char c)
{
    if (c == '\n')
        newLine();
    else
        writeWithoutLineFeed(&c, 1);
}

void CObjectFile::newLine()
{
    if (binary_)
        writeWithoutLineFeed("\n", 1);
    else
        writeWithoutLineFeed("\r\n", 2);
}

void CObjectFile::writeEnding(int ending)
{
    if (ending == 1)
        newLine();
    else if (ending == 2)
        writeListSeparator();
}

void CObjectFile::writeQuoted(const gstrSlice& text)
{
    if (gstr::writesBare(text)) {
        writeWithoutLineFeed(text.data(), static_cast<size_t>(text.length()));
        return;
    }
    gstr value;
    value.assignQuoted(text, false, false);
    writeString(value);
}

void CObjectFile::writeInt(int32_t value, int ending)
{
    char text[16];
    auto end = std::to_chars(text, text + sizeof text, value).ptr;
    write(text, static_cast<size_t>(end - text));
    writeEnding(ending);
}

void CObjectFile::writeUnsigned(uint32_t value, int ending)
{
    char text[16];
    auto end = std::to_chars(text, text + sizeof text, value).ptr;
    write(text, static_cast<size_t>(end - text));
    writeEnding(ending);
}

void CObjectFile::writeReal(double value, int ending)
{
    if (!std::isfinite(value)) {
        fail(EDOM);
        return;
    }
    char text[realFormatSize];
    int n = formatRealExact(text, value);
    write(text, static_cast<size_t>(n));
    writeEnding(ending);
}

void CObjectFile::writeIpAddress(const uint8_t* address, int ending)
{
    char text[16];
    char* p = text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            *p++ = '.';
        unsigned byte = address[i];
        if (byte >= 100)
            *p++ = static_cast<char>('0' + byte / 100);
        if (byte >= 10)
            *p++ = static_cast<char>('0' + byte / 10 % 10);
        *p++ = static_cast<char>('0' + byte % 10);
    }
    write(text, static_cast<size_t>(p - text));
    writeEnding(ending);
}

void CObjectFile::writeBanner()
{
    writeString(gstrSlice(stringTableText(bannerId)));
    for (int i = 0; i < 4; ++i)
        newLine();
}

void gstrSlice::write(CObjectFile& file, int ending) const
{
    file.writeQuoted(*this);
    file.writeEnding(ending);
}

int readKeywordLine(CObjectFile& file, int& token, gstr& value)
{
    gstrSlice word = file.readTokenSlice();
    if (word.isNull())
        return 1;
    if (word.isEmpty() || word[0] == '#') {
        file.skipLine();
        return 2;
    }
    const gkeyword* keyword = keywordTable().find(word);
    if (!keyword)
        return 3;
    token = keyword->getToken();
    gstrSlice rest = file.readValueSlice();
    value.assign(rest.isNull() ? gstrSlice::empty : rest);
    return 0;
}
