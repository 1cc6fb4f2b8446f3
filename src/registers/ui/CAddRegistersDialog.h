#pragma once

#include "platform/CDialog.h"

#include <vector>

class CRegisterListBox;
class gregister;

// Add Registers: picks several registers of the station for a source that
// works on a list of them. The caller names the register to leave out and
// puts the registers already chosen into the result; after OK the result
// holds exactly the registers selected, in list order.
class CAddRegistersDialog : public CDialog {
public:
    static constexpr int listId = 1308;

    // alarmsOnly lists only registers of level ALARM or LATCHING ALARM.
    explicit CAddRegistersDialog(bool alarmsOnly, QWidget* parent = nullptr);

    void setLeftOut(const gregister* reg) { leftOut_ = reg; }
    std::vector<gregister*>& result() { return result_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool alarmsOnly_;
    const gregister* leftOut_ = nullptr;
    std::vector<gregister*> result_;
    CRegisterListBox* list_;
};
