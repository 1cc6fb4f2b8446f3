#include "g2driver/editor/CDriverCommandsPane.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CEditCommandDialog.h"
#include "g2driver/editor/CEditCommandTemplateDialog.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/editor/editorLists.h"
#include "legacy/ui/objectItems.h"
#include "scl/ui/CG2DriverProgramEditorThread.h"

#include <QListWidget>

namespace {

constexpr int inUseMessage = 20024;

} // namespace

CDriverCommandsPane::CDriverCommandsPane(CEditG2DeviceDriverDialog& owner) : CDialog(templateId, &owner), owner_(owner)
{
    setParent(&owner, Qt::Widget);
    setDialogSize(406, 190);
    addLabel(-1, "Command &templates:", 0, 0, 140, 8);
    addListBox(templateListId, 0, 10, 140, 170);
    addButton(editTemplateId, "&Edit...", 144, 10, 50, 14);
    addButton(deleteTemplateId, "&Delete", 144, 27, 50, 14);
    addButton(duplicateTemplateId, "D&uplicate...", 144, 44, 50, 14);
    addButton(newTemplateId, "&New...", 144, 61, 50, 14);
    addLabel(-1, "&Commands:", 202, 0, 140, 8);
    addListBox(commandListId, 202, 10, 140, 170);
    addButton(editCommandId, "Ed&it...", 346, 10, 50, 14);
    addButton(deleteCommandId, "De&lete", 346, 27, 50, 14);
    addButton(duplicateCommandId, "Du&plicate...", 346, 44, 50, 14);
    addButton(newCommandId, "Ne&w...", 346, 61, 50, 14);
    connectSide(templateSide);
    connectSide(commandSide);
    onCommand(newTemplateId, [this] { runTemplateDialog(false, false); });
    onCommand(duplicateTemplateId, [this] { runTemplateDialog(true, false); });
    onCommand(editTemplateId, [this] { runTemplateDialog(true, true); });
    onCommand(deleteTemplateId, [this] { deleteTemplate(); });
    onCommand(newCommandId, [this] { runCommandDialog(false, false); });
    onCommand(duplicateCommandId, [this] { runCommandDialog(true, false); });
    onCommand(editCommandId, [this] { runCommandDialog(true, true); });
    onCommand(deleteCommandId, [this] { deleteCommand(); });
}

void CDriverCommandsPane::create(int placeholderId)
{
    QWidget* placeholder = owner_.control(placeholderId);
    move(placeholder->geometry().topLeft());
    stackUnder(placeholder);
    ensureInitialized();
    hide();
}

void CDriverCommandsPane::accept() { owner_.accept(); }

void CDriverCommandsPane::reject() { owner_.reject(); }

QListWidget& CDriverCommandsPane::list(int id) const { return *controlAs<QListWidget>(id); }

void* CDriverCommandsPane::selectedObject(const side& ids) const
{
    return itemObject(list(ids.list), selectedItem(ids.list));
}

void CDriverCommandsPane::enableSide(const side& ids, bool enable)
{
    for (int id : {ids.edit, ids.remove, ids.duplicate})
        enableControl(id, enable);
}

void CDriverCommandsPane::connectSide(const side& ids)
{
    enableSide(ids, false);
    QListWidget& box = list(ids.list);
    QObject::connect(&box, &QListWidget::itemSelectionChanged, this, [this, &ids] {
        if (selectedItem(ids.list) >= 0)
            enableSide(ids, true);
    });
    QObject::connect(&box, &QListWidget::itemDoubleClicked, this, [this, &ids] { sendCommand(ids.edit); });
}

void CDriverCommandsPane::fill()
{
    g2driver* source = owner_.source();
    if (!source)
        return;
    jhashTypedIterator<g2driverCommandTemplate> templates(source->templates());
    g2driverCommandTemplate* original = nullptr;
    while (templates.get(original)) {
        g2driverCommandTemplate* copy = owner_.workingTemplates().define(original->getName());
        if (!copy)
            continue;
        copy->copyFrom(*original, owner_.workingParameters(), &owner_.workingPrograms(), owner_.workingErrorCodes());
        insertSortedItem(list(templateListId), copy->getName(), copy);
    }
    jhashTypedIterator<g2driverCommand> commands(source->commands());
    g2driverCommand* command = nullptr;
    while (commands.get(command)) {
        if (!command->isDefined())
            continue;
        g2driverCommand* copy = owner_.workingCommands().define(command->getName());
        if (!copy)
            continue;
        copy->copyFrom(*command, owner_.workingTemplates(), &owner_.workingPrograms(), owner_.isEditing());
        insertSortedItem(list(commandListId), copy->getName(), copy);
    }
}

void CDriverCommandsPane::added(const side& ids, const gstrSlice& tag, void* object)
{
    int index = insertSortedItem(list(ids.list), tag, object);
    selectListItem(list(ids.list), index);
    enableSide(ids, true);
}

void CDriverCommandsPane::runTemplateDialog(bool withSource, bool edit)
{
    auto* selected = static_cast<g2driverCommandTemplate*>(selectedObject(templateSide));
    if (withSource && !selected)
        return;
    g2driverCommandTemplate* source = withSource ? selected : nullptr;
    CEditCommandTemplateDialog dialog(owner_, source, edit ? selected : nullptr, &owner_);
    if (dialog.DoModal() != IDOK || edit)
        return;
    added(templateSide, dialog.commandTemplate()->getName(), dialog.commandTemplate());
}

void CDriverCommandsPane::runCommandDialog(bool withSource, bool edit)
{
    auto* selected = static_cast<g2driverCommand*>(selectedObject(commandSide));
    if (withSource && !selected)
        return;
    g2driverCommand* source = withSource ? selected : nullptr;
    CEditCommandDialog dialog(owner_, source, edit ? selected : nullptr, &owner_);
    if (dialog.DoModal() != IDOK || edit)
        return;
    added(commandSide, dialog.command()->getName(), dialog.command());
    refreshDriverProgramViews();
}

void CDriverCommandsPane::deleteTemplate()
{
    int index = selectedItem(templateListId);
    auto* selected = static_cast<g2driverCommandTemplate*>(selectedObject(templateSide));
    if (!selected)
        return;
    if (!selected->usedBy().isUnused())
        return selected->usedBy().reportInUse(inUseMessage);
    if (removeListItem(list(templateListId), index))
        enableSide(templateSide, false);
    owner_.workingTemplates().remove(selected);
    delete selected;
}

void CDriverCommandsPane::deleteCommand()
{
    int index = selectedItem(commandListId);
    auto* selected = static_cast<g2driverCommand*>(selectedObject(commandSide));
    if (!selected)
        return;
    if (!selected->isUnused())
        return reportUsers(*selected, inUseMessage);
    if (removeListItem(list(commandListId), index))
        enableSide(commandSide, false);
    owner_.workingCommands().remove(selected);
    delete selected;
    refreshDriverProgramViews();
}
