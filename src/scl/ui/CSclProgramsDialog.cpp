#include "scl/ui/CSclProgramsDialog.h"

#include "scl/gsclProgram.h"
#include "scl/ui/CProgramPropertiesDialog.h"
#include "scl/ui/CSclDoc.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CStationEditorApp.h"
#include "shell/screenEditorServices.h"
#include "store/gstation.h"
#include "store/gstationState.h"

namespace {

constexpr int inUseMessage = 20024;

// The template: the list on the left, the buttons in a column on the right
// (dialog units).
constexpr int templateWidth = 220;
constexpr int templateHeight = 150;
constexpr int buttonX = 172;
constexpr int buttonWidth = 46;
constexpr int buttonHeight = 14;

struct buttonPlace {
    int id;
    int y;
};
constexpr buttonPlace baseButtons[] = {
    {CSelectDialog::closeId, 4},      {CSelectDialog::editId, 22},     {CSelectDialog::deleteId, 58},
    {CSelectDialog::duplicateId, 76}, {CSelectDialog::newId, 94},
};

CSclProgramsDialog* theWindow = nullptr;

void updateSclViews()
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
}

QWidget* dialogParent() { return CMainFrame::instance(); }

} // namespace

CSclProgramsDialog::CSclProgramsDialog() : CSelectDialog("Select Dialogs\\Programs", dialogId, 638, "SCL Programs")
{
    setDialogSize(templateWidth, templateHeight);
    list().setGeometry(dialogUnits(4, 4, buttonX - 8, templateHeight - 8));
    for (const buttonPlace& b : baseButtons) {
        auto* button = static_cast<CAnchoredButton*>(control(b.id));
        button->setGeometry(dialogUnits(buttonX, b.y, buttonWidth, buttonHeight));
        button->attach(width());
    }
    addAnchoredButton(propertiesId, "&Properties...", buttonX, 40, buttonWidth, buttonHeight);
    onCommand(propertiesId, [this] { OnProperties(); });
    enableSelectionButtons(false);
    theWindow = this;
}

CSclProgramsDialog::~CSclProgramsDialog()
{
    if (theWindow == this)
        theWindow = nullptr;
}

CSclProgramsDialog* CSclProgramsDialog::instance() { return theWindow; }

bool CSclProgramsDialog::canCreateObjects() const { return true; }

void CSclProgramsDialog::fillList() { listDefinedObjects(station::programs()); }

void CSclProgramsDialog::enableSelectionButtons(bool enable)
{
    CSelectDialog::enableSelectionButtons(enable);
    enableControl(propertiesId, enable);
}

gsclProgram* CSclProgramsDialog::selectedProgram() const
{
    return static_cast<gsclProgram*>(list().getSelectedObject());
}

void CSclProgramsDialog::updateProgramRow(gsclProgram* program)
{
    list().renameObjectRow(program);
    refreshDrawingPropertiesBar();
}

void CSclProgramsDialog::OnEdit()
{
    if (gsclProgram* program = selectedProgram())
        CSclGlobalDoc::show(*program);
}

void CSclProgramsDialog::OnProperties()
{
    gsclProgram* program = selectedProgram();
    if (!program)
        return;
    CProgramPropertiesDialog dialog(program, program, dialogParent());
    if (dialog.DoModal() != IDOK)
        return;
    stationState().modified = 1;
    if (CSclGlobalDoc* doc = CSclGlobalDoc::find(program))
        doc->retitle(program->getTitle(true));
    list().updateRow(list().getSelectedIndex());
    updateSclViews();
    refreshDrawingPropertiesBar();
}

// The dialog has already opened the new program's window.
void CSclProgramsDialog::addMade(gsclProgram* program)
{
    stationState().modified = 1;
    list().insertObject(program, true);
    refreshDrawingPropertiesBar();
    enableSelectionButtons(true);
    updateSclViews();
}

void CSclProgramsDialog::OnNew()
{
    CProgramPropertiesDialog dialog(nullptr, nullptr, dialogParent());
    if (dialog.DoModal() == IDOK)
        addMade(dialog.getTarget());
}

void CSclProgramsDialog::OnDuplicate()
{
    gsclProgram* program = selectedProgram();
    if (!program)
        return;
    // The copy takes the code its window shows.
    CSclGlobalDoc::writeBack(program);
    CProgramPropertiesDialog dialog(program, nullptr, dialogParent());
    if (dialog.DoModal() == IDOK)
        addMade(dialog.getTarget());
}

// Without a question: a program still called is refused with the list of
// its callers.
void CSclProgramsDialog::OnDelete()
{
    gsclProgram* program = selectedProgram();
    if (!program)
        return;
    if (!program->isUnused()) {
        program->reportInUse(inUseMessage);
        return;
    }
    CSclGlobalDoc::closeWindow(program);
    if (list().deleteRow(list().getSelectedIndex(), true) == 1)
        enableSelectionButtons(false);
    station::programs().remove(program);
    if (screenEditorServices* editor = screenEditor()) {
        if (editor->clipboardUsesProgram(*program))
            editor->emptyClipboard();
        editor->forgetProgram(*program);
    }
    refreshDrawingPropertiesBar();
    delete program;
    stationState().modified = 1;
    updateSclViews();
}
