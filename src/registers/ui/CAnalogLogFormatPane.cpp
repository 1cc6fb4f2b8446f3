#include "registers/ui/CAnalogLogFormatPane.h"

#include "foundation/gnumFormat.h"
#include "platform/modalRun.h"
#include "registers/ganalogLogInfo.h"
#include "registers/ui/CEditAnalogRegisterDialog.h"
#include "registers/ui/indicatorSampleValues.h"
#include "shell/CSpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int defaultMarker = 10710;
constexpr int noLimit = 10711;
constexpr int badFrom = 10712;
constexpr int badTo = 10713;
constexpr int badThreshold = 10714;
constexpr int badDecimals = 10715;
constexpr int badExponentDigits = 10716;
constexpr int noMarker = 10717;
constexpr int badFactor = 10393;
constexpr int badOffset = 10303;

constexpr const char* modeTexts[] = {
    "Don't log any values",
    "Log all values",
    "Log only on state values",
    "Log only off state values",
    "Log values within or on the following limits:",
    "Log values outside or on the following limits:",
    "Log values strictly within the following limits:",
    "Log values strictly outside the following limits:",
};

} // namespace

CAnalogLogFormatPane::CAnalogLogFormatPane(CEditAnalogRegisterDialog& registerDialog)
    : CValueLogPane(848, registerDialog), analogDialog_(registerDialog)
{
}

bool CAnalogLogFormatPane::hasSettings() const { return selectedItem(modeId) > 0; }

void CAnalogLogFormatPane::buildControls()
{
    QComboBox* mode = addComboBox(modeId, false, 0, 0, 300, 12);
    for (const char* text : modeTexts)
        mode->addItem(text);
    fromLabel_ = addLabel(-1, "&From", 0, 18, 28, 8);
    addControl(fromId, new CRealSpinEdit, 30, 16, 80, 12);
    toLabel_ = addLabel(-1, "t&o", 116, 18, 12, 8);
    addControl(toId, new CRealSpinEdit, 130, 16, 80, 12);
    enableLimits(false);

    addCheckBox(thresholdBoxId, "Don't log changes smaller than", 0, 36, 130, 10);
    addControl(thresholdId, new CRealSpinEdit, 132, 35, 70, 12);
    addCheckBox(decibelId, "dB", 206, 36, 30, 10);
    enableThreshold(false);

    formatLabels_.push_back(addLabel(-1, "&Prefix:", 0, 56, 66, 8));
    addEdit(prefixId, 70, 54, 150, 12);
    formatLabels_.push_back(addLabel(-1, "&Units spacer:", 0, 72, 66, 8));
    addEdit(spacerId, 70, 70, 150, 12);
    addLabel(spacerNoteId, "(separates the value from user configured units)", 70, 84, 230, 8);
    formatLabels_.push_back(addLabel(-1, "&Suffix:", 0, 98, 66, 8));
    addEdit(suffixId, 70, 96, 150, 12);
    formatLabels_.push_back(addLabel(-1, "&Number of decimals:", 0, 116, 86, 8));
    addControl(decimalsId, new CNonNegativeSpinEdit, 90, 114, 50, 12);
    addCheckBox(plusSignId, "Show pl&us sign", 150, 116, 100, 10);

    addCheckBox(exponentBoxId, "&Use exponential notation:", 0, 134, 120, 10);
    exponentLabels_.push_back(addLabel(-1, "Exponent &marker:", 12, 150, 74, 8));
    addEdit(markerId, 90, 148, 50, 12);
    exponentLabels_.push_back(addLabel(-1, "&Number of digits:", 12, 166, 74, 8));
    addControl(exponentDigitsId, new CNonNegativeSpinEdit, 90, 164, 50, 12);
    addCheckBox(exponentPlusId, "&Show plus sign", 150, 166, 100, 10);

    formatLabels_.push_back(addLabel(-1, "&Factor:", 0, 186, 46, 8));
    addControl(factorId, new CRealSpinEdit, 50, 184, 80, 12);
    formatLabels_.push_back(addLabel(-1, "&Offset:", 140, 186, 36, 8));
    addControl(offsetId, new CRealSpinEdit, 180, 184, 80, 12);
    formatLabels_.push_back(addLabel(-1, "Sample:", 0, 206, 40, 8));
    addLabel(sampleId, "", 44, 206, 256, 8);

    QObject::connect(mode, &QComboBox::currentIndexChanged, this, [this] { modeChanged(); });
    onCommand(exponentBoxId, [this] {
        enableExponent(isChecked(exponentBoxId));
        updateSample();
    });
    onCommand(thresholdBoxId, [this] { enableThreshold(isChecked(thresholdBoxId)); });
    for (int id : {plusSignId, exponentPlusId})
        onCommand(id, [this] { updateSample(); });
    for (int id : {prefixId, suffixId, markerId, factorId, offsetId, decimalsId, exponentDigitsId})
        QObject::connect(controlAs<QLineEdit>(id), &QLineEdit::textChanged, this, [this] { updateSample(); });
    for (int id : {decimalsId, exponentDigitsId, fromId, toId})
        onNotify(id, spinStepCode, [this](const notifyHeader&) { updateSample(); });
}

