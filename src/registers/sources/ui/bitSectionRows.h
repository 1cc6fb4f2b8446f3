#pragma once

#include "foundation/gstr.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "registers/sources/gbitSectionMasks.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>
#include <iterator>
#include <vector>

// The rotation column's text for a rotate count n: r = n AND 31 shown as
// "%d" for 0 and 16, "<- %d" for a left rotation up to 15, and "%d ->" with
// 32 - r for a right rotation.
inline gstr bitRotationText(int32_t rotate)
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

// The sections list of a bit collection pane, the same for legacy, register
// and data-object collections: one row per section (description, rotation, XOR
// and AND mask), sorted by three column keys that a header click changes,
// with the keys and widths kept under "Dialogs\Edit Bit Collection".
// describe gives a section's description text; the rows point at sections
// their pane owns.
template <class Section, gstr (*describe)(const Section&)>
class bitSectionRows {
public:
    static constexpr const char* settingsSection = "Dialogs\\Edit Bit Collection";

    // Columns, headings, sort keys and widths (the width settings' names).
    void setUp(QTreeWidget* list, int firstHeading, const char* const (&widthEntries)[4])
    {
        list_ = list;
        list_->setRootIsDecorated(false);
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->setColumnCount(4);
        QStringList headings;
        for (int id : {firstHeading, 10657, 10658, 10659})
            headings << toUiText(gstr().loadString(id));
        list_->setHeaderLabels(headings);
        for (int column = 1; column < 4; ++column)
            list_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        list_->header()->setSectionsClickable(true);
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
    }

    void save(const char* const (&widthEntries)[4]) const
    {
        if (!list_)
            return;
        for (int i = 0; i < 3; ++i)
            writeProfileInt(settingsSection, sortEntries[i], keys_[i]);
        for (int column = 0; column < 4; ++column)
            writeProfileInt(settingsSection, widthEntries[column], list_->columnWidth(column));
    }

    const int* sortKeys() const { return keys_; }
    int spareColumn() const { return spare_; }
    int count() const { return list_->topLevelItemCount(); }
    Section* at(int row) const { return sectionOf(list_->topLevelItem(row)); }

    void add(Section& section) { list_->addTopLevelItem(makeRow(section)); }

    Section* selected() const
    {
        QList<QTreeWidgetItem*> rows = list_->selectedItems();
        return rows.isEmpty() ? nullptr : sectionOf(rows.front());
    }

    // The rows in order again, the selected one kept in view.
    void sort()
    {
        Section* chosen = selected();
        std::vector<Section*> sections;
        while (list_->topLevelItemCount() > 0) {
            QTreeWidgetItem* row = list_->takeTopLevelItem(0);
            sections.push_back(sectionOf(row));
            delete row;
        }
        std::stable_sort(sections.begin(), sections.end(), [this](auto* a, auto* b) { return sortsBefore(*a, *b); });
        for (Section* section : sections) {
            QTreeWidgetItem* row = makeRow(*section);
            list_->addTopLevelItem(row);
            if (section == chosen) {
                list_->setCurrentItem(row);
                list_->scrollToItem(row);
            }
        }
    }

    // The section's row before the first that sorts after it, selected.
    void insertSorted(Section& section)
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

    // The edited section's row goes and comes back in its sorted place.
    void resort(Section& section)
    {
        delete list_->takeTopLevelItem(list_->indexOfTopLevelItem(list_->currentItem()));
        insertSorted(section);
    }

    // The selected row goes; the row at its place, else the last, is
    // selected. False when the list is empty.
    bool removeSelected()
    {
        int row = list_->indexOfTopLevelItem(list_->currentItem());
        delete list_->takeTopLevelItem(row);
        int left = list_->topLevelItemCount();
        if (left == 0)
            return false;
        list_->setCurrentItem(list_->topLevelItem(row < left ? row : left - 1));
        return true;
    }

    void headerClicked(int column)
    {
        if (column == keys_[0])
            return;
        if (column == spare_)
            spare_ = keys_[2];
        else if (column == keys_[2])
            keys_[2] = keys_[1];
        keys_[1] = keys_[0];
        keys_[0] = column;
        sort();
    }

    void clear() { list_->clear(); }

private:
    static constexpr const char* sortEntries[] = {"SortColumn1", "SortColumn2", "SortColumn3"};
    static constexpr int sectionRole = Qt::UserRole;

    static int columnSetting(const char* entry, int defaultValue)
    {
        int value = profileInt(settingsSection, entry, defaultValue);
        return value >= 0 && value <= 3 ? value : defaultValue;
    }

    // "$%02X".
    static gstr maskText(uint32_t mask)
    {
        char digits[8];
        int n = 0;
        do {
            digits[n++] = "0123456789ABCDEF"[mask & 15];
            mask >>= 4;
        } while (mask != 0);
        if (n < 2)
            digits[n++] = '0';
        gstr text("$");
        while (n > 0)
            text.append(digits[--n]);
        return text;
    }

    static QTreeWidgetItem* makeRow(Section& section)
    {
        auto* row = new QTreeWidgetItem;
        const gbitSectionMasks& masks = masksOf(section);
        row->setText(0, toUiText(describe(section)));
        row->setText(1, toUiText(bitRotationText(masks.rotate)));
        row->setText(2, toUiText(maskText(masks.xorMask)));
        row->setText(3, toUiText(maskText(masks.andMask)));
        for (int column = 1; column < 4; ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        row->setData(0, sectionRole, QVariant::fromValue(reinterpret_cast<quintptr>(&section)));
        return row;
    }

    static const gbitSectionMasks& masksOf(const Section& section)
    {
        if constexpr (requires { section.masks(); })
            return section.masks();
        else
            return section.masks;
    }

    static Section* sectionOf(QTreeWidgetItem* row)
    {
        return row ? reinterpret_cast<Section*>(row->data(0, sectionRole).template value<quintptr>()) : nullptr;
    }

    template <class T>
    static int order(T a, T b)
    {
        return a < b ? -1 : a > b ? 1 : 0;
    }

    static int compareBy(int key, const Section& a, const Section& b)
    {
        switch (key) {
        case 0: return toUiText(describe(a)).toCaseFolded().localeAwareCompare(toUiText(describe(b)).toCaseFolded());
        case 1: return order(masksOf(a).rotate, masksOf(b).rotate);
        case 2: return order(masksOf(a).xorMask, masksOf(b).xorMask);
        default: return order(masksOf(a).andMask, masksOf(b).andMask);
        }
    }

    bool sortsBefore(const Section& a, const Section& b) const
    {
        for (int key : keys_) {
            if (int result = compareBy(key, a, b); result != 0)
                return result < 0;
        }
        return false;
    }

    QTreeWidget* list_ = nullptr;
    int keys_[3] = {0, 1, 1};
    int spare_ = 2;
};
