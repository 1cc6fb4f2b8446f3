#include "screens/model/gindValueIndicators.h"

#include "foundation/gnumFormat.h"
#include "foundation/valueParsers.h"
#include "registers/ganalogSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gregister.h"
#include "registers/gstringSupplement.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int notDigitalText = 20142;
constexpr int notStringText = 20146;
constexpr int notAnalogText = 20140;
// Padding shown in the editor stops here, whatever WIDTH a file gives.
constexpr int32_t widestPadding = 256;
constexpr int valueShownTokens[3] = {kw::VALUE, kw::MINIMUM, kw::MAXIMUM};

constexpr double unsetReal = std::numeric_limits<double>::infinity();

template <class P>
gregister* ownerOf(P* part)
{
    return part ? &part->getRegister() : nullptr;
}

} // namespace

// Digital.

gindDigital::gindDigital(const gindDigital& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : gindValue(source, dx, dy, screen), register_(source.register_), base_(source.base_), width_(source.width_),
      useValueNames_(source.useValueNames_)
{
    if (linkReferences)
        linkRegister(ownerOf(register_));
}

gregisterSupplement* gindDigital::bindRegister(gregister* reg)
{
    gdigitalSupplement* part = reg ? reg->getDigitalSupplement() : nullptr;
    if (part)
        register_ = part;
    return part;
}

gregisterSupplement* gindDigital::getRegisterPart(bool) const { return register_; }

int gindDigital::previewState() const { return previewValues().digitalState; }

void gindDigital::formatValue(gstr& value, gstr&) const
{
    uint32_t shown = previewValues().digitalValue;
    if (useValueNames_ == 1 && register_) {
        const gstr& name = register_->getValueName(shown);
        if (!name.isEmpty()) {
            value.assign(name);
            return;
        }
    }
    bool known = base_ == 2 || base_ == 8 || base_ == 10 || base_ == 16;
    gnumFormat(known ? uint32_t(base_) : 10u).appendToString(value, shown);
    int32_t width = std::min(width_, widestPadding);
    if (value.length() >= width)
        return;
    gstr padded;
    for (int32_t i = value.length(); i < width; ++i)
        padded.append('0');
    padded.append(value);
    value.adopt(padded);
}

void gindDigital::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::DIGITAL_IND); }

void gindDigital::writeFields(CObjectFile& file, int indent) const
{
    gindValue::writeFields(file, indent);
    if (base_ != 10 && base_ != 0) {
        writeKeyOf(file, indent, kw::BASE);
        file.writeInt(base_, 1);
    }
    if (width_ != 0) {
        writeKeyOf(file, indent, kw::WIDTH);
        file.writeInt(width_, 1);
    }
    if (useValueNames_ == 0) {
        writeKeyOf(file, indent, kw::USE_VALUE_NAMES);
        gkeyword::byToken(kw::NO).writeValue(file, 1);
    }
}

gloadStatus gindDigital::loadField(int token, gstr& value)
{
    int32_t number = 0;
    switch (token) {
    case kw::BASE:
        if (base_ != 0)
            return gload::alreadyLoaded;
        if (parseIntItem(value.data(), number) != itemResult::end
            || (number != 2 && number != 8 && number != 10 && number != 16))
            return gload::invalidValue;
        base_ = number;
        return gload::accepted;
    case kw::WIDTH:
        if (width_ != 0)
            return gload::alreadyLoaded;
        if (parseIntItem(value.data(), number) != itemResult::end || number <= 0)
            return gload::invalidValue;
        width_ = number;
        return gload::accepted;
    case kw::USE_VALUE_NAMES: return loadBooleanKeyword(value, useValueNames_, kw::YES, kw::NO);
    default: return gindValue::loadField(token, value);
    }
}

void gindDigital::afterLoad()
{
    gindValue::afterLoad();
    if (base_ == 0)
        base_ = 10;
    if (useValueNames_ == -1)
        useValueNames_ = 1;
}

int gindDigital::beginCreate(int32_t x, int32_t y)
{
    const gpropDigital& set = drawingDefaults().digital;
    set.base.getOr(base_, 10);
    set.minimumDigits.getOr(width_, 1);
    useValueNames_ = set.useValueNames.hasValue() ? set.useValueNames.get() : 1;
    register_ = referredObject(set.reg);
    linkRegister(ownerOf(register_));
    return beginCreateFrom(set.valueText, x, y);
}

