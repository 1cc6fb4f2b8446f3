#include "g2driver/editor/CProcessorFormatPane.h"

#include "g2driver/model/g2driverChecksum.h"
#include "g2driver/model/g2driverProgram.h"
#include "store/jhashTypedDatabaseTable.h"
#include "platform/modalRun.h"
#include "shell/CProgramCombo.h"
#include "shell/programArgumentsDialog.h"

#include <QLabel>

namespace {

constexpr int noPrograms = 10537;

} // namespace

CProcessorFormatPane::CProcessorFormatPane() : CChecksumOptionPaneBase(859), programs_(new CProgramCombo(&call_))
{
    setDialogSize(252, 30);
    addLabel(-1, "&Program:", 0, 2, 60, 8);
    addControl(programId, programs_, 64, 0, 120, 80);
    addButton(argumentsId, "Args...", 190, 0, 50, 14);
    addSeparator(18);
}

void CProcessorFormatPane::create(CDialog& host, gprocessorCall::programTable* programs, int placeholderId,
                                  const g2driverChecksum* settings)
{
    if (settings && settings->kind() == g2driverChecksum::processor)
        call_.assign(settings->program());
    // The settings may name the program of another table than the one the
    // dialog offers (the driver's own, not its working copy): by tag.
    if (call_.isSet() && programs && call_.getProgramTable() != programs)
        call_.setProgram(programs->find(call_.getProgram()->programTag()));
    call_.setProgramTable(programs);
    createOver(host, placeholderId);
    programs_->fill(false);
    onCommand(argumentsId, [this] {
        call_.setProgram(programs_->selectedProgram());
        editProgramArguments(call_, this);
        programs_->update();
    });
}

bool CProcessorFormatPane::select(int32_t kind, int& height)
{
    if (kind != g2driverChecksum::processor) {
        hide();
        return true;
    }
    if (programs_->count() == 0) {
        messageBox(noPrograms, gbuttons::ok);
        return false;
    }
    if (isHidden())
        height = this->height();
    show();
    return true;
}

bool CProcessorFormatPane::apply(g2driverChecksum& settings)
{
    if (settings.kind() == g2driverChecksum::processor) {
        call_.setProgram(programs_->selectedProgram());
        settings.setOptions(0, settings.wordOption(), settings.initialValue(), settings.finalXor());
    } else {
        call_.clear();
    }
    settings.setProgram(call_);
    return true;
}
