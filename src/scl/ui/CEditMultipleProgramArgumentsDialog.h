#pragma once

#include "platform/CDialog.h"

#include <cstdint>

class CArgumentListBox;
class gprogramArgument;
class gprogramArgumentSet;

// Edit Program Arguments for several selected objects (template 678): the
// arguments gathered from them, edited in place in the set the caller
// passes (a copy it keeps only after OK). An argument that the objects do
// not all have with one value is shown greyed by its name alone; editing it
// starts from an empty value, and deleting it takes it away from every
// object.
class CEditMultipleProgramArgumentsDialog : public CDialog {
public:
    static constexpr int listId = 1031;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int newId = 1330;

    explicit CEditMultipleProgramArgumentsDialog(gprogramArgumentSet& set, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    // The entry's row at its sorted place, greyed when the entry is mixed;
    // answers the row.
    int addRow(int32_t entry);
    int rowOf(int32_t entry) const;
    int32_t selectedEntry() const;
    void deleteRow(int row);
    void selectRow(int row);
    void enableButtons(bool enable);
    void markDeleted(int32_t entry);
    void take(int32_t entry, const gprogramArgument& argument);
    // Whether to replace an argument of the same name; Cancel edits again.
    bool confirmReplace() const;
    void onEdit();
    void onDelete();
    void onNew();

    gprogramArgumentSet& set_;
    CArgumentListBox* list_;
};
