#include "registers/ui/CEditArgumentDialogBase.h"

#include "platform/modalRun.h"
#include "scl/gprogramArgument.h"
#include "shell/CFilteredEdit.h"

CEditArgumentDialogBase::CEditArgumentDialogBase(int templateId, int type, int badNameMessage, QWidget* parent)
    : CDialog(templateId, parent), type_(type), badNameMessage_(badNameMessage)
{
    setWindowTitle("Edit Argument");
}

void CEditArgumentDialogBase::addNameField()
{
    addLabel(-1, "&Name:", 7, 9, 30, 8);
    auto* edit = addControl(nameId, new CTagNameEdit, 40, 7, 120, 12);
    edit->nameKind = type_;
    QObject::connect(edit, &QLineEdit::textChanged, this, [this] { enableOk(); });
}

void CEditArgumentDialogBase::addButtons(int cx, int y)
{
    addButton(IDOK, "OK", cx - 111, y, 50, 14, true);
    addButton(IDCANCEL, "Cancel", cx - 57, y, 50, 14);
}

bool CEditArgumentDialogBase::OnInitDialog()
{
    setControlText(nameId, name_);
    showValue();
    enableOk();
    return true;
}

void CEditArgumentDialogBase::enableOk() { enableControl(IDOK, !controlText(nameId).isEmpty()); }

void CEditArgumentDialogBase::OnOK()
{
    gstr name = controlText(nameId);
    if (sclVariableType(name) != type_) {
        messageBox(badNameMessage_, gbuttons::ok);
        return;
    }
    if (!readValue())
        return;
    name_ = name;
    EndDialog(IDOK);
}
