#pragma once

#include "foundation/gregexp.h"
#include "foundation/jhashTable.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "ports/g2serialTransaction.h"

#include <cstdint>
#include <string>

// Response elements for tests of the matching itself: bare doubles of the
// interface the transaction uses, apart from the element kinds and their
// file lines.
class testResponseElement : public g2driverResponseElement {
public:
    g2driverResponseElement* duplicate(g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable&,
                                       g2driverResponseDataNameTable&, jhashTypedDatabaseTable<g2driverProgram>*,
                                       g2driverErrorCodeTable&, bool) const override
    {
        return nullptr;
    }
    int getType() const override { return g2responseElementType::regexp; }
};

// Located by its pattern; with a condition name it counts only when a number
// of that name was decoded.
class patternElement : public testResponseElement {
public:
    explicit patternElement(const char* pattern, std::string condition = "") : pattern_(false)
    {
        pattern_.parse(pattern, true, false);
        if (condition.empty())
            return;
        g2driverResponseCondition decoded;
        decoded.setValue(values_.reference(gstrSlice(condition.c_str())));
        decoded.setNumberTest(g2driverResponseCondition::greaterOrEqual, 0);
        setCondition(&decoded, values_);
    }
    gstr describe() const override
    {
        gstr text("");
        pattern_.print(text, false);
        return text;
    }
    const gregexp* getLocatingPattern() const override { return &pattern_; }
    int decode(g2serialTransaction&, const char*&, int32_t) override { return badData; }

private:
    g2driverResponseValueTable values_{5};
    gregexp pattern_;
};

// A fixed number of decimal digits decoded as a named number.
class numberElement : public testResponseElement {
public:
    numberElement(const char* name, int digits) : name_(name), digits_(digits) {}
    gstr describe() const override { return gstr(name_.c_str()); }
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t left) override
    {
        if (left < digits_)
            return needMore;
        uint32_t value = 0;
        for (int i = 0; i < digits_; ++i) {
            if (cursor[i] < '0' || cursor[i] > '9')
                return badData;
            value = value * 10 + static_cast<uint32_t>(cursor[i] - '0');
        }
        cursor += digits_;
        transaction.setValue(gstrSlice(name_.c_str()), value);
        return decoded;
    }

private:
    std::string name_;
    int digits_;
};

// One byte reported as the transaction's value of an error code.
class errorCodeElement : public testResponseElement {
public:
    explicit errorCodeElement(const char* name) : name_(name) {}
    gstr describe() const override { return gstr(name_.c_str()); }
    int getType() const override { return g2responseElementType::numericalErrorCode; }
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t left) override
    {
        if (left < 1)
            return needMore;
        transaction.putValue(gstrSlice(name_.c_str()), static_cast<uint32_t>(static_cast<unsigned char>(*cursor)));
        ++cursor;
        return decoded;
    }

private:
    std::string name_;
};
