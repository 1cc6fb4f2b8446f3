#pragma once

#include "platform/CDialog.h"

class CRealSpinEdit;

// Set Calibration Point: one raw value and the value it is calibrated to.
// When the calibration fits log y, calibrated values must be above 0.
class CSetCalibrationPointDialog : public CDialog {
public:
    explicit CSetCalibrationPointDialog(bool positiveRequired, QWidget* parent = nullptr);

    // After OK.
    double raw = 0;
    double calibrated = 0;

protected:
    void OnOK() override;

private:
    void enableOk();

    bool positiveRequired_;
    CRealSpinEdit* rawEdit_;
    CRealSpinEdit* calibratedEdit_;
};
