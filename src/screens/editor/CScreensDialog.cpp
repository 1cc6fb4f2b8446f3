#include "screens/editor/CScreensDialog.h"

#include "screens/editor/CScreenDoc.h"
#include "screens/editor/CScreenPropertiesDialog.h"
#include "screens/editor/drawingBarLink.h"
#include "screens/editor/screenDocuments.h"
#include "screens/model/fscreen.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CStationEditorApp.h"
#include "store/gstation.h"
#include "store/gstationState.h"

namespace {

constexpr int inUseMessage = 20024;

void updateSclViews()
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
}

} // namespace

CScreensDialog::CScreensDialog() : CSelectDialog("Select Dialogs\\Screens", 604, 640, "Screens")
{
    setControlText(editId, "&Edit");
    addAnchoredButton(propertiesId, "&Properties...", 176, 94, 40, 14);
    onCommand(propertiesId, [this] { OnProperties(); });
}

void CScreensDialog::enableSelectionButtons(bool enable)
{
    CSelectDialog::enableSelectionButtons(enable);
    enableControl(propertiesId, enable);
}

void CScreensDialog::fillList() { listDefinedObjects(station::screens()); }

fscreen* CScreensDialog::selectedScreen() const { return static_cast<fscreen*>(list().getSelectedObject()); }

void CScreensDialog::updateScreenRow(const fscreen& screen)
{
    int row = list().indexOf(&screen);
    if (row >= 0)
        list().updateRow(row);
    barRefreshScreenList();
}

void CScreensDialog::OnEdit()
{
    if (fscreen* screen = selectedScreen())
        openScreenDocument(*screen);
}

void CScreensDialog::addMadeScreen(fscreen* made)
{
    stationState().modified = 1;
    list().insertObject(made, true);
    enableSelectionButtons(true);
    barRefreshScreenList();
    updateSclViews();
}

void CScreensDialog::OnNew()
{
    CScreenPropertiesDialog dialog(nullptr, nullptr, CMainFrame::instance());
    if (dialog.DoModal() == IDOK && dialog.target())
        addMadeScreen(dialog.target());
}

void CScreensDialog::OnDuplicate()
{
    fscreen* source = selectedScreen();
    if (!source)
        return;
    CScreenPropertiesDialog dialog(source, nullptr, CMainFrame::instance());
    if (dialog.DoModal() == IDOK && dialog.target())
        addMadeScreen(dialog.target());
}

void CScreensDialog::OnProperties()
{
    fscreen* screen = selectedScreen();
    if (!screen)
        return;
    CScreenPropertiesDialog dialog(screen, screen, CMainFrame::instance());
    if (dialog.DoModal() != IDOK)
        return;
    stationState().modified = 1;
    if (CScreenDoc* doc = findScreenDocument(*screen))
        doc->retitle();
    updateScreenRow(*screen);
}

void CScreensDialog::OnDelete()
{
    fscreen* screen = selectedScreen();
    if (!screen)
        return;
    if (!screen->isUnused()) {
        screen->reportInUse(inUseMessage);
        return;
    }
    closeScreenDocument(*screen);
    if (list().deleteRow(list().getSelectedIndex(), true) == 1)
        enableSelectionButtons(false);
    station::screens().remove(screen);
    fscreen& clipboard = clipboardScreen();
    if (clipboard.usesScreen(screen))
        clipboard.deleteAllObjects();
    drawingDefaults().forgetScreen(screen);
    barRefreshScreenList();
    stationState().modified = 1;
    delete screen;
    updateSclViews();
}
