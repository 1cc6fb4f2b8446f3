#pragma once

#include "registers/ganalogLogInfo.h"
#include "registers/gcalibration.h"
#include "registers/gregisterSupplement.h"
#include "registers/sources/gregisterSource.h"

#include <cstdint>
#include <limits>

// The class part of an analog register: the number of values, the limits,
// the change threshold of the value control, the value log format, the
// calibration and the operator's rights.
class ganalogSupplement final : public gregisterSupplement {
public:
    static constexpr double noMinimum = -std::numeric_limits<double>::max();
    static constexpr double noMaximum = std::numeric_limits<double>::max();

    explicit ganalogSupplement(gregister& owner) noexcept : gregisterSupplement(owner) {}

    int classCode() const override { return 3; }
    ganalogRegisterSource* getSource() const noexcept
    {
        return static_cast<ganalogRegisterSource*>(gregisterSupplement::getSource());
    }

    // The source's count when it supplies one, else the register's own.
    int32_t elementCount() const;
    // Whether the source may mark values beyond its range.
    bool hasRangeMarks() const;

    gcalibration& calibration() noexcept { return calibration_; }
    const gcalibration& calibration() const noexcept { return calibration_; }
    ganalogLogInfo& logInfo() noexcept { return logInfo_; }
    const ganalogLogInfo& logInfo() const noexcept { return logInfo_; }
    // ELEMENTS: 0 while not read; 1 after loading unless the source counts.
    int32_t getElements() const noexcept { return elements_; }
    void setElements(int32_t count) noexcept { elements_ = count; }
    double getMinimum() const noexcept { return minimum_; }
    void setMinimum(double value) noexcept { minimum_ = value; }
    double getMaximum() const noexcept { return maximum_; }
    void setMaximum(double value) noexcept { maximum_ = value; }
    // The value control's change threshold: 0 none, positive an absolute
    // change, negative a change in dB of the magnitude.
    double getMinimumChange() const noexcept { return minimumChange_; }
    void setMinimumChange(double value) noexcept { minimumChange_ = value; }
    int32_t getCalibrate() const noexcept { return calibrate_; }
    void setCalibrate(int32_t flag) noexcept { calibrate_ = flag; }
    int32_t getSetLimits() const noexcept { return setLimits_; }
    void setSetLimits(int32_t flag) noexcept { setLimits_ = flag; }
    int32_t getSetUnits() const noexcept { return setUnits_; }
    void setSetUnits(int32_t flag) noexcept { setUnits_ = flag; }
    int32_t getSetDecimals() const noexcept { return setDecimals_; }
    void setSetDecimals(int32_t flag) noexcept { setDecimals_ = flag; }

    // Each replaces the source by a new empty one of its kind.
    ganalogRegisterSource* newParameterSource() { return typed(newSource(3)); }
    ganalogRegisterSource* newLegacyParameterSource() { return typed(newSource(5)); }
    ganalogRegisterSource* newRemoteRegisterSource() { return typed(newSource(6)); }
    ganalogRegisterSource* newSummarySource() { return typed(newSource(7)); }
    ganalogRegisterSource* newDataObjectSource() { return typed(newSource(16)); }
    ganalogRegisterSource* newLegacyLevelSource() { return typed(newSource(26)); }
    ganalogRegisterSource* newLegacyProcessorSource() { return typed(newSource(29)); }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    std::unique_ptr<gregisterSupplement> clone(gregister& owner) const override;
    int replaceText(const gregisterBatchOptions& options, gstr& log,
                    jhashTypedDatabaseTable<gregister>* newRegisters) override;

private:
    static ganalogRegisterSource* typed(gregisterSource* source) noexcept
    {
        return static_cast<ganalogRegisterSource*>(source);
    }
    int32_t sourceElementCount() const;
    bool valueControlRuns() const;

    gcalibration calibration_;
    int32_t elements_ = 0;
    double minimum_ = noMinimum;
    double maximum_ = noMaximum;
    double minimumChange_ = 0;
    ganalogLogInfo logInfo_;
    int32_t calibrate_ = -1;
    int32_t setLimits_ = -1;
    int32_t setUnits_ = -1;
    int32_t setDecimals_ = -1;
};
