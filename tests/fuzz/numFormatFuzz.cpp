// Arbitrary bytes read as numbers in every base with both separators, as
// base64, as seconds and as a colour. Besides not crashing, what is read must
// agree with itself: the syntax check with the reading, written values with
// what reads them back.
#include "foundation/gcolor.h"
#include "foundation/gmilliseconds.h"
#include "foundation/gnumFormat.h"
#include "foundation/jbase64.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void parseNumbers(const std::string& text)
{
    const char* terminatorSets[] = {nullptr, "", ";,)"};
    for (uint32_t base : {0u, 2u, 8u, 10u, 16u}) {
        for (char separator : {'.', ','}) {
            for (const char* terminators : terminatorSets) {
                gnumFormat format(base, separator, terminators);
                for (bool allowSign : {false, true}) {
                    double value = 0;
                    const char* cursor = nullptr;
                    int status = format.parse(text.c_str(), cursor, value, allowSign);
                    check(status >= 0 && status <= 11);
                    check(cursor >= text.c_str() && cursor <= text.c_str() + text.size());
                    const char* end = nullptr;
                    int syntax = format.parse(text.c_str(), end, allowSign);
                    check(syntax != gnumFormat::overflow);
                    if (status != gnumFormat::overflow)
                        check(syntax == status && end == cursor);
                    if (status != 0 || base != 10 || !std::isfinite(value))
                        continue;
                    gstr out;
                    format.appendToString(out, value, static_cast<int>(text.size() % 20), allowSign ? -1 : 1,
                                          static_cast<int>(text.size() % 5) - 1);
                    check(out.length() > 0);
                }
            }
        }
        if (base != 0) {
            gstr digits;
            uint32_t v = 0;
            std::memcpy(&v, text.data(), std::min(text.size(), sizeof v));
            gnumFormat(base).appendToString(digits, v);
            double back = -1;
            check(gnumFormat(base, '.', "").parse(digits.data(), back, false) == 0 && back == v);
        }
    }
}

void decodeBase64(const uint8_t* data, size_t size)
{
    jbase64Decoder decoder;
    decoder.write(data, size);
    decoder.finish();
    check(decoder.available() <= size);

    jbase64Encoder encoder(std::make_unique<jbase64Decoder>(), size % 2 == 1);
    encoder.write(data, size);
    encoder.finish();
    std::string back(encoder.available(), '\0');
    back.resize(encoder.read(back.data(), back.size()));
    check(back.size() == size && std::memcmp(back.data(), data, size) == 0);
}

void parseSecondsAndColour(const std::string& text)
{
    gmilliseconds seconds(12345);
    int result = seconds.parseSeconds(text.c_str());
    check(result >= 0 && result <= 2);
    if (result == 0) {
        check(seconds.get() == 12345);
    } else {
        check(seconds.isSet());
        gmilliseconds back;
        check(back.setSeconds(seconds.get() * 0.001) && back == seconds);
    }

    gcolor colour;
    result = colour.parse(text.c_str());
    check(result >= 0 && result <= 2);
    check(colour.isSet() == (result != 0));
    if (result != 0) {
        char written[9];
        colour.formatText(written);
        gcolor back;
        check(back.parse(written) == 1 && back == colour);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str(); // the readers take NUL-terminated texts
    parseNumbers(text);
    decodeBase64(data, size);
    parseSecondsAndColour(text);
    return 0;
}
