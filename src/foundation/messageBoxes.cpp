#include "foundation/messageBoxes.h"

#include "resources/stringTable.h"

ganswer warningBox(const gstrSlice& text) { return messageService().messageBox(text, gbuttons::ok, gicon::warning, 0); }

ganswer warningBox(int id)
{
    return messageService().messageBox(gstrSlice(stringTableText(id)), gbuttons::ok, gicon::warning, id);
}

ganswer informationBox(const gstrSlice& text)
{
    return messageService().messageBox(text, gbuttons::ok, gicon::information, 0);
}

ganswer informationBox(int id)
{
    return messageService().messageBox(gstrSlice(stringTableText(id)), gbuttons::ok, gicon::information, id);
}

void askText(gstr& out, bool withCancel, const gstrSlice& initial)
{
    gstr text;
    if (!initial.isNull())
        text.assign(initial);
    bool ok = messageService().enterText(text, withCancel);
    if (withCancel && !ok)
        out.clear();
    else
        out.adopt(text);
}

bool showWarningDialog(const gstrSlice& text, bool question)
{
    return messageService().warningList(text, question) || !question;
}