void gindDigital::setProperties(const gpropDigital& set, int id, int stateId)
{
    switch (id) {
    case gprop::registerRef:
        register_ = referredObject(set.reg);
        linkRegister(ownerOf(register_));
        return;
    case gprop::base: set.base.getOr(base_, 10); return;
    case gprop::minimumDigits: set.minimumDigits.getOr(width_, 1); return;
    case gprop::useValueNames: useValueNames_ = set.useValueNames.hasValue() ? set.useValueNames.get() : 1; return;
    default: applyCommon(set.valueText, id, stateId); return;
    }
}

void gindDigital::collectProperties(gdrawingProperties& record) const
{
    gpropDigital& set = record.digital;
    set.base.merge(base_);
    set.minimumDigits.merge(width_);
    set.useValueNames.merge(useValueNames_);
    set.reg.merge(register_);
    collectCommon(set.valueText);
}

ggraphObject* gindDigital::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindDigital(*this, dx, dy, screen, linkReferences);
}

int gindDigital::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = replaceCommon(change);
    return count + rebindByTag(change, log, ownerOf(register_), notDigitalText, [this](gregister& reg) {
               gdigitalSupplement* part = reg.getDigitalSupplement();
               if (!part)
                   return false;
               register_ = part;
               linkRegister(&reg);
               return true;
           });
}

// String.

gindString::gindString(const gindString& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : gindValue(source, dx, dy, screen), register_(source.register_)
{
    if (linkReferences)
        linkRegister(ownerOf(register_));
}

gregisterSupplement* gindString::bindRegister(gregister* reg)
{
    gstringSupplement* part = reg ? reg->getStringSupplement() : nullptr;
    if (part)
        register_ = part;
    return part;
}

gregisterSupplement* gindString::getRegisterPart(bool) const { return register_; }

int gindString::previewState() const { return previewValues().stringState; }

void gindString::formatValue(gstr& value, gstr&) const { value.assign(previewValues().stringText); }

void gindString::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::STRING_IND); }

int gindString::beginCreate(int32_t x, int32_t y)
{
    const gpropString& set = drawingDefaults().string;
    register_ = referredObject(set.reg);
    linkRegister(ownerOf(register_));
    return beginCreateFrom(set.valueText, x, y);
}

void gindString::setProperties(const gpropString& set, int id, int stateId)
{
    if (id == gprop::registerRef) {
        register_ = referredObject(set.reg);
        linkRegister(ownerOf(register_));
        return;
    }
    applyCommon(set.valueText, id, stateId);
}

void gindString::collectProperties(gdrawingProperties& record) const
{
    record.string.reg.merge(register_);
    collectCommon(record.string.valueText);
}

ggraphObject* gindString::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindString(*this, dx, dy, screen, linkReferences);
}

int gindString::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = replaceCommon(change);
    return count + rebindByTag(change, log, ownerOf(register_), notStringText, [this](gregister& reg) {
               gstringSupplement* part = reg.getStringSupplement();
               if (!part)
                   return false;
               register_ = part;
               linkRegister(&reg);
               return true;
           });
}

// Analog.

