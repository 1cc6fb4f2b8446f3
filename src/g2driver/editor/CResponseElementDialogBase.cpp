#include "g2driver/editor/CResponseElementDialogBase.h"

#include "g2driver/editor/CResponseElementConditionDialog.h"
#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"

CResponseElementDialogBase::CResponseElementDialogBase(int templateId, int newCaptionId, responseElementHost& page,
                                                       const g2driverResponseElement* source,
                                                       g2driverResponseElement* target, QWidget* parent)
    : CDialog(templateId, parent), newCaptionId_(newCaptionId), page_(page), source_(source), target_(target)
{
}

bool CResponseElementDialogBase::OnInitDialog()
{
    if (source_ && source_->getCondition())
        condition_ = *source_->getCondition();
    if (!target_)
        setWindowTitle(toUiText(gstr().loadString(newCaptionId_)));
    onCommand(conditionId, [this] { editCondition(); });
    return true;
}

void CResponseElementDialogBase::editCondition()
{
    CResponseElementConditionDialog dialog(page_, condition_, this);
    dialog.DoModal();
}

void CResponseElementDialogBase::OnOK()
{
    if (!checkFields())
        return;
    if (!target_)
        target_ = makeElement();
    storeFields(*target_);
    applyCondition(*target_);
    EndDialog(IDOK);
}

void CResponseElementDialogBase::applyCondition(g2driverResponseElement& element)
{
    element.setCondition(&condition_, page_.responseValues());
}

void CResponseElementDialogBase::cancelWith(int messageId)
{
    messageBox(messageId, gbuttons::ok);
    EndDialog(IDCANCEL);
}

void CResponseElementDialogBase::addButtons()
{
    addButton(IDOK, "OK", 200, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 200, 24, 50, 14);
    addButton(conditionId, "&Condition...", 200, 48, 50, 14);
}

void CResponseElementDialogBase::fitToContents()
{
    fitAroundChildren(*this, {IDOK, IDCANCEL, conditionId}, dialogUnitsX(7));
}
