#include "sabus/ui/CEditSabusCommandDialog.h"

#include "platform/modalRun.h"
#include "sabus/gsabusParameter.h"
#include "sabus/gsabusRequest.h"
#include "sabus/gsabusRequestBody.h"
#include "sabus/ui/CSabusParameterDialogs.h"
#include "sabus/ui/CSabusTypeChoiceDialogs.h"
#include "shell/CProgramCombo.h"
#include "shell/programArgumentsDialog.h"

namespace {

constexpr int newCaption = 10477;
constexpr int noPrograms = 10180;

} // namespace

std::unique_ptr<CSabusParameterDialogBase> makeSabusParameterDialog(int kind, const gsabusParameter* source,
                                                                    gsabusParameter* target, QWidget* parent)
{
    switch (kind) {
    case gsabusParameter::stringKind:
        return std::make_unique<CEditSabusStringParameterDialog>(source, target, parent);
    case gsabusParameter::numberKind:
        return std::make_unique<CEditSabusNumberParameterDialog>(source, target, parent);
    case gsabusParameter::booleanKind:
        return std::make_unique<CEditSabusBooleanParameterDialog>(source, target, parent);
    case gsabusParameter::stringSetKind:
        return std::make_unique<CEditSabusStringSetParameterDialog>(source, target, parent);
    case gsabusParameter::bitsKind:
        return std::make_unique<CEditSabusBitsParameterDialog>(source, target, parent);
    default: return nullptr;
    }
}

CEditSabusCommandDialog::CEditSabusCommandDialog(gsabusRequest* source, gsabusRequest* target, QWidget* parent)
    : CSabusRequestDialog(templateId, "Edit SABus Command", newCaption, source, target, parent)
{
    addLabel(-1, "&Program:", 7, 125, 50, 8);
    program_ = addControl(programId, new CProgramCombo(&call_), 60, 123, 147, 100);
    program_->setSorted(true);
    addButton(argsId, "&Args...", 212, 123, 50, 14);
    onCommand(argsId, [this] { OnArgs(); });
    addLabel(-1, "Para&meters:", 7, 141, 80, 8);
    auto* list = addListBox(parametersId, 7, 151, 255, 82);
    addButton(newParameterId, "Ne&w...", 267, 151, 56, 14);
    addButton(editParameterId, "&Edit...", 267, 168, 56, 14);
    addButton(duplicateParameterId, "D&uplicate...", 267, 185, 56, 14);
    addButton(deleteParameterId, "&Delete", 267, 202, 56, 14);
    parameters_.attach(*this, list, {editParameterId, duplicateParameterId, deleteParameterId}, editParameterId);
    onCommand(newParameterId, [this] { OnNewParameter(); });
    onCommand(editParameterId, [this] { OnEditParameter(); });
    onCommand(duplicateParameterId, [this] { OnDuplicateParameter(); });
    onCommand(deleteParameterId, [this] { parameters_.deleteSelected(); });
}

bool CEditSabusCommandDialog::fillOwnFields()
{
    if (gsabusCommand* command = source() ? source()->getCommand() : nullptr) {
        for (int i = 0; i < command->parameterCount(); ++i)
            parameters_.append(command->getParameter(i)->duplicate(), command->getParameter(i)->describe());
        call_.assign(command->call());
    }
    program_->fill(false);
    if (program_->count() == 0) {
        messageBox(noPrograms, gbuttons::ok);
        return false;
    }
    return true;
}

void CEditSabusCommandDialog::OnArgs()
{
    if (editProgramArguments(call_, this))
        program_->update();
}

void CEditSabusCommandDialog::storeOwnFields(gsabusRequest& target)
{
    gsabusCommand* command = target.getCommand();
    command->clearParameters();
    for (auto& parameter : parameters_.takeAll())
        command->addParameter(std::move(parameter));
    call_.setProgram(program_->selectedProgram());
    command->setCall(call_);
}

void CEditSabusCommandDialog::OnNewParameter()
{
    CSelectSabusParameterTypeDialog choice(this);
    if (choice.DoModal() != IDOK)
        return;
    std::unique_ptr<CSabusParameterDialogBase> dialog = makeSabusParameterDialog(choice.choice() + 1, nullptr, nullptr, this);
    if (!dialog || dialog->DoModal() != IDOK)
        return;
    std::unique_ptr<gsabusParameter> parameter = dialog->takeCreated();
    gstr text = parameter->describe();
    parameters_.insertAfterSelected(std::move(parameter), text);
}

void CEditSabusCommandDialog::OnEditParameter()
{
    int row = parameters_.selected();
    gsabusParameter* parameter = parameters_.at(row);
    if (!parameter)
        return;
    std::unique_ptr<CSabusParameterDialogBase> dialog =
        makeSabusParameterDialog(parameter->getType(), parameter, parameter, this);
    if (dialog && dialog->DoModal() == IDOK)
        parameters_.refreshRow(row, parameter->describe());
}

void CEditSabusCommandDialog::OnDuplicateParameter()
{
    gsabusParameter* parameter = parameters_.selectedObject();
    if (!parameter)
        return;
    std::unique_ptr<CSabusParameterDialogBase> dialog =
        makeSabusParameterDialog(parameter->getType(), parameter, nullptr, this);
    if (!dialog || dialog->DoModal() != IDOK)
        return;
    std::unique_ptr<gsabusParameter> copy = dialog->takeCreated();
    gstr text = copy->describe();
    parameters_.insertAfterSelected(std::move(copy), text);
}
