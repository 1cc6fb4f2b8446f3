#include "screens/editor/CScreenView.h"

#include "platform/systemColours.h"
#include "screens/editor/CScreenDoc.h"
#include "screens/editor/drawingBarLink.h"
#include "screens/editor/qtDrawingContext.h"
#include "screens/model/fscreen.h"
#include "shell/CChildFrame.h"
#include "shell/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

CScreenView* followedView = nullptr;

// The items of the context menu, 0 for a separator.
constexpr int contextMenuItems[] = {57635, 57634, 57637, 32827, 0,     32890, 32892, 32820, 32885, 32884,
                                    0,     32772, 32771, 0,     32879, 32875, 0,     32804, 0,     32840};

QRect qrect(const clientRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

// A two-pixel edge: the outer and the inner ring, each lit from the top
// left.
void drawEdge(QPainter& p, const clientRect& r, const QColor& outerTopLeft, const QColor& outerBottomRight,
              const QColor& innerTopLeft, const QColor& innerBottomRight)
{
    auto ring = [&p](const clientRect& q, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(QRect(q.left, q.top, q.right - q.left, 1), topLeft);
        p.fillRect(QRect(q.left, q.top, 1, q.bottom - q.top), topLeft);
        p.fillRect(QRect(q.left, q.bottom - 1, q.right - q.left, 1), bottomRight);
        p.fillRect(QRect(q.right - 1, q.top, 1, q.bottom - q.top), bottomRight);
    };
    ring(r, outerTopLeft, outerBottomRight);
    ring(r.grown(-1, -1), innerTopLeft, innerBottomRight);
}

QColor face() { return systemColour(sysColour::buttonFace); }
QColor shadow() { return systemColour(sysColour::buttonShadow); }
QColor light() { return systemColour(sysColour::buttonHighlight); }
QColor darkShadow() { return QColor(Qt::black); }

void sunkenEdge(QPainter& p, const clientRect& r) { drawEdge(p, r, shadow(), light(), darkShadow(), face()); }
void raisedEdge(QPainter& p, const clientRect& r) { drawEdge(p, r, face(), darkShadow(), light(), shadow()); }

// The caption's hatch: an 8 by 8 diagonal in the caption colours.
QBrush captionHatch()
{
    QImage pattern(8, 8, QImage::Format_RGB32);
    QColor back = systemColour(sysColour::highlight);
    QColor fore = systemColour(sysColour::highlightText);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            pattern.setPixelColor(x, y, (0x80 >> x) & (1 << y) ? back : fore);
    }
    return QBrush(pattern);
}

// The dialog margins around the screen area.
clientRect dialogArea(const clientRect& s, int cw, int ch)
{
    clientRect d = s.grown(7 * cw / 4, 7 * ch / 8);
    d.bottom += 17 * ch / 8;
    return d;
}

// Inverts every other pixel of the rectangle's outline, as a focus
// rectangle does.
void invertDotted(QImage& image, const clientRect& r)
{
    auto flip = [&image](int x, int y) {
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height() || ((x + y) & 1))
            return;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        line[x] ^= 0x00FFFFFF;
    };
    for (int x = r.left; x < r.right; ++x) {
        flip(x, r.top);
        if (r.bottom - 1 != r.top)
            flip(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        flip(r.left, y);
        if (r.right - 1 != r.left)
            flip(r.right - 1, y);
    }
}

QColor qcolour(const gcolor& c) { return QColor(c.red(), c.green(), c.blue()); }

int clampedSize(int64_t size) { return static_cast<int>(std::clamp<int64_t>(size, 0, 1 << 24)); }

} // namespace

CScreenView* CScreenView::followed() { return followedView; }

CScreenView::CScreenView(CScreenDoc& document, QWidget* parent) : QAbstractScrollArea(parent), document_(document)
{
    QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    charWidth_ = std::max(1, metrics.averageCharWidth());
    charHeight_ = std::max(1, metrics.height());
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    initialUpdate();
}

