#pragma once

#include "foundation/gstr.h"
#include "registers/gexponentFormat.h"
#include "store/gstorable.h"

#include <cstdint>
#include <limits>
#include <memory>

struct gregisterBatchOptions;

// Which values of an analog register are logged and how a value becomes log
// text: the block "VALUE_LOG_INFO" ... "END" of an analog register.
class ganalogLogInfo : public gstorable {
public:
    enum mode : int32_t {
        notSet = 0,
        none = 1,
        all = 2,
        onState = 3,
        offState = 4,
        inside = 5,          // within or on the limits
        outside = 6,         // outside or on the limits
        strictlyInside = 7,
        strictlyOutside = 8,
    };
    static constexpr double noMinimum = -std::numeric_limits<double>::max();
    static constexpr double noMaximum = std::numeric_limits<double>::max();
    static constexpr double notGiven = std::numeric_limits<double>::infinity();

    ganalogLogInfo() = default;
    // Copies every field, the exponent format included.
    ganalogLogInfo(const ganalogLogInfo& other);
    ganalogLogInfo& operator=(const ganalogLogInfo& other);
    // The edited record handed back by a dialog: every field, the exponent
    // format taken over (the other is left without one).
    void transferFrom(ganalogLogInfo& other);

    int32_t getMode() const noexcept { return mode_; }
    void setMode(int32_t mode) noexcept { mode_ = mode; }
    double getMinimum() const noexcept { return minimum_; }
    void setMinimum(double value) noexcept { minimum_ = value; }
    double getMaximum() const noexcept { return maximum_; }
    void setMaximum(double value) noexcept { maximum_ = value; }
    // 0 none; positive an absolute change; negative a change in dB of the
    // magnitude.
    double getMinimumChange() const noexcept { return minimumChange_; }
    void setMinimumChange(double value) noexcept { minimumChange_ = value; }
    const gstr& getPrefix() const noexcept { return prefix_; }
    void setPrefix(const gstrSlice& text) { prefix_.assign(text); }
    const gstr& getSuffix() const noexcept { return suffix_; }
    void setSuffix(const gstrSlice& text) { suffix_.assign(text); }
    const gstr& getSuffix2() const noexcept { return suffix2_; }
    void setSuffix2(const gstrSlice& text) { suffix2_.assign(text); }
    // -1 not given.
    int32_t getPrecision() const noexcept { return precision_; }
    void setPrecision(int32_t precision) noexcept { precision_ = precision; }
    int32_t getPlusSign() const noexcept { return plusSign_; }
    void setPlusSign(int32_t plusSign) noexcept { plusSign_ = plusSign; }
    const gexponentFormat* getExponent() const noexcept { return exponent_.get(); }
    void setExponent(std::unique_ptr<gexponentFormat> exponent) noexcept { exponent_ = std::move(exponent); }
    // notGiven (positive infinity) while not given.
    double getFactor() const noexcept { return factor_; }
    void setFactor(double value) noexcept { factor_ = value; }
    double getOffset() const noexcept { return offset_; }
    void setOffset(double value) noexcept { offset_ = value; }

    // "VALUE_LOG_INFO".
    void writeHeader(CObjectFile& file, int indent) const override;
    // Nothing in modes 0 and 1.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

    // In the limit modes (5 and up) the prefix and both suffixes, whatever
    // the request's scope switches; the number of replacements.
    int replaceText(const gregisterBatchOptions& options);

private:
    bool nothingButModeSet() const noexcept;

    int32_t mode_ = notSet;
    double minimum_ = noMinimum;
    double maximum_ = noMaximum;
    double minimumChange_ = 0;
    gstr prefix_;
    gstr suffix_;
    gstr suffix2_;
    int32_t precision_ = -1;
    int32_t plusSign_ = -1;
    std::unique_ptr<gexponentFormat> exponent_;
    double factor_ = notGiven;
    double offset_ = notGiven;
};
