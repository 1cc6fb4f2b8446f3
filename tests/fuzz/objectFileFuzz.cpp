// Reads any bytes as a station file, line by line, and every value as a list
// of items with each parser. Checks on the way that what the writers produce
// from a value reads back the same, and that the line reader answers as the
// character reader does.
#include "foundation/gfault.h"
#include "foundation/gstr.h"
#include "foundation/realFormat.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// The input is handed to the reader by name, so it lives in an anonymous
// memory file reached through /proc: runs leave nothing behind.
int scratchDescriptor()
{
    static const int fd = [] {
        int made = ::memfd_create("korvelObjectFileFuzz", MFD_CLOEXEC);
        if (made < 0)
            std::abort();
        return made;
    }();
    return fd;
}

const std::string& scratchFile()
{
    static const std::string name = "/proc/self/fd/" + std::to_string(scratchDescriptor());
    return name;
}

void writeScratch(const uint8_t* data, size_t size)
{
    int fd = scratchDescriptor();
    if (::ftruncate(fd, 0) != 0)
        std::abort();
    for (size_t done = 0; done < size;) {
        ssize_t n = ::pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        if (n <= 0)
            std::abort();
        done += static_cast<size_t>(n);
    }
}

void checkStringRoundTrip(const gstr& value)
{
    gstr written;
    written.assignQuoted(value, false, false);
    gstr read;
    if (read.parse(written.data()) != 1 || !(read == value))
        std::abort();
}

void checkRealRoundTrip(double value)
{
    char text[realFormatSize];
    formatRealG(text, value, 17);
    double read = 0;
    if (parseDoubleItem(text, read) != 1 || read != value)
        std::abort();
}

// Walks the value as a list with one parser; a 2 always moves past a comma,
// so the walk ends.
template <class Parse>
void walkList(const char* text, Parse parse)
{
    const char* p = text;
    while (parse(p, p) == 2) {
    }
}

void parseValue(const gstr& value)
{
    const char* text = value.data();
    walkList(text, [](const char* p, const char*& next) {
        gstr item;
        int result = item.parse(p, next);
        if (result != 0)
            checkStringRoundTrip(item);
        return result;
    });
    walkList(text, [](const char* p, const char*& next) {
        double v = 0;
        int result = parseDoubleItem(p, v, next);
        if (result != 0)
            checkRealRoundTrip(v);
        return result;
    });
    walkList(text, [](const char* p, const char*& next) {
        int32_t v = 0;
        return parseIntItem(p, v, next);
    });
    walkList(text, [](const char* p, const char*& next) {
        uint32_t v = 0;
        return parseUnsignedItem(p, v, next);
    });
    walkList(text, [](const char* p, const char*& next) {
        int token = 0;
        return parseKeywordItem(p, token, next);
    });
    uint8_t address[4];
    parseIpAddressItem(text, address, true);
    gstr raw;
    raw.parseValue(text, true);
}

// readKeywordLine built from the character reader alone: the line reader's
// block fast path must answer the same, leave the file at the same place and
// step back over the same last character.
int characterKeywordLine(CObjectFile& file, int& token, gstr& value)
{
    gstr word = file.readToken();
    if (word.isNull())
        return 1;
    if (word.isEmpty() || word[0] == '#') {
        file.readUntil('\n', -1, true);
        return 2;
    }
    const gkeyword* keyword = keywordTable().find(word);
    if (!keyword)
        return 3;
    token = keyword->getToken();
    value = file.readValue();
    if (value.isNull())
        value.assign("");
    return 0;
}

// Steps back over the last character and reads it again: the position
// stepped back to and the character, -2 when there was nothing to step back
// over.
int64_t stepBackAndRead(CObjectFile& file)
{
    try {
        file.unreadChar();
    } catch (const gfault&) {
        return -2;
    }
    int64_t position = file.getPosition();
    char c = 0;
    return file.read(&c, 1) == 1 ? position * 256 + static_cast<unsigned char>(c) : -1;
}

void compareLines(CObjectFile& file, CObjectFile& reference, int answer, int token, const gstr& value)
{
    int referenceToken = -1;
    gstr referenceValue;
    int expected = characterKeywordLine(reference, referenceToken, referenceValue);
    if (answer != expected || file.getPosition() != reference.getPosition())
        std::abort();
    if (answer == 0 && (token != referenceToken || !(value == referenceValue)))
        std::abort();
    if (answer != 3 && stepBackAndRead(file) != stepBackAndRead(reference))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeScratch(data, size);
    CObjectFile file;
    CObjectFile reference;
    if (!file.open(scratchFile().c_str(), CObjectFile::modeRead, false)
        || !reference.open(scratchFile().c_str(), CObjectFile::modeRead, false))
        std::abort();
    for (;;) {
        int token = -1;
        gstr value;
        int answer = readKeywordLine(file, token, value);
        compareLines(file, reference, answer, token, value);
        if (answer == 1)
            break;
        if (answer == 3) {
            file.skipLine();
            reference.readUntil('\n', -1, true);
            if (file.getPosition() != reference.getPosition())
                std::abort();
        }
        if (answer == 0)
            parseValue(value);
    }
    return 0;
}