CScreenView::~CScreenView()
{
    if (followedView == this) {
        followedView = nullptr;
        barShowDefaults();
    }
    if (fscreen* s = screen(); s && bound_ && s->getWindow() == this)
        s->detachWindow();
}

fscreen* CScreenView::screen() const { return document_.screen(); }

void CScreenView::initialUpdate()
{
    fscreen* s = screen();
    if (!s)
        return;
    s->attachWindow(this, 0, 0);
    bound_ = true;
    setScrollSizes();
    updateOrigin();
}

void CScreenView::setScrollSizes()
{
    fscreen* s = screen();
    int width = clampedSize(s->getWidth() + 2 * margin + 1);
    int height = clampedSize(s->getHeight() + 2 * margin + 1);
    QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, width - page.width()));
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setRange(0, std::max(0, height - page.height()));
    verticalScrollBar()->setPageStep(page.height());
}

void CScreenView::updateOrigin()
{
    fscreen* s = screen();
    if (!s)
        return;
    int px = horizontalScrollBar()->value();
    int py = verticalScrollBar()->value();
    s->setScroll(px - margin, py - margin);
    int width = clampedSize(s->getWidth());
    int height = clampedSize(s->getHeight());
    tracker_ = {margin - px, margin - py, width + margin + 1 - px, height + margin + 1 - py};
}

void CScreenView::toScreen(int x, int y, int32_t& sx, int32_t& sy) const
{
    const grect& b = screen()->getBounds();
    sx = wrapCoordinate(int64_t(x) + horizontalScrollBar()->value() - margin + b.left);
    sy = wrapCoordinate(int64_t(y) + verticalScrollBar()->value() - margin + b.top);
}

void CScreenView::onUpdate()
{
    setScrollSizes();
    updateOrigin();
    dirty_ = QRegion(viewport()->rect());
    viewport()->repaint();
}

void CScreenView::fitFrame()
{
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    fscreen* s = screen();
    if (!frame || !s)
        return;
    QSize content(clampedSize(s->getWidth() + 2 * margin + 1), clampedSize(s->getHeight() + 2 * margin + 1));
    QSize extra = frame->size() - viewport()->size();
    frame->resize(content + extra);
    // A screen larger than the area scrolls inside a window that fits.
    CChildFrame::keepInsideArea(*frame);
}

// Painting.

