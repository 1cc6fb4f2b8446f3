#include "batch/ui/batchTools.h"

#include "batch/ui/CChangeProgramsDialog.h"
#include "batch/ui/CChangeRequestsDialog.h"
#include "batch/ui/CChangeScreenObjectsDialog.h"
#include "batch/ui/CCopyProgramCodeDialog.h"
#include "batch/ui/CCopyRegisterSourcesDialog.h"
#include "batch/ui/CModifyParametersDialog.h"
#include "batch/ui/CModifyRegistersDialog.h"
#include "legacy/glegacyDriver.h"
#include "screens/editor/screenEditorHooks.h"
#include "shell/CMainFrame.h"
#include "store/gstation.h"

void installBatchTools(CMainFrame& frame)
{
    frame.setToolDialog(32878, [&frame] {
        CModifyRegistersDialog(station::legacyDrivers().count() > 0, &frame).DoModal();
    });
    installScreenObjectsChanger([](fscreen& screen, QWidget* parent) {
        CChangeScreenObjectsDialog(screen, parent).DoModal();
        return true;
    });
    frame.setToolDialog(32877, [&frame] { CChangeProgramsDialog(&frame).DoModal(); });
    frame.setToolDialog(32876, [&frame] { CModifyParametersDialog(&frame).DoModal(); });
    frame.setToolDialog(32913, [&frame] { CChangeRequestsDialog(&frame).DoModal(); });
    frame.setToolDialog(32874, [&frame] { CCopyRegisterSourcesDialog(&frame).DoModal(); });
    frame.setToolDialog(32873, [&frame] { CCopyProgramCodeDialog(&frame).DoModal(); });
}
