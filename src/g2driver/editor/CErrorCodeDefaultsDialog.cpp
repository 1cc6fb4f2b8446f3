#include "g2driver/editor/CErrorCodeDefaultsDialog.h"

#include "g2driver/editor/CEditCommandTemplateDialog.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/editor/CErrorCodeValuesPanel.h"

#include <QPushButton>

CErrorCodeDefaultsDialog::CErrorCodeDefaultsDialog(CEditCommandTemplateDialog& owner, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner)
{
    setWindowTitle(QStringLiteral("Error Handling"));
    setDialogSize(220, 60);
    addLabel(-1, "Default values for error codes:", 7, 7, 140, 8);
    panel_ = addControl(panelId, new CErrorCodeValuesPanel, 7, 20, 150, 10);
    panel_->hide();
    addButton(IDOK, "OK", 163, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 163, 24, 50, 14);
}

bool CErrorCodeDefaultsDialog::OnInitDialog()
{
    QSize grow = panel_->setErrorCodes(owner_.owner().workingErrorCodes());
    resize(width() + grow.width(), height() + grow.height());
    for (int id : {IDOK, IDCANCEL}) {
        QWidget* button = control(id);
        button->move(button->x() + grow.width(), button->y());
    }
    panel_->setValues(owner_.errorCodeDefaults());
    return true;
}

// A row that refuses keeps the dialog open and the defaults as they were.
void CErrorCodeDefaultsDialog::OnOK()
{
    jhashNamedObjectTable values;
    if (!panel_->getValues(values)) {
        values.deleteAll();
        return;
    }
    owner_.errorCodeDefaults().deleteAll();
    owner_.errorCodeDefaults().transferFrom(values);
    EndDialog(IDOK);
}
