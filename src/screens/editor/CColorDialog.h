#pragma once

#include "platform/CDialog.h"

#include <cstdint>

class QColorDialog;

// The platform's colour dialog, fully open, run like every other dialog so
// that tests can answer it. Colours are COLORREFs.
class CColorDialog : public CDialog {
public:
    static constexpr int templateNumber = 13000;

    explicit CColorDialog(uint32_t color, QWidget* parent = nullptr);

    uint32_t getColor() const;
    void setColor(uint32_t color);

private:
    QColorDialog* picker_;
};
