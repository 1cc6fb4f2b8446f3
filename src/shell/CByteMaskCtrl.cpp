#include "shell/CByteMaskCtrl.h"

#include "foundation/gstr.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

constexpr int byteLabelText = 10117;

QString byteLabel(int byteNumber)
{
    gstr text;
    text.format(byteLabelText, byteNumber);
    return toUiText(text);
}

} // namespace

CByteMaskCtrl::CByteMaskCtrl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFont(QApplication::font());
}

void CByteMaskCtrl::setMask(uint32_t value)
{
    for (int g = 0; g < 4; ++g)
        bytes_[g] = static_cast<uint8_t>(value >> (8 * (3 - g)));
    repaint();
}

uint32_t CByteMaskCtrl::getMask() const
{
    return uint32_t(bytes_[0]) << 24 | uint32_t(bytes_[1]) << 16 | uint32_t(bytes_[2]) << 8 | bytes_[3];
}

void CByteMaskCtrl::PreSubclassWindow()
{
    if (laidOut_)
        return;
    laidOut_ = true;
    byteGridLayout::area a = byteGridLayout::inner(width(), height());
    a.right -= 1;
    a.bottom -= 1;
    columns_.layOutColumns(a.left, a.right);
    labelTop_ = a.top;
    bitTop_ = (a.top + a.bottom) / 2;
    labelHeight_ = bitTop_ - a.top;
    bitHeight_ = a.bottom - bitTop_;
}

QRect CByteMaskCtrl::cellRect(int group, int cell) const
{
    int w = columns_.cellWidth;
    if (cell == labelCell)
        return QRect(columns_.groupX[group], labelTop_, 8 * w + 1, labelHeight_ + 1);
    return QRect(columns_.groupX[group] + cell * w, bitTop_, w + 1, bitHeight_ + 1);
}

CByteMaskCtrl::cellLook CByteMaskCtrl::lookOf(int group, int cell) const
{
    bool pressed = (pressedByte_ == group && pressedBit_ == cell && pointerInPressed_)
        || (spacePressed_ && focusByte_ == group && focusBit_ == cell);
    if (pressed)
        return cellLook::pressed;
    bool set = cell == labelCell ? bytes_[group] == 0xFF : (bytes_[group] & (0x80 >> cell)) != 0;
    return set ? cellLook::set : cellLook::clear;
}

QString CByteMaskCtrl::cellText(int group, int cell) const
{
    return cell == labelCell ? byteLabel(3 - group) : QString::number(7 - cell);
}

void CByteMaskCtrl::toggle(int group, int cell)
{
    if (cell == labelCell)
        bytes_[group] = bytes_[group] == 0xFF ? 0 : 0xFF;
    else
        bytes_[group] ^= static_cast<uint8_t>(0x80 >> cell);
}

void CByteMaskCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawByteGridGround(p, *this);
    p.setFont(QApplication::font());
    for (int g = 0; g < 4; ++g) {
        for (int cell = labelCell; cell < 8; ++cell) {
            cellLook look = lookOf(g, cell);
            QColor fill = systemColour(look == cellLook::set ? sysColour::windowFrame : sysColour::buttonFace);
            QColor text = systemColour(look == cellLook::set ? sysColour::window : sysColour::windowText);
            drawByteCell(p, cellRect(g, cell), cellText(g, cell), look == cellLook::clear ? nullptr : &fill, text);
        }
    }
    if (!hasFocus())
        return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = cellRect(focusByte_, focusBit_).adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
}

bool CByteMaskCtrl::moveFocus(int key)
{
    int g = focusByte_;
    int cell = focusBit_;
    switch (key) {
    case Qt::Key_Left:
        if (cell == labelCell || cell == 0) {
            if (g == 0)
                return true;
            focusByte_ = g - 1;
            focusBit_ = cell == labelCell ? labelCell : 7;
        } else {
            focusBit_ = cell - 1;
        }
        break;
    case Qt::Key_Right:
        if (cell == labelCell || cell == 7) {
            if (g == 3)
                return true;
            focusByte_ = g + 1;
            focusBit_ = cell == labelCell ? labelCell : 0;
        } else {
            focusBit_ = cell + 1;
        }
        break;
    case Qt::Key_Up:
        focusBit_ = labelCell;
        break;
    case Qt::Key_Down:
        if (cell == labelCell)
            focusBit_ = 7;
        break;
    default:
        return false;
    }
    update();
    return true;
}

void CByteMaskCtrl::keyPressEvent(QKeyEvent* event)
{
    if (pressInProgress() || (event->modifiers() & Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Space) {
        spacePressed_ = 1;
        capture(true);
        update();
        return;
    }
    if (!moveFocus(event->key()))
        QWidget::keyPressEvent(event);
}

void CByteMaskCtrl::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || !spacePressed_ || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    capture(false);
    toggle(focusByte_, focusBit_);
    spacePressed_ = 0;
    update();
}

void CByteMaskCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || spacePressed_) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    int x = event->position().toPoint().x();
    int y = event->position().toPoint().y();
    int w = columns_.cellWidth;
    for (int g = 0; g < 4; ++g) {
        if (x < columns_.groupX[g] || x > columns_.groupX[g] + 8 * w)
            continue;
        int cell;
        if (y >= labelTop_ && y <= labelTop_ + labelHeight_)
            cell = labelCell;
        else if (y >= bitTop_ && y <= bitTop_ + bitHeight_ && w > 0)
            cell = std::min((x - columns_.groupX[g]) / w, 7);
        else
            break;
        focusByte_ = pressedByte_ = g;
        focusBit_ = pressedBit_ = cell;
        pressedRect_ = cellRect(g, cell);
        pointerInPressed_ = true;
        capture(true);
        update();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CByteMaskCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (pressedByte_ < 0) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    bool inside = pressedRect_.contains(event->position().toPoint());
    if (inside != pointerInPressed_) {
        pointerInPressed_ = inside;
        update();
    }
}

void CByteMaskCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || pressedByte_ < 0) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    capture(false);
    if (pressedRect_.contains(event->position().toPoint()))
        toggle(pressedByte_, pressedBit_);
    pressedByte_ = -1;
    pressedBit_ = -1;
    pointerInPressed_ = false;
    update();
}

void CByteMaskCtrl::OnCancelMode()
{
    if (!pressInProgress())
        return;
    capture(false);
    pressedByte_ = -1;
    pressedBit_ = -1;
    pointerInPressed_ = false;
    spacePressed_ = 0;
    update();
}

void CByteMaskCtrl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void CByteMaskCtrl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

// A window that loses the activation or goes away takes the press with it.
bool CByteMaskCtrl::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide)
        OnCancelMode();
    return QWidget::event(event);
}

void CByteMaskCtrl::capture(bool on)
{
    if (on && isVisible())
        grabMouse();
    else if (!on && QWidget::mouseGrabber() == this)
        releaseMouse();
}
