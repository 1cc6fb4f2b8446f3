#include "legacy/ui/CEditLegacyParameterDialog.h"

#include "legacy/glegacyParameter.h"
#include "legacy/ui/escapedModeButtons.h"
#include "platform/settingsStore.h"
#include "shell/CEscapedStringEdit.h"
#include "store/gstation.h"

#include <QLineEdit>

namespace {

constexpr int tagTaken = 10952;
const char* const settingsSection = "Dialogs\\Edit Parameter";

} // namespace

CEditLegacyParameterDialog::CEditLegacyParameterDialog(glegacyParameter* source, glegacyParameter* target,
                                                       QWidget* parent)
    : CDialog(templateId, parent), source_(source), target_(target)
{
    setWindowTitle(QStringLiteral("Edit Parameter"));
    setDialogSize(250, 76);
    addLabel(-1, "&Tag:", 7, 9, 50, 8);
    addEdit(tagId, 60, 7, 127, 12);
    addLabel(-1, "&Name:", 7, 25, 50, 8);
    addEdit(nameId, 60, 23, 127, 12);
    addLabel(-1, "&Default value:", 7, 41, 50, 8);
    defaultValue_ = addControl(defaultValueId, new CEscapedStringEdit, 60, 39, 127, 12);
    addRadioButton(escapedModeButtons::textId, "Show as te&xt", 60, 55, 60, 10);
    addRadioButton(escapedModeButtons::hexId, "Show as &hex", 125, 55, 60, 10);
    addButton(IDOK, "OK", 193, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 24, 50, 14);
    onCommand(escapedModeButtons::hexId, [this] { escapedModeButtons::switchEdits(*this, {defaultValue_}, 1); });
    onCommand(escapedModeButtons::textId, [this] { escapedModeButtons::switchEdits(*this, {defaultValue_}, 0); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
}

bool CEditLegacyParameterDialog::OnInitDialog()
{
    int hexMode = profileInt(settingsSection, "HexMode", 0) ? 1 : 0;
    escapedModeButtons::show(*this, hexMode);
    defaultValue_->setHexMode(hexMode, true);
    if (source_) {
        setControlText(tagId, source_->getTag());
        setControlText(nameId, source_->getTitle(target_ != nullptr));
        defaultValue_->setValue(source_->getDefaultValue());
    }
    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        setWindowTitle(QStringLiteral("New Parameter"));
        focusControl(tagId);
    }
    enableControl(IDOK, !controlText(tagId).isEmpty());
    return false;
}

void CEditLegacyParameterDialog::OnOK()
{
    gstr value;
    if (!defaultValue_->getValue(value, false))
        return;
    if (!target_) {
        target_ = station::legacyParameters().define(controlText(tagId));
        if (!target_)
            return (void)refuseField(tagId, tagTaken);
    }
    gstr name = controlText(nameId);
    // A name left as it was keeps a title that equals the tag.
    if (name != target_->getTitle(false))
        target_->setTitle(name == target_->getTag() ? gstrSlice::empty : gstrSlice(name));
    target_->setDefaultValue(value);
    saveSettings();
    EndDialog(IDOK);
}

void CEditLegacyParameterDialog::OnCancel()
{
    saveSettings();
    CDialog::OnCancel();
}

void CEditLegacyParameterDialog::saveSettings()
{
    writeProfileInt(settingsSection, "HexMode", defaultValue_->hexMode());
}
