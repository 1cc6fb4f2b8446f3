#include "legacy/ui/CEditDataMaskDialog.h"

#include "legacy/glegacyMask.h"
#include "foundation/gmilliseconds.h"
#include "legacy/legacyFields.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"
#include "store/gstation.h"

#include <QLineEdit>
#include <utility>

namespace {

constexpr int bufferSizeRefused = 10948;
constexpr int prefixRefused = 10941;
constexpr int suffixRefused = 10942;
constexpr int errorPatternRefused = 10943;
constexpr int patternMissing = 10549;
constexpr int patternRefused = 10950;
constexpr int tagTaken = 10951;

} // namespace

CEditDataMaskDialog::CEditDataMaskDialog(glegacyMask* source, glegacyMask* target, QWidget* parent)
    : CDialog(templateId, parent), source_(source), target_(target)
{
    setWindowTitle(QStringLiteral("Edit Data Mask"));
    setDialogSize(260, 148);
    addLabel(-1, "&Tag:", 7, 9, 50, 8);
    addEdit(tagId, 60, 7, 137, 12);
    addLabel(-1, "&Name:", 7, 25, 50, 8);
    addEdit(nameId, 60, 23, 137, 12);
    addLabel(-1, "P&refix:", 7, 41, 50, 8);
    addEdit(prefixId, 60, 39, 137, 12);
    addLabel(-1, "&Pattern:", 7, 57, 50, 8);
    addEdit(patternId, 60, 55, 137, 12);
    addLabel(-1, "&Suffix:", 7, 73, 50, 8);
    addEdit(suffixId, 60, 71, 137, 12);
    addLabel(-1, "&Error pattern:", 7, 89, 50, 8);
    addEdit(errorPatternId, 60, 87, 137, 12);
    addLabel(-1, "&Buffer size:", 7, 105, 50, 8);
    bufferSize_ = addControl(bufferSizeId, new CNonNegativeSpinEdit, 60, 103, 50, 12);
    bufferSize_->spin().minimum = 1;
    addLabel(-1, "Time&out:", 7, 121, 50, 8);
    timeout_ = addControl(timeoutId, new CRealSpinEdit, 60, 119, 50, 12);
    fieldEdits::limitSpin(*timeout_, legacyFields::maskTimeout);
    addLabel(-1, "s", 114, 121, 10, 8);
    addButton(IDOK, "OK", 203, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 203, 24, 50, 14);
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
}

bool CEditDataMaskDialog::OnInitDialog()
{
    if (source_) {
        fillFields();
    } else {
        setControlText(bufferSizeId, "40");
        setControlText(timeoutId, "1");
    }
    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        setWindowTitle(QStringLiteral("New Data Mask"));
        focusControl(tagId);
    }
    enableControl(IDOK, !controlText(tagId).isEmpty());
    return false;
}

void CEditDataMaskDialog::fillFields()
{
    setControlText(tagId, source_->getTag());
    setControlText(nameId, source_->getTitle(target_ != nullptr));
    const std::pair<int, const gregexp*> patterns[] = {{prefixId, &source_->prefix()},
                                                       {patternId, &source_->pattern()},
                                                       {suffixId, &source_->suffix()},
                                                       {errorPatternId, &source_->errorPattern()}};
    gstr text;
    for (const auto& [id, pattern] : patterns) {
        pattern->toString(text, true);
        setControlText(id, text);
    }
    bufferSize_->setValue(source_->getBufferSize());
    fieldEdits::showSeconds(*timeout_, source_->getTimeout());
}

bool CEditDataMaskDialog::readPattern(int id, int messageId, gregexp& pattern)
{
    gstr text = controlText(id);
    if (text.isEmpty() || pattern.parse(text.data(), true, false) == 1)
        return true;
    return refuseField(id, messageId);
}

void CEditDataMaskDialog::OnOK()
{
    int32_t bufferSize = 0;
    if (!bufferSize_->getValue(bufferSize) || bufferSize < 1)
        return (void)refuseField(bufferSizeId, bufferSizeRefused);
    const gsecondsField& timeoutField = legacyFields::maskTimeout;
    uint32_t timeout = 0;
    if (!fieldEdits::readSeconds(*timeout_, timeoutField, source_ ? source_->getTimeout() : gmilliseconds::notSet, -1,
                                 timeout))
        return (void)refuseField(timeoutId, timeoutField.refusal);
    gregexp prefix(false);
    gregexp pattern(true);
    gregexp suffix(false);
    gregexp errorPattern(false);
    if (!readPattern(prefixId, prefixRefused, prefix))
        return;
    if (controlText(patternId).isEmpty())
        return (void)refuseField(patternId, patternMissing);
    if (!readPattern(patternId, patternRefused, pattern) || !readPattern(suffixId, suffixRefused, suffix) ||
        !readPattern(errorPatternId, errorPatternRefused, errorPattern))
        return;
    if (!target_) {
        target_ = station::legacyMasks().define(controlText(tagId));
        if (!target_)
            return (void)refuseField(tagId, tagTaken);
    }
    target_->prefix().transferFrom(prefix);
    target_->pattern().transferFrom(pattern);
    target_->suffix().transferFrom(suffix);
    target_->errorPattern().transferFrom(errorPattern);
    gstr name = controlText(nameId);
    // A name left as it was keeps a title that equals the tag.
    if (name != target_->getTitle(false))
        target_->setTitle(name == target_->getTag() ? gstrSlice::empty : gstrSlice(name));
    target_->setLimits(bufferSize, gmilliseconds(timeout));
    EndDialog(IDOK);
}
