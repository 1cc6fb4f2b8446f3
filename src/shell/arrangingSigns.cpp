#include "shell/toolbarSigns.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace {

const QColor paper(Qt::white);
const QColor selected(0, 102, 204);
const QColor gridGrey(150, 150, 150);

using drawFn = void (*)(QPainter&);

// Draws a sign with x and y swapped: the vertical twin of a horizontal
// sign.
void transposed(QPainter& p, drawFn draw)
{
    p.save();
    p.setTransform(QTransform(0, 1, 1, 0, 0, 0), true);
    draw(p);
    p.restore();
}

void arrowHead(QPainter& p, QPoint tip, int dy)
{
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygon({tip, QPoint(tip.x() - 3, tip.y() + dy), QPoint(tip.x() + 3, tip.y() + dy)}));
}

void layer(QPainter& p, int at, const QColor& colour)
{
    p.setBrush(colour);
    p.drawRect(at, at, 7, 7);
}

void lower(QPainter& p)
{
    layer(p, 1, selected);
    layer(p, 4, paper);
    p.drawLine(13, 2, 13, 11);
    arrowHead(p, QPoint(13, 15), -4);
}

void raise(QPainter& p)
{
    layer(p, 1, paper);
    layer(p, 4, selected);
    p.drawLine(13, 5, 13, 14);
    arrowHead(p, QPoint(13, 1), 4);
}

void sendToBack(QPainter& p)
{
    layer(p, 1, selected);
    layer(p, 4, paper);
    layer(p, 7, paper);
}

void bringToFront(QPainter& p)
{
    layer(p, 1, paper);
    layer(p, 4, paper);
    layer(p, 7, selected);
}

void twoShapes(QPainter& p, int apart)
{
    p.setBrush(selected);
    p.drawRect(3 - apart, 3 - apart, 6, 6);
    p.setBrush(QColor(255, 204, 51));
    p.drawEllipse(7 + apart, 7 + apart, 6, 6);
}

