#include "registers/sources/ui/CLegacyProcessorSourcePane.h"

#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceLegacyProcessor.h"
#include "registers/ui/CEditProgramArgumentsDialog.h"
#include "shell/CProgramCombo.h"

namespace {

constexpr int noProgramsMessage = 10180;
constexpr int noPortsOrProgramsMessage = 10187;

} // namespace

CLegacyProcessorSourcePane::CLegacyProcessorSourcePane() : CLegacySourcePane(578) {}

std::unique_ptr<CSourcePane> CLegacyProcessorSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyProcessorSourcePane>();
    if (const auto* processor = dynamic_cast<const gsourceLegacyProcessorPart*>(source)) {
        pane->loadLocation(processor->location());
        pane->call_.assign(processor->call());
    }
    return pane;
}

bool CLegacyProcessorSourcePane::create(CRegisterDialog& dialog)
{
    int y = addLocationControls();
    workingCall_.assign(call_);
    addLabel(-1, "&Program:", 0, y + 2, 55, 8);
    programs_ = addControl(programId, new CProgramCombo(&workingCall_), 60, y, 150, 12);
    programs_->setSorted(true);
    addButton(argumentsId, "Arguments...", 216, y - 1, 60, 14);
    onCommand(argumentsId, [this] {
        CEditProgramArgumentsDialog arguments(workingCall_, this);
        if (arguments.DoModal() == IDOK)
            programs_->update();
    });
    becomeChildOf(dialog, 286, y + 14);
    programs_->fill(false);
    bool noPrograms = programs_->count() == 0;
    if (!initLocation(noPrograms ? noPortsOrProgramsMessage : noPortsMessage))
        return false;
    if (noPrograms)
        return refuseCreate(noProgramsMessage);
    return true;
}

bool CLegacyProcessorSourcePane::validate()
{
    if (!validateLocation())
        return false;
    commitLocation();
    call_.assign(workingCall_);
    call_.setProgram(programs_->selectedProgram());
    return true;
}

void CLegacyProcessorSourcePane::apply(gregisterSource* made)
{
    auto& source = sourceAs<gsourceLegacyProcessorPart>(made);
    applyLocation(source.location());
    source.setProcessorCall(call_);
}

void CLegacyProcessorSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    apply(supplement.newLegacyProcessorSource());
}

void CLegacyProcessorSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    apply(supplement.newLegacyProcessorSource());
}

void CLegacyProcessorSourcePane::applyToAnalog(ganalogSupplement& supplement)
{
    apply(supplement.newLegacyProcessorSource());
}

void CLegacyProcessorSourcePane::applyToString(gstringSupplement& supplement)
{
    apply(supplement.newLegacyProcessorSource());
}
