#include "platform/CUpDownCtrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace {

constexpr int firstRepeatMs = 400;
constexpr int repeatMs = 60;

} // namespace

CUpDownCtrl::CUpDownCtrl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 10, 10);
}

void CUpDownCtrl::setBuddy(QWidget* buddy)
{
    buddy_ = buddy;
    if (!buddy)
        return;
    QRect r = buddy->geometry();
    int width = std::min(arrowsWidth, std::max(r.width() - 1, 1));
    setGeometry(r.right() + 1 - width, r.top(), width, r.height());
    buddy->resize(r.width() - width, r.height());
}

int CUpDownCtrl::OnDeltaPos(int) { return 0; }

// While an arrow is held the steps grow: 1, after two seconds 5, after five
// seconds 20.
int CUpDownCtrl::heldDelta() const
{
    qint64 ms = held_.isValid() ? held_.elapsed() : 0;
    int size = ms >= 5000 ? 20 : ms >= 2000 ? 5 : 1;
    return direction_ * size;
}

void CUpDownCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QWidget::mousePressEvent(event);
        return;
    }
    direction_ = event->position().y() < height() / 2.0 ? -1 : 1;
    held_.start();
    repeat_.start(firstRepeatMs, this);
    update();
    OnDeltaPos(direction_);
}

void CUpDownCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        stopRepeating();
    QWidget::mouseReleaseEvent(event);
}

void CUpDownCtrl::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != repeat_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (direction_ == 0 || !isEnabled()) {
        stopRepeating();
        return;
    }
    repeat_.start(repeatMs, this);
    OnDeltaPos(heldDelta());
}

void CUpDownCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopRepeating();
    QWidget::changeEvent(event);
}

void CUpDownCtrl::stopRepeating()
{
    repeat_.stop();
    direction_ = 0;
    update();
}

void CUpDownCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOption option;
    option.initFrom(this);
    int half = height() / 2;
    QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    const QStyle::PrimitiveElement arrows[2] = {QStyle::PE_IndicatorArrowUp, QStyle::PE_IndicatorArrowDown};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        bool pressed = direction_ == (i == 0 ? -1 : 1);
        button.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &p, this);
        option.rect = halves[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(arrows[i], &option, &p, this);
    }
}
