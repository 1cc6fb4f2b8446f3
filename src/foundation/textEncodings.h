#pragma once

#include "foundation/gstr.h"

#include <cstdint>

// Model text is Windows-1252 bytes; file paths are bytes of the local
// file-name encoding, UTF-8. These convert between the two.

// The code point of a Windows-1252 byte; the five bytes the code page leaves
// unassigned keep their own value, so that every byte round-trips.
char16_t windows1252ToUnicode(unsigned char byte);
// The Windows-1252 byte of a code point, -1 when the code page has none.
int unicodeToWindows1252(char32_t code);

// The length of the well-formed UTF-8 sequence at bytes (length left), 0
// when the bytes there are not one (overlong forms and surrogates
// included).
int utf8SequenceLength(const unsigned char* bytes, int32_t length);

// A path as it reads inside model text (a message, a menu entry, a title):
// decoded from UTF-8, each character that Windows-1252 cannot hold, and
// each byte that is not part of UTF-8, shown as '?'. Never read back as a
// path.
gstr pathAsText(const gstrSlice& path);
