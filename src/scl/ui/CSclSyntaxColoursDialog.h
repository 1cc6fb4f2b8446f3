#pragma once

#include "sourceedit/ui/CSyntaxColoursDialog.h"

// The SCL Syntax Colours dialog (Edit > SCL Syntax Colours...): edits a
// working copy of the SCL colour table and the background of the source
// windows. Apply and OK make the copy the table, save it and redraw the SCL
// windows.
class CSclSyntaxColoursDialog : public CSyntaxColoursDialog {
public:
    explicit CSclSyntaxColoursDialog(QWidget* parent = nullptr);

    void apply() override;

protected:
    bool OnInitDialog() override;
};
