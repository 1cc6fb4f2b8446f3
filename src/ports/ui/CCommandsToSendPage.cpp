#include "ports/ui/CCommandsToSendPage.h"

#include "ports/gcommandRequest.h"
#include "ports/gcommandSequence.h"
#include "ports/gcommandSequenceEntry.h"
#include "ports/glegacyPoll.h"
#include "ports/ui/CEditDeviceDialog.h"
#include "ports/ui/CEditInitializationCommandDialog.h"
#include "ports/ui/CEditPollDialog.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "ports/ui/portDialogItems.h"
#include "resources/stringTable.h"

#include <QListWidget>
#include <memory>

// --- the shared page ---

CCommandsToSendPageBase::CCommandsToSendPageBase() : CDialog(templateId)
{
    setDialogSize(262, 92);
    addLabel(-1, "&Commands to send:", 0, 2, 70, 8);
    addLabel(descriptionId, "", 72, 2, 188, 8);
    list_ = addListBox(listId, 0, 12, 205, 78);
    addButton(editId, "&Edit...", 210, 12, 50, 14);
    addButton(deleteId, "De&lete", 210, 28, 50, 14);
    addButton(duplicateId, "D&uplicate", 210, 44, 50, 14);
    addButton(newId, "&New...", 210, 60, 50, 14);
    enableRowButtons(false);
    onCommand(newId, [this] { OnNew(); });
    onCommand(editId, [this] { OnEdit(); });
    onCommand(duplicateId, [this] { OnDuplicate(); });
    onCommand(deleteId, [this] { OnDelete(); });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this,
                     [this] { enableRowButtons(portItems::selectedRow(*list_) >= 0); });
}

void CCommandsToSendPageBase::create(int placeholderId, int descriptionTextId, CDialog& parent)
{
    setParent(&parent, Qt::Widget);
    if (QWidget* placeholder = parent.control(placeholderId)) {
        move(placeholder->pos());
        QWidget::setTabOrder(placeholder, this);
    }
    setControlText(descriptionId, stringTableText(descriptionTextId));
    ensureInitialized();
    show();
}

int CCommandsToSendPageBase::rowCount() const { return list_->count(); }

gstr CCommandsToSendPageBase::rowText(int row) const { return itemText(listId, row); }

void CCommandsToSendPageBase::enableRowButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

void* CCommandsToSendPageBase::itemAt(int row) const { return portItems::at<void>(*list_, row); }

void CCommandsToSendPageBase::clearItemAt(int row)
{
    if (QListWidgetItem* item = list_->item(row))
        item->setData(Qt::UserRole, portItems::data<void>(nullptr));
}

void CCommandsToSendPageBase::insertRow(int row, void* item)
{
    row = portItems::insertRow(*list_, row, describeItem(item), portItems::data(item));
    portItems::selectRow(*list_, row);
    enableRowButtons(true);
}

void CCommandsToSendPageBase::appendRow(void* item)
{
    portItems::insertRow(*list_, -1, describeItem(item), portItems::data(item));
}

void CCommandsToSendPageBase::removeAllRows()
{
    list_->setUpdatesEnabled(false);
    for (int row = 0; row < list_->count(); ++row) {
        if (void* item = itemAt(row))
            deleteItem(item);
    }
    list_->clear();
    list_->setUpdatesEnabled(true);
    enableRowButtons(false);
}

void CCommandsToSendPageBase::OnNew()
{
    int selected = portItems::selectedRow(*list_);
    void* made = nullptr;
    if (runEditor(nullptr, nullptr, made))
        insertRow(selected >= 0 ? selected + 1 : -1, made);
}

void CCommandsToSendPageBase::OnEdit()
{
    int row = portItems::selectedRow(*list_);
    void* item = itemAt(row);
    void* made = nullptr;
    if (!item || !runEditor(item, item, made))
        return;
    portItems::setRowText(*list_, row, describeItem(item));
    portItems::selectRow(*list_, row);
}

void CCommandsToSendPageBase::OnDuplicate()
{
    int row = portItems::selectedRow(*list_);
    void* item = itemAt(row);
    void* made = nullptr;
    if (item && runEditor(item, nullptr, made))
        insertRow(row + 1, made);
}

void CCommandsToSendPageBase::OnDelete()
{
    int row = portItems::selectedRow(*list_);
    void* item = itemAt(row);
    if (!item)
        return;
    deleteItem(item);
    delete list_->takeItem(row);
    portItems::selectRow(*list_, std::min(row, list_->count() - 1));
    if (list_->count() == 0)
        enableRowButtons(false);
}

