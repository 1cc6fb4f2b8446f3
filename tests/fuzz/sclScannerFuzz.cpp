// Arbitrary bytes as lines of SCL text through the token scanner and the
// colouring tokenizers, in station and driver mode, with station objects and
// a current driver to name. Besides not crashing or hanging: the tokens of a
// line follow each other without a gap, never run past the line's end, always
// move on (but for the empty line number of a '.') and are of a known kind.
// The document hands the colouring its lines straight out of the input, with
// no terminator after them.
#include "g2driver/model/g2driver.h"
#include "ports/gserialPort.h"
#include "scl/gsclProgram.h"
#include "scl/gsclTokenizer.h"
#include "sourceedit/CSourceDoc.h"
#include "scl/sclTokenScanner.h"
#include "store/gstation.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Objects whose tags string literals may name.
void defineObjects()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    station::serialPorts().define("COM1")->devices().define("Meter");
    g2driver* driver = station::g2Drivers().define("Drv");
    driver->commands().define("Read");
    driver->dataObjects().define("Level");
    driver->programs().define("Poll");
    station::programs().define("Main");
    setSclDriverContext(&driver->commands(), &driver->dataObjects(), &driver->programs());
}

void scanLine(const std::string& line, bool driverMode)
{
    const char* p = line.c_str();
    const char* end = p + line.size();
    bool lineNumbers = true;
    // Each token but one takes at least one byte; the one that may not turns
    // line-number mode off.
    for (size_t steps = 0; steps <= 2 * line.size() + 2; ++steps) {
        const char* start = p;
        int kind = gsclScanToken(p, lineNumbers, driverMode);
        check(kind >= sclToken::unknown && kind <= sclToken::objectName);
        check(p >= start && p <= end);
        if (kind == sclToken::endOfLine) {
            check(p == end && start == end);
            return;
        }
        check(p > start || (kind == sclToken::lineNumber && lineNumbers));
        if (kind != sclToken::blanks)
            lineNumbers = false;
    }
    check(false);
}

// Lines that point into the input.
class inputDoc : public CSourceDoc {
public:
    std::vector<std::string_view> lines;

    int32_t getLineCount() const override { return static_cast<int32_t>(lines.size()); }
    const char* getLineText(int32_t line) const override { return lines[static_cast<size_t>(line)].data(); }
    int32_t getLineLength(int32_t line) const override
    {
        return static_cast<int32_t>(lines[static_cast<size_t>(line)].size());
    }
    int onLongLine() override { return 0; }
};

void colourLine(gsclTokenizer& tokenizer, inputDoc& doc, int32_t line)
{
    int32_t length = doc.getLineLength(line);
    int32_t next = 0;
    tokenizer.beginLine(doc, line);
    for (int32_t steps = 0; steps <= 2 * length + 2; ++steps) {
        int32_t start = -1, size = -1;
        int colour = tokenizer.nextToken(start, size);
        check(colour >= 0 && colour < sclColour::count);
        check(start == next && size >= 0 && start + size <= length);
        next = start + size;
        if (colour == sclColour::endOfLine) {
            check(size == 0);
            check(tokenizer.endLine() == 0);
            return;
        }
    }
    check(false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    defineObjects();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    inputDoc doc;
    size_t start = 0;
    while (start <= text.size()) {
        size_t stop = text.find_first_of(std::string_view("\r\n\0", 3), start);
        if (stop == std::string_view::npos)
            stop = text.size();
        std::string line(text.substr(start, stop - start));
        scanLine(line, false);
        scanLine(line, true);
        doc.lines.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    for (int32_t line = 0; line < doc.getLineCount(); ++line) {
        colourLine(sclStationTokenizer(), doc, line);
        colourLine(sclDriverTokenizer(), doc, line);
    }
    return 0;
}
