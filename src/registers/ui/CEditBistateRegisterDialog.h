#pragma once

#include "foundation/gmilliseconds.h"
#include "registers/ui/CRegisterDialog.h"

// Edit Bistate Register: the response time in seconds, whether the
// operator may change it and configure the polarity.
class CEditBistateRegisterDialog : public CRegisterDialog {
public:
    static constexpr int setDelayId = 1024;
    static constexpr int polarityId = 1495;
    static constexpr int responseTimeId = 1201;

    CEditBistateRegisterDialog(gregister* fillFrom, gregister* target, QWidget* parent = nullptr);

    int classCode() const override { return 1; }

protected:
    void enableUserOptions(bool userDefinable) override;
    void fillClassFields(bool userDefinable) override;
    bool validateClassFields(int level) override;
    void applyClassFields(bool userDefinable) override;

private:
    gmilliseconds responseTime_;
};
