#include "registers/ui/CSelectRegisterTypeDialog.h"

#include <iterator>

namespace {

constexpr int choiceIds[] = {CSelectRegisterTypeDialog::bistateId, CSelectRegisterTypeDialog::digitalId,
                             CSelectRegisterTypeDialog::analogId, CSelectRegisterTypeDialog::stringId};

} // namespace

CSelectRegisterTypeDialog::CSelectRegisterTypeDialog(QWidget* parent) : CDialog(589, parent)
{
    setWindowTitle("Select Register Type");
    setDialogSize(156, 74);
    addRadioButton(bistateId, "&Bistate register", 12, 10, 80, 10);
    addRadioButton(digitalId, "&Digital register", 12, 24, 80, 10);
    addRadioButton(analogId, "&Analog register", 12, 38, 80, 10);
    addRadioButton(stringId, "&String register", 12, 52, 80, 10);
    addButton(IDOK, "OK", 99, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 99, 24, 50, 14);
}

bool CSelectRegisterTypeDialog::OnInitDialog()
{
    setChecked(bistateId, true);
    return true;
}

void CSelectRegisterTypeDialog::OnOK()
{
    for (int i = 0; i < static_cast<int>(std::size(choiceIds)); ++i) {
        if (isChecked(choiceIds[i]))
            choice_ = i;
    }
    CDialog::OnOK();
}
