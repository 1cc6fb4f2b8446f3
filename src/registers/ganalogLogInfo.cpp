#include "registers/ganalogLogInfo.h"

#include "foundation/valueParsers.h"
#include "registers/gregisterBatchOptions.h"
#include "registers/registerFieldLines.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <iterator>

namespace {

// Indexed by mode; 0 has no keyword.
constexpr int modeKeywords[] = {-1,
                                kw::NONE,
                                kw::ALL,
                                kw::ON_STATE,
                                kw::OFF_STATE,
                                kw::INSIDE,
                                kw::OUTSIDE,
                                kw::V_STRICTLY_INSIDE,
                                kw::V_STRICTLY_OUTSIDE};
constexpr int32_t modeCount = static_cast<int32_t>(std::size(modeKeywords));

} // namespace

ganalogLogInfo::ganalogLogInfo(const ganalogLogInfo& other) : gstorable(other) { *this = other; }

ganalogLogInfo& ganalogLogInfo::operator=(const ganalogLogInfo& other)
{
    if (&other == this)
        return *this;
    mode_ = other.mode_;
    minimum_ = other.minimum_;
    maximum_ = other.maximum_;
    minimumChange_ = other.minimumChange_;
    prefix_ = other.prefix_;
    suffix_ = other.suffix_;
    suffix2_ = other.suffix2_;
    precision_ = other.precision_;
    plusSign_ = other.plusSign_;
    exponent_ = other.exponent_ ? std::make_unique<gexponentFormat>(*other.exponent_) : nullptr;
    factor_ = other.factor_;
    offset_ = other.offset_;
    return *this;
}

void ganalogLogInfo::transferFrom(ganalogLogInfo& other)
{
    if (&other == this)
        return;
    std::unique_ptr<gexponentFormat> exponent = std::move(other.exponent_);
    *this = other;
    exponent_ = std::move(exponent);
}

void ganalogLogInfo::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::VALUE_LOG_INFO).writeIndented(file, indent);
    file.newLine();
}

void ganalogLogInfo::writeFields(CObjectFile& file, int indent) const
{
    if (mode_ <= none || mode_ >= modeCount)
        return;
    writeKeywordLine(file, indent, kw::VALUES, modeKeywords[mode_]);
    if (mode_ >= inside) {
        if (minimum_ != noMinimum)
            writeRealLine(file, indent, kw::MINIMUM, minimum_);
        if (maximum_ != noMaximum)
            writeRealLine(file, indent, kw::MAXIMUM, maximum_);
    }
    writeMinimumChange(file, indent, minimumChange_);
    if (!prefix_.isEmpty())
        writeTextLine(file, indent, kw::PREFIX, prefix_);
    if (!suffix_.isEmpty())
        writeTextLine(file, indent, kw::SUFFIX, suffix_);
    if (!suffix2_.isEmpty())
        writeTextLine(file, indent, kw::SUFFIX2, suffix2_);
    if (precision_ > 0) {
        gkeyword::byToken(kw::PRECISION).writeKey(file, indent);
        file.writeInt(precision_, 1);
    }
    if (plusSign_ == 1)
        writeKeywordLine(file, indent, kw::PLUS_SIGN, kw::YES);
    if (exponent_)
        exponent_->writeEmbedded(file, indent);
    if (factor_ != notGiven && factor_ != 1.0)
        writeRealLine(file, indent, kw::FACTOR, factor_);
    if (offset_ != notGiven && offset_ != 0.0)
        writeRealLine(file, indent, kw::OFFSET, offset_);
}

gloadStatus ganalogLogInfo::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::VALUES: {
        if (mode_ != notSet)
            return gload::alreadyLoaded;
        int keyword = -1;
        if (parseKeywordItem(value.data(), keyword) != itemResult::end)
            return gload::invalidValue;
        for (int32_t mode = none; mode < modeCount; ++mode) {
            if (modeKeywords[mode] == keyword) {
                mode_ = mode;
                return gload::accepted;
            }
        }
        return gload::invalidValue;
    }
    case kw::MINIMUM: return loadRealField(minimum_, noMinimum, value);
    case kw::MAXIMUM: return loadRealField(maximum_, noMaximum, value);
    case kw::MIN_CHANGE: return loadMinimumChange(value, false, minimumChange_);
    case kw::MIN_CHANGE_DB: return loadMinimumChange(value, true, minimumChange_);
    case kw::PREFIX: return loadTextField(prefix_, value);
    case kw::SUFFIX: return loadTextField(suffix_, value);
    case kw::SUFFIX2: return loadTextField(suffix2_, value);
    case kw::PRECISION: {
        if (precision_ != -1)
            return gload::alreadyLoaded;
        int32_t precision = 0;
        if (parseIntItem(value.data(), precision) != itemResult::end || precision < 0)
            return gload::invalidValue;
        precision_ = precision;
        return gload::accepted;
    }
    case kw::PLUS_SIGN: return loadBooleanKeyword(value, plusSign_, kw::YES, kw::NO);
    case kw::EXPONENT: {
        if (exponent_)
            return gload::alreadyLoaded;
        gstr marker;
        if (!marker.parseValue(value.data()) || marker.isEmpty())
            return gload::invalidValue;
        exponent_ = std::make_unique<gexponentFormat>(marker);
        loadEmbeddedObject(exponent_.get());
        return gload::accepted;
    }
    case kw::FACTOR: return loadRealField(factor_, notGiven, value);
    case kw::OFFSET: return loadRealField(offset_, notGiven, value);
    default: return gstorable::loadField(token, value);
    }
}

void ganalogLogInfo::afterLoad()
{
    if (mode_ == notSet)
        mode_ = none;
    if (mode_ <= none)
        return;
    for (gstr* text : {&prefix_, &suffix_, &suffix2_}) {
        if (text->isNull())
            text->assign("");
    }
    if (precision_ == -1)
        precision_ = 0;
    if (plusSign_ == -1)
        plusSign_ = 0;
    if (factor_ == notGiven)
        factor_ = 1.0;
    if (offset_ == notGiven)
        offset_ = 0.0;
}

bool ganalogLogInfo::isComplete() const
{
    bool limits = minimum_ != noMinimum || maximum_ != noMaximum;
    if (limits != (mode_ >= inside))
        return false;
    if (mode_ > none)
        return true;
    return nothingButModeSet();
}

bool ganalogLogInfo::nothingButModeSet() const noexcept
{
    return minimumChange_ == 0 && prefix_.isNull() && suffix_.isNull() && suffix2_.isNull() && precision_ == -1
           && plusSign_ == -1 && !exponent_ && factor_ == notGiven && offset_ == notGiven;
}

int ganalogLogInfo::replaceText(const gregisterBatchOptions& options)
{
    if (mode_ < inside)
        return 0;
    int count = 0;
    for (gstr* text : {&prefix_, &suffix_, &suffix2_})
        count += text->replaceAll(options.find, options.replace, options.wholeWord, options.matchCase);
    return count;
}
