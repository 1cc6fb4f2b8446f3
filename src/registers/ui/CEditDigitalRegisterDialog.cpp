#include "registers/ui/CEditDigitalRegisterDialog.h"

#include "foundation/garrayVariable.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/ui/CDigitalAutomaticControlsDialog.h"
#include "registers/ui/CLogStringsTabDialog.h"
#include "shell/CNumberListEdit.h"
#include "shell/valueNamesDialog.h"

namespace {

constexpr int badAlarmValues = 10071;
constexpr int noAlarmValue = 10146;
constexpr int defaultSourceType = 2;

} // namespace

CEditDigitalRegisterDialog::CEditDigitalRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent)
    : CRegisterDialog(539, 10161, fillFrom, target, parent)
{
    addLabel(-1, "Alarm values:", 7, classTop + 2, 50, 8);
    addControl(alarmValuesId, new CNumberListEdit, 60, classTop, 170, 12);
    addButton(valueNamesId, "&Value Names...", 236, classTop - 1, 57, 14);
    onCommand(valueNamesId, [this] { editValueNames(valueNames_, this); });
    finishLayout(classTop + 14);
}

bool CEditDigitalRegisterDialog::valueName(uint32_t value, gstr& name) const
{
    if (valueNames_.empty()) {
        const CSourcePane* pane = sourcePane();
        return pane && pane->getValueName(name, value);
    }
    auto it = valueNames_.find(value);
    if (it == valueNames_.end())
        return false;
    name.append(it->second);
    return true;
}

void CEditDigitalRegisterDialog::fillClassFields(bool)
{
    gdigitalSupplement* supplement = fillFrom() ? fillFrom()->getDigitalSupplement() : nullptr;
    if (!supplement) {
        logInfo_.setMode(gvalueLogInfo::none);
        showSourcePane(defaultSourceType);
        return;
    }
    garrayVariable<uint32_t> values;
    for (uint32_t value : supplement->alarmValues())
        values.append(value);
    dynamic_cast<CNumberListEdit*>(control(alarmValuesId))->setValues(values);
    logInfo_ = supplement->logInfo();
    valueControls_ = supplement->valueControls();
    valueNames_ = supplement->valueNames();
    showFillFromSource(supplement->getSource(), defaultSourceType);
}

bool CEditDigitalRegisterDialog::validateClassFields(int level)
{
    garrayVariable<uint32_t> values;
    if (!dynamic_cast<CNumberListEdit*>(control(alarmValuesId))->getValues(values))
        return refuseField(alarmValuesId, badAlarmValues);
    if (values.size() == 0 && level != gregister::levelNone)
        return refuseFocusOnly(alarmValuesId, noAlarmValue);
    alarmValues_.clear();
    for (int32_t i = 0; i < values.size(); ++i)
        alarmValues_.push_back(values[i]);
    return validateSourcePane();
}

void CEditDigitalRegisterDialog::applyClassFields(bool)
{
    gdigitalSupplement* supplement = targetRegister()->getDigitalSupplement();
    if (!supplement)
        return;
    supplement->alarmValues() = alarmValues_;
    supplement->logInfo().transferFrom(logInfo_);
    supplement->setValueControls(valueControls_);
    supplement->valueNames() = std::move(valueNames_);
    valueNames_.clear();
    if (CSourcePane* pane = sourcePaneToApply())
        pane->applyToDigital(*supplement);
}

void CEditDigitalRegisterDialog::OnLogStrings()
{
    CDigitalLogStringsDialog dialog(*this, this);
    dialog.DoModal();
}

void CEditDigitalRegisterDialog::OnControls()
{
    CDigitalAutomaticControlsDialog dialog(*this, this);
    dialog.DoModal();
}
