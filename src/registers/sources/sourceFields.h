#pragma once

#include "foundation/gmilliseconds.h"
#include "foundation/gstr.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;

// Readers and writers of the field lines that several register sources
// share.

// A text field that is unset while empty: already loaded when it holds a
// text; else the value must be exactly one text item, bare or quoted, that
// is not empty.
gloadStatus loadNonEmptyText(gstr& field, const gstr& value);
// The value as exactly one non-empty text item (a tag); false otherwise.
bool readTagItem(const gstr& value, gstr& tag);

// An IPv4 address of a host, four bytes in text order: exactly one dotted
// address whose numbers are at most 255, the first from 1 to 223, and 127
// only in 127.0.0.1.
bool readHostAddress(const gstr& value, uint8_t (&address)[4]);
// "KEYWORD<gap>a.b.c.d".
void writeAddressLine(CObjectFile& file, int indent, int keywordToken, const uint8_t (&address)[4]);
