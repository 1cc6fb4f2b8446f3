#include "registers/ui/CSelectArgumentTypeDialog.h"

CSelectArgumentTypeDialog::CSelectArgumentTypeDialog(QWidget* parent) : CDialog(593, parent)
{
    setWindowTitle("Select Argument Type");
    setDialogSize(150, 60);
    addRadioButton(numericalId, "&Numerical", 12, 10, 70, 10);
    addRadioButton(stringId, "&String", 12, 24, 70, 10);
    addRadioButton(booleanId, "&Boolean", 12, 38, 70, 10);
    addButton(IDOK, "OK", 93, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 93, 24, 50, 14);
}

bool CSelectArgumentTypeDialog::OnInitDialog()
{
    setChecked(numericalId, true);
    return true;
}

void CSelectArgumentTypeDialog::OnOK()
{
    type_ = isChecked(booleanId) ? 3 : isChecked(stringId) ? 2 : 1;
    CDialog::OnOK();
}
