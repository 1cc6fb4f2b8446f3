#include "shell/CColorButton.h"

#include "platform/systemColours.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <algorithm>

void CColorButton::setColor(uint32_t color)
{
    color_ = color;
    hasColor_ = 1;
    int red = color & 0xFF;
    int green = (color >> 8) & 0xFF;
    int blue = (color >> 16) & 0xFF;
    dark_ = std::max(red, green) + blue < 256 ? 1 : 0;
    repaint();
}

void CColorButton::clearColor()
{
    hasColor_ = 0;
    repaint();
}

void CColorButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    setDefault(true);
}

void CColorButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect inside = rect();
    bool pressed = isDown();
    QStyleOptionButton frame;
    frame.initFrom(this);
    frame.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (isDefault()) {
        p.setPen(systemColour(sysColour::windowFrame));
        p.drawRect(inside.adjusted(0, 0, -1, -1));
        inside.adjust(1, 1, -1, -1);
        if (pressed) {
            p.fillRect(inside, systemColour(sysColour::buttonFace));
            p.setPen(systemColour(sysColour::buttonShadow));
            p.drawRect(inside.adjusted(0, 0, -1, -1));
        } else {
            frame.rect = inside;
            style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &frame, &p, this);
        }
        inside.adjust(1, 1, -1, -1);
    } else {
        frame.rect = inside;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &frame, &p, this);
        inside.adjust(2, 2, -2, -2);
    }
    QRect textRect = pressed ? inside.translated(1, 1) : inside;
    p.setFont(QApplication::font());
    const int alignment = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextHideMnemonic;
    if (!isEnabled()) {
        p.setPen(systemColour(sysColour::buttonHighlight));
        p.drawText(textRect.translated(1, 1), alignment, text());
        p.setPen(systemColour(sysColour::buttonShadow));
        p.drawText(textRect, alignment, text());
    } else if (hasColor_) {
        QRect swatch = textRect.adjusted(1, 1, -1, -1);
        p.setPen(Qt::black);
        p.setBrush(colourFromRef(color_));
        p.drawRect(swatch.adjusted(0, 0, -1, -1));
        p.setPen(dark_ ? Qt::white : Qt::black);
        p.drawText(textRect, alignment, text());
    } else {
        p.setPen(systemColour(sysColour::buttonText));
        p.drawText(textRect, alignment, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = Qt::white;
        focus.rect = inside.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}
