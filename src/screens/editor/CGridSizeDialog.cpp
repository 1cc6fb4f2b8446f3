#include "screens/editor/CGridSizeDialog.h"

#include "platform/modalRun.h"
#include "shell/CSpinEdit.h"

#include <QLineEdit>

namespace {

constexpr int refusedMessage = 10086;

} // namespace

CGridSizeDialog::CGridSizeDialog(QWidget* parent) : CDialog(559, parent)
{
    setWindowTitle(QStringLiteral("Drawing Grid Size"));
    setDialogSize(150, 70);
    addLabel(-1, "Please enter the size of the drawing grid:", 7, 7, 140, 8);
    addLabel(-1, "&X:", 7, 24, 12, 8);
    addControl(xId, new CNonNegativeSpinEdit, 20, 22, 40, 12);
    addLabel(-1, "&Y:", 75, 24, 12, 8);
    addControl(yId, new CNonNegativeSpinEdit, 88, 22, 40, 12);
    addButton(IDOK, "OK", 20, 48, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 80, 48, 50, 14);
}

bool CGridSizeDialog::OnInitDialog()
{
    for (int id : {xId, yId}) {
        auto* edit = dynamic_cast<CNonNegativeSpinEdit*>(control(id));
        edit->spin().minimum = 4;
        edit->spin().maximum = 1000;
    }
    dynamic_cast<CNonNegativeSpinEdit*>(control(xId))->setValue(stepX);
    dynamic_cast<CNonNegativeSpinEdit*>(control(yId))->setValue(stepY);
    return true;
}

bool CGridSizeDialog::readStep(int id, int32_t& step)
{
    auto* edit = dynamic_cast<CNonNegativeSpinEdit*>(control(id));
    int32_t value = 0;
    if (edit->getValue(value) && value > 3 && value <= 1000) {
        step = value;
        return true;
    }
    edit->selectAll();
    messageBox(refusedMessage, gbuttons::ok, gicon::warning);
    return false;
}

void CGridSizeDialog::OnOK()
{
    int32_t x = 0;
    int32_t y = 0;
    if (!readStep(xId, x) || !readStep(yId, y))
        return;
    stepX = x;
    stepY = y;
    CDialog::OnOK();
}