void CAnalogLogFormatPane::createPane(QWidget* parent)
{
    becomeChildOf(parent);
    buildControls();
    ensureInitialized();
    load();
}

void CAnalogLogFormatPane::showFormatDefaults()
{
    dynamic_cast<CNonNegativeSpinEdit*>(control(decimalsId))->setValue(0);
    dynamic_cast<CRealSpinEdit*>(control(factorId))->setValue(1);
    dynamic_cast<CRealSpinEdit*>(control(offsetId))->setValue(0);
    setChecked(exponentPlusId, true);
    dynamic_cast<CNonNegativeSpinEdit*>(control(exponentDigitsId))->setValue(2);
    setControlText(markerId, gstr().loadString(defaultMarker));
}

void CAnalogLogFormatPane::load()
{
    const ganalogLogInfo& info = analogDialog_.logInfo();
    int32_t mode = std::clamp<int32_t>(info.getMode(), ganalogLogInfo::none, ganalogLogInfo::strictlyOutside);
    {
        QSignalBlocker quiet(controlAs<QComboBox>(modeId));
        selectItem(modeId, mode - 1);
    }
    if (mode == ganalogLogInfo::none) {
        showFormatDefaults();
        enableFormat(false);
        loaded_ = true;
        return;
    }
    if (mode >= ganalogLogInfo::inside) {
        enableLimits(true);
        if (info.getMinimum() > ganalogLogInfo::noMinimum)
            dynamic_cast<CRealSpinEdit*>(control(fromId))->setValue(info.getMinimum());
        if (info.getMaximum() < ganalogLogInfo::noMaximum)
            dynamic_cast<CRealSpinEdit*>(control(toId))->setValue(info.getMaximum());
    }
    double threshold = info.getMinimumChange();
    if (threshold != 0) {
        setChecked(thresholdBoxId, true);
        enableThreshold(true);
        dynamic_cast<CRealSpinEdit*>(control(thresholdId))->setValue(std::fabs(threshold));
        setChecked(decibelId, threshold < 0);
    }
    setControlText(prefixId, info.getPrefix());
    setControlText(spacerId, info.getSuffix());
    setControlText(suffixId, info.getSuffix2());
    dynamic_cast<CNonNegativeSpinEdit*>(control(decimalsId))->setValue(std::max(info.getPrecision(), 0));
    setChecked(plusSignId, info.getPlusSign() > 0);
    if (const gexponentFormat* exponent = info.getExponent()) {
        setChecked(exponentBoxId, true);
        setControlText(markerId, exponent->getMarker());
        dynamic_cast<CNonNegativeSpinEdit*>(control(exponentDigitsId))->setValue(exponent->getDigits());
        setChecked(exponentPlusId, exponent->getPlusSign() > 0);
    } else {
        setChecked(exponentPlusId, true);
        dynamic_cast<CNonNegativeSpinEdit*>(control(exponentDigitsId))->setValue(2);
        setControlText(markerId, gstr().loadString(defaultMarker));
        enableExponent(false);
    }
    double factor = info.getFactor();
    double offset = info.getOffset();
    dynamic_cast<CRealSpinEdit*>(control(factorId))->setValue(factor == ganalogLogInfo::notGiven ? 1 : factor);
    dynamic_cast<CRealSpinEdit*>(control(offsetId))->setValue(offset == ganalogLogInfo::notGiven ? 0 : offset);
    loaded_ = true;
    updateSample();
}

void CAnalogLogFormatPane::enableLimits(bool enable)
{
    for (int id : {fromId, toId})
        enableControl(id, enable);
    fromLabel_->setEnabled(enable);
    toLabel_->setEnabled(enable);
}

void CAnalogLogFormatPane::enableThreshold(bool enable)
{
    enableControl(thresholdId, enable);
    enableControl(decibelId, enable);
}

void CAnalogLogFormatPane::enableExponent(bool enable)
{
    for (int id : {exponentDigitsId, markerId, exponentPlusId})
        enableControl(id, enable);
    for (QLabel* label : exponentLabels_)
        label->setEnabled(enable);
}

void CAnalogLogFormatPane::modeChanged()
{
    int index = selectedItem(modeId);
    enableLimits(index >= 4);
    enableFormat(index != 0);
}

void CAnalogLogFormatPane::enableFormat(bool on)
{
    for (int id : {exponentBoxId, factorId, offsetId, plusSignId, decimalsId, prefixId, spacerId, suffixId,
                   spacerNoteId, thresholdBoxId})
        enableControl(id, on);
    for (QLabel* label : formatLabels_)
        label->setEnabled(on);
    enableThreshold(on && isChecked(thresholdBoxId));
    enableExponent(on && isChecked(exponentBoxId));
    if (on)
        updateSample();
    else
        setControlText(sampleId, "");
}

