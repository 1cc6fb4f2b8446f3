#pragma once

#include "sabus/gsabusResponseData.h"

// FIXED STRING: the same data in every answer.
class gsabusFixedStringData : public gsabusResponseData {
public:
    const gstr& getString() const noexcept { return string_; }
    void setString(const gstrSlice& text) { string_.assign(text); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !string_.isEmpty(); }
    gstr describe() const override;
    std::unique_ptr<gsabusResponseData> clone() const override;
    int getKind() const override { return fixedString; }

private:
    gstr string_;
};