gindAnalog::gindAnalog(const gindAnalog& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : gindValue(source, dx, dy, screen), register_(source.register_), valueShown_(source.valueShown_),
      factor_(source.factor_), offset_(source.offset_), precision_(source.precision_), plusSign_(source.plusSign_)
{
    if (source.exponent_)
        exponent_ = std::make_unique<gexponentNotation>(*source.exponent_);
    if (linkReferences)
        linkRegister(ownerOf(register_));
}

gindAnalog::~gindAnalog() = default;

gregisterSupplement* gindAnalog::bindRegister(gregister* reg)
{
    ganalogSupplement* part = reg ? reg->getAnalogSupplement() : nullptr;
    if (part)
        register_ = part;
    return part;
}

gregisterSupplement* gindAnalog::getRegisterPart(bool forWriting) const { return forWriting ? nullptr : register_; }

int gindAnalog::previewState() const { return previewValues().analogState; }

void gindAnalog::formatValue(gstr& value, gstr& exponent) const
{
    if (register_ && register_->hasRangeMarks()) {
        if (factor_ > 0)
            value.append('>');
        else if (factor_ < 0)
            value.append('<');
    }
    double x = factor_ * previewValues().analogValue + offset_;
    if (valueShown_ == 2)
        x *= 0.65;
    else if (valueShown_ == 3)
        x *= 1.35;
    gnumFormat decimal(10);
    int decimals = std::max(precision_, int32_t(0));
    if (!exponent_) {
        decimal.appendToString(value, x, decimals, plusSign_ == 1 ? 1 : 0, 1);
        return;
    }
    double power = 0;
    double mantissa = 0;
    if (x != 0 && std::isfinite(x)) {
        power = std::floor(std::log10(std::fabs(x)));
        mantissa = x * std::pow(0.1, power);
    }
    decimal.appendToString(value, mantissa, decimals, plusSign_ == 1 ? 1 : 0, 1);
    value.append(exponent_->marker());
    decimal.appendToString(exponent, power, 0, exponent_->plusSign() == 1 ? -1 : 0, exponent_->width());
}

void gindAnalog::styleExponent(gtextInfo& style, int32_t& raise) const
{
    if (exponent_)
        exponent_->styleExponent(style, raise);
}

void gindAnalog::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::ANALOG_IND); }

void gindAnalog::writeFields(CObjectFile& file, int indent) const
{
    if (register_) {
        writeKeyOf(file, indent, kw::REGISTER);
        register_->getRegisterTag().write(file, 2);
        gkeyword::byToken(valueShownTokens[std::clamp(valueShown_, 1, 3) - 1]).writeValue(file, 1);
    }
    gindValue::writeFields(file, indent);
    if (offset_ != 0 && offset_ != unsetReal) {
        writeKeyOf(file, indent, kw::OFFSET);
        file.writeReal(offset_, 1);
    }
    if (factor_ != 1 && factor_ != unsetReal) {
        writeKeyOf(file, indent, kw::FACTOR);
        file.writeReal(factor_, 1);
    }
    if (precision_ > 0) {
        writeKeyOf(file, indent, kw::PRECISION);
        file.writeInt(precision_, 1);
    }
    if (plusSign_ == 1) {
        writeKeyOf(file, indent, kw::PLUS_SIGN);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
    if (exponent_)
        exponent_->writeEmbedded(file, indent);
}

gloadStatus gindAnalog::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::REGISTER: return loadAnalogRegister(value);
    case kw::FACTOR: return loadReal(factor_, value);
    case kw::OFFSET: return loadReal(offset_, value);
    case kw::PRECISION: {
        if (precision_ != -1)
            return gload::alreadyLoaded;
        int32_t number = 0;
        if (parseIntItem(value.data(), number) != itemResult::end || number < 0)
            return gload::invalidValue;
        precision_ = number;
        return gload::accepted;
    }
    case kw::PLUS_SIGN: return loadBooleanKeyword(value, plusSign_, kw::YES, kw::NO);
    case kw::EXPONENT: {
        if (exponent_)
            return gload::alreadyLoaded;
        auto exponent = std::make_unique<gexponentNotation>();
        if (!exponent->parseHeader(value))
            return gload::invalidValue;
        exponent_ = std::move(exponent);
        loadEmbeddedObject(exponent_.get());
        return gload::accepted;
    }
    default: return gindValue::loadField(token, value);
    }
}

gloadStatus gindAnalog::loadAnalogRegister(const gstr& value)
{
    if (register_)
        return gload::alreadyLoaded;
    gstr tag;
    const char* next = nullptr;
    int status = tag.parse(value.data(), next);
    if (status == itemResult::error || tag.isEmpty())
        return gload::invalidValue;
    gregister* reg = referenceRegister(tag);
    if (!bindRegister(reg))
        return gload::invalidValue;
    linkRegister(reg);
    if (status != itemResult::comma) {
        valueShown_ = 1;
        return gload::accepted;
    }
    int keyword = -1;
    if (parseKeywordItem(next, keyword) != itemResult::end)
        return gload::invalidValue;
    for (int i = 0; i < 3; ++i) {
        if (valueShownTokens[i] == keyword) {
            valueShown_ = i + 1;
            return gload::accepted;
        }
    }
    return gload::invalidValue;
}

