#include "registers/ui/CEditBistateRegisterDialog.h"

#include "registers/bistateFields.h"
#include "registers/gbistateSupplement.h"
#include "registers/sources/ui/CSourcePane.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"

namespace {

constexpr int defaultSourceType = 1;

} // namespace

CEditBistateRegisterDialog::CEditBistateRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent)
    : CRegisterDialog(536, 10159, fillFrom, target, parent)
{
    addCheckBox(setDelayId, "A&llow user to change response time", 7, classTop, 150, 10);
    addCheckBox(polarityId, "Configure &polarity", 160, classTop, 120, 10);
    addLabel(-1, "&Response time:", 7, classTop + 17, 60, 8);
    auto* time = addControl(responseTimeId, new CRealSpinEdit, 70, classTop + 15, 60, 12);
    fieldEdits::limitSpin(*time, bistateFields::responseTime);
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
    fieldEdits::showSeconds(*time, supplement->getResponseTime());
    setChecked(setDelayId, supplement->getSetDelay() > 0);
    setChecked(polarityId, userDefinable && supplement->getSetPolarity() > 0);
    showFillFromSource(supplement->getSource(), defaultSourceType);
}

// Whole milliseconds, rounded up from the digits shown.
bool CEditBistateRegisterDialog::validateClassFields(int)
{
    const gsecondsField& field = bistateFields::responseTime;
    gbistateSupplement* shown = fillFrom() ? fillFrom()->getBistateSupplement() : nullptr;
    uint32_t count = 0;
    if (!fieldEdits::readSeconds(*dynamic_cast<CRealSpinEdit*>(control(responseTimeId)), field,
                                 shown ? shown->getResponseTime() : gmilliseconds::notSet, -1, count))
        return refuseField(responseTimeId, field.refusal);
    responseTime_ = gmilliseconds(count);
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
