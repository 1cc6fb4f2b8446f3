#pragma once

#include <cstdint>

// Where the loader reports how far it has read a file: the Loading Station
// dialog installs itself while it is open; otherwise nothing is reported.
class gloadProgress {
public:
    virtual ~gloadProgress() = default;
    // The file's length in bytes, once before the first line.
    virtual void setRange(int64_t length) = 0;
    // The file position before every line.
    virtual void setPosition(int64_t position) = 0;
};

void installLoadProgress(gloadProgress* progress);
gloadProgress* loadProgress();
