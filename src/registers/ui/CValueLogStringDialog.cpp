#include "registers/ui/CValueLogStringDialog.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/ui/CValueLogStringsPane.h"
#include "shell/CSpinEdit.h"

#include <QLineEdit>

namespace {

constexpr int editCaption = 10434;
constexpr int badValue = 10082;
constexpr int replaceQuestion = 10230;

} // namespace

CValueLogStringDialog::CValueLogStringDialog(CValueLogStringsPane& pane, uint32_t value, const gstrSlice& text,
                                             bool isNew, QWidget* parent)
    : CDialog(521, parent), pane_(pane), value_(value), text_(text), isNew_(isNew)
{
    setWindowTitle("New Value Log String");
    setDialogSize(329, 60);
    addLabel(-1, "&Value:", 7, 9, 40, 8);
    addControl(valueId, new CUnsignedSpinEdit, 52, 7, 70, 12);
    addLabel(-1, "&Log string:", 7, 25, 42, 8);
    addEdit(textId, 52, 23, 216, 12);
    addLabel(-1, "Sample:", 7, 41, 42, 8);
    addLabel(sampleId, "", 52, 41, 216, 8);
    addButton(IDOK, "OK", 272, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 272, 24, 50, 14);
    QObject::connect(controlAs<QLineEdit>(textId), &QLineEdit::textChanged, this, [this] { textChanged(); });
}

bool CValueLogStringDialog::OnInitDialog()
{
    setControlText(textId, text_);
    if (isNew_) {
        value_ = pane_.nextFreeValue();
    } else {
        setWindowTitle(toUiText(gstr().loadString(editCaption)));
    }
    dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->setValue(value_);
    textChanged();
    return true;
}

void CValueLogStringDialog::textChanged()
{
    gstr typed = controlText(textId);
    gstr sample("");
    sample.substitute(typed, pane_.sampleName());
    setControlText(sampleId, sample);
    enableControl(IDOK, !typed.isEmpty());
}

void CValueLogStringDialog::OnOK()
{
    uint32_t value = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->getValue(value))
        return (void)refuseField(valueId, badValue);
    if (pane_.findValue(value, !isNew_) >= 0 && messageBox(replaceQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    value_ = value;
    text_ = controlText(textId);
    EndDialog(IDOK);
}
