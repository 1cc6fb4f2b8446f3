#include "registers/ui/CEditStringArgumentDialog.h"

#include "scl/gprogramArgument.h"

namespace {

constexpr int badName = 10108;

} // namespace

CEditStringArgumentDialog::CEditStringArgumentDialog(QWidget* parent)
    : CEditArgumentDialogBase(552, 2, badName, parent)
{
    setDialogSize(268, 68);
    addNameField();
    addLabel(-1, "&Value:", 7, 24, 30, 8);
    addEdit(valueId, 7, 34, 254, 12);
    addButtons(268, 50);
}

void CEditStringArgumentDialog::storeTo(gprogramArgument& argument) const
{
    argument.setName(name_);
    argument.setString(value_);
}

void CEditStringArgumentDialog::loadFrom(const gprogramArgument& argument)
{
    name_ = argument.name();
    value_ = argument.string();
}

bool CEditStringArgumentDialog::readValue()
{
    value_ = controlText(valueId);
    return true;
}

void CEditStringArgumentDialog::showValue() { setControlText(valueId, value_); }
