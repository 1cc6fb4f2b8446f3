#include "shell/toolbarSigns.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor paper(Qt::white);
const QColor lampGreen(0, 170, 0);
const QColor shapeGrey(160, 160, 160);

void line(QPainter& p) { p.drawLine(2, 13, 13, 2); }

void spline(QPainter& p)
{
    QPainterPath path(QPointF(1, 13));
    path.cubicTo(5, -2, 10, 18, 14, 2);
    p.drawPath(path);
}

void rectangle(QPainter& p) { p.drawRect(2, 4, 11, 8); }

void ellipse(QPainter& p) { p.drawEllipse(2, 3, 11, 9); }

void arrow(QPainter& p)
{
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygon({QPoint(4, 1), QPoint(4, 13), QPoint(7, 10), QPoint(10, 15), QPoint(11, 14), QPoint(9, 9),
                            QPoint(13, 9)}));
}

void reshape(QPainter& p)
{
    p.drawPolyline(QPolygon({QPoint(2, 13), QPoint(6, 3), QPoint(13, 8)}));
    p.setBrush(p.pen().color());
    for (QPoint c : {QPoint(2, 13), QPoint(6, 3), QPoint(13, 8)})
        p.drawRect(c.x() - 1, c.y() - 1, 2, 2);
}

// A triangle over a square: shapes that show no value.
void staticObjects(QPainter& p)
{
    p.setBrush(shapeGrey);
    p.drawRect(6, 6, 9, 9);
    p.setBrush(QColor(255, 204, 51));
    p.drawPolygon(QPolygon({QPoint(1, 12), QPoint(6, 2), QPoint(11, 12)}));
}

void raisedObject(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 3, 14, 10);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(1, 3), QPoint(15, 3), QPoint(13, 5), QPoint(3, 5), QPoint(3, 11), QPoint(1, 13)}));
    p.setBrush(QColor(96, 96, 96));
    p.drawPolygon(
        QPolygon({QPoint(15, 3), QPoint(15, 13), QPoint(1, 13), QPoint(3, 11), QPoint(13, 11), QPoint(13, 5)}));
}

void bistate(QPainter& p)
{
    p.setBrush(lampGreen);
    p.drawRoundedRect(QRectF(1, 4, 14, 8), 4, 4);
    p.setBrush(paper);
    p.drawEllipse(QPointF(11, 8), 3, 3);
}

void multistate(QPainter& p)
{
    p.setBrush(QColor(64, 64, 64));
    p.drawRoundedRect(QRectF(4, 0.5, 8, 15), 2, 2);
    const QColor lamps[] = {QColor(221, 0, 0), QColor(255, 204, 0), lampGreen};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(8, 3.5 + 4.5 * i), 1.8, 1.8);
    }
}

// Two seven-segment digits.
void digital(QPainter& p)
{
    p.setBrush(QColor(32, 32, 32));
    p.drawRect(0, 2, 16, 12);
    p.save();
    p.setPen(QPen(QColor(0, 221, 0), 1.2));
    for (int x : {3, 9}) {
        p.drawLine(x, 4, x + 4, 4);
        p.drawLine(x, 8, x + 4, 8);
        p.drawLine(x, 12, x + 4, 12);
        p.drawLine(x + 4, 4, x + 4, 12);
        p.drawLine(x, 4, x, 8);
    }
    p.restore();
}

// A bar filled to its value, with a scale.
void analog(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(7, 1, 6, 14);
    p.setBrush(QColor(0, 102, 204));
    p.drawRect(7, 7, 6, 8);
    for (int y = 2; y < 15; y += 3)
        p.drawLine(y % 2 ? 3 : 4, y, 6, y);
}

// A field with a line of text and its caret.
void string(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(0, 4, 15, 8);
    p.save();
    p.setPen(QPen(p.pen().color(), 2));
    p.drawLine(2, 8, 4, 8);
    p.drawLine(6, 8, 9, 8);
    p.restore();
    p.drawLine(11, 6, 11, 10);
}

void dial(QPainter& p)
{
    p.drawEllipse(1, 1, 13, 13);
    p.drawLine(8, 8, 12, 4);
}

void graph(QPainter& p)
{
    p.drawLine(2, 1, 2, 14);
    p.drawLine(2, 14, 14, 14);
    p.drawPolyline(QPolygon({QPoint(3, 11), QPoint(6, 6), QPoint(9, 9), QPoint(13, 3)}));
}

// A marker placed on its x and y axes.
void marker(QPainter& p)
{
    p.drawLine(1, 1, 1, 15);
    p.drawLine(1, 15, 15, 15);
    p.save();
    p.setPen(QPen(QColor(204, 0, 0), 1.5));
    p.drawLine(6, 4, 12, 10);
    p.drawLine(12, 4, 6, 10);
    p.restore();
    p.save();
    p.setPen(QPen(p.pen().color(), 1, Qt::DotLine));
    p.drawLine(9, 8, 9, 15);
    p.drawLine(1, 7, 6, 7);
    p.restore();
}

// A slider to set a value.
void control(QPainter& p)
{
    p.drawLine(1, 8, 15, 8);
    for (int x = 2; x < 15; x += 4)
        p.drawLine(x, 11, x, 13);
    p.setBrush(QColor(0, 102, 204));
    p.drawPolygon(QPolygon({QPoint(7, 2), QPoint(11, 2), QPoint(11, 9), QPoint(9, 11), QPoint(7, 9)}));
}

// A luggage label on its string.
void label(QPainter& p)
{
    p.setBrush(QColor(255, 221, 102));
    p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(11, 4), QPoint(15, 8), QPoint(11, 12), QPoint(1, 12)}));
    p.setBrush(paper);
    p.drawEllipse(QPoint(11, 8), 1, 1);
    p.drawLine(3, 7, 8, 7);
    p.drawLine(3, 9, 7, 9);
}

// Lines of text with the text cursor.
void text(QPainter& p)
{
    for (int y = 3; y < 14; y += 4)
        p.drawLine(1, y, y == 7 ? 7 : 9, y);
    p.drawLine(12, 2, 12, 14);
    p.drawLine(10, 2, 14, 2);
    p.drawLine(10, 14, 14, 14);
}

void image(QPainter& p)
{
    p.setBrush(QColor(153, 204, 255));
    p.drawRect(0, 2, 15, 12);
    p.setBrush(QColor(255, 204, 0));
    p.drawEllipse(QPoint(11, 6), 2, 2);
    p.setBrush(QColor(51, 153, 51));
    p.drawPolygon(QPolygon({QPoint(1, 13), QPoint(6, 6), QPoint(10, 13)}));
}

constexpr toolbarSign signs[] = {
    {32818, arrow},   {32816, reshape},  {32814, staticObjects}, {32937, raisedObject}, {32794, bistate},
    {32812, multistate}, {32801, digital}, {32791, analog},      {32824, string},       {32930, dial},
    {32931, graph},   {32936, marker},   {32798, control},       {32807, label},        {32808, line},
    {32821, spline},  {32815, rectangle}, {32803, ellipse},      {32825, text},         {32805, image},
};

} // namespace

std::span<const toolbarSign> drawingSigns() { return signs; }
