#include "registers/ui/CEditBooleanArgumentDialog.h"

#include "scl/gprogramArgument.h"

namespace {

constexpr int badName = 10075;

} // namespace

CEditBooleanArgumentDialog::CEditBooleanArgumentDialog(QWidget* parent)
    : CEditArgumentDialogBase(537, 3, badName, parent)
{
    setDialogSize(180, 62);
    addNameField();
    addRadioButton(trueId, "&TRUE%", 40, 25, 50, 10);
    addRadioButton(falseId, "&FALSE%", 95, 25, 50, 10);
    addButtons(180, 42);
}

void CEditBooleanArgumentDialog::storeTo(gprogramArgument& argument) const
{
    argument.setName(name_);
    argument.setBoolean(value_ ? 1 : 0);
}

void CEditBooleanArgumentDialog::loadFrom(const gprogramArgument& argument)
{
    name_ = argument.name();
    value_ = argument.boolean() != 0;
}

bool CEditBooleanArgumentDialog::readValue()
{
    value_ = isChecked(trueId);
    return true;
}

void CEditBooleanArgumentDialog::showValue() { checkRadioButton(trueId, falseId, value_ ? trueId : falseId); }
