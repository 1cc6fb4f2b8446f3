#include "foundation/messageBoxes.h"

#include "foundation/gmessageService.h"

namespace {

void showBox(const gstrSlice& text, gicon icon, int promptId)
{
    messageService().messageBox(text, gbuttons::ok, icon, promptId);
}

} // namespace

void warningBox(const gstrSlice& text, int promptId) { showBox(text, gicon::warning, promptId); }

void warningBox(int id) { showBox(gstr().loadString(id), gicon::warning, id); }

void informationBox(const gstrSlice& text, int promptId) { showBox(text, gicon::information, promptId); }

void informationBox(int id) { showBox(gstr().loadString(id), gicon::information, id); }

void askText(gstr& out, bool withCancel, const gstrSlice& initial)
{
    gstr text;
    text.assign(initial);
    bool ok = messageService().enterText(text, withCancel);
    if (withCancel && !ok) {
        out.clear();
        return;
    }
    out.adopt(text);
}

bool showWarningDialog(const gstrSlice& text, bool question)
{
    bool ok = messageService().warningList(text, question);
    return !question || ok;
}
