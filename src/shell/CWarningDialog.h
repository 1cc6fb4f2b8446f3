#pragma once

#include "platform/CDialog.h"

// The list of errors or changes a long operation produced, one per line,
// with OK and, when it asks a question, Cancel.
class CWarningDialog : public CDialog {
public:
    // text: lines ending with line feeds; leading line feeds are skipped. It
    // is not copied and must outlive the dialog.
    CWarningDialog(const gstrSlice& text, bool question, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    gstrSlice text_;
};
