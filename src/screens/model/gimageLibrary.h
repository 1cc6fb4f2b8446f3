#pragma once

#include "foundation/gfileName.h"
#include "foundation/gstr.h"

// The global image table's library file: the image library that screens draw
// their library images from, and which file it came from. Until the images
// themselves are read, a library that opens as a readable file is taken.
class gimageLibrary {
public:
    // True when the library was read; the table then remembers the file. A
    // failed load keeps what was loaded before.
    bool load(const gfileName& file);
    // Reads the remembered file again; on failure nothing is remembered.
    bool reload();
    bool hasFile() const { return !path_.isEmpty(); }
    const gstr& path() const { return path_; }
    void forget() { path_.clear(); }

private:
    gstr path_;
};

gimageLibrary& imageLibrary();
