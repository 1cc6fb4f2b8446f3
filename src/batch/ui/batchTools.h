#pragma once

class CMainFrame;

// Gives the main frame the batch dialogs of its Special menu, and the screen
// editor its Change Screen Objects dialog.
void installBatchTools(CMainFrame& frame);
