#include "platform/screenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

// The title bar and frame around the window's client area: what the desktop
// says once the window is shown, a title bar's height and a thin frame
// before.
QSize decoration(const QWidget& window)
{
    QSize known = window.frameGeometry().size() - window.geometry().size();
    if (window.isVisible() && !known.isEmpty())
        return known;
    int frame = 2 * window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return {frame, frame + window.style()->pixelMetric(QStyle::PM_TitleBarHeight)};
}

} // namespace

void fitToScreen(QWidget& window, const QSize& wanted)
{
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect room = screen->availableGeometry();
    QSize around = decoration(window);
    QSize size = (wanted - around).boundedTo(room.size() - around).expandedTo(window.minimumSize());
    window.resize(size);
    // A window not yet shown nor placed goes where the desktop puts new
    // windows, which is on the screen.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Moved))
        return;
    QRect frame(window.frameGeometry().topLeft(), size + around);
    int x = std::clamp(frame.x(), room.left(), std::max(room.left(), room.right() + 1 - frame.width()));
    int y = std::clamp(frame.y(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height()));
    window.move(x, y);
}
