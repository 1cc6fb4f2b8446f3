#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <cstdint>
#include <map>

class QListWidget;

// The table of a data string per unsigned value that the digital-strings
// response-data dialog and the set-of-strings parameter dialog embed: a list
// whose entries read "value<tab>string", in ascending value order with each
// value at most once, and its four buttons, which edit the entries through
// the Value Data String dialog. The owning dialog reads the entries back on
// OK.
class CValueStringList {
public:
    static constexpr int listId = 1532;
    static constexpr int editId = 1223;
    static constexpr int duplicateId = 1217;
    static constexpr int deleteId = 1202;
    static constexpr int newId = 1330;

    // Binds the list and the four buttons, which the dialog has made with
    // the ids above, and routes their commands here.
    void attach(CDialog& dialog);

    // One entry per map entry.
    void fill(const std::map<uint32_t, gstr>& strings);
    int count() const;
    void getEntry(int index, uint32_t& value, gstr& text) const;
    // The index of the entry that carries the value, -1 when none; with
    // ignoreSelected the selected entry does not count.
    int findValue(uint32_t value, bool ignoreSelected) const;
    // 0 for an empty list; else the first value after the selected entry's
    // (the first entry's when none is selected) that the entries following
    // it do not carry.
    uint32_t nextFreeValue() const;
    // The index of the new entry, before the first entry of a greater value.
    int insert(uint32_t value, const gstrSlice& text);
    void deleteSelected();
    int selected() const;
    void select(int index);

    void OnNew();
    void OnEdit();
    void OnDuplicate();

private:
    uint32_t valueAt(int index) const;
    void enableButtons(bool enable);
    // Puts the chosen entry in: the one of the same value goes, the new one
    // is inserted and selected.
    void replaceWith(uint32_t value, const gstrSlice& text);

    CDialog* dialog_ = nullptr;
    QListWidget* list_ = nullptr;
};

// Value and data string of one entry of a CValueStringList. A new entry
// starts with the list's next free value; OK asks before it lets the value
// of another entry be taken.
class CValueDataStringDialog : public CDialog {
public:
    static constexpr int templateId = 707;
    static constexpr int valueId = 1201;
    static constexpr int stringId = 1200;

    // isNew: a new entry (New, Duplicate), else the selected one is edited.
    CValueDataStringDialog(const CValueStringList& list, uint32_t value, const gstrSlice& text, bool isNew,
                           QWidget* parent);

    uint32_t value() const { return value_; }
    const gstr& text() const { return text_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void enableOk();

    const CValueStringList& list_;
    uint32_t value_;
    gstr text_;
    bool isNew_;
};
