#pragma once

#include "platform/CDialog.h"

class g2driverResponseCondition;
class g2driverResponseValue;
class responseElementHost;

// Response Element Condition (741): whether the element is part of the
// response only when a value decoded before it compares as chosen, a number
// for a numerical value, a pattern for a text. Works on its caller's
// condition record, which it changes on OK only; a record without a value
// is no condition.
class CResponseElementConditionDialog : public CDialog {
public:
    static constexpr int templateId = 741;
    static constexpr int conditionalId = 1861;
    static constexpr int valueId = 1862;
    static constexpr int numberOperatorId = 1866;
    static constexpr int textOperatorId = 1868;
    static constexpr int numberId = 1718;
    static constexpr int patternId = 1719;

    CResponseElementConditionDialog(responseElementHost& page, g2driverResponseCondition& record, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    g2driverResponseValue* selectedValue() const;
    bool numericalSelected() const;
    // Shows the operator and field of the selected value's kind, enabled
    // with the check box.
    void showPair();

    responseElementHost& page_;
    g2driverResponseCondition& record_;
};
