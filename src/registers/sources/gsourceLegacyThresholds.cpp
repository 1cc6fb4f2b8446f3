#include "registers/sources/gsourceLegacyThresholds.h"

std::unique_ptr<gregisterSource> gsourceLegacyThresholds::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceLegacyThresholds>(owner, *this);
    copy->thresholds_ = thresholds_;
    return copy;
}

void gsourceLegacyThresholds::writeFields(CObjectFile& file, int indent) const
{
    gsourceLegacyLocated::writeFields(file, indent);
    thresholds_.write(file, indent);
}

gloadStatus gsourceLegacyThresholds::loadField(int token, gstr& value)
{
    gloadStatus status = thresholds_.loadField(token, value);
    return status == gload::unknownKeyword ? gsourceLegacyLocated::loadField(token, value) : status;
}

bool gsourceLegacyThresholds::isComplete() const
{
    return thresholds_.isComplete() && gsourceLegacyLocated::isComplete();
}
