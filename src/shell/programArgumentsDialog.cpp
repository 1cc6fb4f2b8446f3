#include "shell/programArgumentsDialog.h"

namespace {

programArgumentsRunner& installed()
{
    static programArgumentsRunner runner;
    return runner;
}

} // namespace

void installProgramArgumentsDialog(programArgumentsRunner runner) { installed() = std::move(runner); }

bool editProgramArguments(gprocessorCall& call, QWidget* parent)
{
    return installed() && installed()(call, parent);
}
