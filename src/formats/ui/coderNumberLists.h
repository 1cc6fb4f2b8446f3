#pragma once

#include <cstdint>

// What the coder dialogs ask of the pane that lists a program's numbered
// decoders and encoders (the program coders pane implements it).
class coderNumberLists {
public:
    // The number to propose for a new coder: 0 for an empty list; else, from
    // the selected row (the first when none is), one past the end of the run
    // of consecutive numbers there.
    virtual uint32_t nextFreeDecoderNumber() const = 0;
    virtual uint32_t nextFreeEncoderNumber() const = 0;
    // The row with that number, or -1; -1 too when skipSelected is set and
    // that row is the selected one.
    virtual int findDecoderRow(uint32_t number, bool skipSelected) const = 0;
    virtual int findEncoderRow(uint32_t number, bool skipSelected) const = 0;

protected:
    ~coderNumberLists() = default;
};
