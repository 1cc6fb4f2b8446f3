#include "sabus/ui/CSabusRequestsDialog.h"

#include "sabus/gsabusRequest.h"
#include "sabus/ui/CEditSabusCommandDialog.h"
#include "sabus/ui/CEditSabusQueryDialog.h"
#include "sabus/ui/CSabusTypeChoiceDialogs.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include <memory>

namespace {

constexpr int requestsIcon = 642;

// The dialog of the request's kind; null for a request without a body.
std::unique_ptr<CSabusRequestDialog> dialogFor(int kind, gsabusRequest* source, gsabusRequest* target)
{
    if (kind == 1)
        return std::make_unique<CEditSabusQueryDialog>(source, target, CMainFrame::instance());
    if (kind == 2)
        return std::make_unique<CEditSabusCommandDialog>(source, target, CMainFrame::instance());
    return nullptr;
}

} // namespace

CSabusRequestsDialog::CSabusRequestsDialog(CMainFrame* frame)
    : CSelectDialog("Select Dialogs\\Requests", dialogId, requestsIcon, "SABus Requests")
{
    setControlText(newId, "New &Query...");
    addAnchoredButton(newCommandId, "New &Cmd...", 176, 94, 40, 14);
    onCommand(newCommandId, [this] { OnNewCommand(); });
    if (frame)
        frame->setToolDialog(newRequestCommand, [this] { OnNewRequest(); });
}

void CSabusRequestsDialog::fillList() { listDefinedObjects(station::requests()); }

gsabusRequest* CSabusRequestsDialog::selectedRequest() const
{
    return static_cast<gsabusRequest*>(list().getSelectedObject());
}

void CSabusRequestsDialog::OnNewRequest()
{
    CSelectSabusRequestTypeDialog choice(CMainFrame::instance());
    if (choice.DoModal() == IDOK)
        newRequest(choice.choice() == 1);
}

void CSabusRequestsDialog::newRequest(bool command)
{
    std::unique_ptr<CSabusRequestDialog> dialog = dialogFor(command ? 2 : 1, nullptr, nullptr);
    if (dialog->DoModal() == IDOK)
        addNewObject(dialog->target());
}

void CSabusRequestsDialog::OnEdit()
{
    gsabusRequest* request = selectedRequest();
    if (!request)
        return;
    std::unique_ptr<CSabusRequestDialog> dialog = dialogFor(request->getKind(), request, request);
    if (!dialog || dialog->DoModal() != IDOK)
        return;
    stationState().modified = 1;
    list().selectRow(list().updateRow(list().getSelectedIndex()));
}

void CSabusRequestsDialog::OnDuplicate()
{
    gsabusRequest* request = selectedRequest();
    if (!request)
        return;
    std::unique_ptr<CSabusRequestDialog> dialog = dialogFor(request->getKind(), request, nullptr);
    if (dialog && dialog->DoModal() == IDOK)
        addNewObject(dialog->target());
}

// Without a question: nothing refers to a request.
void CSabusRequestsDialog::OnDelete()
{
    gsabusRequest* request = selectedRequest();
    if (!request)
        return;
    if (list().deleteRow(list().getSelectedIndex(), true) == 1)
        enableSelectionButtons(false);
    station::requests().remove(request);
    delete request;
    stationState().modified = 1;
}
