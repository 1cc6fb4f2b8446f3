#pragma once

#include "foundation/gstr.h"

// What model code may ask of the user: a message box, the Enter Text dialog,
// the warning list. The window layer installs the real dialogs; tests install
// a recorder that answers from a script; without either, nothing is asked and
// the safe answer (Cancel, No) is given.

enum class gbuttons { ok, okCancel, abortRetryIgnore, yesNoCancel, yesNo, retryCancel };
enum class gicon { none, error, question, warning, information };
// The values are those the modal runs of the platform answer with.
enum class ganswer { ok = 1, cancel = 2, abort = 3, retry = 4, ignore = 5, yes = 6, no = 7 };

class gmessageService {
public:
    virtual ~gmessageService() = default;

    // promptId is the string-table id the text came from (help context
    // 0x30000 + id), or 0 when the text has none.
    virtual ganswer messageBox(const gstrSlice& text, gbuttons buttons, gicon icon, int promptId) = 0;
    // Runs the Enter Text dialog on text; true when it ended with OK.
    virtual bool enterText(gstr& text, bool withCancel) = 0;
    // Runs the warning-list dialog; true when it ended with OK.
    virtual bool warningList(const gstrSlice& text, bool question) = 0;
};

gmessageService& messageService();
// Installs a service; null puts back the one that asks nothing.
void installMessageService(gmessageService* service);
