#pragma once

#include "platform/CDialog.h"

// Select Register Type: the class of a new register. After OK the choice is
// 0 bistate, 1 digital, 2 analog or 3 string.
class CSelectRegisterTypeDialog : public CDialog {
public:
    static constexpr int bistateId = 1038;
    static constexpr int digitalId = 1209;
    static constexpr int analogId = 1026;
    static constexpr int stringId = 1465;

    explicit CSelectRegisterTypeDialog(QWidget* parent = nullptr);

    int choice() const { return choice_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int choice_ = 0;
};
