#pragma once

#include <QPushButton>
#include <cstdint>

// A push button that shows a colour: a swatch with the button's text on it,
// white on dark colours and black on light ones. When it gets the focus it
// becomes its dialog's default button, so that Enter presses it.
// Colours are COLORREFs: red in the low byte, green, then blue.
class CColorButton : public QPushButton {
public:
    using QPushButton::QPushButton;

    void setColor(uint32_t color);
    void clearColor();
    bool hasColor() const { return hasColor_ != 0; }
    uint32_t getColor() const { return color_; }
    // The colour needs white text: max(red, green) + blue < 256.
    bool isDark() const { return dark_ != 0; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int dark_ = 0;
    int hasColor_ = 0;
    uint32_t color_ = 0;
};
