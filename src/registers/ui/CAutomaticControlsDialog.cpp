#include "registers/ui/CAutomaticControlsDialog.h"

#include "platform/modalRun.h"
#include "registers/ui/CEditProgramArgumentsDialog.h"
#include "registers/ui/CRegisterDialog.h"
#include "shell/CProgramCombo.h"

#include <QFrame>

namespace {

constexpr int noPrograms = 10180;

struct templateShape {
    int id;
    int height;
    int valueRowTop;
};
constexpr templateShape shapes[] = {{683, 134, 100}, {850, 153, 100}, {685, 274, 234}};

const templateShape& shapeOf(int templateId)
{
    for (const templateShape& shape : shapes) {
        if (shape.id == templateId)
            return shape;
    }
    return shapes[0];
}

const char* const rowLabels[] = {"Fault &clear/off:", "&Fault/on:", "&Acknowledge:", "&Masking:", "&Unmasking:"};

} // namespace

const CAutomaticControlsDialog::rowIds CAutomaticControlsDialog::rows[6] = {
    {gregister::offControl, 1645, 1360},  {gregister::onControl, 1646, 1364},
    {gregister::acknowledgeControl, 1647, 1002}, {gregister::maskControl, 1658, 1003},
    {gregister::unmaskControl, 1175, 1004},      {gregister::valueControl, 1176, 1005},
};

int CAutomaticControlsDialog::valueRowTop(int templateId) { return shapeOf(templateId).valueRowTop; }

CAutomaticControlsDialog::CAutomaticControlsDialog(CRegisterDialog& registerDialog, int templateId,
                                                   QWidget* parent)
    : CDialog(templateId, parent), registerDialog_(registerDialog)
{
    const templateShape& shape = shapeOf(templateId);
    setWindowTitle("Edit Automatic Controls");
    setDialogSize(336, shape.height);
    for (int row = 0; row < valueRow; ++row)
        addRow(row, rowLabels[row], 7 + row * 17);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    addControl(-1, line, 7, shape.valueRowTop - 6, 322, 1);
    addRow(valueRow, templateId == 685 ? "&Other values:" : "&Value change:", shape.valueRowTop);
    addButton(IDOK, "OK", 225, shape.height - 20, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 279, shape.height - 20, 50, 14);
}

void CAutomaticControlsDialog::addRow(int row, const char* label, int y)
{
    addLabel(-1, label, 7, y + 2, 70, 8);
    auto* box = addControl(rows[row].comboId, new CProgramCombo(&calls_[row]), 80, y, 180, 12);
    box->setSorted(true);
    addButton(rows[row].argumentsId, "Arguments...", 266, y - 1, 63, 14);
    QObject::connect(box, &QComboBox::currentIndexChanged, this, [this, row] { rowSelectionChanged(row); });
    onCommand(rows[row].argumentsId, [this, row] { editArguments(row); });
}

CProgramCombo* CAutomaticControlsDialog::combo(int row) const
{
    return dynamic_cast<CProgramCombo*>(control(rows[row].comboId));
}

bool CAutomaticControlsDialog::rowRunsProgram(int row) const { return combo(row)->selectedProgram() != nullptr; }

bool CAutomaticControlsDialog::OnInitDialog()
{
    for (int row = 0; row <= valueRow; ++row) {
        calls_[row] = registerDialog_.controlCopy(rows[row].which);
        QSignalBlocker quiet(combo(row));
        combo(row)->fill(true);
    }
    if (combo(0)->count() <= 1) {
        messageBox(noPrograms, gbuttons::ok);
        EndDialog(IDCANCEL);
        return true;
    }
    for (int row = 0; row <= valueRow; ++row)
        enableControl(rows[row].argumentsId, rowRunsProgram(row));
    return true;
}

void CAutomaticControlsDialog::rowSelectionChanged(int row)
{
    enableControl(rows[row].argumentsId, rowRunsProgram(row));
}

void CAutomaticControlsDialog::editArguments(int row)
{
    CEditProgramArgumentsDialog arguments(calls_[row], this);
    if (arguments.DoModal() == IDOK)
        combo(row)->update();
}

void CAutomaticControlsDialog::OnOK()
{
    for (int row = 0; row <= valueRow; ++row) {
        calls_[row].setProgram(combo(row)->selectedProgram());
        registerDialog_.controlCopy(rows[row].which) = calls_[row];
    }
    CDialog::OnOK();
}
