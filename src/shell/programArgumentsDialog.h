#pragma once

#include <functional>

class gprocessorCall;
class QWidget;

// The Edit Program Arguments dialog (579) belongs to the SCL programs'
// windows, which install their runner here; the Args buttons of the port and
// device dialogs run it through it. A run edits the call's ARGUMENT list in
// place and answers whether it ended with OK. Without a runner the buttons
// do nothing.
using programArgumentsRunner = std::function<bool(gprocessorCall& call, QWidget* parent)>;

// An empty runner takes the dialog away again.
void installProgramArgumentsDialog(programArgumentsRunner runner);
// Runs the installed dialog; false (nothing changed) without one.
bool editProgramArguments(gprocessorCall& call, QWidget* parent);
