#pragma once

class CMainFrame;

// Gives the main frame the batch dialogs of its Special menu.
void installBatchTools(CMainFrame& frame);
