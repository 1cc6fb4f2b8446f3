#include "screens/editor/CPreviewCtrl.h"

#include "platform/systemColours.h"

#include <QEvent>
#include <QPainter>

namespace {

// One ring of an edge: top and left in the first colour, bottom and right
// in the second.
void ring(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace

CPreviewCtrl::CPreviewCtrl(int type, QWidget* parent) : QWidget(parent), type_(type) {}

void CPreviewCtrl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && type_ >= 7)
        repaint();
}

void CPreviewCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    QColor shadow = systemColour(sysColour::buttonShadow);
    QColor highlight = systemColour(sysColour::buttonHighlight);
    QColor darkShadow = palette().color(QPalette::Active, QPalette::Shadow);
    QColor light = palette().color(QPalette::Active, QPalette::Light);
    bool enabled = isEnabled();
    switch (type_) {
    case 1: ring(p, QRect(r.left(), r.center().y(), r.width(), 2), shadow, highlight); break;
    case 2: ring(p, QRect(r.center().x(), r.top(), 2, r.height()), shadow, highlight); break;
    case 3:
        ring(p, r, shadow, highlight);
        ring(p, r.adjusted(1, 1, -1, -1), highlight, shadow);
        break;
    case 4: ring(p, r, highlight, shadow); break;
    case 5: ring(p, r, shadow, highlight); break;
    case 6:
    case 7:
        if (type_ == 7)
            p.fillRect(r, systemColour(enabled ? sysColour::window : sysColour::buttonFace));
        ring(p, r, shadow, highlight);
        ring(p, r.adjusted(1, 1, -1, -1), darkShadow, light);
        break;
    case 8:
    case 9:
        if (type_ == 8)
            p.fillRect(r, systemColour(enabled ? sysColour::window : sysColour::buttonFace));
        p.setPen(enabled ? darkShadow : shadow);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        break;
    default: break;
    }
}