// --- the device page ---

namespace {

gcommandSequenceEntry* entryOf(const void* item)
{
    return static_cast<gcommandSequenceEntry*>(const_cast<void*>(item));
}

} // namespace

CDeviceCommandsToSendPage::CDeviceCommandsToSendPage(CEditDeviceDialog& owner) : owner_(owner) {}

CDeviceCommandsToSendPage::~CDeviceCommandsToSendPage() { removeAllRows(); }

void CDeviceCommandsToSendPage::fill(const gcommandSequence& sequence, gdevice* device)
{
    CEditSerialPortDialog& port = owner_.owner();
    for (const gcommandSequenceEntry* e = sequence.first(); e; e = e->getNext()) {
        gcommandSequenceEntry* copy = nullptr;
        if (const gcommandRequest* request = e->getRequest()) {
            auto made = std::make_unique<gcommandRequest>();
            made->copy(*request, port.workingDevices());
            if (made->getDevice() == device)
                made->setDevice(nullptr);
            copy = new gcommandSequenceEntry(made.release());
        } else if (const glegacyPoll* poll = e->getLegacyPoll()) {
            auto made = std::make_unique<glegacyPoll>();
            made->copy(*poll, port.workingLegacyDevices());
            copy = new gcommandSequenceEntry(made.release());
        }
        if (copy)
            appendRow(copy);
    }
}

void CDeviceCommandsToSendPage::collect(gcommandSequence& sequence, gdevice* device)
{
    sequence.clear();
    for (int row = 0; row < list_->count(); ++row) {
        gcommandSequenceEntry* entry = entryOf(itemAt(row));
        if (!entry)
            continue;
        if (gcommandRequest* request = entry->getRequest(); request && !request->getDevice())
            request->setDevice(device);
        sequence.append(entry);
        clearItemAt(row);
    }
}

void CDeviceCommandsToSendPage::removeAll() { removeAllRows(); }

bool CDeviceCommandsToSendPage::runEditor(void* start, void* edit, void*& made)
{
    CEditPollDialog dialog(&owner_.owner(), entryOf(start), entryOf(edit), &owner_);
    if (gdevice* device = owner_.deviceToEdit())
        dialog.tieToDevice(device);
    else if (g2driver* driver = owner_.currentDriver())
        dialog.setTiedDriver(driver);
    if (dialog.DoModal() != IDOK)
        return false;
    made = dialog.editedEntry();
    return true;
}

gstr CDeviceCommandsToSendPage::describeItem(const void* item) const
{
    gstr text("");
    entryOf(item)->describe(text, true);
    return text;
}

void CDeviceCommandsToSendPage::deleteItem(void* item) { delete entryOf(item); }

// --- the driver page ---

namespace {

gcommandRequest* requestOf(const void* item)
{
    return static_cast<gcommandRequest*>(const_cast<void*>(item));
}

} // namespace

CCommandsToSendPage::CCommandsToSendPage(jhashTypedDatabaseTable<g2driverCommand>& commands) : commands_(commands)
{
}

CCommandsToSendPage::~CCommandsToSendPage() { removeAllRows(); }

void CCommandsToSendPage::fill(const gcommandSequence& sequence)
{
    for (const gcommandSequenceEntry* e = sequence.first(); e; e = e->getNext()) {
        const gcommandRequest* request = e->getRequest();
        if (!request)
            continue;
        auto copy = std::make_unique<gcommandRequest>();
        copy->copy(*request, commands_);
        appendRow(copy.release());
    }
}

void CCommandsToSendPage::collect(gcommandSequence& sequence)
{
    sequence.clear();
    for (int row = 0; row < list_->count(); ++row) {
        gcommandRequest* request = requestOf(itemAt(row));
        if (!request)
            continue;
        sequence.append(new gcommandSequenceEntry(request));
        clearItemAt(row);
    }
    sequence.rebuildUses();
}

bool CCommandsToSendPage::runEditor(void* start, void* edit, void*& made)
{
    CEditInitializationCommandDialog dialog(commands_, requestOf(start), requestOf(edit), parentWidget());
    if (dialog.DoModal() != IDOK)
        return false;
    made = dialog.editedRequest();
    return true;
}

gstr CCommandsToSendPage::describeItem(const void* item) const
{
    gstr text("");
    requestOf(item)->describe(text, true);
    return text;
}

void CCommandsToSendPage::deleteItem(void* item) { delete requestOf(item); }
