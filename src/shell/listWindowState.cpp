#include "shell/listWindowState.h"

#include "platform/settingsStore.h"
#include "shell/CObjectListCtrl.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

const char* const barStateSection = "Control Bars\\0005";
const char* const barSummarySection = "Control Bars\\0005-Summary";

namespace {

QSize screenSize()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

} // namespace

int scaleToScreen(int value, int current, int saved)
{
    if (current == saved || saved == 0)
        return value;
    long long v = static_cast<long long>(value) * current;
    return static_cast<int>((v + saved / 2) / saved);
}

void restoreWindowState(QWidget& window, CObjectListCtrl& list, const gstrSlice& section)
{
    int x = profileInt(section, "PosX", -1);
    int y = profileInt(section, "PosY", -1);
    int cx = profileInt(section, "SizeX", -1);
    int cy = profileInt(section, "SizeY", -1);
    QSize current = screenSize();
    int savedWidth = profileInt(barSummarySection, "ScreenCX", current.width());
    int savedHeight = profileInt(barSummarySection, "ScreenCY", current.height());
    if (x >= 0 && y >= 0 && cx >= 0 && cy >= 0) {
        window.setGeometry(scaleToScreen(x, current.width(), savedWidth), scaleToScreen(y, current.height(), savedHeight),
                           scaleToScreen(cx, current.width(), savedWidth),
                           scaleToScreen(cy, current.height(), savedHeight));
    }
    list.restoreColumns(section, current.width(), savedWidth);
}

void saveWindowState(const QWidget& window, const CObjectListCtrl& list, const gstrSlice& section)
{
    QRect r = window.geometry();
    writeProfileInt(section, "PosX", r.x());
    writeProfileInt(section, "PosY", r.y());
    writeProfileInt(section, "SizeX", r.width());
    writeProfileInt(section, "SizeY", r.height());
    list.saveColumns(section);
}
