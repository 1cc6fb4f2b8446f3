#include "registers/sources/gsourceLegacyDirect.h"

#include "registers/sources/valueMapLines.h"
#include "store/gkeyword.h"

std::unique_ptr<gregisterSource> gsourceLegacyDirect::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceLegacyDirect>(owner, *this);
    copy->valueMap_ = valueMap_;
    return copy;
}

void gsourceLegacyDirect::writeFields(CObjectFile& file, int indent) const
{
    gsourceLegacyLocated::writeFields(file, indent);
    writeValueMap(file, indent, valueMap_);
}

gloadStatus gsourceLegacyDirect::loadField(int token, gstr& value)
{
    if (token == kw::VALUE_MAP)
        return loadValueMapLine(valueMap_, value);
    return gsourceLegacyLocated::loadField(token, value);
}
