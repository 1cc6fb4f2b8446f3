#include "shell/CSplashWindow.h"

#include "shell/CMainFrame.h"
#include "shell/programVersion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

namespace {

bool splashEnabled = false;
CSplashWindow* splashWindow = nullptr;
bool splashShowing = false;

constexpr int splashMilliseconds = 10000;
constexpr int exposeMilliseconds = 1000;

QPixmap splashPicture()
{
    QPixmap picture(420, 240);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, picture.height());
    sky.setColorAt(0, QColor(0, 51, 102));
    sky.setColorAt(1, QColor(102, 153, 204));
    p.fillRect(picture.rect(), sky);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 60, picture.width(), 50), Qt::AlignCenter, QStringLiteral("K.O.R.V.E.L."));
    title.setPixelSize(20);
    title.setBold(false);
    p.setFont(title);
    p.drawText(QRect(0, 115, picture.width(), 30), Qt::AlignCenter, QStringLiteral("Quillane station editor"));
    title.setPixelSize(14);
    p.setFont(title);
    p.drawText(QRect(0, 160, picture.width(), 24), Qt::AlignCenter,
               QStringLiteral("Version ") + QString::fromLatin1(programVersion));
    return picture;
}

bool isPress(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: return true;
    default: return false;
    }
}

} // namespace

void CSplashWindow::enable(bool flag) { splashEnabled = flag; }

bool CSplashWindow::enabled() { return splashEnabled; }

CSplashWindow* CSplashWindow::window() { return splashWindow; }

bool CSplashWindow::showing() { return splashShowing; }

// The splash flag is set only when the window is really up: a splash that
// could not be shown must not keep message boxes on the main window.
void CSplashWindow::show(CMainFrame* owner)
{
    if (!splashEnabled || splashWindow)
        return;
    splashWindow = new CSplashWindow(owner);
    splashShowing = true;
}

CSplashWindow::CSplashWindow(CMainFrame* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), picture_(splashPicture()),
      owner_(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(picture_.size());
    QRect over = owner ? owner->geometry() : QRect(QPoint(0, 0), picture_.size());
    move(over.center() - rect().center());
    QWidget::show();
    // Start-up goes on loading before the event loop runs: without waiting
    // for the window system to map the window, it stays an unpainted (black)
    // rectangle until then.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < exposeMilliseconds)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
    QTimer::singleShot(splashMilliseconds, this, [] { hideSplash(); });
}

CSplashWindow::~CSplashWindow()
{
    if (splashWindow == this)
        splashWindow = nullptr;
}

void CSplashWindow::hideSplash()
{
    CSplashWindow* w = splashWindow;
    if (!w)
        return;
    splashWindow = nullptr;
    splashShowing = false;
    CMainFrame* owner = w->owner_;
    w->close();
    if (owner)
        owner->activatePalette();
}

void CSplashWindow::checkInput(const QEvent* event)
{
    if (splashWindow && isPress(event->type()))
        hideSplash();
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}
