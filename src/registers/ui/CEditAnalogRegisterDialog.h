#pragma once

#include "registers/ganalogLogInfo.h"
#include "registers/gcalibration.h"
#include "registers/ui/CRegisterDialog.h"

#include <cstdint>

// Edit Analog Register: the number of values, the limits, the operator's
// rights, and copies of the value log format, the calibration and the
// value control's change threshold, which its own dialogs edit.
class CEditAnalogRegisterDialog : public CRegisterDialog {
public:
    static constexpr int sizeId = 1718;
    static constexpr int setLimitsId = 1025;
    static constexpr int calibrateId = 1023;
    static constexpr int unitsId = 1656;
    static constexpr int decimalsId = 1657;
    static constexpr int lowLimitId = 1237;
    static constexpr int highLimitId = 1236;
    static constexpr int calibrationId = 1149;

    CEditAnalogRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent = nullptr);

    int classCode() const override { return 3; }
    void showElementCount(int32_t count) override;

    ganalogLogInfo& logInfo() { return logInfo_; }
    double& minimumChange() { return minimumChange_; }
    // Whether the current source may mark values beyond its range.
    bool hasRangeMarks() const;

protected:
    void enableUserOptions(bool userDefinable) override;
    void fillClassFields(bool userDefinable) override;
    bool validateClassFields(int level) override;
    void applyClassFields(bool userDefinable) override;
    void sourcePaneReplaced() override;
    void OnLogStrings() override;
    void OnControls() override;

private:
    bool registerCountsElements() const;
    // An empty field is no limit; false when the text is not a number.
    bool readLimit(int id, double none, double& limit) const;
    void runCalibration();

    ganalogLogInfo logInfo_;
    gcalibration calibration_;
    double minimumChange_ = 0;
    int32_t elements_ = 1;
    double minimum_ = 0;
    double maximum_ = 0;
};
