#include "g2driver/editor/CDeviceDriversDialog.h"

#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "shell/CMainFrame.h"
#include "store/gstation.h"

CDeviceDriversDialog::CDeviceDriversDialog()
    : CLegacyListWindow("Select Dialogs\\Devices", templateId, 632, "Device Drivers")
{
}

bool CDeviceDriversDialog::isShownInLibraryMode() const { return true; }

jhashDatabaseTable& CDeviceDriversDialog::table() const { return station::g2Drivers(); }

gusedByList& CDeviceDriversDialog::usersOf(gtitledObject& object) const
{
    return static_cast<g2driver&>(object).usedBy();
}

gtitledObject* CDeviceDriversDialog::runDialog(gtitledObject* source, gtitledObject* target)
{
    CEditG2DeviceDriverDialog dialog(static_cast<g2driver*>(source), static_cast<g2driver*>(target),
                                     CMainFrame::instance());
    return dialog.DoModal() == IDOK ? dialog.driver() : nullptr;
}

bool CDeviceDriversDialog::editShowsInSclViews() const { return true; }
