#include "registers/sources/ui/CLegacyBitCollectionSourcePane.h"

#include "foundation/jhashIterator.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "ports/gserialPort.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/gsourceLegacyBitCollection.h"
#include "registers/sources/ui/CBitSectionPage.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "shell/CByteMaskCtrl.h"
#include "store/gstation.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int noPortsMessage = 10186;
constexpr int noSectionMessage = 10148;
constexpr int columnHeadings[] = {10656, 10657, 10658, 10659};
constexpr const char* settingsSection = "Dialogs\\Edit Bit Collection";
constexpr const char* sortEntries[] = {"SortColumn1", "SortColumn2", "SortColumn3"};
constexpr const char* widthEntries[] = {"Column1", "Column2", "Column3", "Column4"};
constexpr int sectionRole = Qt::UserRole;

bool hasDefinedPort()
{
    jhashTypedIterator<gserialPort> it(station::serialPorts());
    gserialPort* port = nullptr;
    while (it.get(port)) {
        if (port->isDefined())
            return true;
    }
    return false;
}

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

CLegacyBitCollectionSourcePane::CLegacyBitCollectionSourcePane() : CSourcePane(513) {}

CLegacyBitCollectionSourcePane::~CLegacyBitCollectionSourcePane()
{
    if (list_)
        saveSettings();
}

std::unique_ptr<CSourcePane> CLegacyBitCollectionSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyBitCollectionSourcePane>();
    if (const auto* collection = dynamic_cast<const gsourceLegacyBitCollection*>(source)) {
        const auto& sections = collection->collection().sections();
        for (auto it = sections.rbegin(); it != sections.rend(); ++it)
            pane->sections_.push_back(std::make_unique<gsourceLegacyBitSection>(**it));
        pane->xorMask_ = collection->collection().getXorMask();
        pane->valueMap_ = collection->collection().valueMap();
    }
    return pane;
}

gstr CLegacyBitCollectionSourcePane::rotationText(int32_t rotate)
{
    int r = rotate & 31;
    gstr text;
    if (r > 16)
        text.format("%d ->", 32 - r);
    else if (r == 0 || r == 16)
        text.format("%d", r);
    else
        text.format("<- %d", r);
    return text;
}

bool CLegacyBitCollectionSourcePane::create(CRegisterDialog& dialog)
{
    if (!hasDefinedPort())
        return refuseCreate(noPortsMessage);
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
    becomeChildOf(dialog, 286, 134);

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

void CLegacyBitCollectionSourcePane::saveSettings() const
{
    for (int i = 0; i < 3; ++i)
        writeProfileInt(settingsSection, sortEntries[i], keys_[i]);
    for (int column = 0; column < 4; ++column)
        writeProfileInt(settingsSection, widthEntries[column], list_->columnWidth(column));
}

QTreeWidgetItem* CLegacyBitCollectionSourcePane::makeRow(gsourceLegacyBitSection& section) const
{
    auto* row = new QTreeWidgetItem;
    row->setText(0, toUiText(section.location().describe()));
    row->setText(1, toUiText(rotationText(section.masks().rotate)));
    row->setText(2, toUiText(maskText(section.masks().xorMask)));
    row->setText(3, toUiText(maskText(section.masks().andMask)));
    for (int column = 1; column < 4; ++column)
        row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    row->setData(0, sectionRole, QVariant::fromValue(reinterpret_cast<quintptr>(&section)));
    return row;
}

gsourceLegacyBitSection* CLegacyBitCollectionSourcePane::sectionOf(QTreeWidgetItem* row) const
{
    return row ? reinterpret_cast<gsourceLegacyBitSection*>(row->data(0, sectionRole).value<quintptr>()) : nullptr;
}

gsourceLegacyBitSection* CLegacyBitCollectionSourcePane::selectedSection() const
{
    QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? nullptr : sectionOf(selected.front());
}

int CLegacyBitCollectionSourcePane::compareBy(int key, const gsourceLegacyBitSection& a,
                                              const gsourceLegacyBitSection& b) const
{
    switch (key) {
    case 0:
        return toUiText(a.location().describe())
            .toCaseFolded()
            .localeAwareCompare(toUiText(b.location().describe()).toCaseFolded());
    case 1: return a.masks().rotate < b.masks().rotate ? -1 : a.masks().rotate > b.masks().rotate ? 1 : 0;
    case 2: return a.masks().xorMask < b.masks().xorMask ? -1 : a.masks().xorMask > b.masks().xorMask ? 1 : 0;
    default: return a.masks().andMask < b.masks().andMask ? -1 : a.masks().andMask > b.masks().andMask ? 1 : 0;
    }
}

bool CLegacyBitCollectionSourcePane::sortsBefore(const gsourceLegacyBitSection& a,
                                                 const gsourceLegacyBitSection& b) const
{
    for (int key : keys_) {
        if (int order = compareBy(key, a, b); order != 0)
            return order < 0;
    }
    return false;
}

void CLegacyBitCollectionSourcePane::sortRows()
{
    gsourceLegacyBitSection* selected = selectedSection();
    std::vector<gsourceLegacyBitSection*> rows;
    while (list_->topLevelItemCount() > 0) {
        QTreeWidgetItem* row = list_->takeTopLevelItem(0);
        rows.push_back(sectionOf(row));
        delete row;
    }
    std::stable_sort(rows.begin(), rows.end(), [this](auto* a, auto* b) { return sortsBefore(*a, *b); });
    for (gsourceLegacyBitSection* section : rows) {
        QTreeWidgetItem* row = makeRow(*section);
        list_->addTopLevelItem(row);
        if (section == selected) {
            list_->setCurrentItem(row);
            list_->scrollToItem(row);
        }
    }
}

void CLegacyBitCollectionSourcePane::insertSorted(gsourceLegacyBitSection& section)
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

void CLegacyBitCollectionSourcePane::headerClicked(int column)
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
void CLegacyBitCollectionSourcePane::editSection(bool keepTemplate, bool editInPlace)
{
    gsourceLegacyBitSection* selected = selectedSection();
    if (keepTemplate && !selected)
        return;
    CBitSectionPage page(keepTemplate ? selected : nullptr, editInPlace ? selected : nullptr, this);
    if (page.DoModal() != IDOK)
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

void CLegacyBitCollectionSourcePane::onDelete()
{
    gsourceLegacyBitSection* selected = selectedSection();
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

void CLegacyBitCollectionSourcePane::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

bool CLegacyBitCollectionSourcePane::validate()
{
    if (list_->topLevelItemCount() == 0) {
        messageBox(noSectionMessage, gbuttons::ok, gicon::warning);
        return false;
    }
    order_.clear();
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        order_.push_back(sectionOf(list_->topLevelItem(row)));
    xorMask_ = dynamic_cast<CByteMaskCtrl*>(control(xorMaskId))->getMask();
    return true;
}

// The new source holds the sections in the reverse of the display order.
void CLegacyBitCollectionSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    auto& source = sourceAs<gsourceLegacyBitCollection>(supplement.newLegacyBitCollectionSource());
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        auto owned = std::find_if(sections_.begin(), sections_.end(), [&](const auto& s) { return s.get() == *it; });
        source.addSection(std::move(*owned));
        sections_.erase(owned);
    }
    list_->clear();
    source.collection().setXorMask(xorMask_);
    source.collection().valueMap().transferFrom(valueMap_);
}
