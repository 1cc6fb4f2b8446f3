#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <cstdint>
#include <map>

class CValueListBox;

// Edit Value Names (template 821): the names of digital values, one line
// "value<tab>name" per value in ascending order, edited in the New Value
// Name dialog. The map changes only at OK.
//
//   CEditValueNamesDialog dialog(names, this);
//   dialog.DoModal();
class CEditValueNamesDialog : public CDialog {
public:
    static constexpr int templateId = 821;
    static constexpr int listId = 1992;
    static constexpr int editId = 1998;
    static constexpr int deleteId = 1999;
    static constexpr int duplicateId = 2000;
    static constexpr int newId = 2001;

    CEditValueNamesDialog(std::map<uint32_t, gstr>& names, QWidget* parent);

    int lineCount() const;
    uint32_t lineValue(int line) const;
    gstr lineName(int line) const;
    // 0 for an empty list; else one past the run of consecutive values that
    // starts at the selected line (the first when none is selected).
    uint32_t nextFreeValue() const;
    // The line holding the value, searched from the last; -1 when none, or
    // when ignoreSelected is set and the hit is the selected line.
    int findValue(uint32_t value, bool ignoreSelected) const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void newLine();
    void editLine();
    void duplicateLine();
    void deleteLine();
    void enableButtons();
    void insertLine(uint32_t value, const gstrSlice& name);
    void removeLine(int line);

    std::map<uint32_t, gstr>& names_;
    CValueListBox* list_;
};

// New Value Name (template 820): one value and its name.
class CValueNameDialog : public CDialog {
public:
    static constexpr int templateId = 820;
    static constexpr int valueId = 1496;
    static constexpr int nameId = 1326;

    CValueNameDialog(const CEditValueNamesDialog& owner, uint32_t value, bool isNew, const gstrSlice& name,
                     QWidget* parent);

    uint32_t value() const { return value_; }
    const gstr& name() const { return name_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    const CEditValueNamesDialog& owner_;
    uint32_t value_;
    bool isNew_;
    gstr name_;
};

// Puts the dialog behind the shell's "Value Names..." hook.
void installValueNamesEditor();
