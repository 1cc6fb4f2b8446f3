#pragma once

#include "platform/CDialog.h"

// Enter Text: one multi-line edit and OK, with Cancel and a close box only in
// the first form. Line breaks in text are single carriage returns.
class CEnterTextDialog : public CDialog {
public:
    // withoutCancel 0: template 553 with Cancel; otherwise 554 without.
    explicit CEnterTextDialog(int withoutCancel, QWidget* parent = nullptr);

    gstr text;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
};
