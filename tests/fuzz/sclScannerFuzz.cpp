// Arbitrary bytes as lines of SCL text through the token scanner, in station
// and driver mode, with station objects and a current driver to name. Besides
// not crashing or hanging: the tokens of a line follow each other without a
// gap, never run past the line's end, always move the cursor (but for the
// empty line number of a '.') and are of a known kind.
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverProgram.h"
#include "ports/gserialPort.h"
#include "scl/gsclProgram.h"
#include "scl/sclTokenScanner.h"
#include "store/gstation.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

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
    station::g2Drivers().define("Drv")->commands().define("Read");
    station::programs().define("Main");
    static jhashTypedDatabaseTable<g2driverProgram> programs(5);
    programs.define("Poll");
    setSclDriverContext(&station::g2Drivers().find("Drv")->commands(), nullptr, &programs);
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    defineObjects();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t stop = text.find_first_of(std::string_view("\r\n\0", 3), start);
        if (stop == std::string_view::npos)
            stop = text.size();
        std::string line(text.substr(start, stop - start));
        scanLine(line, false);
        scanLine(line, true);
        start = stop + 1;
    }
    return 0;
}
