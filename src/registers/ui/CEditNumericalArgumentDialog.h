#pragma once

#include "registers/ui/CEditArgumentDialogBase.h"

// Edit Argument of a numerical argument: a name without suffix and a real
// number.
class CEditNumericalArgumentDialog : public CEditArgumentDialogBase {
public:
    explicit CEditNumericalArgumentDialog(QWidget* parent = nullptr);

    void storeTo(gprogramArgument& argument) const override;
    void loadFrom(const gprogramArgument& argument) override;

protected:
    bool readValue() override;
    void showValue() override;

private:
    double value_ = 0;
};
