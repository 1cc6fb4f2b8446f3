#include "shell/ownerDrawItems.h"

#include "platform/systemColours.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <algorithm>

int measuredTextHeight() { return QFontMetrics(QApplication::font()).boundingRect(QStringLiteral("Bogus")).height(); }

itemColours itemColoursFor(bool selected)
{
    if (selected)
        return {systemColour(sysColour::highlight), systemColour(sysColour::highlightText)};
    return {systemColour(sysColour::window), systemColour(sysColour::windowText)};
}

bool isSelectedItem(const QStyleOptionViewItem& option) { return option.state & QStyle::State_Selected; }

void drawItemFocus(QPainter& painter, const QRect& rect)
{
    painter.save();
    QPen dotted(Qt::white, 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

namespace {

// Draws the five icons, each in a cell of the given size.
QImage iconStrip(int width, int height)
{
    QImage strip(5 * width, height, QImage::Format_RGB32);
    strip.fill(QColor::fromRgb(iconMaskColour));
    QPainter p(&strip);
    int side = std::min(width, height) - 1;
    int inset = (width - side) / 2;
    // 0 alarm, 1 bistate: squares.
    p.fillRect(inset, 0, side, side, QColor(255, 0, 0));
    p.fillRect(width + inset, 0, side, side, QColor(0, 160, 0));
    // 2 digital: the digits 1 and 0.
    int x = 2 * width;
    p.setPen(Qt::black);
    p.drawLine(x + 2, 0, x + 2, height - 1);
    p.drawRect(x + 4, 0, width - 6, height - 1);
    // 3 analog: a dial with its needle.
    x = 3 * width;
    p.drawArc(x, 0, width - 1, 2 * height - 2, 0, 180 * 16);
    p.drawLine(x + width / 2, height - 1, x + width - 2, 1);
    // 4 string: the letter A.
    x = 4 * width;
    p.drawLine(x + 1, height - 1, x + width / 2, 0);
    p.drawLine(x + width / 2, 0, x + width - 2, height - 1);
    p.drawLine(x + 3, height - 3, x + width - 4, height - 3);
    return strip;
}

} // namespace

QImage classIconStrip() { return iconStrip(10, 7); }

QImage registerRowStrip() { return iconStrip(12, 10); }
