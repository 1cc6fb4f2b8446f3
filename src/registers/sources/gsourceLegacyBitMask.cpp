#include "registers/sources/gsourceLegacyBitMask.h"

std::unique_ptr<gregisterSource> gsourceLegacyBitMask::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceLegacyBitMask>(owner, *this);
    copy->masks_ = masks_;
    return copy;
}

void gsourceLegacyBitMask::writeFields(CObjectFile& file, int indent) const
{
    gsourceLegacyLocated::writeFields(file, indent);
    masks_.write(file, indent);
}

gloadStatus gsourceLegacyBitMask::loadField(int token, gstr& value)
{
    gloadStatus status = masks_.loadField(token, value);
    return status == gload::unknownKeyword ? gsourceLegacyLocated::loadField(token, value) : status;
}

void gsourceLegacyBitMask::afterLoad()
{
    if (masks_.invert == -1)
        masks_.invert = 0;
    gsourceLegacyLocated::afterLoad();
}

bool gsourceLegacyBitMask::isComplete() const { return masks_.mask != 0 && gsourceLegacyLocated::isComplete(); }
