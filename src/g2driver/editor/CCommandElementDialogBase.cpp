#include "g2driver/editor/CCommandElementDialogBase.h"

#include "g2driver/editor/elementDialogSupport.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"

#include <QLabel>

CCommandElementDialogBase::CCommandElementDialogBase(int templateId, int newCaptionId, commandElementHost& host,
                                                     const g2driverCommandElement* source,
                                                     g2driverCommandElement* edited, QWidget* parent)
    : CDialog(templateId, parent), newCaptionId_(newCaptionId), host_(host), source_(source), edited_(edited)
{
}

bool CCommandElementDialogBase::OnInitDialog()
{
    if (!edited_)
        setWindowTitle(toUiText(gstr().loadString(newCaptionId_)));
    return true;
}

void CCommandElementDialogBase::OnOK()
{
    if (!checkFields() || !applyPage())
        return;
    storeFields(ensureElement());
    EndDialog(IDOK);
}

g2driverCommandElement& CCommandElementDialogBase::ensureElement()
{
    if (!edited_)
        edited_ = makeElement();
    return *edited_;
}

void CCommandElementDialogBase::cancelWith(int messageId)
{
    messageBox(messageId, gbuttons::ok);
    EndDialog(IDCANCEL);
}

void CCommandElementDialogBase::addOkCancel()
{
    addButton(IDOK, "OK", 200, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 200, 24, 50, 14);
}

void CCommandElementDialogBase::fitToContents() { fitAroundChildren(*this, {IDOK, IDCANCEL}, dialogUnitsX(7)); }
