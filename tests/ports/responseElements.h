#pragma once

#include "foundation/gregexp.h"
#include "foundation/jhashTable.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "ports/g2serialTransaction.h"

#include <cstdint>
#include <string>

// Response elements for tests: the element kinds of the G2 driver model
// come later, the transaction needs only this interface of them.

// Located by its pattern; with a condition name it counts only when a value
// of that name was decoded.
class patternElement : public g2driverResponseElement {
public:
    explicit patternElement(const char* pattern, std::string condition = "") : pattern_(false), condition_(condition)
    {
        pattern_.parse(pattern, true, false);
    }
    void getLabel(gstr& text) const override
    {
        pattern_.print(text, false);
    }
    bool hasCondition() const override { return !condition_.empty(); }
    bool conditionHolds(const jhashNamedObjectTable& values) const override
    {
        return values.find(gstrSlice(condition_.c_str())) != nullptr;
    }
    const gregexp* getPattern() const override { return &pattern_; }

private:
    gregexp pattern_;
    std::string condition_;
};

// A fixed number of decimal digits decoded as a named number.
class numberElement : public g2driverResponseElement {
public:
    numberElement(const char* name, int digits) : name_(name), digits_(digits) {}
    void getLabel(gstr& text) const override { text.append(name_.c_str()); }
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
class errorCodeElement : public g2driverResponseElement {
public:
    explicit errorCodeElement(const char* name) : name_(name) {}
    void getLabel(gstr& text) const override { text.append(name_.c_str()); }
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t left) override
    {
        if (left < 1)
            return needMore;
        transaction.putValue(gstrSlice(name_.c_str()), static_cast<uint32_t>(static_cast<unsigned char>(*cursor)));
        ++cursor;
        return decoded;
    }
    bool isErrorIndication() const override { return true; }

private:
    std::string name_;
};
