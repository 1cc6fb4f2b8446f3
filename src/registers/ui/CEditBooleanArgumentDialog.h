#pragma once

#include "registers/ui/CEditArgumentDialogBase.h"

// Edit Argument of a boolean argument: a name ending in '%' and TRUE% or
// FALSE%.
class CEditBooleanArgumentDialog : public CEditArgumentDialogBase {
public:
    static constexpr int trueId = 1496;
    static constexpr int falseId = 1497;

    explicit CEditBooleanArgumentDialog(QWidget* parent = nullptr);

    void storeTo(gprogramArgument& argument) const override;
    void loadFrom(const gprogramArgument& argument) override;

protected:
    bool readValue() override;
    void showValue() override;

private:
    bool value_ = false;
};
