#include "shell/CEnterTextDialog.h"

#include <QPlainTextEdit>

namespace {

constexpr int editId = 1465;

} // namespace

CEnterTextDialog::CEnterTextDialog(int withoutCancel, QWidget* parent)
    : CDialog(withoutCancel == 0 ? 553 : 554, parent), text("")
{
    setWindowTitle("Enter Text");
    setDialogSize(158, 95);
    auto* edit = addMultiLineEdit(editId, 0, 0, 158, 80);
    edit->setTabChangesFocus(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    if (withoutCancel == 0) {
        addButton(IDOK, "OK", 26, 81, 50, 13, true);
        addButton(IDCANCEL, "Cancel", 82, 81, 50, 13);
    } else {
        addButton(IDOK, "OK", 54, 81, 50, 13, true);
        // Without Cancel there is no close box either.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }
}

// Each carriage return gets a line feed after it, so that it shows as a
// break in the edit.
bool CEnterTextDialog::OnInitDialog()
{
    gstr shown;
    shown.assign("");
    for (int32_t i = 0; i < text.length(); ++i) {
        shown.append(text[i]);
        if (text[i] == '\r')
            shown.append('\n');
    }
    setControlText(editId, shown);
    return true;
}

// Every line feed goes: a break comes back as a single carriage return.
void CEnterTextDialog::OnOK()
{
    gstr typed = controlText(editId);
    gstr kept;
    kept.assign("");
    for (int32_t i = 0; i < typed.length(); ++i) {
        if (typed[i] != '\n')
            kept.append(typed[i]);
    }
    text.adopt(kept);
    EndDialog(IDOK);
}
