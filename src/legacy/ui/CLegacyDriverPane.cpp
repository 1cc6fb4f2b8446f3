#include "legacy/ui/CLegacyDriverPane.h"

#include "foundation/jhashIterator.h"
#include "legacy/ui/CEditLegacyCommandDialog.h"
#include "legacy/ui/CEditLegacyDriverDialog.h"
#include "legacy/ui/CEditLegacyResponseDialog.h"
#include "legacy/ui/objectItems.h"

#include <QListWidget>

namespace {

constexpr int inUseMessage = 20024;

} // namespace

CLegacyDriverPane::CLegacyDriverPane(CEditLegacyDriverDialog& owner, bool unsolicited)
    : CDialog(templateId, &owner), owner_(owner), unsolicited_(unsolicited)
{
    setParent(&owner, Qt::Widget);
    setDialogSize(290, 104);
    addLabel(responsesLabelId, unsolicited ? "&Messages:" : "&Responses:", 0, 0, 90, 8);
    addListBox(responsesId, 0, 10, 90, 90);
    addButton(editResponseId, "&Edit...", 94, 10, 46, 14);
    addButton(deleteResponseId, "&Delete", 94, 27, 46, 14);
    addButton(duplicateResponseId, "D&uplicate...", 94, 44, 46, 14);
    addButton(newResponseId, "&New...", 94, 61, 46, 14);
    addLabel(commandsLabelId, unsolicited ? "&Replies:" : "&Commands:", 146, 0, 90, 8);
    addListBox(commandsId, 146, 10, 90, 90);
    addButton(editCommandId, "Edi&t...", 240, 10, 46, 14);
    addButton(deleteCommandId, "De&lete", 240, 27, 46, 14);
    addButton(duplicateCommandId, "Du&plicate...", 240, 44, 46, 14);
    addButton(newCommandId, "Ne&w...", 240, 61, 46, 14);
    enableButtons(responseButtons, false);
    enableButtons(commandButtons, false);

    onCommand(editResponseId, [this] { runResponseDialog(selectedEntry(responsesId), true); });
    onCommand(duplicateResponseId, [this] { runResponseDialog(selectedEntry(responsesId), false); });
    onCommand(newResponseId, [this] { runResponseDialog(nullptr, false); });
    onCommand(deleteResponseId, [this] { deleteResponse(); });
    onCommand(editCommandId, [this] { runCommandDialog(selectedEntry(commandsId), true); });
    onCommand(duplicateCommandId, [this] { runCommandDialog(selectedEntry(commandsId), false); });
    onCommand(newCommandId, [this] { runCommandDialog(nullptr, false); });
    onCommand(deleteCommandId, [this] { deleteCommand(); });
    for (const listIds* ids : {&responseButtons, &commandButtons}) {
        QListWidget& box = list(ids->list);
        QObject::connect(&box, &QListWidget::itemSelectionChanged, this, [this, ids] {
            if (selectedItem(ids->list) >= 0)
                enableButtons(*ids, true);
        });
        QObject::connect(&box, &QListWidget::itemDoubleClicked, this, [this, ids] { sendCommand(ids->edit); });
    }
}

void CLegacyDriverPane::accept() { owner_.accept(); }

void CLegacyDriverPane::reject() { owner_.reject(); }

int CLegacyDriverPane::responseCount() const { return list(responsesId).count(); }

int CLegacyDriverPane::commandCount() const { return list(commandsId).count(); }

QListWidget& CLegacyDriverPane::list(int id) const { return *controlAs<QListWidget>(id); }

void CLegacyDriverPane::enableButtons(const listIds& ids, bool enable)
{
    for (int id : {ids.edit, ids.remove, ids.duplicate})
        enableControl(id, enable);
}

void* CLegacyDriverPane::selectedEntry(int listId) const { return itemObject(list(listId), selectedItem(listId)); }

void CLegacyDriverPane::fill()
{
    fillResponses();
    fillCommands();
}

