#include "registers/ui/editProgramArgument.h"

#include "registers/ui/CEditBooleanArgumentDialog.h"
#include "registers/ui/CEditNumericalArgumentDialog.h"
#include "registers/ui/CEditStringArgumentDialog.h"
#include "scl/gprogramArgument.h"

#include <memory>

namespace {

std::unique_ptr<CEditArgumentDialogBase> dialogOfType(int type, QWidget* parent)
{
    switch (type) {
    case 2: return std::make_unique<CEditStringArgumentDialog>(parent);
    case 3: return std::make_unique<CEditBooleanArgumentDialog>(parent);
    default: return std::make_unique<CEditNumericalArgumentDialog>(parent);
    }
}

} // namespace

bool editProgramArgument(gprogramArgument& argument, QWidget* parent)
{
    std::unique_ptr<CEditArgumentDialogBase> dialog = dialogOfType(argument.type(), parent);
    dialog->loadFrom(argument);
    if (dialog->DoModal() != IDOK)
        return false;
    dialog->storeTo(argument);
    return true;
}
