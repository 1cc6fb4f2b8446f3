#include "registers/ui/CCalibrationDataDialog.h"

#include "foundation/messageBoxes.h"
#include "foundation/realFormat.h"
#include "foundation/valueParsers.h"
#include "registers/gcalibration.h"
#include "registers/registerFieldLines.h"
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

// A value as its line shows it, so that the record keeps the ten digits on
// screen; the value the line keeps when the shown digits would not read
// back (at the edge of the double range).
double readBack(const std::string& text, double kept)
{
    double value = 0;
    return parseWritableReal(text.c_str(), value) == itemResult::end ? value : kept;
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
    fillList(record_);
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

void CCalibrationDataDialog::fillList(const gcalibration& points)
{
    list_->clear();
    for (const gcalibrationPoint* point = points.points().first(); point; point = point->next)
        list_->addItem(makeLine(point->key, point->calibrated));
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
    fillList(scratch);
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
        const QListWidgetItem* line = list_->item(row);
        std::string text = line->text().toStdString();
        size_t tab = text.find('\t');
        double raw = readBack(text.substr(0, tab), line->data(rawRole).toDouble());
        double calibrated = readBack(text.substr(tab + 1), line->data(calibratedRole).toDouble());
        if (fitsLogY() && !(calibrated > 0))
            return (void)warningBox(positiveForLogY);
        // Raw values that differ only beyond the ten digits shown become
        // one point: the first line's.
        edited.addPoint(raw, calibrated);
    }
    record_.transferFrom(edited);
    CDialog::OnOK();
}
