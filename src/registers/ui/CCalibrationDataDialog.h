#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

class CNonNegativeSpinEdit;
class QLabel;
class QListWidget;
class QListWidgetItem;
class gcalibration;

// Calibration Data: the calibration points of an analog register and the
// polynomial fitted through them, edited on a copy that OK hands back. Import
// reads the points the run-time program measured for the register (by the
// tag as typed in the register dialog) of the open station (by its path).
class CCalibrationDataDialog : public CDialog {
public:
    CCalibrationDataDialog(gcalibration& record, const gstrSlice& registerTag, const gstrSlice& stationPath,
                           QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void onNew();
    void onDelete();
    void onImport();
    void enableFit();
    void enableDelete();
    bool fitsLogY() const;
    // Lines in ascending raw order; each keeps its two values.
    QListWidgetItem* makeLine(double raw, double calibrated) const;
    void placeLine(QListWidgetItem* line);

    gcalibration& record_;
    gstr registerTag_;
    gstr stationPath_;
    QListWidget* list_;
    QLabel* degreeLabel_;
    CNonNegativeSpinEdit* degree_;
};
