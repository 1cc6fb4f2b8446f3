#include "g2driver/editor/CEditValueMapDialog.h"

#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";
constexpr int sourceColumnText = 10665;
constexpr int objectColumnText = 10666;
constexpr int replaceQuestion = 10667;
constexpr int enterSource = 10668;
constexpr int enterObject = 10669;
constexpr int changeCaption = 10670;
constexpr int valueRole = Qt::UserRole;

uint32_t itemValue(const QTreeWidgetItem* item, int column)
{
    return item->data(column, valueRole).value<uint32_t>();
}

// Two lines compare by their values taken as signed 32-bit numbers, so
// 4294967295 comes before 1. Their difference would wrap for values far
// apart and order nothing.
bool before(uint32_t a, uint32_t b) { return static_cast<int32_t>(a) < static_cast<int32_t>(b); }

// A line showing both values, each kept as the line's data.
QTreeWidgetItem* makeItem(uint32_t source, uint32_t object)
{
    auto* item = new QTreeWidgetItem({QString::number(source), QString::number(object)});
    item->setData(0, valueRole, QVariant::fromValue(source));
    item->setData(1, valueRole, QVariant::fromValue(object));
    return item;
}

} // namespace

CEditValueMapDialog::CEditValueMapDialog(gsortedList<gvalueMapEntry>& map, QWidget* parent)
    : CDialog(templateId, parent), map_(map)
{
    setWindowTitle(QStringLiteral("Edit Value Map"));
    setDialogSize(220, 130);
    auto* list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setColumnCount(2);
    list->setHeaderLabels(
        {toUiText(gstr().loadString(sourceColumnText)), toUiText(gstr().loadString(objectColumnText))});
    addControl(listId, list, 7, 7, 150, 116);
    addButton(IDOK, "OK", 163, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 163, 24, 50, 14);
    addButton(addId, "&Add...", 163, 58, 50, 14);
    addButton(modifyId, "&Modify...", 163, 75, 50, 14);
    addButton(removeId, "&Remove", 163, 92, 50, 14);
}

CEditValueMapDialog::~CEditValueMapDialog()
{
    if (!opened_)
        return;
    auto* list = controlAs<QTreeWidget>(listId);
    writeProfileInt(settingsSection, "ValueMapSortColumn", sortColumn_);
    writeProfileInt(settingsSection, "ValueMapColumn1", list->columnWidth(0));
    writeProfileInt(settingsSection, "ValueMapColumn2", list->columnWidth(1));
}

bool CEditValueMapDialog::OnInitDialog()
{
    opened_ = true;
    auto* list = controlAs<QTreeWidget>(listId);
    int client = list->viewport()->width();
    list->setColumnWidth(0, profileInt(settingsSection, "ValueMapColumn1", client - client / 2));
    list->setColumnWidth(1, profileInt(settingsSection, "ValueMapColumn2", client / 2));
    int column = profileInt(settingsSection, "ValueMapSortColumn", 0);
    sortColumn_ = column == 1 ? 1 : 0;
    for (const gvalueMapEntry* e = map_.first(); e; e = e->next) {
        list->addTopLevelItem(makeItem(static_cast<uint32_t>(e->key), static_cast<uint32_t>(e->value)));
    }
    sortItems();
    enableButtons();
    QObject::connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { enableButtons(); });
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { modifyEntry(); });
    QObject::connect(list->header(), &QHeaderView::sectionClicked, this, [this](int c) { setSortColumn(c); });
    onCommand(addId, [this] { addEntry(); });
    onCommand(modifyId, [this] { modifyEntry(); });
    onCommand(removeId, [this] { removeEntry(); });
    return true;
}

void CEditValueMapDialog::setSortColumn(int column)
{
    if (column == sortColumn_ || column < 0 || column > 1)
        return;
    sortColumn_ = column;
    sortItems();
    auto* list = controlAs<QTreeWidget>(listId);
    if (QTreeWidgetItem* item = list->currentItem())
        list->scrollToItem(item);
}

void CEditValueMapDialog::sortItems()
{
    auto* list = controlAs<QTreeWidget>(listId);
    QTreeWidgetItem* current = list->currentItem();
    std::vector<QTreeWidgetItem*> items;
    while (list->topLevelItemCount() > 0)
        items.push_back(list->takeTopLevelItem(0));
    std::stable_sort(items.begin(), items.end(), [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return before(itemValue(a, sortColumn_), itemValue(b, sortColumn_));
    });
    for (QTreeWidgetItem* item : items)
        list->addTopLevelItem(item);
    if (current)
        list->setCurrentItem(current);
}

int CEditValueMapDialog::selectedRow() const
{
    auto* list = controlAs<QTreeWidget>(listId);
    QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.front());
}

void CEditValueMapDialog::enableButtons()
{
    bool any = selectedRow() >= 0;
    enableControl(modifyId, any);
    enableControl(removeId, any);
}

uint32_t CEditValueMapDialog::nextFreeSourceValue() const
{
    auto* list = controlAs<QTreeWidget>(listId);
    if (list->topLevelItemCount() == 0)
        return 0;
    int row = std::max(selectedRow(), 0);
    uint32_t value = itemValue(list->topLevelItem(row), 0) + 1;
    while (findSourceValue(value, false) >= 0)
        ++value;
    return value;
}

