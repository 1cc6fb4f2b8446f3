#pragma once

#include "foundation/gstr.h"
#include "registers/ui/CAutomaticControlsDialog.h"

#include <cstdint>
#include <map>

class CEditDigitalRegisterDialog;
class QListWidget;

// The automatic controls of digital registers: besides the six controls, a
// program per specific value (items "%u\t<program><arguments>" in value
// order); the value row then serves the other values.
class CDigitalAutomaticControlsDialog : public CAutomaticControlsDialog {
public:
    static constexpr int listId = 1648;
    static constexpr int editId = 1651;
    static constexpr int deleteId = 1650;
    static constexpr int duplicateId = 1652;
    static constexpr int newId = 1649;

    explicit CDigitalAutomaticControlsDialog(CEditDigitalRegisterDialog& registerDialog, QWidget* parent = nullptr);

    uint32_t nextFreeValue() const;
    int findValue(uint32_t value, bool editing) const;
    int insertItem(uint32_t value, const gprocessorCall& call);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void enableButtons(bool enable);
    void onNew();
    void onEdit();
    void onDuplicate();
    void onDelete();
    // Runs the value control dialog; true after OK with its value and call.
    bool runValueControl(uint32_t& value, gprocessorCall& call, bool isNew, bool withCall);
    void removeItem(int row);
    QListWidget& list() const;

    CEditDigitalRegisterDialog& digitalDialog_;
    // The calls of the items, by value.
    std::map<uint32_t, gprocessorCall> calls_;
};
