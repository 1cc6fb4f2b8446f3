#include "g2driver/editor/CSelectResponseElementTypeDialog.h"

#include <iterator>

namespace {

struct typeButton {
    int id;
    const char* text;
};

// In element type id order.
constexpr typeButton buttons[] = {
    {1705, "&Regular expression"},     {1706, "&Command element"},
    {1707, "&Bistate parameter"},      {1708, "&Digital parameter (number)"},
    {1709, "Di&gital parameter (strings)"}, {1710, "&Analog parameter"},
    {1711, "&String parameter"},       {1712, "&Numerical value"},
    {1713, "S&tring value"},           {1714, "C&hecksum"},
    {1715, "Res&ponse data"},          {1719, "Numerical &error code"},
    {1718, "String err&or code"},
};
constexpr int responseData = 10;
constexpr int firstErrorCode = 11;
constexpr int typeCount = static_cast<int>(std::size(buttons));

} // namespace

CSelectResponseElementTypeDialog::CSelectResponseElementTypeDialog(bool errorList, QWidget* parent)
    : CDialog(errorList ? errorTemplateId : validTemplateId, parent), errorList_(errorList)
{
    setWindowTitle(QStringLiteral("Select Element Type"));
    int shown = errorList ? typeCount : firstErrorCode;
    setDialogSize(200, 40 + 12 * shown);
    addLabel(-1, "General:", 7, 7, 80, 8);
    int y = 17;
    for (int type = 0; type < shown; ++type) {
        if (type == 2 || type == 7) {
            y += 4;
            addLabel(-1, type == 2 ? "Parameter:" : "Special:", 7, y, 80, 8);
            y += 10;
        }
        addRadioButton(buttons[type].id, buttons[type].text, 14, y, 120, 10);
        y += 12;
    }
    addButton(IDOK, "OK", 143, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, 24, 50, 14);
}

int CSelectResponseElementTypeDialog::buttonOf(int type) { return buttons[type].id; }

bool CSelectResponseElementTypeDialog::OnInitDialog()
{
    if (errorList_) {
        showControl(buttons[responseData].id, false);
        enableControl(buttons[responseData].id, false);
    }
    setChecked(buttons[choice_].id, true);
    return true;
}

void CSelectResponseElementTypeDialog::OnOK()
{
    for (int type = 0; type < typeCount; ++type) {
        if (control(buttons[type].id) && isChecked(buttons[type].id))
            choice_ = type;
    }
    EndDialog(IDOK);
}
