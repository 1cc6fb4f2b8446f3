#include "registers/sources/valueMapLines.h"

#include "registers/gvalueListNodes.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <memory>

void writeValueMap(CObjectFile& file, int indent, const gsortedList<gvalueMapEntry>& map)
{
    for (const gvalueMapEntry* entry = map.first(); entry; entry = entry->next) {
        gkeyword::byToken(kw::VALUE_MAP).writeKey(file, indent);
        writeValueMapEntry(file, *entry, 1);
    }
}

gloadStatus loadValueMapLine(gsortedList<gvalueMapEntry>& map, const gstr& value)
{
    auto entry = std::make_unique<gvalueMapEntry>();
    if (parseValueMapEntry(value.data(), *entry) != 1 || map.insert(entry.get()) == 0)
        return gload::invalidValue;
    entry.release();
    return gload::accepted;
}
