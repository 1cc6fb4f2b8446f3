#include "registers/sources/ui/CParameterSourcePanes.h"

#include "legacy/ui/escapedModeButtons.h"
#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceParameter.h"
#include "registers/sources/ui/sourcePaneFields.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CSpinEdit.h"

namespace {

constexpr int badDigitalDefault = 10723;
constexpr int badAnalogDefault = 10724;

// Dialog units.
constexpr int paneWidth = 286;
constexpr int editorX = 72;
constexpr int rowHeight = 16;

} // namespace

bool CParameterSourcePane::create(CRegisterDialog& dialog)
{
    addCheckBox(defaultCheckId, "&Default value:", 0, 2, 70, 10);
    int editorHeight = addEditor();
    addCheckBox(persistentId, "&Remember the value across launches of K.O.R.V.E.L.", 0, editorHeight + 2, 250, 10);
    onCommand(defaultCheckId, [this] { enableEditor(isChecked(defaultCheckId)); });
    becomeChildOf(dialog, paneWidth, editorHeight + rowHeight);
    setChecked(persistentId, persistent_);
    setChecked(defaultCheckId, hasDefault_);
    showDefault();
    enableEditor(hasDefault_);
    return true;
}

bool CParameterSourcePane::isReplaceableWithoutAsking() const
{
    return !isChecked(defaultCheckId) && !isChecked(persistentId);
}

bool CParameterSourcePane::validate()
{
    hasDefault_ = isChecked(defaultCheckId);
    if (hasDefault_ && !readDefault())
        return false;
    persistent_ = isChecked(persistentId);
    return true;
}

// --- bistate ---

std::unique_ptr<CSourcePane> CBistateParameterSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CBistateParameterSourcePane>();
    if (auto* parameter = dynamic_cast<const gsourceParameterBistate*>(source)) {
        pane->persistent_ = parameter->getPersistent() > 0;
        pane->hasDefault_ = parameter->getDefault() >= 0;
        pane->on_ = parameter->getDefault() != 0;
    }
    return pane;
}

int CBistateParameterSourcePane::addEditor()
{
    addRadioButton(onId, "&On", editorX, 2, 30, 10);
    addRadioButton(offId, "&Off", editorX + 34, 2, 30, 10);
    return rowHeight;
}

void CBistateParameterSourcePane::showDefault() { checkRadioButton(onId, offId, on_ ? onId : offId); }

void CBistateParameterSourcePane::enableEditor(bool enable)
{
    enableControl(onId, enable);
    enableControl(offId, enable);
}

bool CBistateParameterSourcePane::readDefault()
{
    on_ = isChecked(onId);
    return true;
}

void CBistateParameterSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    auto& source = sourceAs<gsourceParameterBistate>(supplement.newParameterSource());
    source.setPersistent(persistent_ ? 1 : 0);
    if (hasDefault_)
        source.setDefault(on_ ? 1 : 0);
}

// --- digital ---

std::unique_ptr<CSourcePane> CDigitalParameterSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CDigitalParameterSourcePane>();
    if (auto* parameter = dynamic_cast<const gsourceParameterDigital*>(source)) {
        pane->persistent_ = parameter->getPersistent() > 0;
        pane->hasDefault_ = parameter->hasDefault();
        pane->value_ = parameter->getDefault();
    }
    return pane;
}

int CDigitalParameterSourcePane::addEditor()
{
    addControl(editorId, new CUnsignedSpinEdit, editorX, 0, 80, 12);
    return rowHeight;
}

void CDigitalParameterSourcePane::showDefault() { controlOf<CUnsignedSpinEdit>(editorId)->setValue(value_); }

void CDigitalParameterSourcePane::enableEditor(bool enable) { enableControl(editorId, enable); }

bool CDigitalParameterSourcePane::readDefault()
{
    if (!readUnsignedField(*this, editorId, value_))
        return refuseField(editorId, badDigitalDefault);
    return true;
}

void CDigitalParameterSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    auto& source = sourceAs<gsourceParameterDigital>(supplement.newParameterSource());
    source.setPersistent(persistent_ ? 1 : 0);
    if (hasDefault_)
        source.setDefault(value_);
}

// --- analog ---

std::unique_ptr<CSourcePane> CAnalogParameterSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CAnalogParameterSourcePane>();
    if (auto* parameter = dynamic_cast<const gsourceParameterAnalog*>(source)) {
        pane->persistent_ = parameter->getPersistent() > 0;
        pane->hasDefault_ = parameter->getDefault() != gsourceParameterAnalog::noDefault;
        if (pane->hasDefault_)
            pane->value_ = parameter->getDefault();
    }
    return pane;
}

int CAnalogParameterSourcePane::addEditor()
{
    addControl(editorId, new CRealSpinEdit, editorX, 0, 80, 12);
    return rowHeight;
}

void CAnalogParameterSourcePane::showDefault() { controlOf<CRealSpinEdit>(editorId)->setValue(value_); }

void CAnalogParameterSourcePane::enableEditor(bool enable) { enableControl(editorId, enable); }

bool CAnalogParameterSourcePane::readDefault()
{
    double value = 0;
    if (!controlOf<CRealSpinEdit>(editorId)->getValue(value))
        return refuseField(editorId, badAnalogDefault);
    value_ = value;
    return true;
}

void CAnalogParameterSourcePane::applyToAnalog(ganalogSupplement& supplement)
{
    auto& source = sourceAs<gsourceParameterAnalog>(supplement.newParameterSource());
    source.setPersistent(persistent_ ? 1 : 0);
    if (hasDefault_)
        source.setDefault(value_);
}

// --- string ---

std::unique_ptr<CSourcePane> CStringParameterSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CStringParameterSourcePane>();
    if (auto* parameter = dynamic_cast<const gsourceParameterString*>(source)) {
        pane->persistent_ = parameter->getPersistent() > 0;
        pane->hasDefault_ = !parameter->getDefault().isEmpty();
        pane->text_ = parameter->getDefault();
    }
    return pane;
}

int CStringParameterSourcePane::addEditor()
{
    auto* edit = addControl(editorId, new CEscapedStringEdit, editorX, 0, 200, 12);
    addRadioButton(showTextId, "Show as te&xt", editorX, rowHeight, 60, 10);
    addRadioButton(showHexId, "Show as &hex", editorX + 64, rowHeight, 60, 10);
    onCommand(showTextId, [this, edit] { escapedModeButtons::switchEdits(*this, {edit}, 0); });
    onCommand(showHexId, [this, edit] { escapedModeButtons::switchEdits(*this, {edit}, 1); });
    return 2 * rowHeight;
}

void CStringParameterSourcePane::showDefault()
{
    controlOf<CEscapedStringEdit>(editorId)->setValue(text_);
    escapedModeButtons::show(*this, 0);
}

void CStringParameterSourcePane::enableEditor(bool enable)
{
    for (int id : {editorId, showTextId, showHexId})
        enableControl(id, enable);
}

bool CStringParameterSourcePane::readDefault()
{
    if (!controlOf<CEscapedStringEdit>(editorId)->getValue(text_, false)) {
        focusControl(editorId);
        return false;
    }
    return true;
}

void CStringParameterSourcePane::applyToString(gstringSupplement& supplement)
{
    auto& source = sourceAs<gsourceParameterString>(supplement.newParameterSource());
    source.setPersistent(persistent_ ? 1 : 0);
    if (hasDefault_)
        source.setDefault(text_);
}
