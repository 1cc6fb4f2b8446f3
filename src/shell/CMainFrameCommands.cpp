// The main frame's commands for objects, images, device drivers and tools:
// the New commands of the list windows, the dialogs of other parts of the
// program, Load and Reload Images, Save and Import Device Drivers.
#include "shell/CMainFrame.h"

#include "platform/settingsStore.h"
#include "platform/waitCursor.h"
#include "screens/model/gimageLibrary.h"
#include "shell/CImportDriversDialog.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "shell/fileNameDialog.h"
#include "store/gobjectType.h"
#include "store/stationFile.h"

namespace {

constexpr int loadImagesTitle = 10116;
const char* const imageLibrarySection = "Settings";
const char* const imageLibraryEntry = "Image Library";

struct newCommand {
    int id;
    CMainFrame::listWindow window;
    bool stationOnly; // disabled in library mode
};

constexpr newCommand newCommands[] = {
    {32919, CMainFrame::deviceDrivers, false},      {32863, CMainFrame::serialPorts, true},
    {32866, CMainFrame::screens, true},             {32864, CMainFrame::sclPrograms, true},
    {32920, CMainFrame::legacyDataMasks, false},    {32921, CMainFrame::legacyDeviceDrivers, false},
    {32862, CMainFrame::legacyParameters, true},    {32860, CMainFrame::legacyDataMasks, false},
    {32859, CMainFrame::legacyDeviceDrivers, false},
};

} // namespace

void CMainFrame::setToolDialog(int command, std::function<void()> run) { toolDialogs_[command] = std::move(run); }

void CMainFrame::addObjectCommands()
{
    for (const newCommand& c : newCommands) {
        CSelectDialog* window = listWindows_[c.window];
        bool stationOnly = c.stationOnly;
        commands_.on(c.id, [window] { window->newObject(); }, [this, window, stationOnly](commandState& s) {
            s.enable(stationOpen() && !(stationOnly && libraryMode_) && window->canCreateObjects());
        });
    }
    auto always = [] { return true; };
    auto stationOnly = [this] { return stationOpen() && !libraryMode_; };
    auto rows = [this](listWindow which, int least) {
        return [this, which, least] { return listWindows_[which]->list().rowCount() >= least; };
    };
    addToolDialogCommand(32865, stationOnly);
    addToolDialogCommand(32912, stationOnly);
    addToolDialogCommand(32893, always);
    addToolDialogCommand(32842, always);
    addToolDialogCommand(32878, rows(registers, 1));
    addToolDialogCommand(32877, rows(sclPrograms, 1), true);
    addToolDialogCommand(32876, rows(legacyParameters, 1));
    addToolDialogCommand(32913, rows(sabusRequests, 1));
    addToolDialogCommand(32874, rows(registers, 2));
    addToolDialogCommand(32873, rows(sclPrograms, 2), true);

    commands_.on(32858, [this] { OnLoadImages(); });
    commands_.on(32914, [this] { OnReloadImages(); }, [](commandState& s) { s.enable(imageLibrary().hasFile()); });
    commands_.on(32882, [this] { OnSaveDeviceDrivers(); },
                 [this](commandState& s) { s.enable(stationOpen() && !libraryMode_ && holdsDriverObjects()); });
    commands_.on(32881, [this] { OnImportDeviceDrivers(); }, [](commandState& s) { s.enable(stationOpen()); });
}

// The program tools read the programs' code: open program documents write
// theirs back first.
void CMainFrame::addToolDialogCommand(int id, std::function<bool()> rule, bool savesDocuments)
{
    commands_.on(
        id,
        [this, id, savesDocuments] {
            auto it = toolDialogs_.find(id);
            if (it == toolDialogs_.end() || (savesDocuments && !documentsSaved()))
                return;
            it->second();
        },
        [this, id, rule](commandState& s) { s.enable(toolDialogs_.count(id) != 0 && rule()); });
}

void CMainFrame::OnLoadImages()
{
    gfileName file;
    if (!fileNameDialog(file, fileMode::openExisting, fileKind::imageLibrary, loadImagesTitle))
        return;
    if (imageLibrary().load(file))
        writeProfileString(imageLibrarySection, imageLibraryEntry, file.path());
}

void CMainFrame::OnReloadImages()
{
    if (!imageLibrary().reload())
        deleteProfileValue(imageLibrarySection, imageLibraryEntry);
}

// Only the drivers are written; the station keeps its file, name and
// modified flag.
void CMainFrame::OnSaveDeviceDrivers()
{
    if (!documentsSaved())
        return;
    gfileName file;
    file.fullPath = lastLibraryPath_;
    if (!fileNameDialog(file, fileMode::save, fileKind::driverLibrary))
        return;
    lastLibraryPath_ = file.path();
    writeStation(lastLibraryPath_, true);
}

// The library is read into the library tables, the user picks what to copy
// into the station, and the library tables are emptied again, whatever the
// choice.
void CMainFrame::OnImportDeviceDrivers()
{
    gfileName file;
    file.fullPath = lastLibraryPath_;
    if (!fileNameDialog(file, fileMode::openExisting, fileKind::driverLibrary))
        return;
    int result;
    {
        waitCursor busy;
        result = loadObjectFile(file.path(), true, true);
    }
    if (result == gloadError::none) {
        lastLibraryPath_ = file.path();
        CImportDriversDialog dialog(this);
        if (dialog.DoModal() == IDOK) {
            for (listWindow which : {legacyDeviceDrivers, legacyDataMasks, deviceDrivers}) {
                listWindows_[which]->emptyList();
                listWindows_[which]->refresh();
            }
        }
    }
    if (result != gloadError::notOpened)
        clearObjectDatabase(true);
}
