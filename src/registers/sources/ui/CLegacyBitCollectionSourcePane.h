#pragma once

#include "foundation/gsortedList.h"
#include "registers/sources/gsourceLegacyBitCollection.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/sources/ui/bitSectionRows.h"

#include <cstdint>
#include <memory>
#include <vector>

class gregisterSource;

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
    const int* sortKeys() const { return rows_.sortKeys(); }
    int spareColumn() const { return rows_.spareColumn(); }
    void headerClicked(int column) { rows_.headerClicked(column); }

private:
    static gstr describe(const gsourceLegacyBitSection& section) { return section.location().describe(); }
    void editSection(bool keepTemplate, bool editInPlace);
    void onDelete();
    void enableButtons(bool enable);

    // Owned by the pane; the rows point at them.
    std::vector<std::unique_ptr<gsourceLegacyBitSection>> sections_;
    uint32_t xorMask_ = 0;
    gsortedList<gvalueMapEntry> valueMap_;
    bitSectionRows<gsourceLegacyBitSection, &CLegacyBitCollectionSourcePane::describe> rows_;
    // The display order OK took.
    std::vector<gsourceLegacyBitSection*> order_;
};
