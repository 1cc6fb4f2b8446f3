#pragma once

#include "foundation/gstr.h"

#include <QListWidget>
#include <cstdint>

// A list of program arguments in which entries can be shown disabled (grey
// on a halftone). Each entry may carry a record of its disabled flag and the
// caller's 32-bit data; callers see only their data, 0 until they set it.
class CArgumentListBox : public QListWidget {
public:
    static constexpr int listError = -1;

    explicit CArgumentListBox(QWidget* parent = nullptr);

    // The index of the new entry, or listError; inserting at -1 appends.
    int addString(const gstrSlice& text);
    int insertString(int index, const gstrSlice& text);
    bool deleteString(int index);
    // The caller's data, 0 for an entry without a record, listError (as
    // 0xFFFFFFFF) for an index that names no entry.
    uint32_t getItemData(int index) const;
    // 0, or listError for an index that names no entry.
    int setItemData(int index, uint32_t data);
    // False for an index that names no entry. Enabling an entry without a
    // record makes none.
    bool setItemDisabled(int index, bool disabled);
    bool isItemDisabled(int index) const;
    bool hasRecord(int index) const;
};
