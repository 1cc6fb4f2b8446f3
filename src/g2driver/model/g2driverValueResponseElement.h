#pragma once

#include "formats/gintegerInputFormat.h"
#include "formats/gstringMatch.h"
#include "g2driver/model/g2driverResponseElement.h"

#include <cstdint>

// The response elements that declare a named value with NAME: what they
// decode is stored under the name in the current match attempt, for the
// conditions, repeat counts and lengths of the elements after them.
class g2driverValueResponseElement : public g2driverResponseElement {
public:
    ~g2driverValueResponseElement() override;

    g2driverResponseValue* getResponseValue() const override { return value_; }
    // 1 numerical, 2 string.
    virtual int32_t getValueKind() const = 0;
    // Declares the value (of the element's kind) in place of the one before.
    void setValue(g2driverResponseValue* value);

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return value_ && recordComplete(); }
    // The value's name.
    gstr describe() const override;

protected:
    g2driverValueResponseElement() = default;
    // A copy that declares the name again in values.
    g2driverValueResponseElement(const g2driverValueResponseElement& other, g2driverResponseValueTable& values);

    virtual void writeRecord(CObjectFile& file, int indent) const = 0;
    virtual gloadStatus loadRecord(int token, gstr& value) = 0;
    virtual bool recordComplete() const = 0;

private:
    gloadStatus loadName(const gstr& value);
    void declare(g2driverResponseValue* value, int32_t kind);

    g2driverResponseValue* value_ = nullptr;
};

// NUMERICAL VALUE: an integer in the input format.
class g2driverNumericalValueResponseElement : public g2driverValueResponseElement {
public:
    g2driverNumericalValueResponseElement() = default;
    const gintegerInputFormat& format() const noexcept { return format_; }
    gintegerInputFormat& format() noexcept { return format_; }

    int getType() const override { return g2responseElementType::numericalValue; }
    int32_t getValueKind() const override { return g2driverResponseValue::numerical; }
    void afterLoad() override { format_.afterLoad(); }
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override { format_.write(file, indent); }
    gloadStatus loadRecord(int token, gstr& value) override { return format_.readKeyword(token, value, true); }
    bool recordComplete() const override { return format_.isValid(); }

private:
    g2driverNumericalValueResponseElement(const g2driverNumericalValueResponseElement& other,
                                          g2driverResponseValueTable& values);
    gintegerInputFormat format_;
};

// STRING VALUE: the PATTERN part of a string match.
class g2driverStringValueResponseElement : public g2driverValueResponseElement {
public:
    g2driverStringValueResponseElement() = default;
    const gstringMatch& match() const noexcept { return match_; }
    gstringMatch& match() noexcept { return match_; }

    int getType() const override { return g2responseElementType::stringValue; }
    int32_t getValueKind() const override { return g2driverResponseValue::text; }
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable&,
                                       bool) const override;
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override { match_.write(file, indent); }
    gloadStatus loadRecord(int token, gstr& value) override { return match_.readKeyword(token, value); }
    bool recordComplete() const override { return match_.pattern().isSet(); }

private:
    g2driverStringValueResponseElement(const g2driverStringValueResponseElement& other,
                                       g2driverResponseValueTable& values);
    gstringMatch match_;
};
