#pragma once

#include "formats/gintegerInputFormat.h"
#include "formats/gnumberInputFormat.h"
#include "formats/gonOffPatterns.h"
#include "formats/gstringMatch.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "g2driver/model/gvalueStringMap.h"

#include <cmath>
#include <cstdint>

class g2driverParameter;
class g2driverParameterValue;

// The response elements that must repeat the value given for a parameter
// of the driver (DRIVER_PARAM) or of the template (TEMPLATE_PARAM): the
// bytes at the element's place decode by the parameter's kind and must
// equal the value of the request that was sent (0, 0.0 or the empty text
// when it gave none).
class g2driverParameterResponseElement : public g2driverResponseElement {
public:
    g2driverParameter* getParameter() const noexcept { return parameter_; }
    // Binds the parameter (or none) and links the element into its users.
    void setParameter(g2driverParameter* parameter);
    // The kind the parameter must have.
    virtual int32_t getValueKind() const = 0;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return parameter_ && recordComplete(); }

    // The parameter's tag.
    gstr describe() const override;
    void setList(g2driverResponseList* list) override;
    void setDriver(g2driver* driver) override;
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

protected:
    g2driverParameterResponseElement() = default;
    // A copy bound by tag: DRIVER_PARAM parameters in driverParameters, the
    // others in templateParameters; a tag that is not there is a fault.
    g2driverParameterResponseElement(const g2driverParameterResponseElement& other,
                                     g2driverParameterTable& driverParameters,
                                     g2driverParameterTable& templateParameters, g2driverResponseValueTable& values);

    virtual void writeRecord(CObjectFile& file, int indent) const = 0;
    virtual gloadStatus loadRecord(int token, gstr& value) = 0;
    virtual bool recordComplete() const = 0;
    // Decodes at cursor over remaining bytes and compares with the value
    // (null: none given); true moves the cursor past what was read.
    virtual bool matches(const char*& cursor, int32_t remaining, const g2driverParameterValue* value) const = 0;

private:
    void rebind(int32_t scope, g2driverParameterTable* table);

    g2driverParameter* parameter_ = nullptr;
    gusesList uses_{this};
};

