#include "registers/ui/indicatorSampleValues.h"

#include "foundation/valueParsers.h"
#include "platform/settingsStore.h"

#include <charconv>

namespace {

const char* const section = "Settings";

} // namespace

uint32_t indicatorDigitalValue()
{
    gstr text = profileString(section, "DigitalValue", "720");
    uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.end(), value);
    return error == std::errc() && end == text.end() && !text.isEmpty() ? value : 720;
}

// Written with "%.10G" and the decimal point.
double indicatorAnalogValue()
{
    gstr text = profileString(section, "AnalogValue", "1.53");
    double value = 0;
    if (parseDoubleItem(text.data(), value) != itemResult::end)
        return 1.53;
    return value;
}

gstr indicatorStringValue() { return profileString(section, "StringValue", ""); }
