#include "registers/ui/CAnalogAutomaticControlsDialog.h"

#include "registers/ui/CEditAnalogRegisterDialog.h"
#include "shell/CSpinEdit.h"

#include <cmath>

namespace {

constexpr int badThreshold = 10718;

} // namespace

CAnalogAutomaticControlsDialog::CAnalogAutomaticControlsDialog(CEditAnalogRegisterDialog& registerDialog,
                                                               QWidget* parent)
    : CAutomaticControlsDialog(registerDialog, 850, parent), analogDialog_(registerDialog)
{
    int y = valueRowTop(850) + 18;
    addCheckBox(thresholdBoxId, "Don't execute for changes smaller than", 80, y, 140, 10);
    addControl(thresholdId, new CRealSpinEdit, 222, y - 1, 50, 12);
    addCheckBox(decibelId, "dB", 276, y, 30, 10);
    onCommand(thresholdBoxId, [this] { enableThreshold(); });
}

bool CAnalogAutomaticControlsDialog::OnInitDialog()
{
    bool focus = CAutomaticControlsDialog::OnInitDialog();
    if (hasEnded())
        return focus;
    double threshold = analogDialog_.minimumChange();
    if (threshold != 0) {
        setChecked(thresholdBoxId, true);
        dynamic_cast<CRealSpinEdit*>(control(thresholdId))->setValue(std::fabs(threshold));
        setChecked(decibelId, threshold < 0);
    }
    enableThreshold();
    return focus;
}

void CAnalogAutomaticControlsDialog::enableThreshold()
{
    bool runs = rowRunsProgram(valueRow);
    enableControl(thresholdBoxId, runs);
    enableControl(thresholdId, runs && isChecked(thresholdBoxId));
    enableControl(decibelId, runs && isChecked(thresholdBoxId));
}

void CAnalogAutomaticControlsDialog::rowSelectionChanged(int row)
{
    if (row == valueRow)
        enableThreshold();
    CAutomaticControlsDialog::rowSelectionChanged(row);
}

void CAnalogAutomaticControlsDialog::OnOK()
{
    double threshold = 0;
    if (rowRunsProgram(valueRow) && isChecked(thresholdBoxId)) {
        if (!dynamic_cast<CRealSpinEdit*>(control(thresholdId))->getValue(threshold))
            threshold = 0;
        if (!(threshold > 0))
            return (void)refuseField(thresholdId, badThreshold);
        if (isChecked(decibelId))
            threshold = -threshold;
    }
    analogDialog_.minimumChange() = threshold;
    CAutomaticControlsDialog::OnOK();
}
