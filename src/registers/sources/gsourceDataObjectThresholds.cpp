#include "registers/sources/gsourceDataObjectThresholds.h"

#include "g2driver/model/g2driverDataObject.h"
#include "store/gkeyword.h"
#include "store/keywordLines.h"

std::unique_ptr<gregisterSource> gsourceDataObjectThresholds::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceDataObjectThresholds>(owner);
    copy->part_.copyFrom(part_);
    copy->thresholds_ = thresholds_;
    copy->selector_ = selector_;
    return copy;
}

bool gsourceDataObjectThresholds::readsAnalogObject() const
{
    const g2driverDataObject* object = part_.getDataObject();
    return object && object->getTypeCode() == g2valueKind::analog;
}

void gsourceDataObjectThresholds::writeFields(CObjectFile& file, int indent) const
{
    thresholds_.write(file, indent);
    part_.writeFields(file, indent);
    if (!readsAnalogObject() || (selector_ != lowestValue && selector_ != highestValue))
        return;
    writeKeywordLine(file, indent, kw::VALUE, selector_ == lowestValue ? kw::MINIMUM : kw::MAXIMUM);
}

gloadStatus gsourceDataObjectThresholds::loadSelector(const gstr& value)
{
    if (selector_ != 0)
        return gload::alreadyLoaded;
    int token = 0;
    if (parseKeywordItem(value.data(), token) != 1)
        return gload::invalidValue;
    switch (token) {
    case kw::VALUE: selector_ = currentValue; return gload::accepted;
    case kw::MINIMUM: selector_ = lowestValue; return gload::accepted;
    case kw::MAXIMUM: selector_ = highestValue; return gload::accepted;
    default: return gload::invalidValue;
    }
}

gloadStatus gsourceDataObjectThresholds::loadField(int token, gstr& value)
{
    if (token == kw::VALUE)
        return loadSelector(value);
    gloadStatus status = thresholds_.loadField(token, value);
    if (status == gload::unknownKeyword)
        status = part_.loadField(token, value);
    return status != gload::unknownKeyword ? status : gdigitalRegisterSource::loadField(token, value);
}

void gsourceDataObjectThresholds::afterLoad()
{
    part_.afterLoad();
    if (selector_ == 0)
        selector_ = currentValue;
}

// A register read before its driver names an object whose kind is not
// known yet: only an object known to be of another kind than analog refuses
// a lowest or highest value.
bool gsourceDataObjectThresholds::isComplete() const
{
    if (!thresholds_.isComplete() || !part_.isComplete())
        return false;
    const g2driverDataObject* object = part_.getDataObject();
    int32_t kind = object->getTypeCode();
    return selector_ == currentValue || kind == g2valueKind::analog || kind == 0;
}

int gsourceDataObjectThresholds::resolveReferences(const gregisterBatchOptions& options, gstr& log,
                                                   jhashTypedDatabaseTable<gregister>*)
{
    return part_.resolveReferences(options, log);
}
