#include "registers/ui/CSetCalibrationPointDialog.h"

#include "shell/CSpinEdit.h"

#include <QLineEdit>

namespace {

constexpr int rawId = 1247;
constexpr int calibratedId = 1248;
constexpr int enterRaw = 10076;
constexpr int enterCalibrated = 10077;
constexpr int positiveForLogY = 10720;

} // namespace

CSetCalibrationPointDialog::CSetCalibrationPointDialog(bool positiveRequired, QWidget* parent)
    : CDialog(516, parent), positiveRequired_(positiveRequired)
{
    setWindowTitle("Set Calibration Point");
    setDialogSize(186, 62);
    addLabel(-1, "&Raw value:", 7, 9, 60, 8);
    rawEdit_ = addControl(rawId, new CRealSpinEdit, 70, 7, 60, 12);
    addLabel(-1, "&Calibrated value:", 7, 26, 60, 8);
    calibratedEdit_ = addControl(calibratedId, new CRealSpinEdit, 70, 24, 60, 12);
    addButton(IDOK, "OK", 136, 7, 43, 14, true);
    addButton(IDCANCEL, "Cancel", 136, 24, 43, 14);
    if (positiveRequired_)
        calibratedEdit_->spin().minimum = 0;
    for (QLineEdit* edit : {static_cast<QLineEdit*>(rawEdit_), static_cast<QLineEdit*>(calibratedEdit_)})
        connect(edit, &QLineEdit::textChanged, this, [this] { enableOk(); });
    enableOk();
}

void CSetCalibrationPointDialog::enableOk()
{
    enableControl(IDOK, !rawEdit_->text().isEmpty() && !calibratedEdit_->text().isEmpty());
}

void CSetCalibrationPointDialog::OnOK()
{
    double rawValue = 0;
    double calibratedValue = 0;
    if (!rawEdit_->getValue(rawValue))
        return (void)refuseField(rawId, enterRaw);
    if (!calibratedEdit_->getValue(calibratedValue))
        return (void)refuseField(calibratedId, enterCalibrated);
    if (positiveRequired_ && !(calibratedValue > 0))
        return (void)refuseField(calibratedId, positiveForLogY);
    raw = rawValue;
    calibrated = calibratedValue;
    CDialog::OnOK();
}
