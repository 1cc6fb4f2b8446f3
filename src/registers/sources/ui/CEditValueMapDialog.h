#pragma once

#include "foundation/gsortedList.h"
#include "platform/CDialog.h"

#include <cstdint>

// Edit Value Map (template 822): the entries of a value map (source value
// to object value), added, changed and removed one by one in the New Value
// Map Entry dialog. It works on a copy; OK hands the copy to the map it was
// opened on, Cancel leaves that map as it was.
class CEditValueMapDialog final : public CDialog {
public:
    static constexpr int listId = 1000;
    static constexpr int addId = 1004;
    static constexpr int modifyId = 1572;
    static constexpr int removeId = 1573;

    CEditValueMapDialog(gsortedList<gvalueMapEntry>& map, QWidget* parent);

    // The source value proposed for a new entry: 0 for an empty map, else
    // from one above the selected (or first) entry's upwards, the first
    // that no entry has.
    uint32_t nextFreeSourceValue() const;
    // The row of the entry with that source value, -1 when none; with
    // skipSelected the selected row does not count.
    int findSourceValue(uint32_t value, bool skipSelected) const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fill(int selectValue);
    void enableButtons();
    // New (entry null) or change of the selected entry.
    void editEntry(const gvalueMapEntry* entry);
    void removeEntry();
    gvalueMapEntry* entryAt(int row) const;

    gsortedList<gvalueMapEntry>& map_;
    gsortedList<gvalueMapEntry> working_;
};

// New Value Map Entry (template 823): a source value and the object value
// it maps to. On OK the two values are the dialog's; the owner applies them.
class CValueMapEntryDialog final : public CDialog {
public:
    static constexpr int sourceValueId = 1513;
    static constexpr int objectValueId = 1517;

    // Entry null: a new entry.
    CValueMapEntryDialog(const CEditValueMapDialog& owner, const gvalueMapEntry* entry, QWidget* parent);

    uint32_t sourceValue() const { return source_; }
    uint32_t objectValue() const { return object_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    const CEditValueMapDialog& owner_;
    const gvalueMapEntry* entry_;
    uint32_t source_ = 0;
    uint32_t object_ = 0;
};
