#include "registers/sources/gsourceLegacyLevel.h"

#include "foundation/valueParsers.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cmath>
#include <limits>

namespace {

constexpr double notGiven = std::numeric_limits<double>::infinity();

gloadStatus loadReal(double& field, const gstr& value)
{
    if (field != notGiven)
        return gload::alreadyLoaded;
    double number = 0;
    if (parseDoubleItem(value.data(), number) != itemResult::end)
        return gload::invalidValue;
    field = number;
    return gload::accepted;
}

void writeReal(CObjectFile& file, int indent, int token, double value)
{
    gkeyword::byToken(token).writeKey(file, indent);
    file.writeReal(value, 1);
}

} // namespace

std::unique_ptr<gregisterSource> gsourceLegacyLevel::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceLegacyLevel>(owner, *this);
    copy->factor_ = factor_;
    copy->valueOffset_ = valueOffset_;
    return copy;
}

void gsourceLegacyLevel::writeFields(CObjectFile& file, int indent) const
{
    gsourceLegacyLocated::writeFields(file, indent);
    if (valueOffset_ != 0 && std::isfinite(valueOffset_))
        writeReal(file, indent, kw::VALUE_OFFSET, valueOffset_);
    if (factor_ != 1 && std::isfinite(factor_))
        writeReal(file, indent, kw::FACTOR, factor_);
}

gloadStatus gsourceLegacyLevel::loadField(int token, gstr& value)
{
    if (token == kw::FACTOR)
        return loadReal(factor_, value);
    if (token == kw::VALUE_OFFSET)
        return loadReal(valueOffset_, value);
    return gsourceLegacyLocated::loadField(token, value);
}

void gsourceLegacyLevel::afterLoad()
{
    if (valueOffset_ == notGiven)
        valueOffset_ = 0;
    if (factor_ == notGiven)
        factor_ = 1;
    gsourceLegacyLocated::afterLoad();
}
