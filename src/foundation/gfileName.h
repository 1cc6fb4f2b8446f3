#pragma once

#include "foundation/gstr.h"

// A chosen file: its name with extension, as a file dialog gives it, and its
// full path. The loader, the writer and the image library open the path;
// callers that only know a path fill the path alone.
class gfileName {
public:
    gstr name;
    gstr fullPath;

    bool hasFile() const { return !fullPath.isEmpty(); }
    void assign(const gfileName& other)
    {
        name = other.name;
        fullPath = other.fullPath;
    }
    void clear()
    {
        name.clear();
        fullPath.clear();
    }
    const gstr& path() const { return fullPath; }
};
