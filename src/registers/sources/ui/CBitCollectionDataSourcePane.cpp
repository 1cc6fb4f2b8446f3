#include "registers/sources/ui/CBitCollectionDataSourcePane.h"

#include "g2driver/editor/CSourceTypeHostPane.h"
#include "platform/modalRun.h"
#include "registers/sources/g2driverBitCollectionSource.h"
#include "registers/sources/ui/CEditBitSectionDialog.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "shell/CByteMaskCtrl.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int noSectionMessage = 10148;
constexpr int commandHeading = 10656;
constexpr const char* widthEntries[] = {"NarrowColumn1", "NarrowColumn2", "NarrowColumn3", "NarrowColumn4"};

} // namespace

CBitCollectionDataSourcePane::CBitCollectionDataSourcePane(CSourceTypeHostPane& host) : CDataSourcePane(host, 809) {}

CBitCollectionDataSourcePane::~CBitCollectionDataSourcePane() { rows_.save(widthEntries); }

gstr CBitCollectionDataSourcePane::describe(const gbitSectionItem& section) { return section.reference().describe(); }

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
    auto* list = addControl(sectionsId, new QTreeWidget, 0, 10, 216, 80);
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
    QObject::connect(list, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (rows_.selected())
            enableButtons(true);
    });
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { sendCommand(editId); });
    QObject::connect(list->header(), &QHeaderView::sectionClicked, this, [this](int c) { headerClicked(c); });

    rows_.setUp(list, commandHeading, widthEntries);
    for (const auto& section : sections_)
        rows_.add(*section);
    rows_.sort();
    mask->setMask(xorMask_);
    return true;
}

// New (no template), Duplicate (the selected section as template) or Edit
// (the selected section changed in place).
void CBitCollectionDataSourcePane::editSection(bool keepTemplate, bool editInPlace)
{
    gbitSectionItem* selected = rows_.selected();
    if (keepTemplate && !selected)
        return;
    CEditBitSectionDialog dialog(host(), keepTemplate ? selected : nullptr, editInPlace ? selected : nullptr, this);
    if (!dialog.build() || dialog.DoModal() != IDOK)
        return;
    if (editInPlace) {
        rows_.resort(*selected);
        return;
    }
    sections_.push_back(dialog.takeMade());
    rows_.insertSorted(*sections_.back());
    enableButtons(true);
}

void CBitCollectionDataSourcePane::onDelete()
{
    gbitSectionItem* selected = rows_.selected();
    if (!selected)
        return;
    bool left = rows_.removeSelected();
    std::erase_if(sections_, [selected](const auto& s) { return s.get() == selected; });
    if (!left)
        enableButtons(false);
}

void CBitCollectionDataSourcePane::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

// The new source takes the sections in display order.
std::unique_ptr<g2driverDataSource> CBitCollectionDataSourcePane::makeSource()
{
    if (rows_.count() == 0) {
        messageBox(noSectionMessage, gbuttons::ok, gicon::warning);
        return nullptr;
    }
    auto source = std::make_unique<g2driverBitCollectionSource>();
    source->collection().setXorMask(dynamic_cast<CByteMaskCtrl*>(control(xorMaskId))->getMask());
    source->collection().valueMap().transferFrom(valueMap_);
    for (int row = 0; row < rows_.count(); ++row) {
        gbitSectionItem* section = rows_.at(row);
        auto owned = std::find_if(sections_.begin(), sections_.end(), [&](const auto& s) { return s.get() == section; });
        source->addSection(std::move(*owned));
        sections_.erase(owned);
    }
    rows_.clear();
    return source;
}
