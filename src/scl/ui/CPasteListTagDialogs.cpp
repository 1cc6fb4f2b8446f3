#include "scl/ui/CPasteListTagDialogs.h"

#include "foundation/jhashIterator.h"
#include "legacy/glegacyParameter.h"
#include "platform/settingsStore.h"
#include "platform/sortedItems.h"
#include "platform/textCodec.h"
#include "ports/gserialPort.h"
#include "scl/gsclProgram.h"
#include "shell/CObjectListCtrl.h"
#include "store/gstation.h"

#include <QListWidget>
#include <vector>

const char* const pasteDialogsSection = "Settings\\Paste Dialogs";

namespace pasteItems {

namespace {
constexpr int objectRole = Qt::UserRole;
} // namespace

int insertSorted(QListWidget& list, const gstrSlice& text, const void* object)
{
    QString shown = toUiText(text);
    int row = 0;
    while (row < list.count() && CObjectListCtrl::compareKeys(list.item(row)->text(), shown) <= 0)
        ++row;
    auto* item = new QListWidgetItem(shown);
    item->setData(objectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    list.insertItem(row, item);
    return row;
}

const void* objectAt(const QListWidget& list, int row)
{
    const QListWidgetItem* item = list.item(row);
    return item ? reinterpret_cast<const void*>(item->data(objectRole).value<quintptr>()) : nullptr;
}

int selectedRow(const QListWidget& list)
{
    QListWidgetItem* item = list.currentItem();
    return item && item->isSelected() ? list.row(item) : -1;
}

void appendQuoted(gstr& text, const gstrSlice& tag)
{
    text.append('"');
    text.append(tag);
    text.append('"');
}

} // namespace pasteItems

CPasteListTagDialog::CPasteListTagDialog(int templateId, const char* caption, int listId, const char* label,
                                         const char* valueName)
    : CPasteTagDialog(templateId), listId_(listId), valueName_(valueName)
{
    setWindowTitle(toUiText(caption));
    setDialogSize(186, 150);
    addLabel(-1, label, 7, 7, 120, 8);
    list_ = addListBox(listId, 7, 17, 172, 106);
    addButton(IDOK, "OK", 72, 129, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 129, 129, 50, 14);
    QObject::connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            enableControl(IDOK, true);
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this] { sendCommand(IDOK); });
}

// The choice is kept for the next time, after OK and Cancel alike.
CPasteListTagDialog::~CPasteListTagDialog()
{
    if (!opened_)
        return;
    if (gtitledObject* object = selectedObject())
        writeProfileString(pasteDialogsSection, valueName_, object->getTag());
    else
        deleteProfileValue(pasteDialogsSection, valueName_);
}

gtitledObject* CPasteListTagDialog::selectedObject() const
{
    int row = pasteItems::selectedRow(*list_);
    return row < 0 ? nullptr : static_cast<gtitledObject*>(const_cast<void*>(pasteItems::objectAt(*list_, row)));
}

void CPasteListTagDialog::addObjects(const std::vector<gtitledObject*>& objects)
{
    std::vector<listedItem> items;
    items.reserve(objects.size());
    for (gtitledObject* object : objects)
        items.push_back({toUiText(object->getTitle(true)), QVariant::fromValue(reinterpret_cast<quintptr>(object))});
    sortListedItems(items, listOrder::collated);
    appendListedItems(*list_, items);
}

bool CPasteListTagDialog::OnInitDialog()
{
    opened_ = true;
    gstr wanted = profileString(pasteDialogsSection, valueName_, "");
    fillList();
    enableControl(IDOK, false);
    for (int row = 0; row < list_->count(); ++row) {
        auto* object = static_cast<const gtitledObject*>(pasteItems::objectAt(*list_, row));
        if (object->getTag() == wanted) {
            list_->setCurrentRow(row);
            break;
        }
    }
    return true;
}

void CPasteListTagDialog::OnOK()
{
    gtitledObject* object = selectedObject();
    if (!object)
        return;
    result_.assign("");
    pasteItems::appendQuoted(result_, object->getTag());
    EndDialog(IDOK);
}

namespace {

// The defined objects of a table, in table order.
template <class E>
std::vector<gtitledObject*> definedObjects(jhashTypedDatabaseTable<E>& table)
{
    std::vector<gtitledObject*> objects;
    jhashTypedIterator<E> it(table);
    E* object = nullptr;
    while (it.get(object)) {
        if (object->isDefined())
            objects.push_back(object);
    }
    return objects;
}

} // namespace

CPasteSerialPortTagDialog::CPasteSerialPortTagDialog()
    : CPasteListTagDialog(574, "Paste Serial Port Tag", portListId, "&Port:", "Port")
{
}

void CPasteSerialPortTagDialog::fillList()
{
    addObjects(definedObjects(station::serialPorts()));
}

CPasteProgramTagDialog::CPasteProgramTagDialog()
    : CPasteListTagDialog(575, "Paste Program Tag", programListId, "&Program:", "Program")
{
}

void CPasteProgramTagDialog::fillList()
{
    addObjects(definedObjects(station::programs()));
}

CPasteLegacyParameterTagDialog::CPasteLegacyParameterTagDialog()
    : CPasteListTagDialog(573, "Paste Legacy Parameter Tag", parameterListId, "&Parameter:", "Parameter")
{
}

void CPasteLegacyParameterTagDialog::fillList()
{
    addObjects(definedObjects(station::legacyParameters()));
}
