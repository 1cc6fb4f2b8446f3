#pragma once

#include "formats/gintegerOutputFormat.h"
#include "formats/gnumberOutputFormat.h"
#include "formats/gonOffStrings.h"
#include "g2driver/model/g2driverCommandElement.h"
#include "g2driver/model/gstringOutputFormat.h"
#include "g2driver/model/gvalueStringTable.h"

#include <cmath>
#include <cstdint>

class g2driverParameter;
class g2driverParameterValue;

// The command elements that send one parameter's value: the parameter by
// scope and tag (DRIVER_PARAM or TEMPLATE_PARAM in a template,
// PARAMETER in a command's DATA block), typed by the element's kind, and
// kept bound by tag when the element moves to another template, command or
// driver.
class g2driverParameterCommandElement : public g2driverCommandElement {
public:
    ~g2driverParameterCommandElement() override = default;

    g2driverParameter* getParameter() const noexcept { return parameter_; }
    // Binds the parameter (or none) and links the element into its users.
    void setParameter(g2driverParameter* parameter);
    // The kind the parameter must have.
    virtual int32_t parameterKind() const = 0;

    // The scope line, then the kind's own lines.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return parameter_ && ownComplete(); }

    // The parameter's tag.
    gstr describe() const override;
    void setTemplate(g2driverCommandTemplate* owner) override;
    void setCommand(g2driverCommand* owner) override;
    void setDriver(g2driver* driver) override;
    // Pass 1: the parameter's value (its default when there is none).
    void encode(g2driverCommandBuilder& builder, int pass, g2driverCommandOutput& output) override;

protected:
    g2driverParameterCommandElement() = default;
    // A copy bound by tag: DRIVER_PARAM parameters in driverParameters,
    // others in otherParameters. A tag that is not there is a fault.
    g2driverParameterCommandElement(const g2driverParameterCommandElement& other,
                                    g2driverParameterTable& driverParameters,
                                    g2driverParameterTable& otherParameters);

    virtual void writeOwnFields(CObjectFile& file, int indent) const = 0;
    virtual gloadStatus loadOwnField(int token, gstr& value) = 0;
    virtual bool ownComplete() const = 0;
    // The bytes for the value; null for no value.
    virtual gstr encodeValue(const g2driverParameterValue* value) const = 0;

private:
    void rebind(int32_t scope, g2driverParameterTable* table);

    g2driverParameter* parameter_ = nullptr;
    gusesList uses_{this};
};

// BISTATE: the ON text for a value that is on, else the OFF text.
class g2driverBistateCommandElement : public g2driverParameterCommandElement {
public:
    g2driverBistateCommandElement() = default;
    const gonOffStrings& strings() const noexcept { return strings_; }
    gonOffStrings& strings() noexcept { return strings_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void afterLoad() override { strings_.afterLoad(); }
    g2driverCommandElement* duplicate(g2driverParameterTable& commandParameters,
                                      g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable& driverParameters,
                                             g2driverParameterTable& templateParameters,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::bistate; }
    int32_t parameterKind() const override;

protected:
    void writeOwnFields(CObjectFile& file, int indent) const override { strings_.writeFields(file, indent); }
    gloadStatus loadOwnField(int token, gstr& value) override { return strings_.loadField(token, value); }
    bool ownComplete() const override { return strings_.isSet(); }
    gstr encodeValue(const g2driverParameterValue* value) const override;

private:
    g2driverBistateCommandElement(const g2driverBistateCommandElement& other,
                                  g2driverParameterTable& driverParameters, g2driverParameterTable& otherParameters);

    gonOffStrings strings_;
};

// DIGITAL NUMBER: the value in the integer output format.
class g2driverDigitalNumberCommandElement : public g2driverParameterCommandElement {
public:
    g2driverDigitalNumberCommandElement() = default;
    const gintegerOutputFormat& format() const noexcept { return format_; }
    gintegerOutputFormat& format() noexcept { return format_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void afterLoad() override { format_.afterLoad(); }
    g2driverCommandElement* duplicate(g2driverParameterTable& commandParameters,
                                      g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable& driverParameters,
                                             g2driverParameterTable& templateParameters,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::digitalNumber; }
    int32_t parameterKind() const override;

protected:
    void writeOwnFields(CObjectFile& file, int indent) const override { format_.writeFields(file, indent); }
    gloadStatus loadOwnField(int token, gstr& value) override { return format_.loadField(token, value, false); }
    bool ownComplete() const override { return format_.isComplete(); }
    gstr encodeValue(const g2driverParameterValue* value) const override;

private:
    g2driverDigitalNumberCommandElement(const g2driverDigitalNumberCommandElement& other,
                                        g2driverParameterTable& driverParameters,
                                        g2driverParameterTable& otherParameters);

    gintegerOutputFormat format_;
};

// DIGITAL STRINGS: the string of the value, else the default string.
class g2driverDigitalStringsCommandElement : public g2driverParameterCommandElement {
public:
    g2driverDigitalStringsCommandElement() = default;
    const gvalueStringTable& strings() const noexcept { return strings_; }
    gvalueStringTable& strings() noexcept { return strings_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void afterLoad() override { strings_.afterLoad(); }
    g2driverCommandElement* duplicate(g2driverParameterTable& commandParameters,
                                      g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable& driverParameters,
                                             g2driverParameterTable& templateParameters,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::digitalStrings; }
    int32_t parameterKind() const override;

protected:
    void writeOwnFields(CObjectFile& file, int indent) const override { strings_.writeFields(file, indent); }
    gloadStatus loadOwnField(int token, gstr& value) override { return strings_.loadField(token, value); }
    bool ownComplete() const override { return strings_.hasEntries(); }
    gstr encodeValue(const g2driverParameterValue* value) const override;

private:
    g2driverDigitalStringsCommandElement(const g2driverDigitalStringsCommandElement& other,
                                         g2driverParameterTable& driverParameters,
                                         g2driverParameterTable& otherParameters);

    gvalueStringTable strings_;
};

// ANALOG: (value x FACTOR) + OFFSET in the number output format.
class g2driverAnalogCommandElement : public g2driverParameterCommandElement {
public:
    g2driverAnalogCommandElement() = default;
    const gnumberOutputFormat& format() const noexcept { return format_; }
    gnumberOutputFormat& format() noexcept { return format_; }
    double factor() const noexcept { return factor_; }
    double offset() const noexcept { return offset_; }
    void setScaling(double factor, double offset) noexcept
    {
        factor_ = factor;
        offset_ = offset;
    }

