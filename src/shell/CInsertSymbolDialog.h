#pragma once

#include "platform/CDialog.h"

#include <memory>

class QFont;

// Ninety-five buttons, one for each character from 0xA1 to 0xFF of the 8-bit
// character set. The modal run answers the code of the button pressed, or
// IDCANCEL (2) on Escape.
class CInsertSymbolDialog : public CDialog {
public:
    static constexpr int firstButtonId = 1042;
    static constexpr int lastButtonId = 1136;

    explicit CInsertSymbolDialog(QWidget* parent = nullptr);
    ~CInsertSymbolDialog() override;

    // The symbol font is half as large again as the dialog's (integer
    // division, toward zero).
    static int symbolFontSize(int size) { return size * 3 / 2; }

protected:
    bool OnInitDialog() override;

private:
    std::unique_ptr<QFont> symbolFont_;
};
