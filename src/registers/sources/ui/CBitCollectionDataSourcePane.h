#pragma once

#include "foundation/gsortedList.h"
#include "registers/sources/g2driverBitCollectionSource.h"
#include "registers/sources/ui/CDataSourcePane.h"
#include "registers/sources/ui/bitSectionRows.h"
#include "registers/sources/valueMapLines.h"

#include <cstdint>
#include <memory>
#include <vector>

// The pane of a data object's bit collection source (template 809): its
// sections, each a number read out of a command's response data, in a list
// sorted like the register collections', the XOR mask and the value map.
// The sections are the pane's until makeSource hands them to the new
// source; whatever the pane still holds goes with it.
class CBitCollectionDataSourcePane final : public CDataSourcePane {
public:
    static constexpr int sectionsId = 1427;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;
    static constexpr int xorMaskId = 1514;
    static constexpr int valueMapId = 1993;

    explicit CBitCollectionDataSourcePane(CSourceTypeHostPane& host);
    ~CBitCollectionDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

    // The three sort keys and the spare column (0 description, 1 rotation,
    // 2 XOR mask, 3 AND mask).
    const int* sortKeys() const { return rows_.sortKeys(); }
    int spareColumn() const { return rows_.spareColumn(); }
    void headerClicked(int column) { rows_.headerClicked(column); }

private:
    static gstr describe(const gbitSectionItem& section);
    void editSection(bool keepTemplate, bool editInPlace);
    void onDelete();
    void enableButtons(bool enable);

    // Owned by the pane; the rows point at them.
    std::vector<std::unique_ptr<gbitSectionItem>> sections_;
    uint32_t xorMask_ = 0;
    gsortedList<gvalueMapEntry> valueMap_;
    bitSectionRows<gbitSectionItem, &CBitCollectionDataSourcePane::describe> rows_;
};
