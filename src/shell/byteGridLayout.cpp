#include "shell/byteGridLayout.h"

#include "platform/systemColours.h"

#include <QPainter>
#include <QWidget>
#include <qdrawutil.h>

byteGridLayout::area byteGridLayout::inner(int clientWidth, int clientHeight)
{
    int margin = edge + 2;
    return {margin, margin, clientWidth - margin, clientHeight - margin};
}

void byteGridLayout::layOutColumns(int left, int right)
{
    cellWidth = (right - left - 6) / 32;
    int gap = (right - left - 32 * cellWidth) / 3;
    groupX[0] = left;
    groupX[1] = left + 8 * cellWidth + gap;
    groupX[2] = right - 16 * cellWidth - gap;
    groupX[3] = right - 8 * cellWidth;
}

void drawByteCell(QPainter& painter, const QRect& cell, const QString& text, const QColor* fill,
                  const QColor& textColour)
{
    if (cell.width() < 1 || cell.height() < 1)
        return;
    if (fill)
        painter.fillRect(cell, *fill);
    painter.setPen(QPen(systemColour(sysColour::windowFrame), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    painter.setPen(textColour);
    painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, text);
}

void drawByteGridGround(QPainter& painter, const QWidget& control)
{
    QRect client = control.rect();
    qDrawWinPanel(&painter, client, control.palette(), true);
    int e = byteGridLayout::edge;
    painter.fillRect(client.adjusted(e, e, -e, -e), systemColour(sysColour::window));
}