void CScreenView::invalidate(const grect& rect)
{
    QRect area(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    area = area.normalized() & viewport()->rect();
    if (area.isEmpty())
        return;
    dirty_ += area;
    viewport()->update(area);
}

void CScreenView::drawFocusRect(const grect& rect)
{
    flush();
    clientRect r{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                 std::max(rect.top, rect.bottom)};
    invertDotted(image_, r);
    viewport()->update(qrect(r).adjusted(-1, -1, 1, 1));
}

void CScreenView::flush()
{
    if (image_.size() != viewport()->size()) {
        image_ = QImage(viewport()->size(), QImage::Format_RGB32);
        dirty_ = QRegion(viewport()->rect());
    }
    if (dirty_.isEmpty())
        return;
    QRect area = dirty_.boundingRect();
    dirty_ = QRegion();
    render(area);
}

void CScreenView::render(const QRect& area)
{
    QPainter painter(&image_);
    painter.setClipRect(area);
    painter.fillRect(area, systemColour(sysColour::window));
    fscreen* s = screen();
    if (!s)
        return;
    drawWindowLook(painter);
    // Screen coordinates may lie anywhere in 32 bits; the client is near 0.
    const grect& b = s->getBounds();
    int64_t dx = int64_t(tracker_.left) - b.left;
    int64_t dy = int64_t(tracker_.top) - b.top;
    painter.translate(static_cast<qreal>(dx), static_cast<qreal>(dy));
    grect paintArea{wrapCoordinate(area.left() - dx), wrapCoordinate(area.top() - dy),
                    wrapCoordinate(area.right() - dx), wrapCoordinate(area.bottom() - dy)};
    qtDrawingContext dc(painter, paintArea);
    s->draw(dc);
}

void CScreenView::drawWindowLook(QPainter& painter) const
{
    const fscreen& s = *screen();
    clientRect area = tracker_;
    if (s.isInMenu()) {
        if (s.getBackground().isSet())
            painter.fillRect(qrect(area), qcolour(s.getBackground()));
        area = area.grown(edge, edge);
        sunkenEdge(painter, area);
    } else {
        area = drawDialogLook(painter);
    }
    drawCaptionAndFrame(painter, area);
}

// The dialog's margins on its ground, its push button below the screen
// area, and the screen area's dotted edge; answers the area drawn.
clientRect CScreenView::drawDialogLook(QPainter& painter) const
{
    const fscreen& s = *screen();
    const clientRect& screenArea = tracker_;
    clientRect area = dialogArea(screenArea, charWidth_, charHeight_);
    painter.fillRect(qrect(area), s.getBackground().isSet() ? qcolour(s.getBackground()) : face());
    int width = std::min(50 * charWidth_ / 4, screenArea.right - screenArea.left);
    int left = screenArea.left + (screenArea.right - screenArea.left - width) / 2;
    int top = screenArea.bottom + 3 * charHeight_ / 8;
    clientRect button{left, top, left + width, top + (8 * charHeight_ - charHeight_) * 2 / 8};
    painter.setPen(QColor(Qt::black));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(qrect(button).adjusted(0, 0, -1, -1));
    clientRect inner = button.grown(-1, -1);
    painter.fillRect(qrect(inner), face());
    raisedEdge(painter, inner);
    painter.setPen(QPen(systemColour(sysColour::windowFrame), 1, Qt::DotLine));
    painter.drawRect(qrect(screenArea.grown(1, 1)).adjusted(0, 0, -1, -1));
    return area;
}

// The caption rows above the area and the sizing frame around both.
void CScreenView::drawCaptionAndFrame(QPainter& painter, const clientRect& area) const
{
    painter.fillRect(QRect(area.left, area.top - captionHeight, area.right - area.left, captionHeight - 1),
                     captionHatch());
    painter.fillRect(QRect(area.left, area.top - 1, area.right - area.left, 1), face());
    clientRect whole = area;
    whole.top -= captionHeight;
    clientRect outer = whole.grown(frameWidth, frameWidth);
    painter.fillRect(QRect(outer.left, outer.top, outer.right - outer.left, frameWidth), face());
    painter.fillRect(QRect(outer.left, whole.bottom, outer.right - outer.left, frameWidth), face());
    painter.fillRect(QRect(outer.left, whole.top, frameWidth, whole.bottom - whole.top), face());
    painter.fillRect(QRect(whole.right, whole.top, frameWidth, whole.bottom - whole.top), face());
    raisedEdge(painter, outer);
}

void CScreenView::paintEvent(QPaintEvent* event)
{
    flush();
    QPainter painter(viewport());
    for (const QRect& r : event->region())
        painter.drawImage(r.topLeft(), image_, r);
}

void CScreenView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (!screen())
        return;
    setScrollSizes();
    updateOrigin();
    dirty_ = QRegion(viewport()->rect());
}

void CScreenView::scrollContentsBy(int, int)
{
    updateOrigin();
    dirty_ = QRegion(viewport()->rect());
    viewport()->update();
}

// The drawn frame.