// A message's reply is taken by reference: the replies are copied after
// the messages.
void CLegacyDriverPane::fillResponses()
{
    glegacyDriver* source = owner_.source();
    glegacyCommandTable& commands = owner_.workingCommands();
    glegacyResponseTable& responses = owner_.workingResponses();
    jhashTypedIterator<glegacyResponse> it(source->responses());
    glegacyResponse* entry = nullptr;
    while (it.get(entry)) {
        if ((entry->getKind() == glegacyResponse::response) == unsolicited_ || !entry->isDefined())
            continue;
        glegacyResponse* copy = responses.define(entry->getName());
        glegacyCommand* counterpart = glegacyResponse::responseMarker();
        if (unsolicited_)
            counterpart = entry->getReplyName().isNull() ? nullptr : commands.reference(entry->getReplyName());
        copy->set(entry->getMask(), counterpart);
        if (owner_.isEditing())
            copy->usedBy().makeAliasOf(entry->usedBy());
        insertSortedItem(list(responsesId), copy->getName(), copy);
    }
}

void CLegacyDriverPane::fillCommands()
{
    glegacyDriver* source = owner_.source();
    glegacyCommandTable& commands = owner_.workingCommands();
    glegacyResponseTable& responses = owner_.workingResponses();
    jhashTypedIterator<glegacyCommand> it(source->commands());
    glegacyCommand* entry = nullptr;
    while (it.get(entry)) {
        if ((entry->getKind() == glegacyCommand::command) == unsolicited_ || !entry->isDefined())
            continue;
        glegacyCommand* copy = commands.define(entry->getName());
        glegacyResponse* counterpart = glegacyCommand::replyMarker();
        if (!unsolicited_)
            counterpart = entry->getResponseName().isNull() ? nullptr : responses.reference(entry->getResponseName());
        copy->set(entry->getString(), counterpart);
        if (owner_.isEditing())
            copy->usedBy().makeAliasOf(entry->usedBy());
        insertSortedItem(list(commandsId), copy->getName(), copy);
    }
}

void CLegacyDriverPane::runResponseDialog(void* source, bool edit)
{
    auto* entry = static_cast<glegacyResponse*>(source);
    if ((edit || source) && !entry)
        return;
    CEditLegacyResponseDialog dialog(owner_.workingCommands(), owner_.workingResponses(), unsolicited_, entry,
                                     edit ? entry : nullptr, &owner_);
    if (dialog.DoModal() != IDOK || edit)
        return;
    added(responseButtons, dialog.entry()->getName(), dialog.entry());
}

void CLegacyDriverPane::runCommandDialog(void* source, bool edit)
{
    auto* entry = static_cast<glegacyCommand*>(source);
    if ((edit || source) && !entry)
        return;
    CEditLegacyCommandDialog dialog(owner_.workingCommands(), owner_.workingResponses(), unsolicited_, entry,
                                    edit ? entry : nullptr, &owner_);
    if (dialog.DoModal() != IDOK || edit)
        return;
    added(commandButtons, dialog.entry()->getName(), dialog.entry());
}

void CLegacyDriverPane::added(const listIds& ids, const gstrSlice& name, void* entry)
{
    QListWidget& box = list(ids.list);
    int row = insertSortedItem(box, name, entry);
    box.setCurrentRow(row);
    enableButtons(ids, true);
    owner_.updateButtons();
}

void CLegacyDriverPane::deleteResponse()
{
    auto* entry = static_cast<glegacyResponse*>(selectedEntry(responsesId));
    if (!entry)
        return;
    if (!entry->usedBy().isUnused()) {
        entry->usedBy().reportInUse(inUseMessage);
        return;
    }
    deleteRow(responseButtons);
    delete entry;
}

void CLegacyDriverPane::deleteCommand()
{
    auto* entry = static_cast<glegacyCommand*>(selectedEntry(commandsId));
    if (!entry)
        return;
    if (!entry->usedBy().isUnused()) {
        entry->usedBy().reportInUse(inUseMessage);
        return;
    }
    deleteRow(commandButtons);
    delete entry;
}

// The row at the same index, or the new last row, becomes the selection.
void CLegacyDriverPane::deleteRow(const listIds& ids)
{
    QListWidget& box = list(ids.list);
    int row = selectedItem(ids.list);
    delete box.takeItem(row);
    if (box.count() == 0) {
        enableButtons(ids, false);
    } else {
        box.setCurrentRow(row < box.count() ? row : box.count() - 1);
    }
    owner_.updateButtons();
}
