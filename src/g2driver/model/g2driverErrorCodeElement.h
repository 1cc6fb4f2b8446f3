#pragma once

#include "formats/gintegerInputFormat.h"
#include "formats/gstringMatch.h"
#include "g2driver/model/g2driverResponseElement.h"

#include <cstdint>

// The error-response elements that report which error the device signals
// (ERROR_ELEMENT NUMERICAL ERROR CODE or STRING ERROR CODE): NAME names an
// error code of the driver; what the element decodes replaces that code's
// value among the transaction's own values.
class g2driverErrorCodeElement : public g2driverResponseElement {
public:
    g2driverErrorCode* getErrorCode() const override { return code_; }
    // Names the code (or none) and links the element into its users.
    void setErrorCode(g2driverErrorCode* code);
    // 1 numerical, 2 string.
    virtual int32_t getValueKind() const = 0;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return code_ && recordComplete(); }
    // The error code's tag.
    gstr describe() const override;

protected:
    g2driverErrorCodeElement() = default;
    // A copy naming the code of the same tag in codes (unnamed when it is
    // not there).
    g2driverErrorCodeElement(const g2driverErrorCodeElement& other, g2driverResponseValueTable& values,
                             g2driverErrorCodeTable& codes);

    virtual void writeRecord(CObjectFile& file, int indent) const = 0;
    virtual gloadStatus loadRecord(int token, gstr& value) = 0;
    virtual bool recordComplete() const = 0;

private:
    gloadStatus loadName(const gstr& value);

    g2driverErrorCode* code_ = nullptr;
    gusesList uses_{this};
};

// NUMERICAL ERROR CODE: an integer in the input format.
class g2driverNumericalErrorCodeElement : public g2driverErrorCodeElement {
public:
    g2driverNumericalErrorCodeElement() = default;
    const gintegerInputFormat& format() const noexcept { return format_; }
    gintegerInputFormat& format() noexcept { return format_; }

    int getType() const override { return g2responseElementType::numericalErrorCode; }
    int32_t getValueKind() const override { return g2driverErrorCode::numerical; }
    void afterLoad() override { format_.afterLoad(); }
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable& errorCodes,
                                       bool) const override;
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override { format_.write(file, indent); }
    gloadStatus loadRecord(int token, gstr& value) override { return format_.readKeyword(token, value, true); }
    bool recordComplete() const override { return format_.isValid(); }

private:
    g2driverNumericalErrorCodeElement(const g2driverNumericalErrorCodeElement& other,
                                      g2driverResponseValueTable& values, g2driverErrorCodeTable& codes)
        : g2driverErrorCodeElement(other, values, codes), format_(other.format_)
    {
    }
    gintegerInputFormat format_;
};

// STRING ERROR CODE: the PATTERN part of a string match.
class g2driverStringErrorCodeElement : public g2driverErrorCodeElement {
public:
    g2driverStringErrorCodeElement() = default;
    const gstringMatch& match() const noexcept { return match_; }
    gstringMatch& match() noexcept { return match_; }

    int getType() const override { return g2responseElementType::stringErrorCode; }
    int32_t getValueKind() const override { return g2driverErrorCode::text; }
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&,
                                       g2driverResponseValueTable& responseValues, g2driverResponseDataNameTable&,
                                       jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable& errorCodes,
                                       bool) const override;
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) override;

protected:
    void writeRecord(CObjectFile& file, int indent) const override { match_.write(file, indent); }
    gloadStatus loadRecord(int token, gstr& value) override { return match_.readKeyword(token, value); }
    bool recordComplete() const override { return match_.pattern().isSet(); }

private:
    g2driverStringErrorCodeElement(const g2driverStringErrorCodeElement& other, g2driverResponseValueTable& values,
                                   g2driverErrorCodeTable& codes)
        : g2driverErrorCodeElement(other, values, codes), match_(other.match_)
    {
    }
    gstringMatch match_;
};
