#pragma once

#include <functional>

class gregister;
class QWidget;

// The four register dialogs (bistate 536, digital 539, analog 535, string
// 550) belong to the registers' own windows, which install their runner
// here; the Registers window runs them through it. A run gets the class code
// (1 bistate, 2 digital, 3 analog, 4 string), the register whose values the
// dialog starts from and the register it edits (New passes neither, Edit the
// same register twice, Duplicate the first alone) and the parent window. It
// answers the register created or edited after OK (a created one is already
// in the register table), null after Cancel.
using registerDialogRunner = std::function<gregister*(int classCode, gregister* start, gregister* edited, QWidget* parent)>;

// An empty runner takes the dialogs away again.
void installRegisterDialogs(registerDialogRunner runner);
const registerDialogRunner& registerDialogs();
