#include "registers/ui/CCalibrationDataDialog.h"

#include "foundation/messageBoxes.h"
#include "foundation/realFormat.h"
#include "foundation/valueParsers.h"
#include "registers/gcalibration.h"
#include "registers/ui/CSetCalibrationPointDialog.h"
#include "shell/CSpinEdit.h"

#include <QLabel>
#include <QListWidget>

#include <string>

namespace {

constexpr int listId = 1373;
constexpr int newId = 1004;
constexpr int deleteId = 1202;
constexpr int importId = 1282;
constexpr int fitId = 1844;
constexpr int fitYId = 2051;
constexpr int fitLogYId = 2050;
constexpr int degreeId = 1718;
constexpr int forceId = 2048;
constexpr int neverCalibrated = 10013;
constexpr int enterDegree = 10719;
constexpr int positiveForLogY = 10720;

constexpr int rawRole = Qt::UserRole;
constexpr int calibratedRole = Qt::UserRole + 1;

std::string shown(double value)
{
    char text[realFormatSize];
    int n = formatRealG(text, value, 10);
    return std::string(text, static_cast<size_t>(n));
}

// The value of the digits a line shows; the value itself when they would
// not read back (at the edge of the double range).
double asShown(double value)
{
    double read = 0;
    return parseDoubleItem(shown(value).c_str(), read) == itemResult::end ? read : value;
}

} // namespace

CCalibrationDataDialog::CCalibrationDataDialog(gcalibration& record, const gstrSlice& registerTag,
                                               const gstrSlice& stationPath, QWidget* parent)
    : CDialog(515, parent), record_(record), registerTag_(registerTag), stationPath_(stationPath)
{
    setWindowTitle("Calibration Data");
    setDialogSize(262, 196);
    addLabel(-1, "&Calibration points:", 7, 7, 180, 8);
    list_ = addListBox(listId, 7, 18, 180, 88);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addButton(newId, "&New...", 198, 18, 57, 14);
    addButton(deleteId, "&Delete", 198, 36, 57, 14);
    addButton(importId, "&Import", 198, 54, 57, 14);
    addCheckBox(fitId, "Fit a polynomial to the calibration points:", 7, 114, 180, 10);
    addRadioButton(fitYId, "y = c + a1 x + a2 x\xB2 + a3 x\xB3 + ...", 17, 128, 170, 10);
    addRadioButton(fitLogYId, "log y = c + a1 x + a2 x\xB2 + a3 x\xB3 + ...", 17, 141, 170, 10);
    degreeLabel_ = addLabel(-1, "Degree of the polynomial:", 17, 157, 90, 8);
    degree_ = addControl(degreeId, new CNonNegativeSpinEdit, 110, 155, 40, 12);
    degree_->spin().minimum = 1;
    degree_->spin().maximum = gcalibration::maxDegree;
    addCheckBox(forceId, "Force c to be 0 (no constant offset)", 17, 173, 170, 10);
    addButton(IDOK, "OK", 198, 155, 57, 14, true);
    addButton(IDCANCEL, "Cancel", 198, 173, 57, 14);

    onCommand(newId, [this] { onNew(); });
    onCommand(deleteId, [this] { onDelete(); });
    onCommand(importId, [this] { onImport(); });
    onCommand(fitId, [this] { enableFit(); });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { enableDelete(); });
}

bool CCalibrationDataDialog::OnInitDialog()
{
    for (const gcalibrationPoint* point = record_.points().first(); point; point = point->next)
        list_->addItem(makeLine(point->key, point->calibrated));
    bool fitted = record_.getDegree() != 0;
    setChecked(fitId, fitted);
    checkRadioButton(fitLogYId, fitYId, fitted && record_.getLogY() == 1 ? fitLogYId : fitYId);
    degree_->setValue(fitted ? record_.getDegree() : 1);
    setChecked(forceId, fitted && record_.getForceZeroOffset() == 1);
    enableFit();
    enableDelete();
    return true;
}

void CCalibrationDataDialog::enableFit()
{
    bool fit = isChecked(fitId);
    for (int id : {fitYId, fitLogYId, degreeId, forceId})
        enableControl(id, fit);
    degreeLabel_->setEnabled(fit);
}

void CCalibrationDataDialog::enableDelete() { enableControl(deleteId, !list_->selectedItems().isEmpty()); }

bool CCalibrationDataDialog::fitsLogY() const { return isChecked(fitId) && isChecked(fitLogYId); }

QListWidgetItem* CCalibrationDataDialog::makeLine(double raw, double calibrated) const
{
    auto* line = new QListWidgetItem(QString::fromStdString(shown(raw) + "\t" + shown(calibrated)));
    line->setData(rawRole, raw);
    line->setData(calibratedRole, calibrated);
    return line;
}

// A line with the same raw value gives way to the new one; otherwise it goes
// before the first line with a greater raw value.
void CCalibrationDataDialog::placeLine(QListWidgetItem* line)
{
    double raw = line->data(rawRole).toDouble();
    int row = 0;
    for (; row < list_->count(); ++row) {
        double listed = list_->item(row)->data(rawRole).toDouble();
        if (listed == raw) {
            delete list_->takeItem(row);
            break;
        }
        if (listed > raw)
            break;
    }
    list_->insertItem(row, line);
    list_->setCurrentItem(line, QItemSelectionModel::ClearAndSelect);
}

void CCalibrationDataDialog::onNew()
{
    CSetCalibrationPointDialog point(fitsLogY(), this);
    if (point.DoModal() != IDOK)
        return;
    list_->clearSelection();
    placeLine(makeLine(point.raw, point.calibrated));
}

void CCalibrationDataDialog::onDelete()
{
    qDeleteAll(list_->selectedItems());
    enableDelete();
}

void CCalibrationDataDialog::onImport()
{
    gcalibration scratch;
    if (!scratch.importPoints(stationPath_, registerTag_)) {
        warningBox(neverCalibrated);
        return;
    }
    // Measured points come in with the ten digits the list shows.
    list_->clear();
    for (const gcalibrationPoint* point = scratch.points().first(); point; point = point->next)
        list_->addItem(makeLine(asShown(point->key), asShown(point->calibrated)));
    enableDelete();
}

void CCalibrationDataDialog::OnOK()
{
    int32_t degree = 0;
    bool fit = isChecked(fitId);
    if (fit && (!degree_->getValue(degree) || degree < 1 || degree > gcalibration::maxDegree))
        return (void)refuseField(degreeId, enterDegree);
    gcalibration edited;
    edited.setDegree(fit ? degree : 0);
    edited.setForceZeroOffset(fit ? (isChecked(forceId) ? 1 : 0) : -1);
    edited.setLogY(fit ? (isChecked(fitLogYId) ? 1 : 0) : -1);
    for (int row = 0; row < list_->count(); ++row) {
        // Each line keeps the values it was made with, not the ten digits
        // it shows: points that differ beyond them stay apart and unchanged.
        const QListWidgetItem* line = list_->item(row);
        double calibrated = line->data(calibratedRole).toDouble();
        if (fitsLogY() && !(calibrated > 0))
            return (void)warningBox(positiveForLogY);
        edited.addPoint(line->data(rawRole).toDouble(), calibrated);
    }
    record_.transferFrom(edited);
    CDialog::OnOK();
}
