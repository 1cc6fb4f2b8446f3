#include "shell/uiMessageService.h"

#include "platform/modalRun.h"
#include "shell/CEnterTextDialog.h"
#include "shell/CWarningDialog.h"

ganswer uiMessageService::messageBox(const gstrSlice& text, gbuttons buttons, gicon icon, int promptId)
{
    return ::messageBox(text, buttons, icon, promptId);
}

bool uiMessageService::enterText(gstr& text, bool withCancel)
{
    CEnterTextDialog dialog(withCancel ? 0 : 1);
    if (!text.isNull())
        dialog.text = text;
    bool ok = dialog.DoModal() == IDOK;
    text = dialog.text;
    return ok;
}

bool uiMessageService::warningList(const gstrSlice& text, bool question)
{
    CWarningDialog dialog(text, question);
    return dialog.DoModal() == IDOK;
}

uiMessageService& theUiMessageService()
{
    static uiMessageService service;
    return service;
}
