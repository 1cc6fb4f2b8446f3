#include "formats/ui/CSelectCoderTypeDialog.h"

#include "formats/gcoderKind.h"
#include "platform/textCodec.h"

namespace {

constexpr int encoderCaption = 10375;

struct choice {
    const char* text;
    int kind;
};

constexpr choice choices[] = {
    {"&Numerical (floating-point number)", gcoderKind::analogNumber},
    {"Numerical (unsigned &integer)", gcoderKind::digitalNumber},
    {"Numerical (set &of strings)", gcoderKind::digitalStrings},
    {"&String", gcoderKind::string},
    {"&Boolean", gcoderKind::bistate},
};

} // namespace

CSelectCoderTypeDialog::CSelectCoderTypeDialog(bool encoder, QWidget* parent) : CDialog(885, parent), encoder_(encoder)
{
    setWindowTitle("Select Decoder Type");
    setDialogSize(186, 92);
    int y = 7;
    for (int i = 0; i < 5; ++i, y += 13)
        addRadioButton(firstRadioId + i, choices[i].text, 14, y, 160, 10);
    addButton(IDOK, "OK", 74, 73, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 129, 73, 50, 14);
}

bool CSelectCoderTypeDialog::OnInitDialog()
{
    if (encoder_)
        setWindowTitle(toUiText(gstr().loadString(encoderCaption)));
    checkRadioButton(firstRadioId, lastRadioId, firstRadioId + radioIndex_);
    return true;
}

void CSelectCoderTypeDialog::OnOK()
{
    int checked = checkedRadioButton(firstRadioId, lastRadioId);
    if (checked == 0)
        return;
    radioIndex_ = checked - firstRadioId;
    kind_ = choices[radioIndex_].kind;
    EndDialog(IDOK);
}
