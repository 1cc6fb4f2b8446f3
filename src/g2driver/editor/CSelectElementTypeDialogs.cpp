#include "g2driver/editor/CSelectElementTypeDialogs.h"

namespace {

struct typeButton {
    const char* text;
    const char* group; // the label above the button that opens a group
};

constexpr typeButton buttons[] = {
    {"&Fixed string", "General:"},
    {"&Delay", nullptr},
    {"&Bistate parameter", "Parameter:"},
    {"D&igital parameter (number)", nullptr},
    {"Di&gital parameter (strings)", nullptr},
    {"&Analog parameter", nullptr},
    {"&String parameter", nullptr},
    {"Bistate &parameter bits", nullptr},
    {"Data &length", "Special:"},
    {"&Checksum", nullptr},
    {"Co&mmand data", nullptr},
};

} // namespace

CSelectElementTypeDialogBase::CSelectElementTypeDialogBase(int templateId, bool withCommandData, QWidget* parent)
    : CDialog(templateId, parent), lastId_(withCommandData ? lastButtonId : lastButtonId - 1)
{
    setWindowTitle(QStringLiteral("Select Element Type"));
    int y = 7;
    for (int id = firstButtonId; id <= lastId_; ++id) {
        const typeButton& b = buttons[id - firstButtonId];
        if (b.group) {
            addLabel(-1, b.group, 7, y, 100, 8);
            y += 10;
        }
        addRadioButton(id, b.text, 17, y, 120, 10);
        y += 12;
    }
    addButton(IDOK, "OK", 145, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 145, 24, 50, 14);
    setDialogSize(202, y + 5);
}

bool CSelectElementTypeDialogBase::OnInitDialog()
{
    checkRadioButton(firstButtonId, lastId_, firstButtonId);
    return true;
}

void CSelectElementTypeDialogBase::OnOK()
{
    int checked = checkedRadioButton(firstButtonId, lastId_);
    chosen_ = checked ? checked - firstButtonId : 0;
    CDialog::OnOK();
}

CSelectCommandElementTypeDialog::CSelectCommandElementTypeDialog(QWidget* parent)
    : CSelectElementTypeDialogBase(templateId, true, parent)
{
}

CSelectContentElementTypeDialog::CSelectContentElementTypeDialog(QWidget* parent)
    : CSelectElementTypeDialogBase(templateId, false, parent)
{
}

bool CSelectContentElementTypeDialog::OnInitDialog()
{
    enableControl(lengthId, false);
    enableControl(checksumId, false);
    return CSelectElementTypeDialogBase::OnInitDialog();
}
