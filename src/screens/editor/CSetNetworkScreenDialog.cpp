#include "screens/editor/CSetNetworkScreenDialog.h"

#include <QLineEdit>

CSetNetworkScreenDialog::CSetNetworkScreenDialog(QWidget* parent) : CDialog(607, parent)
{
    setWindowTitle(QStringLiteral("Set Network Screen"));
    setDialogSize(200, 62);
    addLabel(-1, "&Station name:", 7, 9, 55, 8);
    addEdit(stationId, 65, 7, 128, 12);
    addLabel(-1, "S&creen tag:", 7, 25, 55, 8);
    addEdit(screenId, 65, 23, 128, 12);
    addButton(IDOK, "OK", 85, 42, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, 42, 50, 14);
    for (int id : {stationId, screenId})
        connect(controlAs<QLineEdit>(id), &QLineEdit::textChanged, this, [this] { enableOk(); });
}

bool CSetNetworkScreenDialog::OnInitDialog()
{
    setControlText(stationId, station_);
    setControlText(screenId, screen_);
    enableOk();
    return true;
}

void CSetNetworkScreenDialog::enableOk()
{
    enableControl(IDOK, !controlText(stationId).isEmpty() && !controlText(screenId).isEmpty());
}

void CSetNetworkScreenDialog::OnOK()
{
    station_ = controlText(stationId);
    screen_ = controlText(screenId);
    CDialog::OnOK();
}