int CScreenView::hitFrame(const clientRect& tracker, int x, int y, bool dialog, int charWidth, int charHeight)
{
    clientRect a = dialog ? dialogArea(tracker, charWidth, charHeight) : tracker;
    a = a.grown(edge, edge);
    a.top -= captionHeight;
    clientRect o = a.grown(frameWidth, frameWidth);
    const clientRect regions[] = {
        {a.left, a.top, a.right, a.top + captionHeight}, {o.left, a.top, a.left, a.bottom},
        {a.left, o.top, a.right, a.top},                 {a.right, a.top, o.right, a.bottom},
        {a.left, a.bottom, a.right, o.bottom},           {o.left, o.top, a.left, a.top},
        {a.right, o.top, o.right, a.top},                {o.left, a.bottom, a.left, o.bottom},
        {a.right, a.bottom, o.right, o.bottom},
    };
    constexpr int codes[] = {8, 7, 4, 5, 6, 0, 1, 3, 2};
    for (int i = 0; i < 9; ++i) {
        if (regions[i].contains(x, y))
            return codes[i];
    }
    return -1;
}

int CScreenView::hitFrame(int x, int y) const
{
    fscreen* s = screen();
    return s ? hitFrame(tracker_, x, y, !s->isInMenu(), charWidth_, charHeight_) : -1;
}

void CScreenView::beginFrameDrag(int hit, const QPoint& at)
{
    flush();
    frameHit_ = hit;
    frameStart_ = at;
    frameBefore_ = tracker_;
    frameNow_ = tracker_;
    invertTrackerOutline();
}

void CScreenView::invertTrackerOutline()
{
    clientRect r{std::min(frameNow_.left, frameNow_.right), std::min(frameNow_.top, frameNow_.bottom),
                 std::max(frameNow_.left, frameNow_.right), std::max(frameNow_.top, frameNow_.bottom)};
    invertDotted(image_, r);
    viewport()->update(qrect(r).adjusted(-1, -1, 1, 1));
}

void CScreenView::dragFrame(const QPoint& at)
{
    invertTrackerOutline();
    int dx = at.x() - frameStart_.x();
    int dy = at.y() - frameStart_.y();
    clientRect r = frameBefore_;
    bool moveLeft = frameHit_ == 0 || frameHit_ == 3 || frameHit_ == 7 || frameHit_ == 8;
    bool moveRight = frameHit_ == 1 || frameHit_ == 2 || frameHit_ == 5 || frameHit_ == 8;
    bool moveTop = frameHit_ == 0 || frameHit_ == 1 || frameHit_ == 4 || frameHit_ == 8;
    bool moveBottom = frameHit_ == 2 || frameHit_ == 3 || frameHit_ == 6 || frameHit_ == 8;
    r.left += moveLeft ? dx : 0;
    r.right += moveRight ? dx : 0;
    r.top += moveTop ? dy : 0;
    r.bottom += moveBottom ? dy : 0;
    frameNow_ = r;
    invertTrackerOutline();
}

void CScreenView::endFrameDrag()
{
    invertTrackerOutline();
    frameHit_ = -1;
    clientRect r{std::min(frameNow_.left, frameNow_.right), std::min(frameNow_.top, frameNow_.bottom),
                 std::max(frameNow_.left, frameNow_.right), std::max(frameNow_.top, frameNow_.bottom)};
    // A screen keeps at least one pixel.
    r.right = std::max(r.right, r.left + 2);
    r.bottom = std::max(r.bottom, r.top + 2);
    if (r == frameBefore_)
        return;
    const clientRect& o = frameBefore_;
    document_.moveScreenFrame(o.left, o.top, o.right, o.bottom, r.left, r.top, r.right, r.bottom);
}

// Mouse and keys.

