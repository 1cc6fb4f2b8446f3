#pragma once

#include "formats/ui/CDataFormatPage.h"

#include <cstdint>

// What the value strings and value patterns pages share: list 1532 of rows
// "%u\t%s" kept in ascending value order, one row per value, each carrying
// its value and its entry (the bytes of a string, the source of a pattern),
// and the buttons that edit it. The derived page runs its own entry dialog.
class CValueListPage : public CDataFormatPage {
public:
    static constexpr int listId = 1532;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;

    int rowCount() const { return itemCount(listId); }
    uint32_t rowValue(int row) const;
    gstr rowEntry(int row) const;
    // 0 for an empty list; else, from the selected row (the first when none
    // is), one past the end of the run of consecutive values there.
    uint32_t nextFreeValue() const;
    // The row holding the value, or -1; -1 too when ignoreSelected is set
    // and that row is the selected one.
    int findValue(uint32_t value, bool ignoreSelected) const;

protected:
    // The label, the list and the four buttons, the list listWidth dialog
    // units wide and listHeight high at (0, 10).
    void addList(const char* label, int listWidth, int listHeight);
    void connectList();
    // Appends a row at the end (create fills in value order).
    void appendRow(uint32_t value, const gstrSlice& entry);
    // The text a row shows for its entry.
    virtual gstr shownEntry(const gstrSlice& entry) const = 0;
    // Runs the entry dialog on value and entry; true after OK with the
    // result in both.
    virtual bool runEntryDialog(uint32_t& value, gstr& entry, bool isNew) = 0;

private:
    void newRow();
    void duplicateRow();
    void editRow();
    void deleteRow();
    void enableButtons();
    // The result of a dialog in value order: the selected row goes first
    // when replaceSelected, then any row with the value; the new row is
    // selected.
    void placeRow(uint32_t value, const gstrSlice& entry, bool replaceSelected);
    void insertRow(int row, uint32_t value, const gstrSlice& entry);
};
