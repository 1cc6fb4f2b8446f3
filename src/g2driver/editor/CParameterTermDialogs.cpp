#include "g2driver/editor/CParameterTermDialogs.h"

#include "foundation/goffsetParameter.h"
#include "g2driver/editor/parameterTermOwner.h"
#include "g2driver/model/g2driverParameter.h"
#include "legacy/ui/objectItems.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int enterLowest = 10357;
constexpr int enterHighest = 10359;
constexpr int highestBelowLowest = 10361;

CSignedSpinEdit& signedEdit(const CDialog& d, int id) { return *dynamic_cast<CSignedSpinEdit*>(d.control(id)); }
CUnsignedSpinEdit& unsignedEdit(const CDialog& d, int id) { return *dynamic_cast<CUnsignedSpinEdit*>(d.control(id)); }

// The negation of every int32 value without overflow.
int32_t negated(int32_t n) { return static_cast<int32_t>(0u - static_cast<uint32_t>(n)); }

// As the row texts tell a rotation to the right.
bool rotatesRight(int32_t factor, int32_t secondOffset) { return factor < 0 || (factor == 0 && secondOffset <= 0); }

constexpr uint32_t largestFactor = 2147483647;

} // namespace

CParameterTermDialogBase::CParameterTermDialogBase(int templateId, const texts& own, QWidget* factorEdit,
                                                   parameterTermOwner& owner, const goffsetParameter* source,
                                                   goffsetParameter* edited, QWidget* parent)
    : CDialog(templateId, parent), texts_(own), owner_(owner), source_(source), edited_(edited)
{
    setDialogSize(250, 150);
    addLabel(-1, "&Parameter:", 7, 9, 50, 8);
    addComboBox(parameterId, false, 60, 7, 110, 100);
    addLabel(-1, own.formula, 7, 25, 236, 8);
    addLabel(-1, "&1st offset:", 7, 59, 50, 8);
    addControl(firstOffsetId, new CSignedSpinEdit, 60, 57, 60, 12);
    addLabel(-1, "&Factor:", 7, 75, 50, 8);
    addControl(factorId, factorEdit, 60, 73, 60, 12);
    addLabel(-1, "&2nd offset:", 7, 91, 50, 8);
    addControl(secondOffsetId, new CSignedSpinEdit, 60, 89, 60, 12);
    addCheckBox(rangeId, "Only applies to a range of parameter values", 7, 107, 200, 10);
    addLabel(lowestLabelId, "Lowest value:", 17, 123, 50, 8);
    addControl(lowestId, new CUnsignedSpinEdit, 70, 121, 60, 12);
    addLabel(highestLabelId, "Highest value:", 17, 139, 50, 8);
    addControl(highestId, new CUnsignedSpinEdit, 70, 137, 60, 12);
    addButton(IDOK, "OK", 193, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 24, 50, 14);
}

bool CParameterTermDialogBase::OnInitDialog()
{
    if (!edited_)
        setWindowTitle(toUiText(gstr().loadString(texts_.newCaption)));
    goffsetParameter shown = source_ ? *source_ : goffsetParameter();
    showPair(shown, source_ != nullptr);
    signedEdit(*this, firstOffsetId).setValue(shown.getFirstOffset());
    unsignedEdit(*this, lowestId).setValue(shown.getLowest());
    unsignedEdit(*this, highestId).setValue(shown.getHighest());
    setChecked(rangeId, shown.isRanged());
    enableRange();
    onCommand(rangeId, [this] { enableRange(); });
    owner_.fillParameterCombo(*controlAs<QComboBox>(parameterId), g2valueKind::digital, shown.getParameter());
    return true;
}

void CParameterTermDialogBase::enableRange()
{
    bool on = isChecked(rangeId);
    for (int id : {lowestLabelId, lowestId, highestLabelId, highestId})
        enableControl(id, on);
}

