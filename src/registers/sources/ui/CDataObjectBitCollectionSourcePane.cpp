#include "registers/sources/ui/CDataObjectBitCollectionSourcePane.h"

#include "foundation/jhashIterator.h"
#include "platform/modalRun.h"
#include "ports/gserialPort.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/gsourceDataObjectBitCollection.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "shell/CByteMaskCtrl.h"
#include "store/gstation.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

constexpr int noPortsMessage = 10186;
constexpr int noSectionMessage = 10148;
constexpr int dataObjectHeading = 10766;
constexpr const char* widthEntries[] = {"Column1", "Column2", "Column3", "Column4"};

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

} // namespace

CDataObjectBitCollectionSourcePane::CDataObjectBitCollectionSourcePane() : CSourcePane(513) {}

CDataObjectBitCollectionSourcePane::~CDataObjectBitCollectionSourcePane() { rows_.save(widthEntries); }

// The working list holds the source's sections from the last to the first.
std::unique_ptr<CSourcePane> CDataObjectBitCollectionSourcePane::createFor(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectBitCollectionSourcePane>();
    if (const auto* collection = dynamic_cast<const gsourceDataObjectBitCollection*>(source)) {
        const auto& sections = collection->collection().sections();
        for (auto it = sections.rbegin(); it != sections.rend(); ++it)
            pane->sections_.push_back(std::make_unique<dataObjectBitSection>(**it));
        pane->xorMask_ = collection->collection().getXorMask();
        pane->valueMap_ = collection->collection().valueMap();
    }
    return pane;
}

bool CDataObjectBitCollectionSourcePane::create(CRegisterDialog& dialog)
{
    if (!hasDefinedPort())
        return refuseCreate(noPortsMessage);
    addLabel(-1, "&Sections:", 0, 0, 60, 8);
    auto* list = addControl(sectionsId, new QTreeWidget, 0, 10, 216, 80);
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
    QObject::connect(list, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (rows_.selected())
            enableButtons(true);
    });
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { sendCommand(editId); });
    QObject::connect(list->header(), &QHeaderView::sectionClicked, this, [this](int c) { headerClicked(c); });

    rows_.setUp(list, dataObjectHeading, widthEntries);
    for (const auto& section : sections_)
        rows_.add(*section);
    rows_.sort();
    mask->setMask(xorMask_);
    return true;
}

// New (no template), Duplicate (the selected section as template) or Edit
// (the selected section changed in place).
void CDataObjectBitCollectionSourcePane::editSection(bool keepTemplate, bool editInPlace)
{
    dataObjectBitSection* selected = rows_.selected();
    if (keepTemplate && !selected)
        return;
    CDataObjectBitSectionPage page(keepTemplate ? selected : nullptr, editInPlace ? selected : nullptr, this);
    if (page.DoModal() != IDOK)
        return;
    if (editInPlace) {
        rows_.resort(*selected);
        return;
    }
    sections_.push_back(page.takeMade());
    rows_.insertSorted(*sections_.back());
    enableButtons(true);
}

void CDataObjectBitCollectionSourcePane::onDelete()
{
    dataObjectBitSection* selected = rows_.selected();
    if (!selected)
        return;
    bool left = rows_.removeSelected();
    std::erase_if(sections_, [selected](const auto& s) { return s.get() == selected; });
    if (!left)
        enableButtons(false);
}

void CDataObjectBitCollectionSourcePane::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

bool CDataObjectBitCollectionSourcePane::validate()
{
    if (rows_.count() == 0) {
        messageBox(noSectionMessage, gbuttons::ok, gicon::warning);
        return false;
    }
    order_.clear();
    for (int row = 0; row < rows_.count(); ++row)
        order_.push_back(rows_.at(row));
    xorMask_ = dynamic_cast<CByteMaskCtrl*>(control(xorMaskId))->getMask();
    return true;
}

// The new source holds the sections in the reverse of the display order.
void CDataObjectBitCollectionSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    auto& source = sourceAs<gsourceDataObjectBitCollection>(supplement.newDataObjectBitCollectionSource());
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        auto section = std::make_unique<gsourceDataObjectBitSection>(source);
        (*it)->applyTo(*section);
        source.collection().sections().push_back(std::move(section));
    }
    order_.clear();
    rows_.clear();
    sections_.clear();
    source.collection().setXorMask(xorMask_);
    source.collection().valueMap().transferFrom(valueMap_);
}
