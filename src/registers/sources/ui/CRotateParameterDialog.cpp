#include "registers/sources/ui/CRotateParameterDialog.h"

#include "foundation/goffsetParameter.h"
#include "g2driver/model/g2driverParameter.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"
#include "shell/editNumbers.h"

#include <cstdint>

namespace {

constexpr int newTitle = 10294;
constexpr int noParameterMessage = 10151;
constexpr int badFirstOffsetMessage = 10739;
constexpr int badFactorMessage = 10738;
constexpr int badSecondOffsetMessage = 10749;
constexpr int badLowestMessage = 10357;
constexpr int badHighestMessage = 10359;
constexpr int rangeOrderMessage = 10361;

// A signed number shown negated; the negation of the smallest 32-bit
// number is shown as the positive number it is.
gstr negatedText(int32_t value)
{
    int64_t negated = -int64_t{value};
    if (negated > INT32_MAX)
        return gstr("2147483648");
    return formatSigned(static_cast<int32_t>(negated));
}

} // namespace

CRotateParameterDialog::CRotateParameterDialog(const g2driverParameterTable& parameters,
                                               const goffsetParameter* fillFrom, goffsetParameter* target,
                                               QWidget* parent)
    : CDialog(867, parent), fillFrom_(fillFrom), target_(target)
{
    for (int32_t i = 0; i < parameters.ordered().size(); ++i) {
        g2driverParameter* parameter = parameters.ordered()[i];
        if (parameter->getKind() == g2valueKind::digital)
            parameters_.push_back(parameter);
    }
    setWindowTitle("Edit Rotate Parameter");
    setDialogSize(230, 150);
    addLabel(-1, "&Parameter:", 7, 9, 55, 8);
    addComboBox(parameterId, false, 65, 7, 120, 12);
    addLabel(-1, "&1st offset:", 7, 25, 55, 8);
    addControl(firstOffsetId, new CSignedSpinEdit, 65, 23, 70, 12);
    addLabel(-1, "&Factor:", 7, 41, 55, 8);
    addControl(factorId, new CNonNegativeSpinEdit, 65, 39, 70, 12);
    addLabel(-1, "&2nd offset:", 7, 57, 55, 8);
    addControl(secondOffsetId, new CSignedSpinEdit, 65, 55, 70, 12);
    addRadioButton(leftId, "<- Rotate &left", 145, 39, 80, 10);
    addRadioButton(rightId, "-> Rotate &right", 145, 51, 80, 10);
    addLabel(-1, "Total rotate value = ( parameter + 1st offset ) \xB7 factor + 2nd offset", 7, 72, 216, 8);
    addCheckBox(rangeId, "Only applies to a range of parameter values", 7, 86, 200, 10);
    addLabel(lowestLabelId, "Lowest value:", 17, 102, 55, 8);
    addControl(lowestId, new CUnsignedSpinEdit, 75, 100, 70, 12);
    addLabel(highestLabelId, "Highest value:", 17, 118, 55, 8);
    addControl(highestId, new CUnsignedSpinEdit, 75, 116, 70, 12);
    addButton(IDOK, "OK", 117, 132, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 173, 132, 50, 14);
    onCommand(rangeId, [this] { enableRange(); });
}

CRotateParameterDialog::~CRotateParameterDialog() = default;

std::unique_ptr<goffsetParameter> CRotateParameterDialog::takeMade() { return std::move(made_); }

bool CRotateParameterDialog::OnInitDialog()
{
    for (g2driverParameter* parameter : parameters_)
        addItem(parameterId, parameter->getName());
    int selected = parameters_.empty() ? -1 : 0;
    goffsetParameter defaults;
    const goffsetParameter& shown = fillFrom_ ? *fillFrom_ : defaults;
    for (size_t i = 0; i < parameters_.size(); ++i) {
        if (parameters_[i] == shown.getParameter())
            selected = static_cast<int>(i);
    }
    selectItem(parameterId, selected);
    bool right = !fillFrom_ || shown.getFactor() < 0 || (shown.getFactor() <= 0 && shown.getSecondOffset() <= 0);
    checkRadioButton(leftId, rightId, right ? rightId : leftId);
    setControlText(firstOffsetId, formatSigned(shown.getFirstOffset()));
    setControlText(factorId, right && fillFrom_ ? negatedText(shown.getFactor()) : formatSigned(shown.getFactor()));
    setControlText(secondOffsetId,
                   right && fillFrom_ ? negatedText(shown.getSecondOffset()) : formatSigned(shown.getSecondOffset()));
    setControlText(lowestId, formatUnsigned(shown.getLowest()));
    setControlText(highestId, formatUnsigned(shown.getHighest()));
    setChecked(rangeId, shown.isRanged());
    enableRange();
    if (!target_)
        setWindowTitle(toUiText(gstr().loadString(newTitle)));
    return true;
}

void CRotateParameterDialog::enableRange()
{
    bool ranged = isChecked(rangeId);
    for (int id : {lowestLabelId, lowestId, highestLabelId, highestId})
        enableControl(id, ranged);
}

void CRotateParameterDialog::OnOK()
{
    int row = selectedItem(parameterId);
    if (row < 0 || row >= static_cast<int>(parameters_.size()))
        return (void)refuseField(parameterId, noParameterMessage);
    int32_t first = 0;
    if (!dynamic_cast<CSignedSpinEdit*>(control(firstOffsetId))->getValue(first))
        return (void)refuseField(firstOffsetId, badFirstOffsetMessage);
    int32_t factor = 0;
    if (!dynamic_cast<CNonNegativeSpinEdit*>(control(factorId))->getValue(factor))
        return (void)refuseField(factorId, badFactorMessage);
    int32_t second = 0;
    if (!dynamic_cast<CSignedSpinEdit*>(control(secondOffsetId))->getValue(second))
        return (void)refuseField(secondOffsetId, badSecondOffsetMessage);
    if (isChecked(rightId)) {
        // The smallest 32-bit number has no negation to store.
        if (second == INT32_MIN)
            return (void)refuseField(secondOffsetId, badSecondOffsetMessage);
        factor = -factor;
        second = -second;
    }
    uint32_t lowest = 0;
    uint32_t highest = goffsetParameter::wholeRangeHigh;
    if (isChecked(rangeId)) {
        if (!dynamic_cast<CUnsignedSpinEdit*>(control(lowestId))->getValue(lowest))
            return (void)refuseField(lowestId, badLowestMessage);
        if (!dynamic_cast<CUnsignedSpinEdit*>(control(highestId))->getValue(highest))
            return (void)refuseField(highestId, badHighestMessage);
        if (highest < lowest)
            return (void)refuseField(highestId, rangeOrderMessage);
    }
    if (!target_) {
        made_ = std::make_unique<goffsetParameter>();
        target_ = made_.get();
    }
    target_->setParameter(parameters_[row]);
    target_->setTerms(first, factor, second);
    target_->setRange(lowest, highest);
    CDialog::OnOK();
}
