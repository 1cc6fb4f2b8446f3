#pragma once

class CMainFrame;
class QWidget;
class gregister;

// Runs the register dialog of the class (1 bistate, 2 digital, 3 analog,
// 4 string): New (null, null), Edit (r, r), Duplicate (r, null). The
// register made or edited after OK, null after Cancel.
gregister* runRegisterDialog(int classCode, gregister* start, gregister* edited, QWidget* parent);

// At start-up: the register dialogs for the Registers window, the Edit
// Program Arguments dialog for every Args button, and the main frame's New
// Register (Select Register Type, then the Registers window's New).
void installRegisterWindows(CMainFrame& frame);
