#pragma once

#include "platform/CDialog.h"
#include "registers/gregister.h"
#include "store/gprocessorCall.h"

class CProgramCombo;
class CRegisterDialog;

// Edit Automatic Controls: the programs a register runs when it turns off,
// turns on, is acknowledged, masked or unmasked, and when its value
// changes, each with its arguments, edited on copies of the register
// dialog's calls. A station without programs has nothing to choose: the
// dialog says so and closes as cancelled.
class CAutomaticControlsDialog : public CDialog {
public:
    // Bistate and string registers; the analog (850) and digital (685)
    // dialogs derive from this one.
    static constexpr int plainTemplate = 683;

    struct rowIds {
        gregister::control which;
        int comboId;
        int argumentsId;
    };
    // In the dialog's order: off, on, acknowledge, mask, unmask, value.
    static const rowIds rows[6];
    static constexpr int valueRow = 5;

    CAutomaticControlsDialog(CRegisterDialog& registerDialog, int templateId, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

    // A combo's selection changed: its "Arguments..." button follows.
    virtual void rowSelectionChanged(int row);
    // Whether the row's combo selects a program (not "<None>").
    bool rowRunsProgram(int row) const;
    // The top of the value row for the template (dialog units).
    static int valueRowTop(int templateId);

    CRegisterDialog& registerDialog_;

private:
    void addRow(int row, const char* label, int y);
    void editArguments(int row);
    CProgramCombo* combo(int row) const;

    gprocessorCall calls_[6];
};
