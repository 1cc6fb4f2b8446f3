#pragma once

#include "platform/subclassHook.h"
#include "shell/byteGridLayout.h"

#include <QRect>
#include <QWidget>
#include <cstdint>

// An editable grid of the 32 bits of a mask in four bytes: the most
// significant byte leftmost ("Byte 3"), each under its label. A click or
// Space on a bit cell flips the bit; on a label it sets the byte to FF, or to
// 0 when it is FF already. The arrow keys move the focus cell. The layout is
// measured once, when the control takes its place in its dialog. It never
// notifies its parent: a pane reads the mask when it stores its values.
class CByteMaskCtrl : public QWidget, public CSubclassHook {
public:
    // A cell's look: set (bit 1, or a label of byte FF) is filled in the
    // window-frame colour, pressed (during a press) in the button face.
    enum class cellLook { clear, set, pressed };
    static constexpr int labelCell = -1;

    explicit CByteMaskCtrl(QWidget* parent = nullptr);

    void setMask(uint32_t value);
    uint32_t getMask() const;

    void PreSubclassWindow() override;
    // The press is taken away (a menu, another window capturing the mouse):
    // the pressed cell looks normal again and nothing is toggled.
    void OnCancelMode();

    // Group 0 to 3 from the left; bit cell 0 to 7 from the left or
    // labelCell.
    QRect cellRect(int group, int cell) const;
    cellLook lookOf(int group, int cell) const;
    QString cellText(int group, int cell) const;
    int focusByte() const { return focusByte_; }
    int focusBit() const { return focusBit_; }
    const byteGridLayout& layout() const { return columns_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool pressInProgress() const { return pressedByte_ >= 0 || spacePressed_; }
    bool moveFocus(int key);
    void toggle(int group, int cell);
    void capture(bool on);

    uint8_t bytes_[4] = {};
    byteGridLayout columns_;
    int labelTop_ = 0;
    int bitTop_ = 0;
    int labelHeight_ = 0;
    int bitHeight_ = 0;
    int pressedByte_ = -1;
    int pressedBit_ = -1;
    QRect pressedRect_;
    bool pointerInPressed_ = false;
    int focusByte_ = 3;
    int focusBit_ = 7;
    int spacePressed_ = 0;
    bool laidOut_ = false;
};
