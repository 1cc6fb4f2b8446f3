#include "registers/ui/CEditBistateRegisterDialog.h"

#include "registers/gbistateSupplement.h"
#include "registers/sources/ui/CSourcePane.h"
#include "shell/CSpinEdit.h"

namespace {

constexpr int badResponseTime = 10074;
constexpr double longestResponseTime = 2147483;
constexpr int defaultSourceType = 1;

} // namespace

CEditBistateRegisterDialog::CEditBistateRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent)
    : CRegisterDialog(536, 10159, fillFrom, target, parent)
{
    addCheckBox(setDelayId, "A&llow user to change response time", 7, classTop, 150, 10);
    addCheckBox(polarityId, "Configure &polarity", 160, classTop, 120, 10);
    addLabel(-1, "&Response time:", 7, classTop + 17, 60, 8);
    auto* time = addControl(responseTimeId, new CRealSpinEdit, 70, classTop + 15, 60, 12);
    time->spin().minimum = 0;
    addLabel(-1, "s", 134, classTop + 17, 10, 8);
    finishLayout(classTop + 28);
}

void CEditBistateRegisterDialog::enableUserOptions(bool userDefinable)
{
    CRegisterDialog::enableUserOptions(userDefinable);
    enableControl(polarityId, userDefinable);
}

void CEditBistateRegisterDialog::fillClassFields(bool userDefinable)
{
    auto* time = dynamic_cast<CRealSpinEdit*>(control(responseTimeId));
    gbistateSupplement* supplement = fillFrom() ? fillFrom()->getBistateSupplement() : nullptr;
    if (!supplement) {
        time->setValue(0);
        showSourcePane(defaultSourceType);
        return;
    }
    gmilliseconds delay = supplement->getResponseTime();
    time->setValue(delay.isSet() ? delay.get() * 0.001 : 0);
    setChecked(setDelayId, supplement->getSetDelay() > 0);
    setChecked(polarityId, userDefinable && supplement->getSetPolarity() > 0);
    showFillFromSource(supplement->getSource(), defaultSourceType);
}

// Whole milliseconds, rounded up from the digits shown.
bool CEditBistateRegisterDialog::validateClassFields(int)
{
    double seconds = -1;
    if (!dynamic_cast<CRealSpinEdit*>(control(responseTimeId))->getValue(seconds))
        seconds = -1;
    gmilliseconds time;
    if (!(seconds >= 0 && seconds <= longestResponseTime) || !time.setSeconds(seconds))
        return refuseField(responseTimeId, badResponseTime);
    responseTime_ = time;
    return validateSourcePane();
}

void CEditBistateRegisterDialog::applyClassFields(bool userDefinable)
{
    gbistateSupplement* supplement = targetRegister()->getBistateSupplement();
    if (!supplement)
        return;
    supplement->setResponseTime(responseTime_);
    supplement->setSetDelay(isChecked(setDelayId) ? 1 : 0);
    supplement->setSetPolarity(userDefinable && isChecked(polarityId) ? 1 : 0);
    if (CSourcePane* pane = sourcePaneToApply())
        pane->applyToBistate(*supplement);
}
