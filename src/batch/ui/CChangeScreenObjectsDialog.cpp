#include "batch/ui/CChangeScreenObjectsDialog.h"

#include "platform/settingsStore.h"
#include "screens/model/fscreen.h"
#include "screens/model/gscreenBatchChange.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

const char* const section = "Settings\\Batch Dialogs";

struct scopeBox {
    int id;
    const char* label;
    const char* setting;
};

using dialog = CChangeScreenObjectsDialog;
constexpr scopeBox scopeBoxes[] = {
    {dialog::textId, "&Text", "ChangeText"},
    {dialog::registersId, "Re&gisters used by indicators and labels", "ChangeRegisters"},
    {dialog::programsId, "&Programs used by controls", "ChangeButtonPrograms"},
    {dialog::argumentsId, "Arg&uments for programs used by controls", "ChangeButtonProgramArguments"},
    {dialog::screensId, "&Screens used by controls", "ChangeButtonScreens"},
};

} // namespace

CChangeScreenObjectsDialog::CChangeScreenObjectsDialog(fscreen& screen, QWidget* parent)
    : CDialog(517, parent), screen_(screen)
{
    setWindowTitle("Change Screen Objects");
    setDialogSize(250, 170);
    addLabel(-1, "&Find:", 7, 9, 50, 8);
    auto* find = addEdit(findId, 60, 7, 183, 12);
    addLabel(-1, "&Replace with:", 7, 25, 50, 8);
    auto* replace = addEdit(replaceId, 60, 23, 183, 12);
    addCheckBox(matchCaseId, "&Match case", 60, 40, 70, 10);
    addCheckBox(wholeWordId, "Whole &word", 140, 40, 70, 10);
    addGroupBox(-1, "Apply changes to", 7, 54, 236, 76);
    int y = 66;
    for (const scopeBox& s : scopeBoxes) {
        auto* box = addCheckBox(s.id, s.label, 13, y, 224, 10);
        QObject::connect(box, &QCheckBox::toggled, this, [this] { updateButtons(); });
        y += 12;
    }
    addButton(replaceAllId, "Replace &All", 139, 149, 50, 14, true);
    addButton(IDCANCEL, "&Close", 193, 149, 50, 14);
    QObject::connect(find, &QLineEdit::textChanged, this, [this] { updateButtons(); });
    QObject::connect(replace, &QLineEdit::textChanged, this, [this] { updateButtons(); });
    onCommand(replaceAllId, [this] { OnReplaceAll(); });
}

bool CChangeScreenObjectsDialog::OnInitDialog()
{
    setControlText(findId, profileString(section, "FindText", ""));
    setControlText(replaceId, profileString(section, "ReplaceText", ""));
    setChecked(wholeWordId, profileInt(section, "MatchWord", 1) != 0);
    setChecked(matchCaseId, profileInt(section, "MatchCase", 1) != 0);
    for (const scopeBox& s : scopeBoxes)
        setChecked(s.id, profileInt(section, s.setting, 1) != 0);
    updateButtons();
    return true;
}

void CChangeScreenObjectsDialog::OnCancel()
{
    writeProfileString(section, "FindText", controlText(findId));
    writeProfileString(section, "ReplaceText", controlText(replaceId));
    writeProfileInt(section, "MatchWord", isChecked(wholeWordId) ? 1 : 0);
    writeProfileInt(section, "MatchCase", isChecked(matchCaseId) ? 1 : 0);
    for (const scopeBox& s : scopeBoxes)
        writeProfileInt(section, s.setting, isChecked(s.id) ? 1 : 0);
    EndDialog(IDCANCEL);
}

// An empty replacement never enables it: this dialog does not delete text.
void CChangeScreenObjectsDialog::updateButtons()
{
    bool scope = false;
    for (const scopeBox& s : scopeBoxes)
        scope = scope || isChecked(s.id);
    enableControl(replaceAllId, scope && !controlText(findId).isEmpty() && !controlText(replaceId).isEmpty());
}

void CChangeScreenObjectsDialog::OnReplaceAll()
{
    gscreenBatchChange change;
    change.findText = controlText(findId);
    change.replaceText = controlText(replaceId);
    change.wholeWord = isChecked(wholeWordId) ? 1 : 0;
    change.matchCase = isChecked(matchCaseId) ? 1 : 0;
    change.text = isChecked(textId) ? 1 : 0;
    change.registers = isChecked(registersId) ? 1 : 0;
    change.programs = isChecked(programsId) ? 1 : 0;
    change.programArguments = isChecked(argumentsId) ? 1 : 0;
    change.screens = isChecked(screensId) ? 1 : 0;
    screen_.replaceText(change);
}
