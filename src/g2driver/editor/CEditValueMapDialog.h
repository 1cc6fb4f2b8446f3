#pragma once

#include "foundation/gsortedList.h"
#include "platform/CDialog.h"

#include <cstdint>

class QTreeWidgetItem;

// Edit Value Map (822): the translation of a source's values, one line per
// source value with the object value it becomes, sorted by either column.
// The map is replaced only on OK.
class CEditValueMapDialog : public CDialog {
public:
    static constexpr int templateId = 822;
    static constexpr int listId = 1373;
    static constexpr int modifyId = 1572;
    static constexpr int removeId = 1573;
    static constexpr int addId = 1004;

    CEditValueMapDialog(gsortedList<gvalueMapEntry>& map, QWidget* parent);
    ~CEditValueMapDialog() override;

    // For the entry dialog: the source value after the selected line's run
    // (0 for an empty list), and the line of a source value or -1 (also
    // when ignoreSelected and it is the selected line).
    uint32_t nextFreeSourceValue() const;
    int findSourceValue(uint32_t value, bool ignoreSelected) const;

    int sortColumn() const { return sortColumn_; }
    void setSortColumn(int column);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void insertEntry(uint32_t source, uint32_t object);
    void sortItems();
    void enableButtons();
    void addEntry();
    void modifyEntry();
    void removeEntry();
    int selectedRow() const;

    gsortedList<gvalueMapEntry>& map_;
    int sortColumn_ = 0;
    // The settings are stored only by a dialog that was opened.
    bool opened_ = false;
};

// The entry dialog of a value map (823): a source value and the object
// value it becomes. New proposes the list's next free source value for
// both; a source value another line holds asks before replacing it.
class CValueMapEntryDialog : public CDialog {
public:
    static constexpr int templateId = 823;
    static constexpr int sourceId = 1496;
    static constexpr int objectId = 1497;

    // Without an entry: a new one.
    CValueMapEntryDialog(CEditValueMapDialog& owner, const gvalueMapEntry* entry, QWidget* parent);

    uint32_t sourceValue() const { return source_; }
    uint32_t objectValue() const { return object_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CEditValueMapDialog& owner_;
    const gvalueMapEntry* entry_;
    uint32_t source_ = 0;
    uint32_t object_ = 0;
};