// BISTATE: the off pattern first, then the on pattern, anchored at the
// cursor; the state must be the parameter's.
class g2driverBistateResponseElement : public g2driverParameterResponseElement {
public:
    g2driverBistateResponseElement() = default;
    const gonOffPatterns& patterns() const noexcept { return patterns_; }
    gonOffPatterns& patterns() noexcept { return patterns_; }
    int getType() const override { return g2responseElementType::bistate; }
    int32_t getValueKind() const override;
    g2driverResponseElement* duplicate(g2driverParameterTable& driverParameters,
                                       g2driverParameterTable& templateParameters,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override { patterns_.writeFields(file, indent); }
    gloadStatus loadRecord(int token, gstr& value) override { return patterns_.loadField(token, value); }
    bool recordComplete() const override { return patterns_.isComplete(); }
    bool matches(const char*& cursor, int32_t remaining, const g2driverParameterValue* value) const override;

private:
    g2driverBistateResponseElement(const g2driverBistateResponseElement& other,
                                   g2driverParameterTable& driverParameters,
                                   g2driverParameterTable& templateParameters, g2driverResponseValueTable& values);
    gonOffPatterns patterns_;
};

// DIGITAL NUMBER: an integer in the input format.
class g2driverDigitalNumberResponseElement : public g2driverParameterResponseElement {
public:
    g2driverDigitalNumberResponseElement() = default;
    const gintegerInputFormat& format() const noexcept { return format_; }
    gintegerInputFormat& format() noexcept { return format_; }
    int getType() const override { return g2responseElementType::digitalNumber; }
    int32_t getValueKind() const override;
    void afterLoad() override { format_.afterLoad(); }
    g2driverResponseElement* duplicate(g2driverParameterTable& driverParameters,
                                       g2driverParameterTable& templateParameters,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override { format_.write(file, indent); }
    gloadStatus loadRecord(int token, gstr& value) override { return format_.readKeyword(token, value, true); }
    bool recordComplete() const override { return format_.isValid(); }
    bool matches(const char*& cursor, int32_t remaining, const g2driverParameterValue* value) const override;

private:
    g2driverDigitalNumberResponseElement(const g2driverDigitalNumberResponseElement& other,
                                         g2driverParameterTable& driverParameters,
                                         g2driverParameterTable& templateParameters,
                                         g2driverResponseValueTable& values);
    gintegerInputFormat format_;
};

// DIGITAL STRINGS: the value of the first pattern that matches, in
// ascending value order.
class g2driverDigitalStringsResponseElement : public g2driverParameterResponseElement {
public:
    g2driverDigitalStringsResponseElement() = default;
    const gvalueStringMap& strings() const noexcept { return strings_; }
    gvalueStringMap& strings() noexcept { return strings_; }
    int getType() const override { return g2responseElementType::digitalStrings; }
    int32_t getValueKind() const override;
    g2driverResponseElement* duplicate(g2driverParameterTable& driverParameters,
                                       g2driverParameterTable& templateParameters,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override { strings_.write(file, indent); }
    gloadStatus loadRecord(int token, gstr& value) override { return strings_.loadKeyword(token, value); }
    bool recordComplete() const override { return strings_.hasEntries(); }
    bool matches(const char*& cursor, int32_t remaining, const g2driverParameterValue* value) const override;

private:
    g2driverDigitalStringsResponseElement(const g2driverDigitalStringsResponseElement& other,
                                          g2driverParameterTable& driverParameters,
                                          g2driverParameterTable& templateParameters,
                                          g2driverResponseValueTable& values);
    gvalueStringMap strings_;
};

// ANALOG: a real number in the input format, equal to (value x FACTOR) +
// OFFSET.
class g2driverAnalogResponseElement : public g2driverParameterResponseElement {
public:
    g2driverAnalogResponseElement() = default;
    const gnumberInputFormat& format() const noexcept { return format_; }
    gnumberInputFormat& format() noexcept { return format_; }
    double factor() const noexcept { return factor_; }
    double offset() const noexcept { return offset_; }
    void setScaling(double factor, double offset) noexcept
    {
        factor_ = factor;
        offset_ = offset;
    }
    int getType() const override { return g2responseElementType::analog; }
    int32_t getValueKind() const override;
    void afterLoad() override;
    g2driverResponseElement* duplicate(g2driverParameterTable& driverParameters,
                                       g2driverParameterTable& templateParameters,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override;
    gloadStatus loadRecord(int token, gstr& value) override;
    bool recordComplete() const override { return format_.isValid(); }
    bool matches(const char*& cursor, int32_t remaining, const g2driverParameterValue* value) const override;

private:
    g2driverAnalogResponseElement(const g2driverAnalogResponseElement& other, g2driverParameterTable& driverParameters,
                                  g2driverParameterTable& templateParameters, g2driverResponseValueTable& values);
    gnumberInputFormat format_;
    double factor_ = HUGE_VAL;
    double offset_ = HUGE_VAL;
};

// STRING: the PATTERN part of the string match, byte for byte the text.
class g2driverStringResponseElement : public g2driverParameterResponseElement {
public:
    g2driverStringResponseElement() = default;
    const gstringMatch& match() const noexcept { return match_; }
    gstringMatch& match() noexcept { return match_; }
    int getType() const override { return g2responseElementType::string; }
    int32_t getValueKind() const override;
    g2driverResponseElement* duplicate(g2driverParameterTable& driverParameters,
                                       g2driverParameterTable& templateParameters,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override { match_.write(file, indent); }
    gloadStatus loadRecord(int token, gstr& value) override { return match_.readKeyword(token, value); }
    bool recordComplete() const override { return match_.pattern().isSet(); }
    bool matches(const char*& cursor, int32_t remaining, const g2driverParameterValue* value) const override;

private:
    g2driverStringResponseElement(const g2driverStringResponseElement& other, g2driverParameterTable& driverParameters,
                                  g2driverParameterTable& templateParameters, g2driverResponseValueTable& values);
    gstringMatch match_;
};
