#pragma once

#include "foundation/gsortedList.h"

#include <cstdint>

class CObjectFile;

// The nodes of three small ordered lists (gsortedList keeps them in
// ascending key order and refuses a second node with an equal key), each
// read from and written as one line value of two numbers separated by ", ".
// Parsing answers like the item parsers: 0 error; otherwise the result of
// the second number, 1 (end of the text) or 2 (a comma follows), so that the
// caller decides what may follow. The first number must be followed by a
// comma.

// Value maps (VALUE_MAP lines) use gvalueMapEntry (foundation/gsortedList.h):
// the source value is its key, the object value its value, both unsigned
// 32-bit numbers kept in the signed fields.
int parseValueMapEntry(const char* text, gvalueMapEntry& entry);
void writeValueMapEntry(CObjectFile& file, const gvalueMapEntry& entry, int ending);

// A step of a threshold list: values from the bottom up to the next step's
// bottom give the resulting value.
struct gthreshold {
    gthreshold* next = nullptr;
    double key = 0; // the bottom
    uint32_t value = 0;

    int parse(const char* text);
    void write(CObjectFile& file, int ending) const;
};

// A calibration point: a raw value and the value it is calibrated to.
struct gcalibrationPoint {
    gcalibrationPoint* next = nullptr;
    double key = 0; // the raw value
    double calibrated = 0;

    int parse(const char* text);
    void write(CObjectFile& file, int ending) const;
};
