#include "registers/ui/registerWindows.h"

#include "registers/ui/CEditAnalogRegisterDialog.h"
#include "registers/ui/CEditBistateRegisterDialog.h"
#include "registers/ui/CEditDigitalRegisterDialog.h"
#include "registers/ui/CEditProgramArgumentsDialog.h"
#include "registers/ui/CEditStringRegisterDialog.h"
#include "registers/ui/CSelectArgumentTypeDialog.h"
#include "registers/ui/CSelectRegisterTypeDialog.h"
#include "registers/ui/editProgramArgument.h"
#include "shell/CMainFrame.h"
#include "shell/CRegistersDialog.h"
#include "shell/programArgumentEditor.h"
#include "shell/programArgumentsDialog.h"
#include "shell/registerDialogs.h"

#include <memory>

namespace {

constexpr int newRegisterCommand = 32865;

std::unique_ptr<CRegisterDialog> dialogOfClass(int classCode, gregister* start, gregister* edited, QWidget* parent)
{
    switch (classCode) {
    case 1: return std::make_unique<CEditBistateRegisterDialog>(start, edited, parent);
    case 2: return std::make_unique<CEditDigitalRegisterDialog>(start, edited, parent);
    case 3: return std::make_unique<CEditAnalogRegisterDialog>(start, edited, parent);
    case 4: return std::make_unique<CEditStringRegisterDialog>(start, edited, parent);
    default: return nullptr;
    }
}

} // namespace

gregister* runRegisterDialog(int classCode, gregister* start, gregister* edited, QWidget* parent)
{
    std::unique_ptr<CRegisterDialog> dialog = dialogOfClass(classCode, start, edited, parent);
    if (!dialog || dialog->DoModal() != IDOK)
        return nullptr;
    return dialog->targetRegister();
}

void installRegisterWindows(CMainFrame& frame)
{
    installRegisterDialogs(runRegisterDialog);
    installProgramArgumentsDialog([](gprocessorCall& call, QWidget* parent) {
        CEditProgramArgumentsDialog dialog(call, parent);
        return dialog.DoModal() == IDOK;
    });
    installProgramArgumentEditor(editProgramArgument);
    installArgumentTypeChooser([](QWidget* parent) {
        CSelectArgumentTypeDialog type(parent);
        return type.DoModal() == IDOK ? type.argumentType() : 0;
    });
    frame.setToolDialog(newRegisterCommand, [&frame] {
        CSelectRegisterTypeDialog choice(&frame);
        if (choice.DoModal() != IDOK)
            return;
        if (auto* registers = dynamic_cast<CRegistersDialog*>(frame.listWindowAt(CMainFrame::registers)))
            registers->newRegister(choice.choice());
    });
}
