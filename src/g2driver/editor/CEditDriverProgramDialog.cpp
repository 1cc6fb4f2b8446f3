#include "g2driver/editor/CEditDriverProgramDialog.h"

#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "scl/ui/CProgramCodersPane.h"
#include "shell/CSpinEdit.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int newCaption = 10661;
constexpr int limitRefused = 10089;
constexpr int tagTaken = 10662;
constexpr int defaultLimit = 500;

} // namespace

CEditDriverProgramDialog::CEditDriverProgramDialog(CEditG2DeviceDriverDialog& owner, g2driverProgram* source,
                                                   g2driverProgram* target, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner), source_(source), target_(target), coders_(new CProgramCodersPane)
{
    setWindowTitle(QStringLiteral("Edit Program"));
    setDialogSize(270, 214);
    addLabel(-1, "&Tag:", 7, 9, 30, 8);
    addEdit(tagId, 40, 7, 223, 12);
    addCheckBox(abortId, "&Abort execution after", 7, 25, 90, 10);
    limit_ = addControl(limitId, new CNonNegativeSpinEdit, 100, 23, 70, 12);
    addLabel(-1, "instructions", 176, 25, 60, 8);
    addCheckBox(internalId, "For &internal use only", 7, 41, 120, 10);
    addLabel(codersPlaceholderId, "", 7, 57, 250, 136)->hide();
    addButton(IDOK, "OK", 156, 194, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 213, 194, 50, 14);
    limit_->spin().minimum = 1;
    limit_->setEnabled(false);
    onCommand(abortId, [this] { onAbortClicked(); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this](const QString& text) { enableControl(IDOK, !text.isEmpty()); });
}

CEditDriverProgramDialog::~CEditDriverProgramDialog() = default;

bool CEditDriverProgramDialog::OnInitDialog()
{
    if (source_) {
        setControlText(tagId, source_->getName());
        if (source_->limit() != 0) {
            setChecked(abortId, true);
            limit_->setEnabled(true);
            limit_->setValue(source_->limit());
        }
        setChecked(internalId, source_->getInternal() == 1);
    } else {
        enableControl(IDOK, false);
    }
    coders_->create(*this, codersPlaceholderId, source_);
    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(abortId);
    } else {
        setWindowTitle(toUiText(gstrSlice(stringTableText(newCaption))));
        focusControl(tagId);
    }
    return false;
}

void CEditDriverProgramDialog::onAbortClicked()
{
    bool checked = isChecked(abortId);
    limit_->setEnabled(checked);
    if (checked && controlText(limitId).isEmpty())
        limit_->setValue(defaultLimit);
}

void CEditDriverProgramDialog::OnOK()
{
    int32_t limit = 0;
    if (isChecked(abortId) && (!limit_->getValue(limit) || limit < 1))
        return (void)refuseField(limitId, limitRefused);
    if (!isChecked(abortId))
        limit = 0;
    if (!target_) {
        target_ = owner_.workingPrograms().define(controlText(tagId));
        if (!target_)
            return (void)refuseField(tagId, tagTaken);
    }
    target_->setLimit(limit);
    target_->setInternal(isChecked(internalId) ? 1 : 0);
    coders_->apply(*target_);
    if (source_ && source_ != target_)
        target_->setCode(source_->code());
    EndDialog(IDOK);
}
