#pragma once

class QWidget;
class gprogramArgument;

// Runs the Edit Argument dialog of the argument's type on it: the argument
// changes only after OK, and true says so.
bool editProgramArgument(gprogramArgument& argument, QWidget* parent = nullptr);