void CScreenView::mousePressEvent(QMouseEvent* event)
{
    fscreen* s = screen();
    if (!s || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    QPoint at = event->position().toPoint();
    bool shift = event->modifiers() & Qt::ShiftModifier;
    bool ctrl = event->modifiers() & Qt::ControlModifier;
    int32_t x = 0;
    int32_t y = 0;
    toScreen(at.x(), at.y(), x, y);
    if (tracking_) {
        s->mouseDown(x, y, shift, ctrl);
        return;
    }
    autoScrolling_ = false;
    int hit = hitFrame(at.x(), at.y());
    if (hit >= 0) {
        beginFrameDrag(hit, at);
        return;
    }
    if (s->mouseDown(x, y, shift, ctrl) == 1)
        tracking_ = true;
    barShowSelection(*s);
}

void CScreenView::mouseMoveEvent(QMouseEvent* event)
{
    QPoint at = event->position().toPoint();
    fscreen* s = screen();
    if (frameHit_ >= 0) {
        dragFrame(at);
        return;
    }
    if (!s || !tracking_) {
        updateCursor(at);
        return;
    }
    if (s->getTool() != fscreen::toolSelect)
        viewport()->setCursor(Qt::CrossCursor);
    autoScroll(at, false);
    int32_t x = 0;
    int32_t y = 0;
    toScreen(at.x(), at.y(), x, y);
    s->mouseMove(x, y);
}

void CScreenView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (frameHit_ >= 0) {
        dragFrame(event->position().toPoint());
        endFrameDrag();
        return;
    }
    fscreen* s = screen();
    if (!s || !tracking_)
        return;
    QPoint at = event->position().toPoint();
    int32_t x = 0;
    int32_t y = 0;
    toScreen(at.x(), at.y(), x, y);
    if (s->mouseUp(x, y) == 1)
        endTrackingStep();
}

void CScreenView::endTrackingStep()
{
    autoScrollTimer_.stop();
    autoScrolling_ = false;
    tracking_ = false;
    if (fscreen* s = screen())
        barShowSelection(*s);
}

void CScreenView::mouseDoubleClickEvent(QMouseEvent* event)
{
    fscreen* s = screen();
    if (!s || tracking_ || event->button() != Qt::LeftButton)
        return;
    QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    if (!viewport()->rect().contains(at))
        at = event->position().toPoint();
    int32_t x = 0;
    int32_t y = 0;
    toScreen(at.x(), at.y(), x, y);
    s->doubleClick(x, y);
}

void CScreenView::cancelTracking()
{
    fscreen* s = screen();
    if (!tracking_ || !s)
        return;
    tracking_ = false;
    autoScrollTimer_.stop();
    QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    int32_t x = 0;
    int32_t y = 0;
    toScreen(at.x(), at.y(), x, y);
    s->cancelMode(x, y);
}

