#include "registers/ui/CEditAnalogRegisterDialog.h"

#include "registers/ganalogSupplement.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/ui/CAnalogAutomaticControlsDialog.h"
#include "registers/ui/CCalibrationDataDialog.h"
#include "registers/ui/CLogStringsTabDialog.h"
#include "shell/CMainFrame.h"
#include "shell/CSpinEdit.h"

namespace {

constexpr int badSize = 10331;
constexpr int badLowLimit = 10432;
constexpr int badHighLimit = 10433;
constexpr int noLimit = 10147;
constexpr int defaultSourceType = 3;

} // namespace

CEditAnalogRegisterDialog::CEditAnalogRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent)
    : CRegisterDialog(535, 10158, fillFrom, target, parent)
{
    addLabel(-1, "Si&ze:", 7, classTop + 2, 30, 8);
    auto* size = addControl(sizeId, new CNonNegativeSpinEdit, 40, classTop, 44, 12);
    size->spin().minimum = 1;
    addLabel(-1, "value(s)", 88, classTop + 2, 40, 8);
    addLabel(-1, "Low li&mit:", 7, classTop + 20, 40, 8);
    addControl(lowLimitId, new CRealSpinEdit, 50, classTop + 18, 74, 12);
    addLabel(-1, "&High limit:", 7, classTop + 36, 40, 8);
    addControl(highLimitId, new CRealSpinEdit, 50, classTop + 34, 74, 12);
    addButton(calibrationId, "Cali&bration...", 7, classTop + 52, 60, 14);
    addCheckBox(setLimitsId, "Allow user to change limi&ts", 140, classTop, 140, 10);
    addCheckBox(calibrateId, "Allow us&er calibration", 140, classTop + 12, 140, 10);
    addCheckBox(unitsId, "Confi&gure units", 140, classTop + 24, 140, 10);
    addCheckBox(decimalsId, "Configu&re precision", 140, classTop + 36, 140, 10);
    onCommand(calibrationId, [this] { runCalibration(); });
    finishLayout(classTop + 66);
}

void CEditAnalogRegisterDialog::showElementCount(int32_t count)
{
    dynamic_cast<CNonNegativeSpinEdit*>(control(sizeId))->setValue(count);
}

bool CEditAnalogRegisterDialog::hasRangeMarks() const
{
    const CSourcePane* pane = sourcePane();
    return pane && pane->hasGreaterLess() != 0;
}

bool CEditAnalogRegisterDialog::registerCountsElements() const
{
    const CSourcePane* pane = sourcePane();
    return !pane || pane->needsOwnElementCount();
}

void CEditAnalogRegisterDialog::enableUserOptions(bool userDefinable)
{
    CRegisterDialog::enableUserOptions(userDefinable);
    enableControl(unitsId, userDefinable);
    enableControl(decimalsId, userDefinable);
}

void CEditAnalogRegisterDialog::fillClassFields(bool userDefinable)
{
    auto* size = dynamic_cast<CNonNegativeSpinEdit*>(control(sizeId));
    ganalogSupplement* supplement = fillFrom() ? fillFrom()->getAnalogSupplement() : nullptr;
    if (!supplement) {
        size->setValue(1);
        logInfo_.setMode(ganalogLogInfo::none);
        showSourcePane(defaultSourceType);
        sourcePaneReplaced();
        return;
    }
    size->setValue(supplement->elementCount());
    if (supplement->getMinimum() != ganalogSupplement::noMinimum)
        dynamic_cast<CRealSpinEdit*>(control(lowLimitId))->setValue(supplement->getMinimum());
    if (supplement->getMaximum() != ganalogSupplement::noMaximum)
        dynamic_cast<CRealSpinEdit*>(control(highLimitId))->setValue(supplement->getMaximum());
    minimumChange_ = supplement->getMinimumChange();
    logInfo_ = supplement->logInfo();
    calibration_ = supplement->calibration();
    setChecked(setLimitsId, supplement->getSetLimits() > 0);
    setChecked(calibrateId, supplement->getCalibrate() > 0);
    setChecked(unitsId, userDefinable && supplement->getSetUnits() > 0);
    setChecked(decimalsId, userDefinable && supplement->getSetDecimals() > 0);
    showFillFromSource(supplement->getSource(), defaultSourceType);
    sourcePaneReplaced();
}

void CEditAnalogRegisterDialog::sourcePaneReplaced()
{
    dynamic_cast<CNonNegativeSpinEdit*>(control(sizeId))->setReadOnly(!registerCountsElements());
}

bool CEditAnalogRegisterDialog::readLimit(int id, double none, double& limit) const
{
    limit = none;
    if (controlText(id).isEmpty())
        return true;
    return dynamic_cast<CRealSpinEdit*>(control(id))->getValue(limit);
}

bool CEditAnalogRegisterDialog::validateClassFields(int level)
{
    elements_ = 1;
    if (registerCountsElements()) {
        if (!dynamic_cast<CNonNegativeSpinEdit*>(control(sizeId))->getValue(elements_) || elements_ < 1)
            return refuseField(sizeId, badSize);
    }
    if (!readLimit(lowLimitId, ganalogSupplement::noMinimum, minimum_))
        return refuseField(lowLimitId, badLowLimit);
    if (!readLimit(highLimitId, ganalogSupplement::noMaximum, maximum_))
        return refuseField(highLimitId, badHighLimit);
    if (level != gregister::levelNone && minimum_ == ganalogSupplement::noMinimum
        && maximum_ == ganalogSupplement::noMaximum)
        return refuseFocusOnly(lowLimitId, noLimit);
    return validateSourcePane();
}

void CEditAnalogRegisterDialog::applyClassFields(bool userDefinable)
{
    ganalogSupplement* supplement = targetRegister()->getAnalogSupplement();
    if (!supplement)
        return;
    supplement->setElements(elements_);
    supplement->setMinimum(minimum_);
    supplement->setMaximum(maximum_);
    supplement->setMinimumChange(minimumChange_);
    supplement->logInfo().transferFrom(logInfo_);
    supplement->calibration().transferFrom(calibration_);
    supplement->setSetLimits(isChecked(setLimitsId) ? 1 : 0);
    supplement->setCalibrate(isChecked(calibrateId) ? 1 : 0);
    supplement->setSetUnits(userDefinable && isChecked(unitsId) ? 1 : 0);
    supplement->setSetDecimals(userDefinable && isChecked(decimalsId) ? 1 : 0);
    if (CSourcePane* pane = sourcePaneToApply())
        pane->applyToAnalog(*supplement);
}

// The calibration points the run-time measured are kept by the station's
// file name and the tag as typed.
void CEditAnalogRegisterDialog::runCalibration()
{
    CMainFrame* frame = CMainFrame::instance();
    gstr path = frame ? frame->path() : gstr("");
    CCalibrationDataDialog dialog(calibration_, typedTag(), path, this);
    dialog.DoModal();
}

void CEditAnalogRegisterDialog::OnLogStrings()
{
    CAnalogLogStringsDialog dialog(*this, this);
    dialog.DoModal();
}

void CEditAnalogRegisterDialog::OnControls()
{
    CAnalogAutomaticControlsDialog dialog(*this, this);
    dialog.DoModal();
}
