#pragma once

// The wait cursor for the lifetime of the object, so that every way out of a
// long operation ends it.
class waitCursor {
public:
    waitCursor();
    ~waitCursor();
    waitCursor(const waitCursor&) = delete;
    waitCursor& operator=(const waitCursor&) = delete;
};
