#include "registers/ui/CRegexpEntryDialog.h"

#include "platform/textCodec.h"

#include <QLineEdit>

namespace {

constexpr int invalidPattern = 10225;

} // namespace

CRegexpEntryDialog::CRegexpEntryDialog(int templateId, int newCaptionId, const gregexp* shown, gregexp* target,
                                       QWidget* parent)
    : CDialog(templateId, parent), newCaptionId_(newCaptionId), shown_(shown), target_(target)
{
    bool trigger = templateId == alarmTriggerTemplate;
    setWindowTitle(trigger ? "Edit Alarm Trigger" : "Edit Allowed String");
    setDialogSize(246, 46);
    addLabel(-1, trigger ? "&Alarm trigger:" : "&Allowed string:", 7, 9, 56, 8);
    addEdit(fieldId, 66, 7, 173, 12);
    addButton(IDOK, "OK", 135, 25, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 189, 25, 50, 14);
    QObject::connect(controlAs<QLineEdit>(fieldId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(fieldId).isEmpty()); });
}

bool CRegexpEntryDialog::OnInitDialog()
{
    enableControl(IDOK, false);
    if (shown_) {
        gstr text;
        shown_->toString(text, true);
        setControlText(fieldId, text);
        enableControl(IDOK, true);
    }
    if (!target_)
        setWindowTitle(toUiText(gstr().loadString(newCaptionId_)));
    return true;
}

// The pattern is compiled under the target's own rule for empty matches (an
// older alarm trigger allows them), but no new pattern may match nothing.
void CRegexpEntryDialog::OnOK()
{
    gstr text = controlText(fieldId);
    auto compiled = std::make_unique<gregexp>(target_ ? target_->allowZeroLength() : false);
    if (compiled->parse(text.data(), true, false) != 1 || compiled->minLength() < 1)
        return (void)refuseField(fieldId, invalidPattern);
    if (target_)
        target_->transferFrom(*compiled);
    else
        made_ = std::move(compiled);
    EndDialog(IDOK);
}
