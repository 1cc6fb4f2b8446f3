#pragma once

#include "foundation/gregexp.h"
#include "platform/CDialog.h"
#include "registers/sources/gsourceLegacyStrings.h"

#include <QListWidget>
#include <cstdint>
#include <vector>

// The triggers of a strings source pane, one row per trigger ("%u\t%s":
// value and pattern) in ascending value order, with the New, Edit,
// Duplicate and Delete buttons of its pane. Each row owns its pattern.
class CTriggerListBox : public QListWidget {
public:
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;

    explicit CTriggerListBox(CDialog& pane);

    // One row per trigger, with a copy of its pattern.
    void fill(const gtriggerMap& triggers);
    // The rows into the map (emptied first); false after the message when
    // there is none. The rows stay.
    bool collect(gtriggerMap& triggers);
    // The row goes before the first row of a greater value; its index.
    int insertSorted(uint32_t value, const gregexp& pattern);
    // The row of the value, -1 when none (and, with skipSelected, when it
    // is the selected row).
    int findValue(uint32_t value, bool skipSelected) const;
    // The value proposed for a new trigger.
    uint32_t nextFreeValue() const;

private:
    struct trigger {
        uint32_t value;
        gregexp pattern;
    };

    void onNew(const gregexp* startFrom);
    void onEdit();
    void onDelete();
    void enableButtons(bool enable);
    void removeRow(int row);
    int selectedRow() const;

    CDialog& pane_;
    std::vector<trigger> rows_;
};

// New Trigger (template 551): a value and the pattern to find for it. In
// new mode the value starts at the list's next free value; in edit mode at
// the given one, titled "Edit Trigger".
class CNewTriggerDialog final : public CDialog {
public:
    static constexpr int valueId = 1496;
    static constexpr int triggerId = 1488;

    CNewTriggerDialog(const CTriggerListBox& list, uint32_t value, const gregexp* pattern, bool newMode,
                      QWidget* parent);

    uint32_t value() const { return value_; }
    gregexp& pattern() { return pattern_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    const CTriggerListBox& list_;
    uint32_t value_;
    const gregexp* shown_;
    gregexp pattern_{false};
    bool newMode_;
};
