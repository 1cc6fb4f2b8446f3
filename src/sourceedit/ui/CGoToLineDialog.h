#pragma once

#include "platform/CDialog.h"

// Go To Line: one number between 1 and the line count. The caller sets the
// line count and the current line (from 0) and reads the chosen line (from
// 0) after OK.
class CGoToLineDialog : public CDialog {
public:
    static constexpr int templateNumber = 557;
    static constexpr int lineNumberId = 1000;

    explicit CGoToLineDialog(QWidget* parent = nullptr);

    int32_t lineCount = 1;
    int32_t currentLine = 0;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    class CNonNegativeSpinEdit* edit_;
};