void dashed(QPainter& p, const QRect& around)
{
    p.save();
    p.setPen(QPen(p.pen().color(), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(around);
    p.restore();
}

void group(QPainter& p)
{
    twoShapes(p, 0);
    dashed(p, QRect(1, 1, 14, 14));
}

void ungroup(QPainter& p)
{
    twoShapes(p, 1);
    dashed(p, QRect(1, 1, 8, 8));
    dashed(p, QRect(7, 7, 8, 8));
}

void gridLines(QPainter& p)
{
    p.save();
    p.setPen(gridGrey);
    for (int at = 1; at < 16; at += 5) {
        p.drawLine(at, 0, at, 16);
        p.drawLine(0, at, 16, at);
    }
    p.restore();
}

void gridDots(QPainter& p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(p.pen().color() == Qt::white ? QColor(Qt::white) : QColor(64, 64, 64));
    for (int x = 1; x < 16; x += 5) {
        for (int y = 1; y < 16; y += 5)
            p.drawRect(x - 1, y - 1, 2, 2);
    }
    p.restore();
}

void grid(QPainter& p)
{
    gridLines(p);
    p.save();
    p.setPen(QPen(p.pen().color(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 1, 14, 14);
    p.restore();
}

// A horseshoe magnet over the grid's points.
void snapToGrid(QPainter& p)
{
    gridDots(p);
    p.save();
    p.setPen(QPen(QColor(204, 0, 0), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 5, 8, 8), 180 * 16, 180 * 16);
    p.drawLine(4, 9, 4, 5);
    p.drawLine(12, 9, 12, 5);
    p.setPen(QPen(QColor(192, 192, 192), 3));
    p.drawLine(4, 4, 4, 2);
    p.drawLine(12, 4, 12, 2);
    p.restore();
}

void gridSize(QPainter& p)
{
    gridLines(p);
    p.drawLine(3, 8, 13, 8);
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygon({QPoint(1, 8), QPoint(4, 6), QPoint(4, 10)}));
    p.drawPolygon(QPolygon({QPoint(15, 8), QPoint(12, 6), QPoint(12, 10)}));
    p.restore();
}

void alignWithGrid(QPainter& p)
{
    gridDots(p);
    p.setBrush(selected);
    p.drawRect(6, 6, 5, 5);
}

void handles(QPainter& p, const QRect& around)
{
    p.setBrush(p.pen().color());
    for (QPoint c : {around.topLeft(), around.topRight(), around.bottomLeft(), around.bottomRight()})
        p.drawRect(c.x() - 1, c.y() - 1, 2, 2);
}

void alignGridWithSelection(QPainter& p)
{
    gridLines(p);
    p.setBrush(selected);
    QRect picked(6, 6, 8, 8);
    p.drawRect(picked);
    handles(p, picked);
}

void alignGridWithScreen(QPainter& p)
{
    p.setBrush(QColor(0, 102, 204));
    p.drawRect(0, 1, 15, 11);
    p.save();
    p.setPen(QColor(153, 204, 255));
    for (int at = 4; at < 15; at += 4)
        p.drawLine(at, 1, at, 12);
    for (int at = 5; at < 12; at += 4)
        p.drawLine(0, at, 15, at);
    p.restore();
    p.drawLine(4, 14, 11, 14);
}

// Two bars lined up at left, centre or right of x (a sign of the alignment
// commands, its vertical twin by transposing).
void alignBars(QPainter& p, int edge, int anchor)
{
    p.drawLine(edge, 0, edge, 16);
    p.setBrush(selected);
    const int widths[] = {11, 7};
    for (int i = 0; i < 2; ++i) {
        int w = widths[i];
        int x = anchor < 0 ? edge + 1 : anchor > 0 ? edge - w : edge - w / 2;
        p.drawRect(x, 2 + 7 * i, w, 5);
    }
}

void alignLeft(QPainter& p) { alignBars(p, 1, -1); }

void alignCentre(QPainter& p) { alignBars(p, 8, 0); }

void alignRight(QPainter& p) { alignBars(p, 15, 1); }

void distribute(QPainter& p)
{
    p.setBrush(selected);
    for (int x : {1, 6, 11})
        p.drawRect(x, 2 + (x % 3) * 2, 4, 8 - (x % 3) * 2);
    p.drawLine(3, 15, 13, 15);
    for (int x : {3, 8, 13})
        p.drawLine(x, 13, x, 15);
}

void alignTop(QPainter& p) { transposed(p, alignLeft); }

void alignMiddle(QPainter& p) { transposed(p, alignCentre); }

void alignBottom(QPainter& p) { transposed(p, alignRight); }

void distributeVertically(QPainter& p) { transposed(p, distribute); }

// A shape and its mirror image across a dashed axis.
void flip(QPainter& p)
{
    p.setBrush(selected);
    p.drawPolygon(QPolygon({QPoint(1, 13), QPoint(6, 3), QPoint(6, 13)}));
    p.setBrush(paper);
    p.drawPolygon(QPolygon({QPoint(15, 13), QPoint(10, 3), QPoint(10, 13)}));
    p.save();
    p.setPen(QPen(p.pen().color(), 1, Qt::DashLine));
    p.drawLine(8, 0, 8, 16);
    p.restore();
}

void flipVertically(QPainter& p) { transposed(p, flip); }

// A turn of span degrees, anticlockwise when positive, ending in an arrow,
// around a shape.
void turn(QPainter& p, int span)
{
    p.setBrush(selected);
    p.drawRect(6, 6, 4, 4);
    p.save();
    p.setPen(QPen(p.pen().color(), 1.5));
    p.setBrush(Qt::NoBrush);
    QRectF circle(2, 2, 12, 12);
    p.drawArc(circle, 90 * 16, span * 16);
    p.restore();
    // The arrow head at the end of the turn.
    QPainterPath track;
    track.arcMoveTo(circle, 90 + span);
    QPointF end = track.currentPosition();
    p.save();
    p.translate(end);
    p.rotate(-(90 + span) + (span > 0 ? 180 : 0));
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF({QPointF(-3, 0), QPointF(3, 0), QPointF(0, 3.5)}));
    p.restore();
}

void rotateLeft(QPainter& p) { turn(p, 90); }

void rotateRight(QPainter& p) { turn(p, -90); }

void rotateHalf(QPainter& p) { turn(p, -180); }

constexpr toolbarSign signs[] = {
    {32831, lower},       {32841, raise},          {32844, sendToBack},   {32845, bringToFront},
    {32783, group},       {32787, ungroup},        {32890, grid},         {32820, snapToGrid},
    {32892, gridSize},    {32772, alignWithGrid},  {32884, alignGridWithSelection},
    {32885, alignGridWithScreen}, {32773, alignLeft}, {32774, alignCentre}, {32775, alignRight},
    {32776, distribute},  {32777, alignTop},       {32778, alignMiddle},  {32779, alignBottom},
    {32780, distributeVertically}, {32781, flip},  {32782, flipVertically}, {32784, rotateLeft},
    {32785, rotateRight}, {32786, rotateHalf},
};

} // namespace

std::span<const toolbarSign> arrangingSigns() { return signs; }
