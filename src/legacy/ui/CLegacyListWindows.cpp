#include "legacy/ui/CLegacyListWindows.h"

#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyParameter.h"
#include "legacy/ui/CEditDataMaskDialog.h"
#include "legacy/ui/CEditLegacyDriverDialog.h"
#include "legacy/ui/CEditLegacyParameterDialog.h"
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

QWidget* dialogParent() { return CMainFrame::instance(); }

} // namespace

CLegacyListWindow::CLegacyListWindow(const char* section, int dialogId, int iconId, const char* title)
    : CSelectDialog(section, dialogId, iconId, title)
{
}

bool CLegacyListWindow::canCreateObjects() const { return true; }

bool CLegacyListWindow::editShowsInSclViews() const { return false; }

void CLegacyListWindow::fillList() { listDefinedObjects(table()); }

void CLegacyListWindow::OnNew()
{
    if (gtitledObject* made = runDialog(nullptr, nullptr))
        addNewObject(made);
}

void CLegacyListWindow::OnDuplicate()
{
    gtitledObject* selected = list().getSelectedObject();
    if (!selected)
        return;
    if (gtitledObject* made = runDialog(selected, nullptr))
        addNewObject(made);
}

void CLegacyListWindow::OnEdit()
{
    gtitledObject* selected = list().getSelectedObject();
    if (!selected || !runDialog(selected, selected))
        return;
    stationState().modified = 1;
    list().updateRow(list().getSelectedIndex());
    if (editShowsInSclViews())
        updateSclViews();
}

void CLegacyListWindow::OnDelete()
{
    gtitledObject* selected = list().getSelectedObject();
    if (!selected)
        return;
    gusedByList& users = usersOf(*selected);
    if (!users.isUnused()) {
        users.reportInUse(inUseMessage);
        return;
    }
    if (list().deleteRow(list().getSelectedIndex(), true) == 1)
        enableSelectionButtons(false);
    table().remove(selected);
    delete selected;
    stationState().modified = 1;
    updateSclViews();
}

CLegacyDriversDialog::CLegacyDriversDialog()
    : CLegacyListWindow("Select Dialogs\\Drivers", 596, 632, "Legacy Device Drivers")
{
}

bool CLegacyDriversDialog::isShownInLibraryMode() const { return true; }

jhashDatabaseTable& CLegacyDriversDialog::table() const { return station::legacyDrivers(); }

gusedByList& CLegacyDriversDialog::usersOf(gtitledObject& object) const
{
    return static_cast<glegacyDriver&>(object).usedBy();
}

gtitledObject* CLegacyDriversDialog::runDialog(gtitledObject* source, gtitledObject* target)
{
    CEditLegacyDriverDialog dialog(static_cast<glegacyDriver*>(source), static_cast<glegacyDriver*>(target),
                                   dialogParent());
    return dialog.DoModal() == IDOK ? dialog.driver() : nullptr;
}

bool CLegacyDriversDialog::editShowsInSclViews() const { return true; }

CLegacyDataMasksDialog::CLegacyDataMasksDialog()
    : CLegacyListWindow("Select Dialogs\\Masks", 597, 634, "Legacy Data Masks")
{
}

bool CLegacyDataMasksDialog::isShownInLibraryMode() const { return true; }

jhashDatabaseTable& CLegacyDataMasksDialog::table() const { return station::legacyMasks(); }

gusedByList& CLegacyDataMasksDialog::usersOf(gtitledObject& object) const
{
    return static_cast<glegacyMask&>(object).usedBy();
}

gtitledObject* CLegacyDataMasksDialog::runDialog(gtitledObject* source, gtitledObject* target)
{
    CEditDataMaskDialog dialog(static_cast<glegacyMask*>(source), static_cast<glegacyMask*>(target), dialogParent());
    return dialog.DoModal() == IDOK ? dialog.mask() : nullptr;
}

CLegacyParametersDialog::CLegacyParametersDialog()
    : CLegacyListWindow("Select Dialogs\\Parameters", 599, 636, "Legacy Parameters")
{
}

jhashDatabaseTable& CLegacyParametersDialog::table() const { return station::legacyParameters(); }

gusedByList& CLegacyParametersDialog::usersOf(gtitledObject& object) const
{
    return static_cast<glegacyParameter&>(object).usedBy();
}

gtitledObject* CLegacyParametersDialog::runDialog(gtitledObject* source, gtitledObject* target)
{
    CEditLegacyParameterDialog dialog(static_cast<glegacyParameter*>(source), static_cast<glegacyParameter*>(target),
                                      dialogParent());
    return dialog.DoModal() == IDOK ? dialog.parameter() : nullptr;
}
