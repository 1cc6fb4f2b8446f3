#include "sourceedit/ui/sourceCaret.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

sourceCaret::sourceCaret(QWidget*& window) : window_(window)
{
    QObject::connect(&blink_, &QTimer::timeout, [this] {
        blinkOn_ = !blinkOn_;
        invalidate();
    });
}

sourceCaret::~sourceCaret() = default;

void sourceCaret::invalidate()
{
    if (window_ && exists_)
        window_->update(rect());
}

void sourceCaret::create(int width, int height)
{
    destroy();
    exists_ = true;
    hidden_ = 1; // a new caret starts hidden
    size_ = {width, height};
}

void sourceCaret::destroy()
{
    invalidate();
    exists_ = false;
    blink_.stop();
}

void sourceCaret::setPosition(const QPoint& at)
{
    if (at == position_)
        return;
    invalidate();
    position_ = at;
    blinkOn_ = true;
    invalidate();
}

void sourceCaret::show()
{
    if (!exists_ || hidden_ == 0)
        return;
    if (--hidden_ > 0)
        return;
    blinkOn_ = true;
    int flash = QApplication::cursorFlashTime();
    if (flash > 0)
        blink_.start(flash / 2);
    invalidate();
}

void sourceCaret::hide()
{
    if (!exists_)
        return;
    if (hidden_++ == 0) {
        blink_.stop();
        invalidate();
    }
}

// Inverts what lies under it, as the system caret does.
void sourceCaret::paint(QPainter& painter) const
{
    if (!visible() || !blinkOn_)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(rect(), Qt::white);
    painter.restore();
}