gloadStatus gindAnalog::loadReal(double& target, const gstr& value)
{
    if (target != unsetReal)
        return gload::alreadyLoaded;
    double number = 0;
    if (parseDoubleItem(value.data(), number) != itemResult::end || !std::isfinite(number))
        return gload::invalidValue;
    target = number;
    return gload::accepted;
}

void gindAnalog::afterLoad()
{
    gindValue::afterLoad();
    if (offset_ == unsetReal)
        offset_ = 0.0;
    if (factor_ == unsetReal)
        factor_ = 1.0;
    if (precision_ == -1)
        precision_ = 0;
    if (plusSign_ == -1)
        plusSign_ = 0;
    recalcBounds();
}

void gindAnalog::recalcBounds()
{
    gindValue::recalcBounds();
    if (!exponent_ || getBounds().isEmpty())
        return;
    gtextInfo unused;
    int32_t raise = 0;
    exponent_->styleExponent(unused, raise);
    if (raise < 3)
        return;
    grect bounds = getBounds();
    bounds.top = wrapCoordinate(int64_t(bounds.top) - (int64_t(raise) - 2));
    setBounds(bounds);
}

int gindAnalog::beginCreate(int32_t x, int32_t y)
{
    const gpropAnalog& set = drawingDefaults().analog;
    exponent_.reset();
    set.valueShown.getOr(valueShown_, 1);
    set.factor.getOr(factor_, 1.0);
    set.offset.getOr(offset_, 0.0);
    plusSign_ = set.plusSign.hasValue() ? set.plusSign.get() : 0;
    set.precision.getOr(precision_, 3);
    register_ = referredObject(set.reg);
    linkRegister(ownerOf(register_));
    if (set.useExponent.isTrue()) {
        exponent_ = std::make_unique<gexponentNotation>();
        exponent_->apply(set.exponent);
    }
    return beginCreateFrom(set.valueText, x, y);
}

void gindAnalog::setProperties(const gpropAnalog& set, int id, int stateId)
{
    switch (id) {
    case gprop::registerRef:
        register_ = referredObject(set.reg);
        linkRegister(ownerOf(register_));
        return;
    case gprop::valueShown: set.valueShown.getOr(valueShown_, 1); return;
    case gprop::factor: set.factor.getOr(factor_, 1.0); return;
    case gprop::offset: set.offset.getOr(offset_, 0.0); return;
    case gprop::precision: set.precision.getOr(precision_, 3); return;
    case gprop::plusSign: plusSign_ = set.plusSign.hasValue() ? set.plusSign.get() : 0; return;
    case gprop::useExponent: {
        bool on = set.useExponent.hasValue() ? set.useExponent.isTrue() : exponent_ != nullptr;
        if (on && !exponent_) {
            exponent_ = std::make_unique<gexponentNotation>();
            exponent_->apply(set.exponent);
        } else if (!on) {
            exponent_.reset();
        }
        return;
    }
    default:
        if (exponent_ && exponent_->applyOne(set.exponent, id))
            return;
        applyCommon(set.valueText, id, stateId);
        return;
    }
}

void gindAnalog::collectProperties(gdrawingProperties& record) const
{
    gpropAnalog& set = record.analog;
    set.valueShown.merge(valueShown_);
    set.factor.merge(factor_);
    set.offset.merge(offset_);
    set.plusSign.merge(plusSign_);
    set.precision.merge(precision_);
    set.reg.merge(register_);
    set.useExponent.merge(exponent_ ? 1 : 0);
    if (exponent_)
        exponent_->mergeInto(set.exponent);
    collectCommon(set.valueText);
}

ggraphObject* gindAnalog::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindAnalog(*this, dx, dy, screen, linkReferences);
}

int gindAnalog::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = replaceCommon(change);
    return count + rebindByTag(change, log, ownerOf(register_), notAnalogText, [this](gregister& reg) {
               ganalogSupplement* part = reg.getAnalogSupplement();
               if (!part)
                   return false;
               register_ = part;
               linkRegister(&reg);
               return true;
           });
}
