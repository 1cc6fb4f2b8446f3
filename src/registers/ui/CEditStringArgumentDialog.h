#pragma once

#include "registers/ui/CEditArgumentDialogBase.h"

// Edit Argument of a string argument: a name ending in '$' and any text.
class CEditStringArgumentDialog : public CEditArgumentDialogBase {
public:
    explicit CEditStringArgumentDialog(QWidget* parent = nullptr);

    void storeTo(gprogramArgument& argument) const override;
    void loadFrom(const gprogramArgument& argument) override;

protected:
    bool readValue() override;
    void showValue() override;

private:
    gstr value_{""};
};
