#include "screens/editor/CAlignObjectsDialog.h"

#include "platform/settingsStore.h"

#include <QRadioButton>
#include <algorithm>

namespace {

constexpr const char* section = "Dialogs\\Align Objects";

constexpr const char* horizontalTexts[] = {"&Don't align", "Align &left edges", "Align &centerlines",
                                           "Align &right edges", "Distribute &evenly"};
constexpr const char* verticalTexts[] = {"D&on't align", "Align &top edges", "Align ce&nterlines",
                                         "Align &bottom edges", "Distribute e&venly"};

} // namespace

CAlignObjectsDialog::CAlignObjectsDialog(QWidget* parent) : CDialog(511, parent)
{
    setWindowTitle(QStringLiteral("Align Objects"));
    setDialogSize(250, 110);
    addGroupBox(-1, "Horizontal alignment", 7, 7, 115, 80);
    addGroupBox(-1, "Vertical alignment", 128, 7, 115, 80);
    for (int i = 0; i < 5; ++i) {
        addRadioButton(firstHorizontalId + i, horizontalTexts[i], 14, 19 + 13 * i, 100, 10);
        addRadioButton(firstVerticalId + i, verticalTexts[i], 135, 19 + 13 * i, 100, 10);
    }
    // Each group is its own set of choices.
    for (int first : {firstHorizontalId, firstVerticalId}) {
        for (int i = 0; i < 5; ++i)
            controlAs<QRadioButton>(first + i)->setAutoExclusive(false);
    }
    addButton(IDOK, "OK", 135, 92, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 92, 50, 14);
    for (int first : {firstHorizontalId, firstVerticalId}) {
        for (int i = 0; i < 5; ++i) {
            onCommand(first + i, [this, first, i] {
                checkRadioButton(first, first + 4, first + i);
                enableOk();
            });
        }
    }
}

CAlignObjectsDialog::~CAlignObjectsDialog()
{
    writeProfileInt(section, "X", checkedIndex(firstHorizontalId));
    writeProfileInt(section, "Y", checkedIndex(firstVerticalId));
}

int CAlignObjectsDialog::checkedIndex(int firstId) const
{
    int id = checkedRadioButton(firstId, firstId + 4);
    return id == 0 ? 0 : id - firstId;
}

bool CAlignObjectsDialog::OnInitDialog()
{
    horizontal = std::clamp(profileInt(section, "X", 0), 0, 4);
    vertical = std::clamp(profileInt(section, "Y", 0), 0, 4);
    checkRadioButton(firstHorizontalId, firstHorizontalId + 4, firstHorizontalId + horizontal);
    checkRadioButton(firstVerticalId, firstVerticalId + 4, firstVerticalId + vertical);
    enableOk();
    return true;
}

void CAlignObjectsDialog::enableOk()
{
    enableControl(IDOK, checkedIndex(firstHorizontalId) != 0 || checkedIndex(firstVerticalId) != 0);
}

void CAlignObjectsDialog::OnOK()
{
    horizontal = checkedIndex(firstHorizontalId);
    vertical = checkedIndex(firstVerticalId);
    CDialog::OnOK();
}
