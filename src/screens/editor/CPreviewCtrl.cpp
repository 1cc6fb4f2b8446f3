#include "screens/editor/CPreviewCtrl.h"

#include "platform/systemColours.h"

#include <QEvent>
#include <QPainter>

namespace {

struct edgeColours {
    QColor topLeft;
    QColor bottomRight;
};

QColor face() { return systemColour(sysColour::buttonFace); }
QColor shadow() { return systemColour(sysColour::buttonShadow); }
QColor light() { return systemColour(sysColour::buttonHighlight); }
QColor darkShadow() { return QColor(Qt::black); }

// One ring of an edge, one pixel wide.
void ring(QPainter& p, const QRect& r, const edgeColours& c)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c.topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c.topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c.bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c.bottomRight);
}

void sunkenOuter(QPainter& p, const QRect& r) { ring(p, r, {shadow(), light()}); }

void sunkenEdge(QPainter& p, const QRect& r)
{
    sunkenOuter(p, r);
    ring(p, r.adjusted(1, 1, -1, -1), {darkShadow(), face()});
}

void etchedEdge(QPainter& p, const QRect& r)
{
    ring(p, r, {shadow(), light()});
    ring(p, r.adjusted(1, 1, -1, -1), {light(), shadow()});
}

void frame(QPainter& p, const QRect& r, const QColor& colour) { ring(p, r, {colour, colour}); }

} // namespace

CPreviewCtrl::CPreviewCtrl(int type, QWidget* parent) : QWidget(parent), type_(type) {}

void CPreviewCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    bool enabled = isEnabled();
    QColor frameColour = enabled ? darkShadow() : shadow();
    switch (type_) {
    case 1: sunkenOuter(p, QRect(r.left(), r.top() + r.height() / 2 - 1, r.width(), 2)); break;
    case 2: sunkenOuter(p, QRect(r.left() + r.width() / 2 - 1, r.top(), 2, r.height())); break;
    case 3: etchedEdge(p, r); break;
    case 4: ring(p, r, {light(), shadow()}); break;
    case 5: sunkenOuter(p, r); break;
    case 6: sunkenEdge(p, r); break;
    case 7:
        p.fillRect(r, enabled ? systemColour(sysColour::window) : face());
        sunkenEdge(p, r);
        break;
    case 8:
        p.fillRect(r, enabled ? systemColour(sysColour::window) : face());
        frame(p, r, frameColour);
        break;
    case 9: frame(p, r, frameColour); break;
    default: break;
    }
}

// The cutout and the two colour areas change colour with the enabled state.
void CPreviewCtrl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && type_ >= 7)
        repaint();
}
