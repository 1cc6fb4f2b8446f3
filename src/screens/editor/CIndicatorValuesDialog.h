#pragma once

#include "platform/CDialog.h"

// Indicator Display Values: the sample values with which digital, analog and
// string indicators are drawn while screens are edited. Apply and OK store
// them, keep them in the settings and redraw those indicators at once.
class CIndicatorValuesDialog : public CDialog {
public:
    static constexpr int digitalId = 1209;
    static constexpr int analogId = 1026;
    static constexpr int stringId = 1465;
    static constexpr int applyId = 1029;

    explicit CIndicatorValuesDialog(QWidget* parent = nullptr);

    // False (with the field's message) when a number does not read.
    bool apply();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
};
