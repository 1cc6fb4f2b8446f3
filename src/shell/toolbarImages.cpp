#include "shell/toolbarImages.h"

#include "shell/CDrawingToolsBar.h"
#include "shell/toolbarSigns.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace {

constexpr int side = 16;

const toolbarSign* findSign(int command)
{
    for (auto table : {documentSigns(), drawingSigns(), arrangingSigns()}) {
        for (const toolbarSign& s : table) {
            if (s.command == command)
                return &s;
        }
    }
    return nullptr;
}

// A New command shows the picture of its kind with a plus in its corner.
constexpr std::pair<int, int> newCommands[] = {{32919, 32918}, {32863, 32898}, {32865, 32901}, {32866, 32902},
                                               {32864, 32899}, {32912, 32910}, {32920, 32923}, {32921, 32922},
                                               {32862, 32897}};

int newKind(int command)
{
    for (auto [made, kind] : newCommands) {
        if (made == command)
            return kind;
    }
    return 0;
}

void drawPlus(QPainter& p)
{
    p.setPen(QPen(QColor(0, 153, 0), 2));
    p.drawLine(12, 9, 12, 15);
    p.drawLine(9, 12, 15, 12);
}

// Null for a command without a sign of its own or of its kind.
QPixmap picture(int command, bool dark, int size = side)
{
    int kind = newKind(command);
    const toolbarSign* sign = findSign(kind ? kind : command);
    if (!sign)
        return {};
    QPixmap pixmap(size, size);
    pixmap.fill(dark ? QColor(51, 51, 51) : QColor(0, 0, 0, 0));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(side), size / double(side));
    p.setPen(dark ? Qt::white : Qt::black);
    sign->draw(p);
    if (kind)
        drawPlus(p);
    return pixmap;
}

// The desktop's own pictures for the standard commands, where its icon
// theme has them; ours otherwise.
const char* themeName(int command)
{
    static constexpr std::pair<int, const char*> names[] = {
        {32848, "document-new"}, {32849, "document-open"}, {32852, "document-save"},  {57635, "edit-cut"},
        {57634, "edit-copy"},    {57637, "edit-paste"},    {57607, "document-print"}, {57667, "help-contents"}};
    for (auto [id, name] : names) {
        if (id == command)
            return name;
    }
    return nullptr;
}

} // namespace

QIcon commandImage(int command)
{
    QPixmap drawn = picture(command, false);
    if (drawn.isNull())
        return {};
    QIcon own(drawn);
    const char* name = themeName(command);
    return name ? QIcon::fromTheme(QString::fromLatin1(name), own) : own;
}

QIcon drawingToolImage(int position, bool locked)
{
    return QIcon(picture(CDrawingToolsBar::commands[position], locked));
}

QIcon listWindowImage(int iconId)
{
    // The list windows' icons show the sign of the command that shows the
    // window; the legacy drivers share the drivers' icon.
    static constexpr std::pair<int, int> lists[] = {{632, 32918}, {634, 32923}, {636, 32897}, {637, 32898},
                                                    {638, 32899}, {639, 32901}, {640, 32902}, {642, 32910}};
    for (auto [icon, command] : lists) {
        if (icon != iconId)
            continue;
        QIcon image;
        for (int size : {16, 32, 48})
            image.addPixmap(picture(command, false, size));
        return image;
    }
    return programIcon();
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 51, 102));
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 4, 10, 10), 0, 180 * 16);
        p.setPen(QPen(QColor(255, 204, 51), 1.5));
        p.drawLine(QPointF(8, 9), QPointF(11.5, 5.5));
        icon.addPixmap(pixmap);
    }
    return icon;
}