double CAnalogLogFormatPane::readReal(int id, double otherwise) const
{
    double value = 0;
    return dynamic_cast<CRealSpinEdit*>(control(id))->getValue(value) ? value : otherwise;
}

// The field's number; false when its text holds none.
bool CAnalogLogFormatPane::readNumber(int id, double& value) const
{
    return dynamic_cast<CRealSpinEdit*>(control(id))->getValue(value);
}

int32_t CAnalogLogFormatPane::readCount(int id) const
{
    int32_t value = 0;
    return dynamic_cast<CNonNegativeSpinEdit*>(control(id))->getValue(value) ? value : 0;
}

void CAnalogLogFormatPane::updateSample()
{
    if (!loaded_)
        return;
    const gstr& name = registerDialog_.sampleName();
    gstr sample("");
    sample.substitute(controlText(prefixId), name);
    double factor = readReal(factorId, 1);
    double offset = readReal(offsetId, 0);
    if (analogDialog_.hasRangeMarks() && factor != 0)
        sample.append(factor > 0 ? '>' : '<');
    int decimals = readCount(decimalsId);
    double value = indicatorAnalogValue() * factor + offset;
    gnumFormat decimal(10);
    int plus = isChecked(plusSignId) ? 1 : 0;
    if (!isChecked(exponentBoxId)) {
        decimal.appendToString(sample, value, decimals, plus, 1);
    } else {
        double exponent = value != 0 ? std::floor(std::log10(std::fabs(value))) : 0;
        double mantissa = value * std::pow(0.1, exponent);
        decimal.appendToString(sample, mantissa, decimals, plus, 1);
        sample.append(controlText(markerId));
        decimal.appendToString(sample, exponent, 0, isChecked(exponentPlusId) ? -1 : 0, readCount(exponentDigitsId));
    }
    gstr suffix("");
    suffix.substitute(controlText(suffixId), name);
    sample.append(suffix);
    setControlText(sampleId, sample);
}

bool CAnalogLogFormatPane::storeSettings()
{
    ganalogLogInfo& info = analogDialog_.logInfo();
    int32_t mode = selectedItem(modeId) + 1;
    if (mode == ganalogLogInfo::none) {
        info.setMode(mode);
        for (auto set : {&ganalogLogInfo::setPrefix, &ganalogLogInfo::setSuffix, &ganalogLogInfo::setSuffix2})
            (info.*set)(gstrSlice::empty);
        info.setExponent(nullptr);
        return true;
    }
    double minimum = ganalogLogInfo::noMinimum;
    double maximum = ganalogLogInfo::noMaximum;
    if (mode >= ganalogLogInfo::inside) {
        bool noFrom = controlText(fromId).isEmpty();
        bool noTo = controlText(toId).isEmpty();
        if (!noFrom && !readNumber(fromId, minimum))
            return refuseField(fromId, badFrom);
        if (!noTo && !readNumber(toId, maximum))
            return refuseField(toId, badTo);
        if (noFrom && noTo) {
            messageBox(noLimit, gbuttons::ok);
            control(fromId)->setFocus();
            return false;
        }
    }
    double threshold = 0;
    if (isChecked(thresholdBoxId)) {
        threshold = readReal(thresholdId, 0);
        if (!(threshold > 0))
            return refuseField(thresholdId, badThreshold);
        if (isChecked(decibelId))
            threshold = -threshold;
    }
    int32_t decimals = 0;
    if (!dynamic_cast<CNonNegativeSpinEdit*>(control(decimalsId))->getValue(decimals))
        return refuseField(decimalsId, badDecimals);
    std::unique_ptr<gexponentFormat> exponent;
    if (isChecked(exponentBoxId)) {
        gstr marker = controlText(markerId);
        if (marker.isEmpty()) {
            messageBox(noMarker, gbuttons::ok);
            control(markerId)->setFocus();
            return false;
        }
        int32_t digits = readCount(exponentDigitsId);
        if (digits < 1)
            return refuseField(exponentDigitsId, badExponentDigits);
        exponent = std::make_unique<gexponentFormat>(marker);
        exponent->setDigits(digits);
        exponent->setPlusSign(isChecked(exponentPlusId) ? 1 : 0);
    }
    double factor = 0;
    if (!readNumber(factorId, factor))
        return refuseField(factorId, badFactor);
    double offset = 0;
    if (!readNumber(offsetId, offset))
        return refuseField(offsetId, badOffset);

    info.setMode(mode);
    info.setPrefix(controlText(prefixId));
    info.setSuffix(controlText(spacerId));
    info.setSuffix2(controlText(suffixId));
    if (mode >= ganalogLogInfo::inside) {
        info.setMinimum(minimum);
        info.setMaximum(maximum);
    }
    info.setMinimumChange(threshold);
    info.setPrecision(decimals);
    info.setPlusSign(isChecked(plusSignId) ? 1 : 0);
    info.setFactor(factor);
    info.setOffset(offset);
    info.setExponent(std::move(exponent));
    return true;
}
