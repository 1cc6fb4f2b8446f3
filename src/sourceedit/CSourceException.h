#pragma once

#include <cstdint>

// A failure of the source editor that travels as an exception: a code and a
// text of at most 120 characters, shown to the user as it is.
class CSourceException {
public:
    static constexpr int maxText = 120;

    // A longer text is cut to 120 characters; a null text gives an empty one.
    CSourceException(int32_t code, const char* text);

    int32_t code() const { return code_; }
    const char* text() const { return text_; }

private:
    int32_t code_;
    char text_[maxText + 1];
};

// Reading or writing a source file failed: code 2, "File error.".
class CSrcFileException : public CSourceException {
public:
    CSrcFileException();
};
