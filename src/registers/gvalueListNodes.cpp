#include "registers/gvalueListNodes.h"

#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"

int parseValueMapEntry(const char* text, gvalueMapEntry& entry)
{
    const char* next = nullptr;
    uint32_t source = 0;
    if (parseUnsignedItem(text, source, next) != itemResult::comma)
        return itemResult::error;
    uint32_t object = 0;
    int result = parseUnsignedItem(next, object);
    if (result == itemResult::error)
        return result;
    entry.key = static_cast<int32_t>(source);
    entry.value = static_cast<int32_t>(object);
    return result;
}

void writeValueMapEntry(CObjectFile& file, const gvalueMapEntry& entry, int ending)
{
    file.writeUnsigned(static_cast<uint32_t>(entry.key), 2);
    file.writeUnsigned(static_cast<uint32_t>(entry.value), ending);
}

int gthreshold::parse(const char* text)
{
    const char* next = nullptr;
    double bottom = 0;
    if (parseDoubleItem(text, bottom, next) != itemResult::comma)
        return itemResult::error;
    uint32_t result = 0;
    int outcome = parseUnsignedItem(next, result);
    if (outcome == itemResult::error)
        return outcome;
    key = bottom;
    value = result;
    return outcome;
}

void gthreshold::write(CObjectFile& file, int ending) const
{
    file.writeReal(key, 2);
    file.writeUnsigned(value, ending);
}

int gcalibrationPoint::parse(const char* text)
{
    const char* next = nullptr;
    double raw = 0;
    if (parseDoubleItem(text, raw, next) != itemResult::comma)
        return itemResult::error;
    double result = 0;
    int outcome = parseDoubleItem(next, result);
    if (outcome == itemResult::error)
        return outcome;
    key = raw;
    calibrated = result;
    return outcome;
}

void gcalibrationPoint::write(CObjectFile& file, int ending) const
{
    file.writeReal(key, 2);
    file.writeReal(calibrated, ending);
}
