#pragma once

#include <stdexcept>

// An internal fault: a call the program should never make (an index out of
// range, an object used in the wrong state). It carries a fixed text naming the
// fault, the class and the method; callers and tests compare that text.
class gfault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
