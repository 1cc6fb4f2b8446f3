#include "registers/sources/ui/CBitCollectionDataSourcePane.h"

#include "g2driver/editor/CSourceTypeHostPane.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "registers/sources/g2driverBitCollectionSource.h"
#include "registers/sources/ui/CEditBitSectionDialog.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "registers/sources/ui/CLegacyBitCollectionSourcePane.h"
#include "shell/CByteMaskCtrl.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int noSectionMessage = 10148;
constexpr int columnHeadings[] = {10656, 10657, 10658, 10659};
constexpr const char* settingsSection = "Dialogs\\Edit Bit Collection";
constexpr const char* sortEntries[] = {"SortColumn1", "SortColumn2", "SortColumn3"};
constexpr const char* widthEntries[] = {"NarrowColumn1", "NarrowColumn2", "NarrowColumn3", "NarrowColumn4"};
constexpr int sectionRole = Qt::UserRole;

gstr maskText(uint32_t mask)
{
    char digits[12];
    int n = 0;
    uint32_t rest = mask;
    do {
        digits[n++] = "0123456789ABCDEF"[rest & 15];
        rest >>= 4;
    } while (rest != 0);
    if (n < 2)
        digits[n++] = '0';
    gstr text("$");
    while (n > 0)
        text.append(digits[--n]);
    return text;
}

// A column number read from the settings, 0 to 3.
int columnSetting(const char* entry, int defaultValue)
{
    int value = profileInt(settingsSection, entry, defaultValue);
    return value >= 0 && value <= 3 ? value : defaultValue;
}

} // namespace

CBitCollectionDataSourcePane::CBitCollectionDataSourcePane(CSourceTypeHostPane& host) : CDataSourcePane(host, 809) {}

CBitCollectionDataSourcePane::~CBitCollectionDataSourcePane()
{
    if (list_)
        saveSettings();
}

// Each section is copied into the driver's commands and bound to the
// working parameters of the object being edited.
bool CBitCollectionDataSourcePane::create(const g2driverDataSource* source)
{
    if (const auto* collection = dynamic_cast<const g2driverBitCollectionSource*>(source)) {
        for (const auto& section : collection->collection().sections()) {
            sections_.push_back(std::make_unique<gbitSectionItem>(*section, host().tables().commands));
            sections_.back()->rebind(host().workingParameters());
        }
        xorMask_ = collection->collection().getXorMask();
        valueMap_ = collection->collection().valueMap();
    }
    addLabel(-1, "&Sections:", 0, 0, 60, 8);
    list_ = addControl(sectionsId, new QTreeWidget, 0, 10, 216, 80);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setColumnCount(4);
    QStringList headings;
    for (int id : columnHeadings)
        headings << toUiText(gstr().loadString(id));
    list_->setHeaderLabels(headings);
    for (int column = 1; column < 4; ++column)
        list_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    list_->header()->setSectionsClickable(true);
    addButton(editId, "&Edit...", 222, 10, 60, 14)->setEnabled(false);
    addButton(deleteId, "&Delete", 222, 26, 60, 14)->setEnabled(false);
    addButton(duplicateId, "D&uplicate...", 222, 42, 60, 14)->setEnabled(false);
    addButton(newId, "&New...", 222, 58, 60, 14);
    addLabel(-1, "&XOR Mask:", 0, 94, 60, 8);
    auto* mask = addControl(xorMaskId, new CByteMaskCtrl, 0, 104, 200, 28);
    addButton(valueMapId, "&Value Map...", 222, 104, 60, 14);
    becomeChild(286, 134);

    onCommand(newId, [this] { editSection(false, false); });
    onCommand(duplicateId, [this] { editSection(true, false); });
    onCommand(editId, [this] { editSection(true, true); });
    onCommand(deleteId, [this] { onDelete(); });
    onCommand(valueMapId, [this] {
        CEditValueMapDialog edit(valueMap_, this);
        edit.DoModal();
    });
    QObject::connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (selectedSection())
            enableButtons(true);
    });
    QObject::connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { sendCommand(editId); });
    QObject::connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int c) { headerClicked(c); });

    keys_[0] = columnSetting(sortEntries[0], 0);
    keys_[1] = columnSetting(sortEntries[1], 1);
    keys_[2] = columnSetting(sortEntries[2], 1);
    spare_ = 3;
    for (int column = 2; column >= 0; --column) {
        if (std::find(std::begin(keys_), std::end(keys_), column) == std::end(keys_))
            spare_ = column;
    }
    int w = list_->viewport()->width() / 6;
    int defaults[] = {list_->viewport()->width() - 3 * w, w, w, w};
    for (int column = 0; column < 4; ++column)
        list_->setColumnWidth(column, profileInt(settingsSection, widthEntries[column], defaults[column]));

    for (const auto& section : sections_)
        list_->addTopLevelItem(makeRow(*section));
    sortRows();
    mask->setMask(xorMask_);
    return true;
}

void CBitCollectionDataSourcePane::saveSettings() const
{
    for (int i = 0; i < 3; ++i)
        writeProfileInt(settingsSection, sortEntries[i], keys_[i]);
    for (int column = 0; column < 4; ++column)
        writeProfileInt(settingsSection, widthEntries[column], list_->columnWidth(column));
}

