#pragma once

#include "foundation/gsortedList.h"
#include "platform/modalRun.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/sources/ui/bitSectionRows.h"
#include "shell/CByteMaskCtrl.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <cstdint>
#include <memory>
#include <vector>

// Whether the station has a serial port that a section could read.
bool stationHasDefinedPort();

// The pane of a bit collection source (template 513), legacy or of G2 data
// objects: its sections in a list sorted by up to three columns, the
// collection's XOR mask and its value map. The sections are the pane's
// until OK hands them to the new source; Cancel drops them. The sort keys
// and column widths are kept under "Dialogs\Edit Bit Collection".
// Section is the pane's working copy of a section, Page its dialog
// (made with the template, the section edited in place, and the parent),
// Source the collection source the pane makes.
template <class Section, gstr (*describe)(const Section&), class Page, class Source>
class CBitCollectionSourcePane : public CSourcePane {
public:
    static constexpr int sectionsId = 1427;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;
    static constexpr int xorMaskId = 1514;
    static constexpr int valueMapId = 1993;

    ~CBitCollectionSourcePane() override { rows_.save(widthEntries); }

    bool create(CRegisterDialog& dialog) override
    {
        if (!stationHasDefinedPort())
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

        rows_.setUp(list, headingId_, widthEntries);
        for (const auto& section : sections_)
            rows_.add(*section);
        rows_.sort();
        mask->setMask(xorMask_);
        return true;
    }

    bool validate() override
    {
        if (rows_.count() == 0) {
            messageBox(noSectionMessage, gbuttons::ok, gicon::warning);
            return false;
        }
        xorMask_ = dynamic_cast<CByteMaskCtrl*>(control(xorMaskId))->getMask();
        return true;
    }

    // The new source holds the sections in the order of the source edited,
    // new ones after them in the order they were made: the order decides
    // which section a bit comes from, and the rows' sorting is only a view.
    void applyToDigital(gdigitalSupplement& supplement) override
    {
        Source& source = newSource(supplement);
        std::vector<Section*> order;
        for (const auto& section : sections_)
            order.push_back(section.get());
        for (Section* section : order)
            addSection(source, *section);
        rows_.clear();
        sections_.clear();
        source.collection().setXorMask(xorMask_);
        source.collection().valueMap().transferFrom(valueMap_);
    }

    // The three sort keys and the spare column (0 description, 1 rotation,
    // 2 XOR mask, 3 AND mask).
    const int* sortKeys() const { return rows_.sortKeys(); }
    int spareColumn() const { return rows_.spareColumn(); }
    void headerClicked(int column) { rows_.headerClicked(column); }

protected:
    // The first column's heading is the text with this id.
    explicit CBitCollectionSourcePane(int headingId) : CSourcePane(513), headingId_(headingId) {}

    // The working list holds copies of the source's sections in its order.
    void load(const Source& source)
    {
        for (const auto& section : source.collection().sections())
            sections_.push_back(std::make_unique<Section>(*section));
        xorMask_ = source.collection().getXorMask();
        valueMap_ = source.collection().valueMap();
    }

    // The supplement's new empty source of the pane's kind.
    virtual Source& newSource(gdigitalSupplement& supplement) = 0;
    // Appends the working section to the new source (it may be moved out).
    virtual void addSection(Source& source, Section& section) = 0;

    // The working sections, owned by the pane; the rows point at them.
    std::vector<std::unique_ptr<Section>> sections_;

private:
    static constexpr int noPortsMessage = 10186;
    static constexpr int noSectionMessage = 10148;
    static constexpr const char* widthEntries[] = {"Column1", "Column2", "Column3", "Column4"};

    // New (no template), Duplicate (the selected section as template) or
    // Edit (the selected section changed in place).
    void editSection(bool keepTemplate, bool editInPlace)
    {
        Section* selected = rows_.selected();
        if (keepTemplate && !selected)
            return;
        Page page(keepTemplate ? selected : nullptr, editInPlace ? selected : nullptr, this);
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

    void onDelete()
    {
        Section* selected = rows_.selected();
        if (!selected)
            return;
        bool left = rows_.removeSelected();
        std::erase_if(sections_, [selected](const auto& s) { return s.get() == selected; });
        if (!left)
            enableButtons(false);
    }

    void enableButtons(bool enable)
    {
        for (int id : {editId, deleteId, duplicateId})
            enableControl(id, enable);
    }

    int headingId_;
    uint32_t xorMask_ = 0;
    gsortedList<gvalueMapEntry> valueMap_;
    bitSectionRows<Section, describe> rows_;
};