void CScreenView::keyPressEvent(QKeyEvent* event)
{
    fscreen* s = screen();
    if (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier)) {
        openContextMenu(viewport()->mapToGlobal(QPoint(5, 5)));
        return;
    }
    if (event->key() == Qt::Key_Menu) {
        openContextMenu(viewport()->mapToGlobal(QPoint(5, 5)));
        return;
    }
    if (event->key() == Qt::Key_Escape && tracking_) {
        cancelTracking();
        return;
    }
    struct nudge {
        int key;
        int dx;
        int dy;
    };
    constexpr nudge nudges[] = {{Qt::Key_Left, -1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Right, 1, 0}, {Qt::Key_Down, 0, 1}};
    for (const nudge& n : nudges) {
        if (s && event->key() == n.key) {
            s->nudgeSelection(n.dx, n.dy);
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CScreenView::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        openContextMenu(viewport()->mapToGlobal(QPoint(5, 5)));
    else
        openContextMenu(event->globalPos());
}

QMenu* CScreenView::contextMenu() const
{
    return contextMenu_;
}

// Menu 114 with the main frame's actions, so that its commands reach the
// active document.
void CScreenView::openContextMenu(const QPoint& global)
{
    CMainFrame* frame = CMainFrame::instance();
    if (!frame)
        return;
    frame->updateCommandUi();
    delete contextMenu_;
    contextMenu_ = new QMenu(frame);
    contextMenu_->setAttribute(Qt::WA_DeleteOnClose);
    for (int id : contextMenuItems) {
        if (id == 0)
            contextMenu_->addSeparator();
        else if (QAction* a = frame->action(id))
            contextMenu_->addAction(a);
    }
    contextMenu_->popup(global);
}

void CScreenView::updateCursor(const QPoint& at)
{
    fscreen* s = screen();
    if (!s)
        return;
    static const Qt::CursorShape frameCursors[] = {Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::SizeFDiagCursor,
                                                   Qt::SizeBDiagCursor, Qt::SizeVerCursor,   Qt::SizeHorCursor,
                                                   Qt::SizeVerCursor,   Qt::SizeHorCursor,   Qt::SizeAllCursor};
    int hit = hitFrame(at.x(), at.y());
    if (hit >= 0)
        viewport()->setCursor(frameCursors[hit]);
    else if (s->getTool() == fscreen::toolReshape)
        viewport()->setCursor(Qt::UpArrowCursor);
    else if (s->getTool() > fscreen::toolReshape)
        viewport()->setCursor(Qt::CrossCursor);
    else
        viewport()->unsetCursor();
}

// Auto-scrolling.

void CScreenView::autoScroll(QPoint& p, bool fromTimer)
{
    QRect client = viewport()->rect();
    auto step = [](int& v, int low, int high) {
        if (v >= high) {
            int d = (v - high + 1) / 2 + 1;
            v = high - 1;
            return d;
        }
        if (v < low) {
            int d = (v - low) / 2 - 1;
            v = low;
            return d;
        }
        return 0;
    };
    int dx = step(p.rx(), client.left(), client.left() + client.width());
    int dy = step(p.ry(), client.top(), client.top() + client.height());
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    int nx = std::clamp(h->value() + dx, 0, h->maximum());
    int ny = std::clamp(v->value() + dy, 0, v->maximum());
    dx = nx - h->value();
    dy = ny - v->value();
    if (dx == 0 && dy == 0) {
        autoScrolling_ = false;
        return;
    }
    if (autoScrolling_ && !fromTimer)
        return;
    autoScrolling_ = true;
    fscreen* s = screen();
    if (s)
        s->drawRubberBand();
    h->setValue(nx);
    v->setValue(ny);
    updateOrigin();
    flush();
    viewport()->repaint();
    if (s)
        s->drawRubberBand();
    autoScrollTimer_.start(50, this);
}

void CScreenView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != autoScrollTimer_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    fscreen* s = screen();
    if (!tracking_ || !s) {
        autoScrollTimer_.stop();
        return;
    }
    QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    autoScroll(at, true);
    int32_t x = 0;
    int32_t y = 0;
    toScreen(at.x(), at.y(), x, y);
    s->mouseMove(x, y);
}

// Activation: the bar follows the active screen window.

void CScreenView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame || watchingFrame_)
        return;
    watchingFrame_ = true;
    connect(frame, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if ((before & Qt::WindowActive) != (now & Qt::WindowActive))
            activated((now & Qt::WindowActive) != 0);
    });
    if (frame->isActiveWindow() || (frame->windowState() & Qt::WindowActive))
        activated(true);
}

void CScreenView::activated(bool active)
{
    fscreen* s = screen();
    if (active && followedView != this && s) {
        followedView = this;
        barShowSelection(*s);
        return;
    }
    if (!active && followedView == this) {
        followedView = nullptr;
        barShowDefaults();
    }
}

bool CScreenView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && (key->modifiers() & Qt::ShiftModifier)) {
            event->accept();
            return true;
        }
    }
    // What the platform's cancel-mode message stands for: the mouse or the
    // window was taken away mid-gesture.
    if (event->type() == QEvent::UngrabMouse || event->type() == QEvent::WindowDeactivate)
        cancelTracking();
    return QAbstractScrollArea::event(event);
}

// Commands.

bool CScreenView::onCommand(int id)
{
    if (id != 32906)
        return false;
    fitFrame();
    return true;
}

bool CScreenView::onUpdateCommand(commandState& state)
{
    if (state.id != 32906)
        return false;
    state.enable();
    return true;
}
