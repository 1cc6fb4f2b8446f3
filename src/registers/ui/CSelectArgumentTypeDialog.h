#pragma once

#include "platform/CDialog.h"

// Select Argument Type: the type of a new program argument. After OK it is
// 1 numerical, 2 string or 3 boolean.
class CSelectArgumentTypeDialog : public CDialog {
public:
    static constexpr int numericalId = 1346;
    static constexpr int stringId = 1465;
    static constexpr int booleanId = 1040;

    explicit CSelectArgumentTypeDialog(QWidget* parent = nullptr);

    int argumentType() const { return type_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int type_ = 1;
};
