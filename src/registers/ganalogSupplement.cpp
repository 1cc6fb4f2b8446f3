#include "registers/ganalogSupplement.h"

#include "foundation/valueParsers.h"
#include "registers/gregister.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

int32_t ganalogSupplement::sourceElementCount() const
{
    const ganalogRegisterSource* source = getSource();
    return source ? source->getElementCount() : 0;
}

int32_t ganalogSupplement::elementCount() const
{
    int32_t count = sourceElementCount();
    return count != 0 ? count : elements_;
}

bool ganalogSupplement::hasRangeMarks() const
{
    const ganalogRegisterSource* source = getSource();
    return source && source->hasGreaterLess() != 0;
}

bool ganalogSupplement::valueControlRuns() const { return getRegister().getValueControl().isSet(); }

void ganalogSupplement::writeFields(CObjectFile& file, int indent) const
{
    if (elements_ > 1 && sourceElementCount() == 0) {
        gkeyword::byToken(kw::ELEMENTS).writeKey(file, indent);
        file.writeInt(elements_, 1);
    }
    if (minimum_ != noMinimum)
        writeRealLine(file, indent, kw::MINIMUM, minimum_);
    if (maximum_ != noMaximum)
        writeRealLine(file, indent, kw::MAXIMUM, maximum_);
    if (valueControlRuns())
        writeMinimumChange(file, indent, minimumChange_);
    if (logInfo_.getMode() > ganalogLogInfo::none)
        logInfo_.writeEmbedded(file, indent);
    if (setLimits_ > 0)
        writeKeywordLine(file, indent, kw::SET_LIMITS, kw::YES);
    if (calibration_.isSet())
        calibration_.writeEmbedded(file, indent);
    if (calibrate_ > 0)
        writeKeywordLine(file, indent, kw::CALIBRATE, kw::YES);
    if (getRegister().getUserDefinable() > 0) {
        if (setUnits_ > 0)
            writeKeywordLine(file, indent, kw::SET_UNITS, kw::YES);
        if (setDecimals_ > 0)
            writeKeywordLine(file, indent, kw::SET_DECIMALS, kw::YES);
    }
    writeSource(file, indent);
}

gloadStatus ganalogSupplement::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::CALIBRATE: return loadBooleanKeyword(value, calibrate_, kw::YES, kw::NO);
    case kw::SET_LIMITS: return loadBooleanKeyword(value, setLimits_, kw::YES, kw::NO);
    case kw::SET_UNITS: return loadBooleanKeyword(value, setUnits_, kw::YES, kw::NO);
    case kw::SET_DECIMALS: return loadBooleanKeyword(value, setDecimals_, kw::YES, kw::NO);
    case kw::CALIBRATION:
        if (calibration_.hasPoints())
            return gload::alreadyLoaded;
        if (!value.isEmpty())
            return gload::invalidValue;
        loadEmbedded(&calibration_);
        return gload::accepted;
    case kw::ELEMENTS: {
        if (elements_ != 0)
            return gload::alreadyLoaded;
        int32_t count = 0;
        if (parseIntItem(value.data(), count) != itemResult::end || count < 1)
            return gload::invalidValue;
        elements_ = count;
        return gload::accepted;
    }
    case kw::MAXIMUM: return loadRealField(maximum_, noMaximum, value);
    case kw::MINIMUM: return loadRealField(minimum_, noMinimum, value);
    case kw::MIN_CHANGE: return loadMinimumChange(value, false, minimumChange_);
    case kw::MIN_CHANGE_DB: return loadMinimumChange(value, true, minimumChange_);
    case kw::SOURCE: return loadSource(value);
    case kw::VALUE_LOG_INFO:
        if (logInfo_.getMode() != ganalogLogInfo::notSet)
            return gload::alreadyLoaded;
        if (!value.isEmpty())
            return gload::invalidValue;
        loadEmbedded(&logInfo_);
        return gload::accepted;
    default: return gload::unknownKeyword;
    }
}

void ganalogSupplement::afterLoad()
{
    if (elements_ == 0 && sourceElementCount() == 0)
        elements_ = 1;
    for (int32_t* flag : {&calibrate_, &setLimits_, &setUnits_, &setDecimals_}) {
        if (*flag == -1)
            *flag = 0;
    }
    if (logInfo_.getMode() == ganalogLogInfo::notSet)
        logInfo_.setMode(ganalogLogInfo::none);
}

bool ganalogSupplement::isComplete() const
{
    if (elements_ != 0 && sourceElementCount() != 0)
        return false;
    if (minimumChange_ != 0 && !valueControlRuns())
        return false;
    if (minimum_ == noMinimum && maximum_ == noMaximum && getRegister().getLevel() != gregister::levelNone)
        return false;
    return true;
}

std::unique_ptr<gregisterSupplement> ganalogSupplement::clone(gregister& owner) const
{
    auto copy = std::make_unique<ganalogSupplement>(owner);
    copy->calibration_ = calibration_;
    copy->elements_ = elements_;
    copy->minimum_ = minimum_;
    copy->maximum_ = maximum_;
    copy->minimumChange_ = minimumChange_;
    copy->logInfo_ = logInfo_;
    copy->calibrate_ = calibrate_;
    copy->setLimits_ = setLimits_;
    copy->setUnits_ = setUnits_;
    copy->setDecimals_ = setDecimals_;
    cloneSourceInto(*copy);
    return copy;
}

int ganalogSupplement::replaceText(const gregisterBatchOptions& options, gstr& log,
                                   jhashTypedDatabaseTable<gregister>* newRegisters)
{
    return logInfo_.replaceText(options) + replaceInSource(options, log, newRegisters);
}
