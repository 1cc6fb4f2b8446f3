#include "registers/ui/CStringLogValuesPane.h"

#include "platform/modalRun.h"
#include "registers/gstringLogInfo.h"
#include "registers/ui/CEditStringRegisterDialog.h"
#include "registers/ui/indicatorSampleValues.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace {

constexpr int noPattern = 10708;
constexpr int badPattern = 10709;
constexpr int modeBase = 2038;

constexpr const char* modeTexts[] = {
    "Don't log any values",       "Log all values",
    "Log only on state values",   "Log only off state values",
    "Log only values that match the pattern", "Log only values that don't match the pattern",
};

bool patternMode(int mode) { return mode >= gstringLogInfo::include; }

} // namespace

CStringLogValuesPane::CStringLogValuesPane(CEditStringRegisterDialog& registerDialog)
    : CValueLogPane(849, registerDialog), stringDialog_(registerDialog)
{
}

bool CStringLogValuesPane::hasSettings() const { return !isChecked(firstModeId); }

void CStringLogValuesPane::buildControls()
{
    auto* group = new QButtonGroup(this);
    for (int id = firstModeId; id <= lastModeId; ++id) {
        group->addButton(addRadioButton(id, modeTexts[id - firstModeId], 0, (id - firstModeId) * 13, 220, 10));
        onCommand(id, [this] { modeClicked(); });
    }
    patternLabel_ = addLabel(-1, "P&attern:", 12, 82, 40, 8);
    addEdit(patternId, 56, 80, 200, 12);
    prefixLabel_ = addLabel(-1, "&Prefix:", 0, 102, 50, 8);
    addEdit(prefixId, 56, 100, 200, 12);
    suffixLabel_ = addLabel(-1, "&Suffix:", 0, 118, 50, 8);
    addEdit(suffixId, 56, 116, 200, 12);
    sampleLabel_ = addLabel(-1, "Sample:", 0, 136, 50, 8);
    addLabel(sampleId, "", 56, 136, 244, 8);
    enableControl(patternId, false);
    patternLabel_->setEnabled(false);
    for (int id : {prefixId, suffixId})
        QObject::connect(controlAs<QLineEdit>(id), &QLineEdit::textChanged, this, [this] { updateSample(); });
}

void CStringLogValuesPane::createPane(QWidget* parent)
{
    becomeChildOf(parent);
    buildControls();
    ensureInitialized();
    load();
}

void CStringLogValuesPane::load()
{
    const gstringLogInfo& info = stringDialog_.logInfo();
    int32_t mode = std::clamp<int32_t>(info.getMode(), gstringLogInfo::none, gstringLogInfo::exclude);
    checkRadioButton(firstModeId, lastModeId, modeBase + mode);
    if (mode == gstringLogInfo::none) {
        enableText(false);
        return;
    }
    if (patternMode(mode)) {
        enableControl(patternId, true);
        patternLabel_->setEnabled(true);
        gstr text;
        info.pattern().toString(text, true);
        setControlText(patternId, text);
    }
    setControlText(prefixId, info.getPrefix());
    setControlText(suffixId, info.getSuffix());
    updateSample();
}

void CStringLogValuesPane::enableText(bool enable)
{
    for (int id : {prefixId, suffixId})
        enableControl(id, enable);
    for (QLabel* label : {prefixLabel_, suffixLabel_, sampleLabel_})
        label->setEnabled(enable);
    if (enable)
        updateSample();
    else
        setControlText(sampleId, "");
}

void CStringLogValuesPane::modeClicked()
{
    int mode = checkedRadioButton(firstModeId, lastModeId) - modeBase;
    enableControl(patternId, patternMode(mode));
    patternLabel_->setEnabled(patternMode(mode));
    enableText(mode != gstringLogInfo::none);
}

void CStringLogValuesPane::updateSample()
{
    if (isChecked(firstModeId))
        return;
    const gstr& name = registerDialog_.sampleName();
    gstr sample("");
    sample.substitute(controlText(prefixId), name);
    sample.append(indicatorStringValue());
    gstr suffix("");
    suffix.substitute(controlText(suffixId), name);
    sample.append(suffix);
    setControlText(sampleId, sample);
}

bool CStringLogValuesPane::storeSettings()
{
    int mode = checkedRadioButton(firstModeId, lastModeId) - modeBase;
    gregexp pattern(false);
    if (patternMode(mode)) {
        gstr text = controlText(patternId);
        if (text.isEmpty()) {
            messageBox(noPattern, gbuttons::ok);
            control(patternId)->setFocus();
            return false;
        }
        if (pattern.parse(text.data(), true, false) != 1)
            return refuseField(patternId, badPattern);
    }
    gstringLogInfo& info = stringDialog_.logInfo();
    info.setMode(mode);
    info.pattern().transferFrom(pattern);
    bool none = mode == gstringLogInfo::none;
    info.setPrefix(none ? gstr("") : controlText(prefixId));
    info.setSuffix(none ? gstr("") : controlText(suffixId));
    return true;
}
