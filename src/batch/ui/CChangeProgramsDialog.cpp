#include "batch/ui/CChangeProgramsDialog.h"

#include "batch/programCodeReplace.h"
#include "scl/gsclProgram.h"
#include "scl/ui/CSclDoc.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "shell/CStationEditorApp.h"
#include "shell/screenEditorServices.h"
#include "store/gstation.h"

namespace {

const gbatchTexts programTexts{10190, 10201, 10140, 20155, 20163, 20124, 20134, 20157, 20165,
                               20126, 10028, 10029, 10030, 10016, 10017};

const gbatchKindOf<gsclProgram>& programKind()
{
    static const gbatchKindOf<gsclProgram> kind(programTexts, station::programs,
                                                [](gsclProgram& p) { return !p.isUnused(); });
    return kind;
}

batchDialogSpec programSpec()
{
    return {533,
            "Change/Duplicate Programs",
            "&Programs:",
            "Settings\\Batch Dialogs\\Program List",
            CMainFrame::sclPrograms,
            {{CBatchListDialog::namesId, "&Names", "ChangeName", 1},
             {CChangeProgramsDialog::literalsId, "&String literals", "ChangeLitterals", 1},
             {CChangeProgramsDialog::remarksId, "Re&marks", "ChangeComments", 1},
             {CChangeProgramsDialog::allCodeId, "All c&ode", "ChangeCode", 1}}};
}

void updateProgramViews()
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
}

} // namespace

// The dialog is modal: the windows' text, given back once, stays what they
// show until the windows read the changed code again.
CChangeProgramsDialog::CChangeProgramsDialog(QWidget* parent) : CBatchListDialog(programSpec(), programKind(), parent)
{
    CSclGlobalDoc::writeBackAll();
}

int CChangeProgramsDialog::applyChange(gtitledObject& object, const gbatchFind& find, gstr&, jhashDatabaseTable*)
{
    auto& program = static_cast<gsclProgram&>(object);
    int count = isChecked(namesId) ? replaceInOwnTitle(program, find) : 0;
    gcodeScopes scopes{isChecked(literalsId), isChecked(remarksId), isChecked(allCodeId)};
    return count + replaceInProgramCode(program.body(), find, scopes);
}

// The open program windows show the code again, whatever was counted.
void CChangeProgramsDialog::afterReplace(const std::vector<gtitledObject*>&, int, bool)
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->reloadSclDocuments();
}

void CChangeProgramsDialog::afterDuplicate(const std::vector<gtitledObject*>& added)
{
    if (!added.empty())
        updateProgramViews();
}

void CChangeProgramsDialog::destroyObject(gtitledObject* object)
{
    auto* program = static_cast<gsclProgram*>(object);
    station::programs().remove(program);
    // Copied screen objects do not list themselves as users of the program.
    fscreen& clipboard = clipboardScreen();
    if (clipboard.usesProgram(program))
        clipboard.deleteAllObjects();
    drawingDefaults().forgetProgram(program);
    CSclGlobalDoc::closeWindow(program);
    delete program;
}

void CChangeProgramsDialog::afterDelete(int deleted)
{
    if (deleted == 0)
        return;
    refreshDrawingPropertiesBar();
    updateProgramViews();
}
