#pragma once

#include <functional>

class gprogramArgument;
class QWidget;

// The Edit Argument dialogs (one per argument type) and the Select Argument
// Type dialog belong to the register windows, which install their runners
// here at start-up; the dialogs that keep a list of arguments of their own run
// them through these functions. Without a runner nothing is edited and
// nothing is chosen.

// Edits the argument's name and value in place; true when it ended with OK.
using programArgumentEditor = std::function<bool(gprogramArgument& argument, QWidget* parent)>;
// The type of a new argument: 1 numerical, 2 string, 3 boolean; 0 for Cancel.
using argumentTypeChooser = std::function<int(QWidget* parent)>;

// An empty runner takes the dialog away again.
void installProgramArgumentEditor(programArgumentEditor editor);
void installArgumentTypeChooser(argumentTypeChooser chooser);

bool runProgramArgumentEditor(gprogramArgument& argument, QWidget* parent);
int runArgumentTypeChooser(QWidget* parent);