void CParameterTermDialogBase::OnOK()
{
    int32_t firstOffset = 0;
    int32_t factor = 0;
    int32_t secondOffset = 0;
    if (!signedEdit(*this, firstOffsetId).getValue(firstOffset))
        return (void)refuseField(firstOffsetId, texts_.firstOffsetRefused);
    if (!readFactor(factor))
        return (void)refuseField(factorId, texts_.factorRefused);
    if (!signedEdit(*this, secondOffsetId).getValue(secondOffset))
        return (void)refuseField(secondOffsetId, texts_.secondOffsetRefused);
    uint32_t lowest = 0;
    uint32_t highest = goffsetParameter::wholeRangeHigh;
    if (isChecked(rangeId)) {
        if (!unsignedEdit(*this, lowestId).getValue(lowest))
            return (void)refuseField(lowestId, enterLowest);
        if (!unsignedEdit(*this, highestId).getValue(highest))
            return (void)refuseField(highestId, enterHighest);
        if (highest < lowest)
            return (void)refuseField(highestId, highestBelowLowest);
    }
    storedPair(factor, secondOffset);
    if (!edited_)
        edited_ = new goffsetParameter;
    const auto* combo = controlAs<QComboBox>(parameterId);
    edited_->setParameter(static_cast<g2driverParameter*>(itemObject(*combo, combo->currentIndex())));
    edited_->setTerms(firstOffset, factor, secondOffset);
    edited_->setRange(lowest, highest);
    EndDialog(IDOK);
}

CEditOffsetParameterDialog::CEditOffsetParameterDialog(parameterTermOwner& owner, const goffsetParameter* source,
                                                       goffsetParameter* edited, QWidget* parent)
    : CParameterTermDialogBase(templateId,
                               {10292, 10685, 10677, 10748,
                                "Total offset value = ( parameter + 1st offset ) \xB7 factor + 2nd offset"},
                               new CSignedSpinEdit, owner, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Offset Parameter"));
}

void CEditOffsetParameterDialog::showPair(const goffsetParameter& shown, bool)
{
    signedEdit(*this, factorId).setValue(shown.getFactor());
    signedEdit(*this, secondOffsetId).setValue(shown.getSecondOffset());
}

bool CEditOffsetParameterDialog::readFactor(int32_t& factor) const
{
    return signedEdit(*this, factorId).getValue(factor);
}

CRotateParameterDialog::CRotateParameterDialog(parameterTermOwner& owner, const goffsetParameter* source,
                                               goffsetParameter* edited, QWidget* parent)
    : CParameterTermDialogBase(templateId,
                               {10294, 10739, 10738, 10749,
                                "Total rotate value = ( parameter + 1st offset ) \xB7 factor + 2nd offset"},
                               new CUnsignedSpinEdit, owner, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Rotate Parameter"));
    addRadioButton(leftId, "<- Rotate &left", 7, 39, 80, 10);
    addRadioButton(rightId, "-> Rotate &right", 90, 39, 80, 10);
    unsignedEdit(*this, factorId).spin().maximum = largestFactor;
}

// A term read from a file may rotate to the right by a factor of
// 2147483648, stored as -2147483648: it is shown, and confirmed, as that.
void CRotateParameterDialog::showPair(const goffsetParameter& shown, bool fromSource)
{
    int32_t factor = shown.getFactor();
    int32_t secondOffset = shown.getSecondOffset();
    bool right = !fromSource || rotatesRight(factor, secondOffset);
    checkRadioButton(leftId, rightId, right ? rightId : leftId);
    if (right && fromSource) {
        factor = negated(factor);
        secondOffset = negated(secondOffset);
    }
    unsignedEdit(*this, factorId).setValue(static_cast<uint32_t>(factor));
    signedEdit(*this, secondOffsetId).setValue(secondOffset);
}

bool CRotateParameterDialog::readFactor(int32_t& factor) const
{
    uint32_t value = 0;
    if (!unsignedEdit(*this, factorId).getValue(value))
        return false;
    if (value > largestFactor && !(value == largestFactor + 1 && isChecked(rightId)))
        return false;
    factor = static_cast<int32_t>(value);
    return true;
}

void CRotateParameterDialog::storedPair(int32_t& factor, int32_t& secondOffset) const
{
    if (!isChecked(rightId))
        return;
    factor = negated(factor);
    secondOffset = negated(secondOffset);
}
