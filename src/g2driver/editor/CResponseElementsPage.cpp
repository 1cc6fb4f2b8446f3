#include "g2driver/editor/CResponseElementsPage.h"

#include "foundation/jhashIterator.h"
#include "foundation/messageBoxes.h"
#include "g2driver/editor/CEditCommandTemplateDialog.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/editor/elementDialogs.h"
#include "g2driver/editor/editorLists.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "legacy/ui/objectItems.h"
#include "platform/modalRun.h"

#include <QListWidget>
#include <vector>

namespace {

constexpr int dataInUse = 10540;
constexpr int deleteAllQuestion = 10541;
constexpr int inUseMessage = 20024;

} // namespace

CResponseElementsPage::CResponseElementsPage(CEditCommandTemplateDialog& owner, int kind)
    : CDialog(templateId, &owner), owner_(owner), kind_(kind), working_(kind)
{
    setParent(&owner, Qt::Widget);
    setDialogSize(330, 110);
    addLabel(labelId, "Re&sponse elements:", 0, 0, 120, 8);
    addListBox(listId, 0, 10, 270, 96);
    addButton(editId, "Edit...", 276, 10, 50, 14);
    addButton(deleteId, "Delete", 276, 27, 50, 14);
    addButton(duplicateId, "Duplicate...", 276, 44, 50, 14);
    addButton(newId, "New...", 276, 61, 50, 14);
    enableSelectionButtons(false);
    onCommand(newId, [this] { runElementDialog(false, false); });
    onCommand(duplicateId, [this] { runElementDialog(true, false); });
    onCommand(editId, [this] { runElementDialog(true, true); });
    onCommand(deleteId, [this] { deleteElement(); });
    QObject::connect(&list(), &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedElement())
            enableSelectionButtons(true);
    });
    QObject::connect(&list(), &QListWidget::itemDoubleClicked, this, [this] { runElementDialog(true, true); });
}

// The elements still held go before the working list's values.
CResponseElementsPage::~CResponseElementsPage()
{
    for (int i = 0; i < list().count(); ++i)
        delete elementAt(i);
    list().clear();
}

void CResponseElementsPage::create(int placeholderId)
{
    QWidget* placeholder = owner_.control(placeholderId);
    move(placeholder->geometry().topLeft());
    stackUnder(placeholder);
    ensureInitialized();
}

void CResponseElementsPage::accept() { owner_.accept(); }

void CResponseElementsPage::reject() { owner_.reject(); }

QListWidget& CResponseElementsPage::list() const { return *controlAs<QListWidget>(listId); }

commandElementHost& CResponseElementsPage::templateDialog() { return owner_; }

g2driverResponseDataNameTable& CResponseElementsPage::responseDataNames() { return owner_.responseDataNames(); }

g2driverErrorCodeTable& CResponseElementsPage::errorCodes() { return owner_.owner().workingErrorCodes(); }

int CResponseElementsPage::elementCount() const { return list().count(); }

g2driverResponseElement* CResponseElementsPage::elementAt(int index) const
{
    return static_cast<g2driverResponseElement*>(itemObject(list(), index));
}

g2driverResponseElement* CResponseElementsPage::selectedElement() const
{
    return elementAt(selectedItem(listId));
}

void CResponseElementsPage::enableSelectionButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

void CResponseElementsPage::fill(const g2driverCommandTemplate& source)
{
    const g2driverResponseList& original = kind_ == 0 ? source.responses() : source.errors();
    CEditG2DeviceDriverDialog& driverDialog = owner_.owner();
    for (int32_t i = 0; i < original.count(); ++i) {
        g2driverResponseElement* copy = original.element(i)->duplicate(
            driverDialog.workingParameters(), owner_.parameterTable(), working_.values(), owner_.responseDataNames(),
            &driverDialog.workingPrograms(), driverDialog.workingErrorCodes(), owner_.isSameObject());
        copy->setList(&working_);
        insertListItem(list(), -1, copy->describe(), copy);
    }
    if (kind_ == 1 && elementCount() > 0)
        owner_.enableErrorHandling(true);
}

bool CResponseElementsPage::switchResponse(bool expected, bool errorListNotEmpty)
{
    if (expected) {
        for (int id : {labelId, listId, newId})
            enableControl(id, true);
        return true;
    }
    g2driverResponseDataNameTable& names = owner_.responseDataNames();
    if (kind_ == 0 && (elementCount() > 0 || errorListNotEmpty)) {
        gstr users("");
        jhashTypedIterator<g2driverResponseDataName> it(names);
        g2driverResponseDataName* name = nullptr;
        while (it.get(name))
            name->usedBy().describeUsers(users);
        if (!users.isEmpty()) {
            gstr text;
            text.loadString(dataInUse);
            text.append(users);
            warningBox(text, dataInUse);
            return false;
        }
        if (messageBox(deleteAllQuestion, gbuttons::okCancel) != ganswer::ok)
            return false;
    }
    deleteAllElements();
    if (kind_ == 0)
        names.deleteAll();
    for (int id : {labelId, listId, editId, duplicateId, deleteId, newId})
        enableControl(id, false);
    return true;
}

// Elements go first: they point at the values and names they declare.
void CResponseElementsPage::deleteAllElements()
{
    for (int i = 0; i < list().count(); ++i)
        delete elementAt(i);
    list().clear();
    working_.values().deleteAll();
}

void CResponseElementsPage::handOver(g2driverCommandTemplate& target)
{
    for (int i = 0; i < list().count(); ++i)
        working_.append(elementAt(i));
    list().clear();
    (kind_ == 0 ? target.responses() : target.errors()).replaceFrom(working_);
}

int CResponseElementsPage::addElement(g2driverResponseElement* element)
{
    element->setList(&working_);
    int current = selectedItem(listId);
    int index = insertListItem(list(), current >= 0 ? current + 1 : -1, element->describe(), element);
    selectListItem(list(), index);
    return index;
}

void CResponseElementsPage::runElementDialog(bool withSource, bool edit)
{
    g2driverResponseElement* selected = selectedElement();
    if (withSource && !selected)
        return;
    int type = withSource ? selected->getType() : chooseResponseElementType(kind_ == 1, this);
    if (type < 0)
        return;
    g2driverResponseElement* result =
        openResponseElementDialog(*this, type, withSource ? selected : nullptr, edit ? selected : nullptr, this);
    if (!result)
        return;
    if (edit) {
        setListItemText(list(), selectedItem(listId), result->describe());
        return;
    }
    addElement(result);
    enableSelectionButtons(true);
    if (kind_ == 1)
        owner_.enableErrorHandling(true);
}

// The response data and the value the element declares go with it, unless
// something still uses either; then nothing goes.
void CResponseElementsPage::deleteElement()
{
    int index = selectedItem(listId);
    g2driverResponseElement* element = selectedElement();
    if (!element)
        return;
    g2driverResponseDataName* name = element->getResponseData();
    g2driverResponseValue* value = element->getResponseValue();
    if (name && !name->usedBy().isUnused())
        return name->usedBy().reportInUse(inUseMessage);
    if (value && !value->usedBy().isUnused())
        return value->usedBy().reportInUse(inUseMessage);
    if (name)
        owner_.responseDataNames().remove(name);
    if (value)
        working_.values().remove(value);
    bool emptied = removeListItem(list(), index);
    delete element;
    delete name;
    delete value;
    if (!emptied)
        return;
    enableSelectionButtons(false);
    if (kind_ == 1)
        owner_.enableErrorHandling(false);
}
