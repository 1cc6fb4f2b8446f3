#include "sabus/ui/CEditSabusQueryDialog.h"

#include "platform/modalRun.h"
#include "sabus/gsabusRequest.h"
#include "sabus/gsabusRequestBody.h"
#include "sabus/gsabusResponseData.h"
#include "sabus/ui/COtherResponseDataDialogs.h"
#include "sabus/ui/CRegisterValueDialogs.h"
#include "sabus/ui/CSabusTypeChoiceDialogs.h"

namespace {

constexpr int newCaption = 10238;
constexpr int addResponseData = 10456;

} // namespace

std::unique_ptr<CResponseDataDialog> makeResponseDataDialog(int kind, const gsabusResponseData* source,
                                                            gsabusResponseData* target, QWidget* parent)
{
    switch (kind) {
    case gsabusResponseData::registerStatus:
        return std::make_unique<CEditRegisterStateResponseDataDialog>(source, target, parent);
    case gsabusResponseData::digitalNumber:
        return std::make_unique<CEditDigitalRegisterNumberResponseDataDialog>(source, target, parent);
    case gsabusResponseData::digitalStrings:
        return std::make_unique<CEditDigitalRegisterStringsResponseDataDialog>(source, target, parent);
    case gsabusResponseData::analogNumber:
        return std::make_unique<CEditAnalogRegisterResponseDataDialog>(source, target, parent);
    case gsabusResponseData::stringValue:
        return std::make_unique<CEditStringRegisterResponseDataDialog>(source, target, parent);
    case gsabusResponseData::bitField:
        return std::make_unique<CEditRegisterStatusBitsResponseDataDialog>(source, target, parent);
    case gsabusResponseData::processor:
        return std::make_unique<CEditProcessorResponseDataDialog>(source, target, parent);
    case gsabusResponseData::fixedString:
        return std::make_unique<CEditFixedStringResponseDataDialog>(source, target, parent);
    default: return nullptr;
    }
}

CEditSabusQueryDialog::CEditSabusQueryDialog(gsabusRequest* source, gsabusRequest* target, QWidget* parent)
    : CSabusRequestDialog(templateId, "Edit SABus Query", newCaption, source, target, parent)
{
    addLabel(-1, "&Response data:", 7, 123, 80, 8);
    auto* list = addListBox(itemsId, 7, 133, 255, 100);
    addButton(newItemId, "Ne&w...", 267, 133, 56, 14);
    addButton(editItemId, "&Edit...", 267, 150, 56, 14);
    addButton(duplicateItemId, "D&uplicate...", 267, 167, 56, 14);
    addButton(deleteItemId, "&Delete", 267, 184, 56, 14);
    items_.attach(*this, list, {editItemId, duplicateItemId, deleteItemId}, editItemId);
    onCommand(newItemId, [this] { OnNewItem(); });
    onCommand(editItemId, [this] { OnEditItem(); });
    onCommand(duplicateItemId, [this] { OnDuplicateItem(); });
    onCommand(deleteItemId, [this] { items_.deleteSelected(); });
}

bool CEditSabusQueryDialog::fillOwnFields()
{
    gsabusQuery* query = source() ? source()->getQuery() : nullptr;
    for (int i = 0; query && i < query->itemCount(); ++i)
        items_.append(query->getItem(i)->clone(), query->getItem(i)->describe());
    return true;
}

bool CEditSabusQueryDialog::checkOwnFields()
{
    if (items_.count() != 0)
        return true;
    messageBox(addResponseData, gbuttons::ok);
    return false;
}

void CEditSabusQueryDialog::storeOwnFields(gsabusRequest& target)
{
    gsabusQuery* query = target.getQuery();
    query->clearItems();
    for (auto& item : items_.takeAll())
        query->addItem(std::move(item));
}

void CEditSabusQueryDialog::OnNewItem()
{
    CSelectResponseDataTypeDialog choice(this);
    if (choice.DoModal() != IDOK)
        return;
    std::unique_ptr<CResponseDataDialog> dialog = makeResponseDataDialog(choice.choice() + 1, nullptr, nullptr, this);
    if (!dialog || dialog->DoModal() != IDOK)
        return;
    std::unique_ptr<gsabusResponseData> item = dialog->takeCreated();
    gstr text = item->describe();
    items_.insertAfterSelected(std::move(item), text);
}

void CEditSabusQueryDialog::OnEditItem()
{
    int row = items_.selected();
    gsabusResponseData* item = items_.at(row);
    if (!item)
        return;
    std::unique_ptr<CResponseDataDialog> dialog = makeResponseDataDialog(item->getKind(), item, item, this);
    if (dialog && dialog->DoModal() == IDOK)
        items_.refreshRow(row, item->describe());
}

void CEditSabusQueryDialog::OnDuplicateItem()
{
    gsabusResponseData* item = items_.selectedObject();
    if (!item)
        return;
    std::unique_ptr<CResponseDataDialog> dialog = makeResponseDataDialog(item->getKind(), item, nullptr, this);
    if (!dialog || dialog->DoModal() != IDOK)
        return;
    std::unique_ptr<gsabusResponseData> copy = dialog->takeCreated();
    gstr text = copy->describe();
    items_.insertAfterSelected(std::move(copy), text);
}
