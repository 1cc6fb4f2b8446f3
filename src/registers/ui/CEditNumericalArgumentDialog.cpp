#include "registers/ui/CEditNumericalArgumentDialog.h"

#include "scl/gprogramArgument.h"
#include "shell/CSpinEdit.h"

namespace {

constexpr int badName = 10096;
constexpr int badValue = 10095;

} // namespace

CEditNumericalArgumentDialog::CEditNumericalArgumentDialog(QWidget* parent)
    : CEditArgumentDialogBase(543, 1, badName, parent)
{
    setDialogSize(180, 62);
    addNameField();
    addLabel(-1, "&Value:", 7, 25, 30, 8);
    addControl(valueId, new CRealSpinEdit, 40, 23, 80, 12);
    addButtons(180, 42);
}

void CEditNumericalArgumentDialog::storeTo(gprogramArgument& argument) const
{
    argument.setName(name_);
    argument.setNumber(value_);
}

void CEditNumericalArgumentDialog::loadFrom(const gprogramArgument& argument)
{
    name_ = argument.name();
    value_ = argument.number();
}

bool CEditNumericalArgumentDialog::readValue()
{
    double value = 0;
    if (!dynamic_cast<CRealSpinEdit*>(control(valueId))->getValue(value))
        return refuseField(valueId, badValue);
    value_ = value;
    return true;
}

void CEditNumericalArgumentDialog::showValue() { dynamic_cast<CRealSpinEdit*>(control(valueId))->setValue(value_); }
