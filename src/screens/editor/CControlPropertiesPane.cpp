#include "screens/editor/CControlPropertiesPane.h"

#include "foundation/jhashIterator.h"
#include "platform/textCodec.h"
#include "scl/gsclProgram.h"
#include "scl/ui/CEditMultipleProgramArgumentsDialog.h"
#include "screens/editor/CSetNetworkScreenDialog.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "shell/CAutoWidthCombo.h"
#include "store/gstation.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace {

constexpr int runProgram = 1, openScreen = 2, openNetworkScreen = 3;

} // namespace

CControlPropertiesPane::CControlPropertiesPane(QWidget* parent)
    : CDrawingPane(templateId, ggraphObject::maskControl, parent)
{
    setDialogSize(87, 204);
    addLabel(programLabel, "&Program:", 2, 2, 60, 8);
    auto* programs = addControl(programList, new CAutoWidthCombo, 2, 12, 83, 12);
    doubleDropDownWidth(programList);
    QObject::connect(programs, &QComboBox::activated, this, [this](int item) { chooseProgram(item); });
    addButton(argumentsButton, "Ar&guments...", 35, 27, 50, 14);
    onCommand(argumentsButton, [this] { editArguments(); });
    addLabel(screenLabel, "&Screen:", 2, 46, 60, 8);
    auto* screens = addControl(screenList, new CAutoWidthCombo, 2, 56, 83, 12);
    doubleDropDownWidth(screenList);
    QObject::connect(screens, &QComboBox::activated, this, [this](int item) { chooseScreen(item); });
    addLabel(networkLabel, "&Network screen:", 2, 74, 60, 8);
    addLabel(stationText, "", 2, 84, 83, 8);
    addLabel(screenTagText, "", 2, 94, 83, 8);
    addButton(setButton, "Set...", 45, 106, 40, 14);
    onCommand(setButton, [this] { setNetworkScreen(); });
    addLabel(captionLabel, "&Caption:", 2, 126, 60, 8);
    auto* caption = addMultiLineEdit(captionField, 2, 136, 83, 40);
    QObject::connect(caption, &QPlainTextEdit::textChanged, this, [this] { captionEdited(); });
    addTriStateBox(screenColourBox, "Sc&reen colour", 2, 182, 83, 10);
    onCommand(screenColourBox, [this] {
        if (!record())
            return;
        clickedCheck(screenColourBox, record()->control.screenColour);
        applyProperty(gprop::screenColour);
    });
}

void CControlPropertiesPane::showTargets(int action)
{
    const gpropControl& set = record()->control;
    int program = action == runProgram ? findItemData(programList, referredObject(set.program)) : -1;
    int screen = action == openScreen ? findItemData(screenList, referredObject(set.screen)) : -1;
    showItem(programList, set.program.hasValue() ? program : -1);
    showItem(screenList, set.screen.hasValue() ? screen : -1);
    bool network = action == openNetworkScreen;
    setControlText(stationText, network && set.station.hasValue() ? set.station.getValue() : gstr());
    setControlText(screenTagText, network && set.networkScreen.hasValue() ? set.networkScreen.getValue() : gstr());
}

void CControlPropertiesPane::loadFromObject()
{
    const gpropControl& set = record()->control;
    showTargets(set.action.hasValue() ? set.action.get() : 0);
    bool hasAction = set.action.isSet();
    for (int id : {programLabel, programList, screenLabel, screenList, networkLabel, setButton})
        enableControl(id, hasAction);
    enableControl(argumentsButton, set.arguments.isGathered());
    showMultiLineText(captionField, set.caption);
    enableWithLabel(captionField, captionLabel, set.caption.isSet());
    showCheck(screenColourBox, set.screenColour);
}

void CControlPropertiesPane::showDefaultsAction(int action)
{
    if (!editsDefaults())
        return;
    showTargets(action);
    enableControl(argumentsButton, action == runProgram);
}

void CControlPropertiesPane::chooseProgram(int item)
{
    auto* program = static_cast<gsclProgram*>(itemData(programList, item));
    if (!program || !record())
        return;
    record()->control.action.set(runProgram);
    record()->control.program.set(program);
    applyProperty(gprop::action);
    showDefaultsAction(runProgram);
}

void CControlPropertiesPane::chooseScreen(int item)
{
    auto* target = static_cast<fscreen*>(itemData(screenList, item));
    if (!target || !record())
        return;
    record()->control.action.set(openScreen);
    record()->control.screen.set(target);
    applyProperty(gprop::action);
    showDefaultsAction(openScreen);
}

void CControlPropertiesPane::setNetworkScreen()
{
    if (!record())
        return;
    CSetNetworkScreenDialog dialog(this);
    dialog.setStationName(controlText(stationText));
    dialog.setScreenTag(controlText(screenTagText));
    if (dialog.DoModal() != IDOK)
        return;
    gpropControl& set = record()->control;
    set.action.set(openNetworkScreen);
    set.station.set(dialog.getStationName());
    set.networkScreen.set(dialog.getScreenTag());
    applyProperty(gprop::action);
    showDefaultsAction(openNetworkScreen);
}

void CControlPropertiesPane::captionEdited()
{
    if (!record())
        return;
    gtriStateString& caption = record()->control.caption;
    gstr lines = multiLineText(captionField);
    if (lines.isEmpty())
        caption.setEmpty();
    else
        caption.set(lines);
    showTextMixed(captionField, false);
    // The edit keeps the user's caret: the pane is not shown again.
    if (fscreen* edited = screen())
        edited->setSelectionProperties(mask(), gprop::caption, gstate::off, 0);
}

void CControlPropertiesPane::editArguments()
{
    if (!record())
        return;
    gprogramArgumentSet& arguments = record()->control.arguments;
    gprogramArgumentSet copy(arguments);
    copy.clearStates();
    CEditMultipleProgramArgumentsDialog dialog(copy, this);
    if (dialog.DoModal() != IDOK)
        return;
    arguments.assign(copy);
    if (!applyProperty(gprop::arguments))
        arguments.commit();
}

void CControlPropertiesPane::refillProgramList()
{
    std::vector<listedItem> items;
    jhashTypedIterator<gsclProgram> it(station::programs());
    gsclProgram* program = nullptr;
    while (it.get(program)) {
        if (program->isDefined())
            items.push_back({toUiText(program->getTitle(true)), QVariant::fromValue<void*>(program)});
    }
    fillSorted(programList, items, nullptr);
    if (record() && record()->control.action.hasValue())
        showTargets(record()->control.action.get());
    else
        showItem(programList, -1);
}

void CControlPropertiesPane::refillScreenList()
{
    std::vector<listedItem> items;
    jhashTypedIterator<fscreen> it(station::screens());
    fscreen* target = nullptr;
    while (it.get(target)) {
        if (target->isDefined())
            items.push_back({toUiText(target->getTitle(true)), QVariant::fromValue<void*>(target)});
    }
    fillSorted(screenList, items, nullptr);
    if (record() && record()->control.action.hasValue())
        showTargets(record()->control.action.get());
    else
        showItem(screenList, -1);
}