int CEditValueMapDialog::findSourceValue(uint32_t value, bool ignoreSelected) const
{
    auto* list = controlAs<QTreeWidget>(listId);
    for (int row = list->topLevelItemCount() - 1; row >= 0; --row) {
        if (itemValue(list->topLevelItem(row), 0) != value)
            continue;
        return ignoreSelected && row == selectedRow() ? -1 : row;
    }
    return -1;
}

void CEditValueMapDialog::insertEntry(uint32_t source, uint32_t object)
{
    auto* list = controlAs<QTreeWidget>(listId);
    list->clearSelection();
    QTreeWidgetItem* item = makeItem(source, object);
    uint32_t key = sortColumn_ == 0 ? source : object;
    int at = 0;
    while (at < list->topLevelItemCount() && !before(key, itemValue(list->topLevelItem(at), sortColumn_)))
        ++at;
    list->insertTopLevelItem(at, item);
    list->setCurrentItem(item);
    item->setSelected(true);
    list->scrollToItem(item);
    enableButtons();
}

void CEditValueMapDialog::addEntry()
{
    CValueMapEntryDialog entry(*this, nullptr, this);
    if (entry.DoModal() != IDOK)
        return;
    auto* list = controlAs<QTreeWidget>(listId);
    int same = findSourceValue(entry.sourceValue(), false);
    if (same >= 0)
        delete list->takeTopLevelItem(same);
    insertEntry(entry.sourceValue(), entry.objectValue());
}

void CEditValueMapDialog::modifyEntry()
{
    int row = selectedRow();
    if (row < 0)
        return;
    auto* list = controlAs<QTreeWidget>(listId);
    QTreeWidgetItem* item = list->topLevelItem(row);
    gvalueMapEntry current;
    current.key = static_cast<int32_t>(itemValue(item, 0));
    current.value = static_cast<int32_t>(itemValue(item, 1));
    CValueMapEntryDialog entry(*this, &current, this);
    if (entry.DoModal() != IDOK)
        return;
    delete list->takeTopLevelItem(row);
    int same = findSourceValue(entry.sourceValue(), false);
    if (same >= 0)
        delete list->takeTopLevelItem(same);
    insertEntry(entry.sourceValue(), entry.objectValue());
}

void CEditValueMapDialog::removeEntry()
{
    int row = selectedRow();
    if (row < 0)
        return;
    auto* list = controlAs<QTreeWidget>(listId);
    delete list->takeTopLevelItem(row);
    int count = list->topLevelItemCount();
    if (count > 0) {
        QTreeWidgetItem* next = list->topLevelItem(std::min(row, count - 1));
        list->setCurrentItem(next);
        next->setSelected(true);
    }
    enableButtons();
}

void CEditValueMapDialog::OnOK()
{
    map_.clear();
    auto* list = controlAs<QTreeWidget>(listId);
    for (int row = list->topLevelItemCount() - 1; row >= 0; --row) {
        auto* entry = new gvalueMapEntry;
        entry->key = static_cast<int32_t>(itemValue(list->topLevelItem(row), 0));
        entry->value = static_cast<int32_t>(itemValue(list->topLevelItem(row), 1));
        if (!map_.insert(entry))
            delete entry;
    }
    EndDialog(IDOK);
}

CValueMapEntryDialog::CValueMapEntryDialog(CEditValueMapDialog& owner, const gvalueMapEntry* entry, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner), entry_(entry)
{
    setWindowTitle(QStringLiteral("Value Map Entry"));
    setDialogSize(180, 44);
    addLabel(-1, "&Source value:", 7, 9, 50, 8);
    addControl(sourceId, new CUnsignedSpinEdit, 60, 7, 60, 12);
    addLabel(-1, "O&bject value:", 7, 27, 50, 8);
    addControl(objectId, new CUnsignedSpinEdit, 60, 25, 60, 12);
    addButton(IDOK, "OK", 125, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 125, 24, 50, 14);
}

bool CValueMapEntryDialog::OnInitDialog()
{
    auto* source = dynamic_cast<CUnsignedSpinEdit*>(control(sourceId));
    auto* object = dynamic_cast<CUnsignedSpinEdit*>(control(objectId));
    if (!entry_) {
        uint32_t next = owner_.nextFreeSourceValue();
        source->setValue(next);
        object->setValue(next);
        return true;
    }
    setWindowTitle(toUiText(gstr().loadString(changeCaption)));
    source->setValue(static_cast<uint32_t>(entry_->key));
    object->setValue(static_cast<uint32_t>(entry_->value));
    return true;
}

void CValueMapEntryDialog::OnOK()
{
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(sourceId))->getValue(source_))
        return (void)refuseField(sourceId, enterSource);
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(objectId))->getValue(object_))
        return (void)refuseField(objectId, enterObject);
    if (owner_.findSourceValue(source_, entry_ != nullptr) >= 0 &&
        messageBox(replaceQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    EndDialog(IDOK);
}
