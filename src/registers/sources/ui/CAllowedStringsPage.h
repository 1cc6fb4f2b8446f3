#pragma once

#include "foundation/gregexp.h"
#include "formats/ui/CDataFormatPage.h"

#include <memory>
#include <vector>

// The allowed strings of a filter source, a child page that the legacy,
// serial data-object and G2 filter panes share (template 815 for register
// sources, 805 for data-object sources). The rows are sorted by their text
// and each owns its pattern; equal patterns may stand twice.
class CAllowedStringsPage : public CDataFormatPage {
public:
    static constexpr int listId = 1307;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;
    static constexpr int height = 82;

    // Over the placeholder; with patterns, a copy of each becomes a row.
    void create(CDialog& parent, int placeholderId, const std::vector<gregexp>* patterns, bool registerSource);
    // The rows' patterns in row order into the list (emptied first); false
    // after the message when there is none. The rows stay.
    bool collect(std::vector<gregexp>& patterns);
    void moveBy(int dy) { moveTo(dy); }

private:
    int addRow(std::unique_ptr<gregexp> pattern);
    int selectedRow() const;
    void onNew();
    void onEdit();
    void onDuplicate();
    void onDelete();
    void enableButtons(bool enable);

    std::vector<std::unique_ptr<gregexp>> rows_;
    bool fillingRows_ = false;
};