    void writeHeader(CObjectFile& file, int indent) const override;
    void afterLoad() override;
    g2driverCommandElement* duplicate(g2driverParameterTable& commandParameters,
                                      g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable& driverParameters,
                                             g2driverParameterTable& templateParameters,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::analog; }
    int32_t parameterKind() const override;

protected:
    void writeOwnFields(CObjectFile& file, int indent) const override;
    gloadStatus loadOwnField(int token, gstr& value) override;
    bool ownComplete() const override { return format_.isComplete(); }
    gstr encodeValue(const g2driverParameterValue* value) const override;

private:
    g2driverAnalogCommandElement(const g2driverAnalogCommandElement& other,
                                 g2driverParameterTable& driverParameters, g2driverParameterTable& otherParameters);

    gnumberOutputFormat format_;
    double factor_ = HUGE_VAL;
    double offset_ = HUGE_VAL;
};

// STRING: the text in the string output format.
class g2driverStringCommandElement : public g2driverParameterCommandElement {
public:
    g2driverStringCommandElement() = default;
    const gstringOutputFormat& format() const noexcept { return format_; }
    gstringOutputFormat& format() noexcept { return format_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void afterLoad() override { format_.afterLoad(); }
    g2driverCommandElement* duplicate(g2driverParameterTable& commandParameters,
                                      g2driverProgramTable*) const override;
    g2driverCommandElement* cloneForTemplate(g2driverParameterTable& driverParameters,
                                             g2driverParameterTable& templateParameters,
                                             g2driverCommandDataNameTable&, g2driverProgramTable*) const override;
    int typeId() const override { return g2commandElementType::string; }
    int32_t parameterKind() const override;

protected:
    void writeOwnFields(CObjectFile& file, int indent) const override { format_.writeFields(file, indent); }
    gloadStatus loadOwnField(int token, gstr& value) override { return format_.loadField(token, value); }
    bool ownComplete() const override { return true; }
    gstr encodeValue(const g2driverParameterValue* value) const override;

private:
    g2driverStringCommandElement(const g2driverStringCommandElement& other,
                                 g2driverParameterTable& driverParameters, g2driverParameterTable& otherParameters);

    gstringOutputFormat format_;
};

// The scope keyword of a parameter (DRIVER_PARAM, TEMPLATE_PARAM, PARAMETER).
int scopeKeyword(int32_t scope) noexcept;
// The scope a keyword names, or -1.
int32_t scopeOfKeyword(int token) noexcept;
