#include "shell/CRegistersDialog.h"

#include "registers/gregister.h"
#include "shell/CIconListBox.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CStationEditorApp.h"
#include "shell/ownerDrawItems.h"
#include "shell/registerDialogs.h"
#include "shell/screenEditorServices.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include <QIcon>
#include <QPixmap>

namespace {

constexpr int inUseMessage = 20024;
// What screen objects bound to registers answer to.
constexpr unsigned registerBoundObjects = 2043;

// The template: the list on the left, the buttons in a column on the right
// (dialog units).
constexpr int templateWidth = 245;
constexpr int templateHeight = 198;
constexpr int buttonX = 193;
constexpr int buttonWidth = 50;
constexpr int buttonHeight = 14;

struct buttonPlace {
    int id;
    int y;
};
constexpr buttonPlace baseButtons[] = {
    {CSelectDialog::closeId, 2},     {CSelectDialog::editId, 19}, {CSelectDialog::deleteId, 36},
    {CSelectDialog::duplicateId, 53}, {CSelectDialog::newId, 70},
};

QWidget* mainWindow() { return CMainFrame::instance(); }

void updateSclViews()
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
}

} // namespace

int registerRowImage(const gregister& reg)
{
    int code = gregister::classCode(reg);
    return code == 0 ? -1 : registerIconIndex(reg);
}

CRegistersDialog::CRegistersDialog()
    : CSelectDialog("Select Dialogs\\Registers", dialogId, 639, "Registers"), images_(12, 10)
{
    setDialogSize(templateWidth, templateHeight);
    list().setGeometry(dialogUnits(0, 0, 191, 198));
    for (const buttonPlace& b : baseButtons) {
        auto* button = static_cast<CAnchoredButton*>(control(b.id));
        button->setGeometry(dialogUnits(buttonX, b.y, buttonWidth, buttonHeight));
        button->attach(width());
    }
    setControlText(newBistateId, "New &Bistate...");
    addAnchoredButton(newDigitalId, "New Di&gital...", buttonX, 87, buttonWidth, buttonHeight);
    addAnchoredButton(newAnalogId, "New &Analog...", buttonX, 104, buttonWidth, buttonHeight);
    addAnchoredButton(newStringId, "New &String...", buttonX, 121, buttonWidth, buttonHeight);
    onCommand(newDigitalId, [this] { OnNewDigital(); });
    onCommand(newAnalogId, [this] { OnNewAnalog(); });
    onCommand(newStringId, [this] { OnNewString(); });

    images_.addStrip(registerRowStrip(), iconMaskColour);
    std::vector<QIcon> icons;
    for (int i = 0; i < images_.count(); ++i)
        icons.emplace_back(QPixmap::fromImage(images_.masked(i)));
    list().setIconSize(QSize(images_.width(), images_.height()));
    list().setRowImages(std::move(icons), [](const gtitledObject& object) {
        return registerRowImage(static_cast<const gregister&>(object));
    });
}

bool CRegistersDialog::canCreateObjects() const { return static_cast<bool>(registerDialogs()); }

void CRegistersDialog::fillList() { listDefinedObjects(station::registers()); }

void CRegistersDialog::newRegister(int choice)
{
    if (choice >= 0 && choice <= 3)
        newOfClass(choice + 1);
}

void CRegistersDialog::newOfClass(int classCode)
{
    const registerDialogRunner& run = registerDialogs();
    if (!run)
        return;
    gregister* made = run(classCode, nullptr, nullptr, mainWindow());
    if (!made)
        return;
    insertMade(made);
    refreshDrawingPropertiesBar();
    updateSclViews();
}

void CRegistersDialog::insertMade(gregister* reg)
{
    stationState().modified = 1;
    list().insertObject(reg, true);
    enableSelectionButtons(true);
}

gregister* CRegistersDialog::selectedRegister() const
{
    return static_cast<gregister*>(list().getSelectedObject());
}

void CRegistersDialog::OnEdit()
{
    gregister* reg = selectedRegister();
    const registerDialogRunner& run = registerDialogs();
    int code = reg ? gregister::classCode(*reg) : 0;
    if (!reg || !run || code == 0)
        return;
    if (!run(code, reg, reg, mainWindow()))
        return;
    stationState().modified = 1;
    // Its name and its level, and so its picture, may have changed.
    list().updateRow(list().getSelectedIndex());
    refreshDrawingPropertiesBar();
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->notifyScreenObjects(0, registerBoundObjects);
    updateSclViews();
}

void CRegistersDialog::OnDuplicate()
{
    gregister* reg = selectedRegister();
    const registerDialogRunner& run = registerDialogs();
    int code = reg ? gregister::classCode(*reg) : 0;
    if (!reg || !run || code == 0)
        return;
    gregister* made = run(code, reg, nullptr, mainWindow());
    if (!made)
        return;
    insertMade(made);
    updateSclViews();
    refreshDrawingPropertiesBar();
}

// Without a question: a register still referred to is refused with the
// list of its users.
void CRegistersDialog::OnDelete()
{
    gregister* reg = selectedRegister();
    if (!reg)
        return;
    if (!reg->usedBy().isUnused()) {
        reg->usedBy().reportInUse(inUseMessage);
        return;
    }
    if (list().deleteRow(list().getSelectedIndex(), true) == 1)
        enableSelectionButtons(false);
    station::registers().remove(reg);
    if (screenEditorServices* editor = screenEditor()) {
        if (editor->clipboardUsesRegister(*reg))
            editor->emptyClipboard();
        editor->forgetRegister(*reg);
    }
    refreshDrawingPropertiesBar();
    delete reg;
    stationState().modified = 1;
    updateSclViews();
}