QTreeWidgetItem* CBitCollectionDataSourcePane::makeRow(gbitSectionItem& section) const
{
    auto* row = new QTreeWidgetItem;
    row->setText(0, toUiText(section.reference().describe()));
    row->setText(1, toUiText(CLegacyBitCollectionSourcePane::rotationText(section.masks().rotate)));
    row->setText(2, toUiText(maskText(section.masks().xorMask)));
    row->setText(3, toUiText(maskText(section.masks().andMask)));
    for (int column = 1; column < 4; ++column)
        row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    row->setData(0, sectionRole, QVariant::fromValue(reinterpret_cast<quintptr>(&section)));
    return row;
}

gbitSectionItem* CBitCollectionDataSourcePane::sectionOf(QTreeWidgetItem* row) const
{
    return row ? reinterpret_cast<gbitSectionItem*>(row->data(0, sectionRole).value<quintptr>()) : nullptr;
}

gbitSectionItem* CBitCollectionDataSourcePane::selectedSection() const
{
    QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? nullptr : sectionOf(selected.front());
}

int CBitCollectionDataSourcePane::compareBy(int key, const gbitSectionItem& a,
                                              const gbitSectionItem& b) const
{
    switch (key) {
    case 0:
        return toUiText(a.reference().describe())
            .toCaseFolded()
            .localeAwareCompare(toUiText(b.reference().describe()).toCaseFolded());
    case 1: return a.masks().rotate < b.masks().rotate ? -1 : a.masks().rotate > b.masks().rotate ? 1 : 0;
    case 2: return a.masks().xorMask < b.masks().xorMask ? -1 : a.masks().xorMask > b.masks().xorMask ? 1 : 0;
    default: return a.masks().andMask < b.masks().andMask ? -1 : a.masks().andMask > b.masks().andMask ? 1 : 0;
    }
}

bool CBitCollectionDataSourcePane::sortsBefore(const gbitSectionItem& a,
                                                 const gbitSectionItem& b) const
{
    for (int key : keys_) {
        if (int order = compareBy(key, a, b); order != 0)
            return order < 0;
    }
    return false;
}

void CBitCollectionDataSourcePane::sortRows()
{
    gbitSectionItem* selected = selectedSection();
    std::vector<gbitSectionItem*> rows;
    while (list_->topLevelItemCount() > 0) {
        QTreeWidgetItem* row = list_->takeTopLevelItem(0);
        rows.push_back(sectionOf(row));
        delete row;
    }
    std::stable_sort(rows.begin(), rows.end(), [this](auto* a, auto* b) { return sortsBefore(*a, *b); });
    for (gbitSectionItem* section : rows) {
        QTreeWidgetItem* row = makeRow(*section);
        list_->addTopLevelItem(row);
        if (section == selected) {
            list_->setCurrentItem(row);
            list_->scrollToItem(row);
        }
    }
}

void CBitCollectionDataSourcePane::insertSorted(gbitSectionItem& section)
{
    int at = 0;
    while (at < list_->topLevelItemCount() && !sortsBefore(section, *sectionOf(list_->topLevelItem(at))))
        ++at;
    QTreeWidgetItem* row = makeRow(section);
    list_->clearSelection();
    list_->insertTopLevelItem(at, row);
    list_->setCurrentItem(row);
    list_->scrollToItem(row);
}

void CBitCollectionDataSourcePane::headerClicked(int column)
{
    if (column == keys_[0])
        return;
    if (column == spare_)
        spare_ = keys_[2];
    else if (column == keys_[2])
        keys_[2] = keys_[1];
    keys_[1] = keys_[0];
    keys_[0] = column;
    sortRows();
}

// New (no template), Duplicate (the selected section as template) or Edit
// (the selected section changed in place).
void CBitCollectionDataSourcePane::editSection(bool keepTemplate, bool editInPlace)
{
    gbitSectionItem* selected = selectedSection();
    if (keepTemplate && !selected)
        return;
    CEditBitSectionDialog page(host(), keepTemplate ? selected : nullptr, editInPlace ? selected : nullptr, this);
    if (!page.build() || page.DoModal() != IDOK)
        return;
    if (editInPlace) {
        delete list_->takeTopLevelItem(list_->indexOfTopLevelItem(list_->currentItem()));
        insertSorted(*selected);
        return;
    }
    sections_.push_back(page.takeMade());
    insertSorted(*sections_.back());
    enableButtons(true);
}

void CBitCollectionDataSourcePane::onDelete()
{
    gbitSectionItem* selected = selectedSection();
    if (!selected)
        return;
    int row = list_->indexOfTopLevelItem(list_->currentItem());
    delete list_->takeTopLevelItem(row);
    std::erase_if(sections_, [selected](const auto& s) { return s.get() == selected; });
    int count = list_->topLevelItemCount();
    if (count == 0) {
        enableButtons(false);
        return;
    }
    list_->setCurrentItem(list_->topLevelItem(row < count ? row : count - 1));
}

void CBitCollectionDataSourcePane::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

std::unique_ptr<g2driverDataSource> CBitCollectionDataSourcePane::makeSource()
{
    if (list_->topLevelItemCount() == 0) {
        messageBox(noSectionMessage, gbuttons::ok, gicon::warning);
        return nullptr;
    }
    auto source = std::make_unique<g2driverBitCollectionSource>();
    source->collection().setXorMask(dynamic_cast<CByteMaskCtrl*>(control(xorMaskId))->getMask());
    source->collection().valueMap().transferFrom(valueMap_);
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        gbitSectionItem* section = sectionOf(list_->topLevelItem(row));
        auto owned = std::find_if(sections_.begin(), sections_.end(), [&](const auto& s) { return s.get() == section; });
        source->addSection(std::move(*owned));
        sections_.erase(owned);
    }
    list_->clear();
    return source;
}
