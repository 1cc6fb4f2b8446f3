#include "registers/sources/ui/CEditValueMapDialog.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"

#include <QListWidget>

namespace {

constexpr int replaceEntryQuestion = 10667;
constexpr int badSourceValueMessage = 10668;
constexpr int badObjectValueMessage = 10669;
constexpr int changeEntryTitle = 10670;

uint32_t sourceOf(const gvalueMapEntry& entry) { return static_cast<uint32_t>(entry.key); }
uint32_t objectOf(const gvalueMapEntry& entry) { return static_cast<uint32_t>(entry.value); }

gstr rowText(const gvalueMapEntry& entry)
{
    gstr text;
    text.format("%u\t%u", sourceOf(entry), objectOf(entry));
    return text;
}

} // namespace

CEditValueMapDialog::CEditValueMapDialog(gsortedList<gvalueMapEntry>& map, QWidget* parent)
    : CDialog(822, parent), map_(map), working_(map)
{
    setWindowTitle("Edit Value Map");
    setDialogSize(220, 130);
    addLabel(-1, "&Value map (source value, object value):", 7, 7, 150, 8);
    auto* list = addListBox(listId, 7, 18, 150, 105);
    list->setTabKeyNavigation(false);
    addButton(addId, "&Add...", 163, 18, 50, 14);
    addButton(modifyId, "&Modify...", 163, 36, 50, 14);
    addButton(removeId, "Remo&ve", 163, 54, 50, 14);
    addButton(IDOK, "OK", 163, 91, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 163, 109, 50, 14);
    onCommand(addId, [this] { editEntry(nullptr); });
    onCommand(modifyId, [this] {
        if (gvalueMapEntry* entry = entryAt(selectedItem(listId)))
            editEntry(entry);
    });
    onCommand(removeId, [this] { removeEntry(); });
    QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] { enableButtons(); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] { sendCommand(modifyId); });
}

bool CEditValueMapDialog::OnInitDialog()
{
    fill(-1);
    return true;
}

void CEditValueMapDialog::OnOK()
{
    map_.transferFrom(working_);
    CDialog::OnOK();
}

void CEditValueMapDialog::fill(int selectValue)
{
    clearItems(listId);
    int row = 0;
    for (const gvalueMapEntry* entry = working_.first(); entry; entry = entry->next, ++row) {
        addItem(listId, rowText(*entry));
        if (selectValue >= 0 && sourceOf(*entry) == static_cast<uint32_t>(selectValue))
            selectItem(listId, row);
    }
    enableButtons();
}

void CEditValueMapDialog::enableButtons()
{
    bool selected = selectedItem(listId) >= 0;
    enableControl(modifyId, selected);
    enableControl(removeId, selected);
}

gvalueMapEntry* CEditValueMapDialog::entryAt(int row) const
{
    if (row < 0)
        return nullptr;
    gvalueMapEntry* entry = working_.first();
    for (; entry && row > 0; --row)
        entry = entry->next;
    return entry;
}

uint32_t CEditValueMapDialog::nextFreeSourceValue() const
{
    const gvalueMapEntry* start = entryAt(selectedItem(listId));
    if (!start)
        start = working_.first();
    if (!start)
        return 0;
    uint32_t value = sourceOf(*start) + 1;
    while (working_.find(static_cast<int32_t>(value)) && value != sourceOf(*start))
        ++value;
    return value;
}

int CEditValueMapDialog::findSourceValue(uint32_t value, bool skipSelected) const
{
    int row = 0;
    for (const gvalueMapEntry* entry = working_.first(); entry; entry = entry->next, ++row) {
        if (sourceOf(*entry) == value)
            return skipSelected && row == selectedItem(listId) ? -1 : row;
    }
    return -1;
}

void CEditValueMapDialog::editEntry(const gvalueMapEntry* entry)
{
    CValueMapEntryDialog dialog(*this, entry, this);
    if (dialog.DoModal() != IDOK)
        return;
    gsortedList<gvalueMapEntry> kept;
    // Every entry but the changed one and one of the new source value.
    for (const gvalueMapEntry* e = working_.first(); e; e = e->next) {
        if (e == entry || sourceOf(*e) == dialog.sourceValue())
            continue;
        kept.insert(new gvalueMapEntry{nullptr, e->key, e->value});
    }
    kept.insert(new gvalueMapEntry{nullptr, static_cast<int32_t>(dialog.sourceValue()),
                                   static_cast<int32_t>(dialog.objectValue())});
    working_.transferFrom(kept);
    fill(static_cast<int>(dialog.sourceValue()));
}

void CEditValueMapDialog::removeEntry()
{
    int row = selectedItem(listId);
    const gvalueMapEntry* removed = entryAt(row);
    if (!removed)
        return;
    gsortedList<gvalueMapEntry> kept;
    for (const gvalueMapEntry* e = working_.first(); e; e = e->next) {
        if (e != removed)
            kept.insert(new gvalueMapEntry{nullptr, e->key, e->value});
    }
    working_.transferFrom(kept);
    fill(-1);
    int count = itemCount(listId);
    if (count > 0)
        selectItem(listId, row < count ? row : count - 1);
    enableButtons();
}

CValueMapEntryDialog::CValueMapEntryDialog(const CEditValueMapDialog& owner, const gvalueMapEntry* entry,
                                           QWidget* parent)
    : CDialog(823, parent), owner_(owner), entry_(entry)
{
    setWindowTitle("New Value Map Entry");
    setDialogSize(180, 62);
    addLabel(-1, "&Source Value:", 7, 9, 60, 8);
    addControl(sourceValueId, new CUnsignedSpinEdit, 70, 7, 70, 12);
    addLabel(-1, "&Object Value:", 7, 25, 60, 8);
    addControl(objectValueId, new CUnsignedSpinEdit, 70, 23, 70, 12);
    addButton(IDOK, "OK", 36, 42, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 92, 42, 50, 14);
}

bool CValueMapEntryDialog::OnInitDialog()
{
    auto* source = dynamic_cast<CUnsignedSpinEdit*>(control(sourceValueId));
    auto* object = dynamic_cast<CUnsignedSpinEdit*>(control(objectValueId));
    if (entry_) {
        source->setValue(sourceOf(*entry_));
        object->setValue(objectOf(*entry_));
        setWindowTitle(toUiText(gstr().loadString(changeEntryTitle)));
    } else {
        uint32_t next = owner_.nextFreeSourceValue();
        source->setValue(next);
        object->setValue(next);
    }
    return true;
}

void CValueMapEntryDialog::OnOK()
{
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(sourceValueId))->getValue(source_))
        return (void)refuseField(sourceValueId, badSourceValueMessage);
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(objectValueId))->getValue(object_))
        return (void)refuseField(objectValueId, badObjectValueMessage);
    if (owner_.findSourceValue(source_, entry_ != nullptr) >= 0
        && messageBox(replaceEntryQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    CDialog::OnOK();
}
