#include "ports/ui/CEditInitializationCommandDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driverCommand.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "ports/gcommandRequest.h"
#include "ports/ui/portDialogItems.h"
#include "resources/stringTable.h"
#include "shell/CAutoWidthCombo.h"

namespace {

constexpr int newInitializationCommand = 10280;
constexpr int noCommands = 10589;

} // namespace

CEditInitializationCommandDialog::CEditInitializationCommandDialog(jhashTypedDatabaseTable<g2driverCommand>& commands,
                                                                   gcommandRequest* start, gcommandRequest* edit,
                                                                   QWidget* parent)
    : CDialog(templateId, parent), table_(commands), start_(start), edit_(edit)
{
    setWindowTitle(QStringLiteral("Edit Initialization Command"));
    setDialogSize(222, 46);
    addLabel(-1, "&Command:", 7, 9, 40, 8);
    commands_ = addControl(commandId, new CAutoWidthCombo, 50, 7, 120, 100);
    addButton(IDOK, "Ok", 176, 7, 40, 14, true);
    addButton(IDCANCEL, "Cancel", 176, 24, 40, 14);
    panel_ = addControl(panelId, new CParameterValuesPanel(true), 7, 42, 209, 1);
    QObject::connect(commands_, &QComboBox::activated, this, [this] { OnCommandChange(); });
}

bool CEditInitializationCommandDialog::OnInitDialog()
{
    noted_ = size();
    g2driverCommand* current = start_ ? start_->getCommand() : nullptr;
    if (!edit_)
        setWindowTitle(toUiText(stringTableText(newInitializationCommand)));
    jhashTypedIterator<g2driverCommand> it(table_);
    g2driverCommand* command = nullptr;
    while (it.get(command)) {
        if (command->isDefined())
            portItems::insertSorted(*commands_, command->getName(), portItems::data(command));
    }
    commands_->setCurrentIndex(current ? portItems::indexOfData(*commands_, portItems::data(current)) : -1);
    if (commands_->currentIndex() < 0 && commands_->count() > 0)
        commands_->setCurrentIndex(0);
    if (commands_->count() == 0) {
        messageBox(noCommands, gbuttons::ok);
        EndDialog(IDCANCEL);
        return true;
    }
    OnCommandChange();
    if (start_)
        panel_->setValues(start_->values());
    return true;
}

void CEditInitializationCommandDialog::OnCommandChange()
{
    g2driverCommand* command = portItems::selected<g2driverCommand>(*commands_);
    int height = command ? panel_->setParameters(command->parameters().ordered()) : 0;
    resize(noted_.width(), noted_.height() + height);
}

void CEditInitializationCommandDialog::OnOK()
{
    g2driverParameterValueTable values(5);
    if (!panel_->getValues(values, false))
        return;
    if (!edit_)
        edit_ = new gcommandRequest;
    edit_->setCommand(portItems::selected<g2driverCommand>(*commands_));
    edit_->values().copyFrom(values);
    edit_->setKeepWithNext(0);
    EndDialog(IDOK);
}
