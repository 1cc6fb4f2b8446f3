#pragma once

#include "foundation/gsortedList.h"
#include "store/gstorable.h"

class CObjectFile;

// The VALUE_MAP lines of the sources that translate values: one line per
// entry, "source, object", ascending by source value.
void writeValueMap(CObjectFile& file, int indent, const gsortedList<gvalueMapEntry>& map);
// One VALUE_MAP value: two unsigned numbers; a source value already mapped
// is an invalid value too (the list holds each source value once).
gloadStatus loadValueMapLine(gsortedList<gvalueMapEntry>& map, const gstr& value);
