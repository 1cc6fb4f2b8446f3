#include "sourceedit/ui/CGoToLineDialog.h"

#include "shell/CSpinEdit.h"

CGoToLineDialog::CGoToLineDialog(QWidget* parent) : CDialog(templateNumber, parent)
{
    setWindowTitle("Go To Line");
    setDialogSize(160, 50);
    addLabel(-1, "Go to line number:", 7, 9, 70, 8);
    edit_ = addControl(lineNumberId, new CNonNegativeSpinEdit, 80, 7, 72, 12);
    addButton(IDOK, "OK", 48, 29, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 102, 29, 50, 14);
}

bool CGoToLineDialog::OnInitDialog()
{
    edit_->spin().minimum = 1;
    edit_->spin().maximum = lineCount;
    edit_->setValue(currentLine + 1);
    return true;
}

void CGoToLineDialog::OnOK()
{
    int32_t line = 0;
    if (!edit_->getValue(line))
        line = 0;
    if (line < 1 || line > lineCount) {
        refuseField(lineNumberId, gstr().format(10069, lineCount), 10069);
        return;
    }
    currentLine = line - 1;
    CDialog::OnOK();
}
