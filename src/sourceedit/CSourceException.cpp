#include "sourceedit/CSourceException.h"

#include <cstring>

CSourceException::CSourceException(int32_t code, const char* text) : code_(code)
{
    size_t length = text ? strnlen(text, maxText) : 0;
    if (length > 0)
        std::memcpy(text_, text, length);
    text_[length] = '\0';
}

CSrcFileException::CSrcFileException() : CSourceException(2, "File error.") {}
