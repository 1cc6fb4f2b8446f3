#pragma once

#include "foundation/gstr.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// The file under the station-file reader and writer, and the binary file of
// the image library.
//
// Text mode keeps the files' Windows line ends: every "\n" written becomes
// CR LF on disk, and on reading CR LF and a lone LF both give "\n". A CR that
// no LF follows is an ordinary byte (white space to the line reader). Binary
// mode passes bytes through. Reading goes through a block of its own so that
// the line reader can take one character at a time and step back one.
//
// Writes are buffered. The first failure of a write, flush, close or read is
// remembered (its errno) until the next open; after a failure further writes
// do nothing. The caller of a writer asks failed() or the result of close()
// and reports it; nothing here throws for an input or output error.
class CObjectFile {
public:
    // Open modes. Others may read but not write a file open in mode 0 or 2 on
    // the original platform; POSIX has no such sharing rule and none is kept.
    static constexpr int modeRead = 0;      // must exist; at the start
    static constexpr int modeWrite = 1;     // created, or emptied; at the start
    static constexpr int modeReadWrite = 2; // created when missing; at the end

    // Text is read from the file in blocks of this size.
    static constexpr int readBlockSize = 4096;

    CObjectFile();
    ~CObjectFile();
    CObjectFile(const CObjectFile&) = delete;
    CObjectFile& operator=(const CObjectFile&) = delete;

    // 1 when open. On a failure the user sees the cause with the path as
    // given (string 10060 to 10066) and Retry or Cancel; Retry tries again,
    // Cancel answers 0. Only regular files open: a directory, device or FIFO
    // is refused like an unreadable file. The handle is not inherited by
    // child processes. A file still open is closed first.
    int open(const gstrSlice& path, int mode, bool binary);
    // Writes what is buffered, syncs a written file to disk and closes it.
    // False when this or any earlier write or read failed (see error()).
    bool close();
    bool isOpen() const { return fd_ >= 0; }

    // The errno of the first failure since open, 0 when none.
    int error() const { return error_; }
    bool failed() const { return error_ != 0; }

    // Up to count bytes of the logical stream; 0 at the end of the file.
    size_t read(void* destination, size_t count);
    // Steps back over the last character read (CR LF counts as one).
    // Text mode keeps one step; a second step throws gfault.
    void unreadChar();
    // The position in the file of the next byte to read or write.
    int64_t getPosition();
    int64_t getLength();
    // The absolute path of the open file.
    const gstr& getFilePath() const { return path_; }

    // Up to the delimiter (or the first byte the predicate accepts), which is
    // consumed when asked and otherwise left to read again. first, when it is
    // not -1, is the text's first byte. The end of the file ends the text; a
    // null string when there was nothing to read and no first byte.
    gstr readUntil(char delimiter, int first, bool consume);
    // A text that reaches longest bytes ends there.
    gstr readUntil(bool (*predicate)(char), int first, bool consume, int32_t longest = INT32_MAX - 1);
    // The next word of the line: null at the end of the file, empty at the
    // end of the line (the "\n" is left to read) or when only white space
    // was left before the end of the file.
    gstr readToken();
    // The rest of the line, "\n" consumed, white space trimmed at both ends:
    // null when the end of the file came before anything but white space.
    gstr readValue();
    void skipLine();
    // The loader's forms of readToken and readValue: the same text, as a
    // slice that stays valid until the next read. A line that lies whole in
    // the read block is taken from there without a copy.
    gstrSlice readTokenSlice();
    gstrSlice readValueSlice();

    void write(const void* bytes, size_t count);
    void writeBytes(const char* bytes, int32_t count) { write(bytes, static_cast<size_t>(count)); }
    void writeString(const gstrSlice& text) { writeBytes(text.data(), text.length()); }
    void putChar(char c);
    void newLine();
    void writeListSeparator() { writeWithoutLineFeed(", ", 2); }
    // What every value writer puts after its value: 1 a line end, 2 the list
    // separator, anything else nothing.
    void writeEnding(int ending);
    // The value form of the quoting rule: bare when the text allows it, else
    // quoted with escapes. No ending.
    void writeQuoted(const gstrSlice& text);
    void writeInt(int32_t value, int ending);
    void writeUnsigned(uint32_t value, int ending);
    // "%.15G" in the "C" locale when that reads back to the value, else the
    // fewest digits that do (formatRealExact): every real a file holds
    // saves as itself. A value that is not finite could not be read back:
    // nothing is written and the file fails with EDOM.
    void writeReal(double value, int ending);
    // address[0..3] as four decimal numbers joined by dots.
    void writeIpAddress(const uint8_t* address, int ending);
    // The banner of string 20115 and four line ends.
    void writeBanner();

private:
    struct readBlock;

    int tryOpen(const char* name, int mode);
    void fail(int err);
    int readChar();
    bool refill();
    size_t readRaw(void* destination, size_t count);
    void flushWrites();
    void startReading();
    void putRaw(const char* bytes, size_t count);
    bool startWriting(size_t count);
    void writeWithoutLineFeed(const char* bytes, size_t count);
    bool tokenInBlock(gstrSlice& token);
    bool lineFeedInBlock(int& lineFeed);
    void takeLineEnd(int lineFeed);

    int fd_ = -1;
    bool binary_ = false;
    bool writtenTo_ = false;
    bool writing_ = false;
    int error_ = 0;
    gstr path_;
    std::unique_ptr<readBlock> block_;
    std::unique_ptr<char[]> writeBuffer_;
    size_t pending_ = 0;
    gstr sliceText_; // the slice forms' text when it came the long way
};

// One line of a station file. 0: a keyword line, its token and its value (the
// rest of the line trimmed; empty when nothing follows the keyword); 1: the
// end of the file; 2: an empty or comment line ('#' first), skipped; 3: a
// first word that is no keyword, the rest of its line left unread.
int readKeywordLine(CObjectFile& file, int& token, gstr& value);
