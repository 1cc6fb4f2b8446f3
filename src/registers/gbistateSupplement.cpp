#include "registers/gbistateSupplement.h"

#include "registers/bistateFields.h"
#include "registers/gregister.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"

void gbistateSupplement::writeFields(CObjectFile& file, int indent) const
{
    if (responseTime_.isSet() && responseTime_.get() != 0) {
        bistateFields::responseTime.write(file, indent, responseTime_);
    }
    if (setDelay_ > 0)
        writeKeywordLine(file, indent, kw::SET_DELAY, kw::YES);
    if (setPolarity_ > 0 && getRegister().getUserDefinable() > 0)
        writeKeywordLine(file, indent, kw::SET_POLARITY, kw::YES);
    writeSource(file, indent);
}

gloadStatus gbistateSupplement::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::DELAY: return bistateFields::responseTime.load(value, responseTime_);
    case kw::SET_DELAY: return loadBooleanKeyword(value, setDelay_, kw::YES, kw::NO);
    case kw::SET_POLARITY: return loadBooleanKeyword(value, setPolarity_, kw::YES, kw::NO);
    case kw::SOURCE: return loadSource(value);
    default: return gload::unknownKeyword;
    }
}

void gbistateSupplement::afterLoad()
{
    if (!responseTime_.isSet())
        responseTime_.set(0);
    if (setDelay_ == -1)
        setDelay_ = 0;
    if (setPolarity_ == -1)
        setPolarity_ = 0;
}

std::unique_ptr<gregisterSupplement> gbistateSupplement::clone(gregister& owner) const
{
    auto copy = std::make_unique<gbistateSupplement>(owner);
    copy->responseTime_ = responseTime_;
    copy->setDelay_ = setDelay_;
    copy->setPolarity_ = setPolarity_;
    cloneSourceInto(*copy);
    return copy;
}
