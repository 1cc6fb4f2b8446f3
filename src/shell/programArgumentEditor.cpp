#include "shell/programArgumentEditor.h"

namespace {

programArgumentEditor& editor()
{
    static programArgumentEditor runner;
    return runner;
}

argumentTypeChooser& chooser()
{
    static argumentTypeChooser runner;
    return runner;
}

} // namespace

void installProgramArgumentEditor(programArgumentEditor runner) { editor() = std::move(runner); }

void installArgumentTypeChooser(argumentTypeChooser runner) { chooser() = std::move(runner); }

bool runProgramArgumentEditor(gprogramArgument& argument, QWidget* parent)
{
    return editor() && editor()(argument, parent);
}

int runArgumentTypeChooser(QWidget* parent) { return chooser() ? chooser()(parent) : 0; }
