#include "g2driver/editor/parameterListEditor.h"

#include "g2driver/editor/CEditParameterDialog.h"
#include "g2driver/editor/editorLists.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "legacy/ui/objectItems.h"
#include "platform/CDialog.h"

#include <QListWidget>

namespace {

constexpr int inUseMessage = 20024;

} // namespace

parameterListEditor::parameterListEditor(CDialog& dialog, g2driverParameterTable& table, const settings& choices)
    : dialog_(dialog), table_(table), settings_(choices)
{
}

void parameterListEditor::attach()
{
    enableSelectionButtons(false);
    dialog_.onCommand(newId, [this] { onNew(); });
    dialog_.onCommand(duplicateId, [this] { onDuplicate(); });
    dialog_.onCommand(editId, [this] { onEdit(); });
    dialog_.onCommand(deleteId, [this] { onDelete(); });
    QObject::connect(&list(), &QListWidget::itemSelectionChanged, &dialog_, [this] {
        if (dialog_.selectedItem(listId) >= 0)
            enableSelectionButtons(true);
    });
    QObject::connect(&list(), &QListWidget::itemDoubleClicked, &dialog_, [this] { onEdit(); });
}

QListWidget& parameterListEditor::list() const { return *dialog_.controlAs<QListWidget>(listId); }

g2driverParameter* parameterListEditor::selected() const
{
    return static_cast<g2driverParameter*>(itemObject(list(), dialog_.selectedItem(listId)));
}

void parameterListEditor::enableSelectionButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        dialog_.enableControl(id, enable);
}

void parameterListEditor::fill(const g2driverParameterTable& source, bool shareUsers)
{
    table_.copyFrom(source, shareUsers);
    const garray<g2driverParameter>& copies = table_.ordered();
    for (int32_t i = 0; i < copies.size(); ++i)
        insertListItem(list(), -1, copies[i]->getName(), copies[i]);
}

garray<g2driverParameter> parameterListEditor::listed() const
{
    garray<g2driverParameter> order;
    for (int i = 0; i < list().count(); ++i)
        order.append(static_cast<g2driverParameter*>(itemObject(list(), i)));
    return order;
}

void parameterListEditor::syncOrder() { table_.setOrder(listed()); }

void parameterListEditor::writeInto(g2driverParameterTable& target)
{
    syncOrder();
    target.assignFrom(table_);
}

void parameterListEditor::runDialog(g2driverParameter* source, g2driverParameter* target, int insertAt)
{
    g2driverParameter* result = nullptr;
    if (settings_.commandParameters) {
        CEditCommandParameterDialog editor(table_, settings_.duplicateTagMessage, source, target, &dialog_);
        result = editor.DoModal() == IDOK ? editor.parameter() : nullptr;
    } else {
        CEditParameterDialog editor(table_, settings_.duplicateTagMessage, source, target, &dialog_);
        result = editor.DoModal() == IDOK ? editor.parameter() : nullptr;
    }
    if (!result || target)
        return;
    result->setScope(settings_.scope);
    int index = insertListItem(list(), insertAt, result->getName(), result);
    selectListItem(list(), index);
    enableSelectionButtons(true);
    syncOrder();
}

void parameterListEditor::onNew()
{
    int current = dialog_.selectedItem(listId);
    int insertAt = current >= 0 ? current + 1 : (settings_.newAtTop ? 0 : -1);
    runDialog(nullptr, nullptr, insertAt);
}

void parameterListEditor::onDuplicate()
{
    if (g2driverParameter* source = selected())
        runDialog(source, nullptr, -1);
}

void parameterListEditor::onEdit()
{
    if (g2driverParameter* parameter = selected())
        runDialog(parameter, parameter, -1);
}

void parameterListEditor::onDelete()
{
    int index = dialog_.selectedItem(listId);
    g2driverParameter* parameter = selected();
    if (!parameter)
        return;
    if (!parameter->isUnused())
        return reportUsers(*parameter, inUseMessage);
    if (removeListItem(list(), index))
        enableSelectionButtons(false);
    syncOrder();
    table_.remove(parameter);
    delete parameter;
}
