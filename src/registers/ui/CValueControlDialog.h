#pragma once

#include "platform/CDialog.h"
#include "store/gprocessorCall.h"

#include <cstdint>
#include <memory>

class CDigitalAutomaticControlsDialog;
class argumentRows;

// The program run for one value of a digital register, with its
// arguments: "New Value Control" (New and Duplicate, the value proposed by
// the controls dialog) or "Edit Value Control". A value that already has a
// control is replaced only after Yes to 10229.
class CValueControlDialog : public CDialog {
public:
    static constexpr int valueId = 1496;
    static constexpr int programId = 1384;
    static constexpr int argumentsId = 1031;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int newId = 1330;

    // call null starts from an empty call.
    CValueControlDialog(CDigitalAutomaticControlsDialog& owner, uint32_t value, const gprocessorCall* call,
                        bool isNew, QWidget* parent = nullptr);
    ~CValueControlDialog() override;

    uint32_t value() const { return value_; }
    const gprocessorCall& call() const { return call_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillPrograms();
    void onDelete();
    void enableButtons(bool enable);

    CDigitalAutomaticControlsDialog& owner_;
    uint32_t value_;
    gprocessorCall call_;
    bool isNew_;
    std::unique_ptr<argumentRows> rows_;
};
