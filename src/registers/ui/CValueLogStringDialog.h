#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <cstdint>

class CValueLogStringsPane;

// The log string of one value of a digital register: "New Value Log
// String" (New and Duplicate, the value proposed by the pane) or "Edit
// Value Log String". A value that already has a log string is replaced only
// after Yes to 10230.
class CValueLogStringDialog : public CDialog {
public:
    static constexpr int valueId = 1496;
    static constexpr int textId = 1231;
    static constexpr int sampleId = 1659;

    CValueLogStringDialog(CValueLogStringsPane& pane, uint32_t value, const gstrSlice& text, bool isNew,
                          QWidget* parent = nullptr);

    uint32_t value() const { return value_; }
    const gstr& text() const { return text_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void textChanged();

    CValueLogStringsPane& pane_;
    uint32_t value_;
    gstr text_;
    bool isNew_;
};
