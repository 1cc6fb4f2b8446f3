#pragma once

#include "registers/ui/CAutomaticControlsDialog.h"

class CEditAnalogRegisterDialog;

// The automatic controls of analog registers: the value control may skip
// changes smaller than a threshold, absolute or in dB.
class CAnalogAutomaticControlsDialog : public CAutomaticControlsDialog {
public:
    static constexpr int thresholdBoxId = 1844;
    static constexpr int thresholdId = 1718;
    static constexpr int decibelId = 2034;

    explicit CAnalogAutomaticControlsDialog(CEditAnalogRegisterDialog& registerDialog, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void rowSelectionChanged(int row) override;

private:
    void enableThreshold();

    CEditAnalogRegisterDialog& analogDialog_;
};
