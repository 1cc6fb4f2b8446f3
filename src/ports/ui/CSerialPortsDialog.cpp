#include "ports/ui/CSerialPortsDialog.h"

#include "ports/gserialPort.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CStationEditorApp.h"
#include "store/gstation.h"
#include "store/gstationState.h"

namespace {

constexpr int inUse = 20024;

// The template: 230 x 134 dialog units, the list on the left and the
// buttons in a column on the right.
constexpr int templateWidth = 230;
constexpr int templateHeight = 134;
constexpr int buttonX = 178;
constexpr int buttonWidth = 50;
constexpr int buttonHeight = 14;

struct buttonPlace {
    int id;
    int y;
};
constexpr buttonPlace buttons[] = {
    {CSelectDialog::closeId, 2},      {CSelectDialog::editId, 19}, {CSelectDialog::deleteId, 36},
    {CSelectDialog::duplicateId, 53}, {CSelectDialog::newId, 70},
};

void updateSclViews()
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
}

} // namespace

CSerialPortsDialog::CSerialPortsDialog() : CSelectDialog("Select Dialogs\\Ports", dialogId, 637, "Serial Ports")
{
    setDialogSize(templateWidth, templateHeight);
    list().setGeometry(dialogUnits(0, 0, 176, 134));
    for (const buttonPlace& b : buttons) {
        auto* button = static_cast<CAnchoredButton*>(control(b.id));
        button->setGeometry(dialogUnits(buttonX, b.y, buttonWidth, buttonHeight));
        button->attach(width());
    }
    setControlText(editId, "&Edit...");
    setControlText(duplicateId, "Duplicate...");
}

CSerialPortsDialog::~CSerialPortsDialog() = default;

void CSerialPortsDialog::fillList() { listDefinedObjects(station::serialPorts()); }

gserialPort* CSerialPortsDialog::selectedPort() const
{
    return static_cast<gserialPort*>(list().getSelectedObject());
}

void CSerialPortsDialog::OnNew()
{
    CEditSerialPortDialog dialog(nullptr, nullptr, CMainFrame::instance());
    if (dialog.DoModal() == IDOK)
        addNewObject(dialog.editedPort());
}

void CSerialPortsDialog::OnEdit()
{
    gserialPort* port = selectedPort();
    if (!port)
        return;
    CEditSerialPortDialog dialog(port, port, CMainFrame::instance());
    if (dialog.DoModal() != IDOK)
        return;
    stationState().modified = 1;
    // The row may move to its sorted place; it stays the selected one.
    list().selectRow(list().updateRow(list().getSelectedIndex()));
}

void CSerialPortsDialog::OnDuplicate()
{
    gserialPort* port = selectedPort();
    if (!port)
        return;
    CEditSerialPortDialog dialog(port, nullptr, CMainFrame::instance());
    if (dialog.DoModal() == IDOK)
        addNewObject(dialog.editedPort());
}

// Without a question; a port still referred to stays, with the list of its
// users.
void CSerialPortsDialog::OnDelete()
{
    gserialPort* port = selectedPort();
    if (!port)
        return;
    if (!port->usedBy().isUnused()) {
        port->usedBy().reportInUse(inUse);
        return;
    }
    if (list().deleteRow(list().getSelectedIndex(), true) == 1)
        enableSelectionButtons(false);
    station::serialPorts().remove(port);
    delete port;
    stationState().modified = 1;
    updateSclViews();
}
