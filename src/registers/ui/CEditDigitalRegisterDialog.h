#pragma once

#include "registers/gvalueLogInfo.h"
#include "registers/ui/CRegisterDialog.h"
#include "store/gprocessorCall.h"

#include <cstdint>
#include <map>
#include <vector>

// Edit Digital Register: the values that mean alarm, the names of values,
// and copies of the value log format and of the controls for specific
// values, which its own log strings and controls dialogs edit.
class CEditDigitalRegisterDialog : public CRegisterDialog {
public:
    static constexpr int alarmValuesId = 1226;
    static constexpr int valueNamesId = 1992;

    CEditDigitalRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent = nullptr);

    int classCode() const override { return 2; }

    gvalueLogInfo& valueLogInfo() { return logInfo_; }
    std::map<uint32_t, gprocessorCall>& valueControls() { return valueControls_; }
    // Appends the name of the value: the dialog's own names while it has
    // any, else the source pane's; false when the value has none.
    bool valueName(uint32_t value, gstr& name) const;

protected:
    void fillClassFields(bool userDefinable) override;
    bool validateClassFields(int level) override;
    void applyClassFields(bool userDefinable) override;
    void OnLogStrings() override;
    void OnControls() override;

private:
    gvalueLogInfo logInfo_;
    std::map<uint32_t, gprocessorCall> valueControls_;
    std::map<uint32_t, gstr> valueNames_;
    std::vector<uint32_t> alarmValues_;
};
