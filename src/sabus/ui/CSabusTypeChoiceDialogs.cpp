#include "sabus/ui/CSabusTypeChoiceDialogs.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

constexpr int rowHeight = 14;

} // namespace

CRadioChoiceDialog::CRadioChoiceDialog(int templateId, const char* caption, std::initializer_list<const char*> choices,
                                       QWidget* parent)
    : CDialog(templateId, parent), count_(static_cast<int>(choices.size()))
{
    setWindowTitle(QString::fromLatin1(caption));
    setDialogSize(200, 14 + count_ * rowHeight);
    auto* group = new QButtonGroup(this);
    int y = 7;
    int id = firstChoiceId;
    for (const char* text : choices) {
        group->addButton(addRadioButton(id++, text, 10, y, 120, 10));
        y += rowHeight;
    }
    addButton(IDOK, "OK", 143, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, 24, 50, 14);
}

bool CRadioChoiceDialog::OnInitDialog()
{
    checkRadioButton(firstChoiceId, firstChoiceId + count_ - 1, firstChoiceId);
    return true;
}

void CRadioChoiceDialog::OnOK()
{
    int checked = checkedRadioButton(firstChoiceId, firstChoiceId + count_ - 1);
    choice_ = checked != 0 ? checked - firstChoiceId : 0;
    CDialog::OnOK();
}

CSelectSabusRequestTypeDialog::CSelectSabusRequestTypeDialog(QWidget* parent)
    : CRadioChoiceDialog(templateId, "Select SABus Request Type", {"&Query", "&Command"}, parent)
{
}

CSelectResponseDataTypeDialog::CSelectResponseDataTypeDialog(QWidget* parent)
    : CRadioChoiceDialog(templateId, "Select Response Data Type",
                         {"&Register on/off state", "&Digital register value (number)",
                          "Di&gital register value (strings)", "&Analog register value", "&String register value",
                          "Register status &bits", "&Processor", "&Fixed data string"},
                         parent)
{
}

CSelectSabusParameterTypeDialog::CSelectSabusParameterTypeDialog(QWidget* parent)
    : CRadioChoiceDialog(templateId, "Select Parameter Type",
                         {"&String", "&Number", "&Boolean", "&Set of strings", "&Bits"}, parent)
{
}
