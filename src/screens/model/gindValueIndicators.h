#pragma once

#include "formats/gexponentNotation.h"
#include "screens/model/gindValue.h"

#include <limits>
#include <memory>

class ganalogSupplement;
class gdigitalSupplement;
class gstringSupplement;

// DIGITAL_IND: a digital register's value as a number in a base (BASE),
// padded to a minimum of digits (WIDTH), or as the value's name
// (USE_VALUE_NAMES).
class gindDigital final : public gindValue {
public:
    explicit gindDigital(fscreen* screen) noexcept : gindValue(screen) {}
    gindDigital(const gindDigital& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);

    int32_t base() const noexcept { return base_; }
    int32_t width() const noexcept { return width_; }
    int32_t useValueNames() const noexcept { return useValueNames_; }

    gregisterSupplement* bindRegister(gregister* reg) override;
    gregisterSupplement* getRegisterPart(bool forWriting) const override;
    int previewState() const override;
    void formatValue(gstr& value, gstr& exponent) const override;
    int descriptionId() const override { return 20025; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    int beginCreate(int32_t x, int32_t y) override;
    int getPropertyMask() const override { return maskDigital; }
    void setProperties(const gpropDigital& set, int id, int stateId) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    gdigitalSupplement* register_ = nullptr;
    int32_t base_ = 0;
    int32_t width_ = 0;
    int32_t useValueNames_ = -1;
};

// STRING_IND: a string register's text.
class gindString final : public gindValue {
public:
    explicit gindString(fscreen* screen) noexcept : gindValue(screen) {}
    gindString(const gindString& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);

    gregisterSupplement* bindRegister(gregister* reg) override;
    gregisterSupplement* getRegisterPart(bool forWriting) const override;
    int previewState() const override;
    void formatValue(gstr& value, gstr& exponent) const override;
    int descriptionId() const override { return 20214; }

    void writeHeader(CObjectFile& file, int indent) const override;
    int beginCreate(int32_t x, int32_t y) override;
    int getPropertyMask() const override { return maskString; }
    void setProperties(const gpropString& set, int id, int stateId) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    gstringSupplement* register_ = nullptr;
};

// ANALOG_IND: an analog register's value (or its lowest or highest, given
// on the REGISTER line) scaled by FACTOR and OFFSET, with PRECISION
// decimals and PLUS_SIGN, optionally in exponential notation (EXPONENT).
class gindAnalog final : public gindValue {
public:
    explicit gindAnalog(fscreen* screen) noexcept : gindValue(screen) {}
    gindAnalog(const gindAnalog& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);
    ~gindAnalog() override;

    int32_t valueShown() const noexcept { return valueShown_; }
    double factor() const noexcept { return factor_; }
    double offset() const noexcept { return offset_; }
    int32_t precision() const noexcept { return precision_; }
    const gexponentNotation* exponent() const noexcept { return exponent_.get(); }

    gregisterSupplement* bindRegister(gregister* reg) override;
    gregisterSupplement* getRegisterPart(bool forWriting) const override;
    int previewState() const override;
    void formatValue(gstr& value, gstr& exponent) const override;
    void styleExponent(gtextInfo& style, int32_t& raise) const override;
    int descriptionId() const override { return 20003; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    void recalcBounds() override;
    int beginCreate(int32_t x, int32_t y) override;
    int getPropertyMask() const override { return maskAnalog; }
    void setProperties(const gpropAnalog& set, int id, int stateId) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    gloadStatus loadAnalogRegister(const gstr& value);
    gloadStatus loadReal(double& target, const gstr& value);

    ganalogSupplement* register_ = nullptr;
    int32_t valueShown_ = 1;
    double factor_ = std::numeric_limits<double>::infinity();
    double offset_ = std::numeric_limits<double>::infinity();
    int32_t precision_ = -1;
    int32_t plusSign_ = -1;
    std::unique_ptr<gexponentNotation> exponent_;
};
