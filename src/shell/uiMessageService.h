#pragma once

#include "foundation/gmessageService.h"

// The model layer's message service on the program's message box, the Enter
// Text dialog and the warning list. The application installs it at start-up.
class uiMessageService final : public gmessageService {
public:
    ganswer messageBox(const gstrSlice& text, gbuttons buttons, gicon icon, int promptId) override;
    bool enterText(gstr& text, bool withCancel) override;
    bool warningList(const gstrSlice& text, bool question) override;
};

uiMessageService& theUiMessageService();
