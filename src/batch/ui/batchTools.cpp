#include "batch/ui/batchTools.h"

#include "batch/ui/CChangeProgramsDialog.h"
#include "shell/CMainFrame.h"

void installBatchTools(CMainFrame& frame)
{
    frame.setToolDialog(32877, [&frame] { CChangeProgramsDialog(&frame).DoModal(); });
}
