#pragma once

#include "foundation/gsortedList.h"
#include "registers/sources/ui/CSourcePane.h"

#include <cstdint>
#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class gregisterSource;
class gsourceLegacyBitSection;

// The pane of a legacy bit collection source (template 513): its sections
// in a list sorted by up to three columns, the collection's XOR mask and
// its value map. The sections are the pane's until OK hands them to the
// new source; Cancel drops them. The sort keys and column widths are kept
// under "Dialogs\Edit Bit Collection".
class CLegacyBitCollectionSourcePane final : public CSourcePane {
public:
    static constexpr int sectionsId = 1427;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;
    static constexpr int xorMaskId = 1514;
    static constexpr int valueMapId = 1993;

    CLegacyBitCollectionSourcePane();
    ~CLegacyBitCollectionSourcePane() override;
    static std::unique_ptr<CSourcePane> createFor(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToDigital(gdigitalSupplement& supplement) override;

    // The three sort keys and the spare column (0 description, 1 rotation,
    // 2 XOR mask, 3 AND mask).
    const int* sortKeys() const { return keys_; }
    int spareColumn() const { return spare_; }
    void headerClicked(int column);

    // The texts a row shows for a rotate count.
    static gstr rotationText(int32_t rotate);

private:
    QTreeWidgetItem* makeRow(gsourceLegacyBitSection& section) const;
    bool sortsBefore(const gsourceLegacyBitSection& a, const gsourceLegacyBitSection& b) const;
    int compareBy(int key, const gsourceLegacyBitSection& a, const gsourceLegacyBitSection& b) const;
    void insertSorted(gsourceLegacyBitSection& section);
    void sortRows();
    gsourceLegacyBitSection* sectionOf(QTreeWidgetItem* row) const;
    gsourceLegacyBitSection* selectedSection() const;
    void editSection(bool keepTemplate, bool editInPlace);
    void onDelete();
    void enableButtons(bool enable);
    void saveSettings() const;

    // Owned by the pane; the rows point at them.
    std::vector<std::unique_ptr<gsourceLegacyBitSection>> sections_;
    uint32_t xorMask_ = 0;
    gsortedList<gvalueMapEntry> valueMap_;
    int keys_[3] = {0, 1, 1};
    int spare_ = 2;
    QTreeWidget* list_ = nullptr;
    // The display order OK took.
    std::vector<gsourceLegacyBitSection*> order_;
};
