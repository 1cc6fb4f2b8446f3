#include "sabus/ui/CEditSabusFixedParameterDialog.h"

#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "sabus/ui/sabusDialogItems.h"
#include "shell/CFilteredEdit.h"

namespace {

constexpr int newCaption = 10455;

} // namespace

CEditSabusFixedParameterDialog::CEditSabusFixedParameterDialog(const gstrSlice& text, bool inPlace, QWidget* parent)
    : CDialog(templateId, parent), text_(text), inPlace_(inPlace)
{
    setWindowTitle(QStringLiteral("Edit Fixed Parameter"));
    setDialogSize(250, 45);
    addLabel(-1, "&Paramater:", 7, 9, 50, 8);
    auto* edit = addControl(parameterId, new CPrintableEdit, 60, 7, 125, 12);
    sabusItems::acceptPrintableOnly(*edit);
    QObject::connect(edit, &QLineEdit::textChanged, this, [this] { enableOk(); });
    addButton(IDOK, "OK", 193, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 24, 50, 14);
}

bool CEditSabusFixedParameterDialog::OnInitDialog()
{
    if (!inPlace_)
        setWindowTitle(toUiText(gstrSlice(stringTableText(newCaption))));
    setControlText(parameterId, text_);
    enableOk();
    return true;
}

void CEditSabusFixedParameterDialog::enableOk() { enableControl(IDOK, !controlText(parameterId).isEmpty()); }

// Enter reaches here even while OK is disabled.
void CEditSabusFixedParameterDialog::OnOK()
{
    if (controlText(parameterId).isEmpty())
        return;
    text_ = controlText(parameterId);
    CDialog::OnOK();
}
