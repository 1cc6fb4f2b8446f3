#include "shell/toolbarSigns.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor paper(Qt::white);
const QColor titleBlue(0, 102, 204);
const QColor bookmarkCyan(0, 170, 204);
const QColor helpBlue(0, 85, 170);
// The legacy objects keep the brown of old paper.
const QColor legacyBrown(153, 102, 51);

void page(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(3, 1, 10, 14);
}

void folder(QPainter& p)
{
    p.setBrush(QColor(255, 204, 51));
    p.drawRect(1, 4, 14, 10);
}

void disk(QPainter& p)
{
    p.setBrush(QColor(51, 51, 153));
    p.drawRect(1, 1, 14, 14);
    p.setBrush(paper);
    p.drawRect(4, 2, 8, 5);
}

void checkMark(QPainter& p)
{
    p.save();
    p.setPen(QPen(QColor(0, 153, 0), 2));
    p.drawPolyline(QPolygon({QPoint(8, 11), QPoint(10, 14), QPoint(15, 7)}));
    p.restore();
}

void saveAndTest(QPainter& p)
{
    p.save();
    p.scale(0.75, 0.75);
    disk(p);
    p.restore();
    checkMark(p);
}

// A question mark of strokes on a round blue sign, centred in box.
void helpSign(QPainter& p, const QRectF& box)
{
    p.save();
    p.setBrush(helpBlue);
    p.drawEllipse(box);
    qreal u = box.width() / 14;
    p.setPen(QPen(Qt::white, 1.6 * u));
    p.setBrush(Qt::NoBrush);
    QPointF c = box.center();
    p.drawArc(QRectF(c.x() - 2.5 * u, c.y() - 4.5 * u, 5 * u, 5 * u), 160 * 16, -250 * 16);
    p.drawLine(QPointF(c.x(), c.y() + 0.5 * u), QPointF(c.x(), c.y() + 1.8 * u));
    p.drawPoint(QPointF(c.x(), c.y() + 4 * u));
    p.restore();
}

void help(QPainter& p) { helpSign(p, QRectF(1, 1, 14, 14)); }

void program(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(2, 1, 12, 14);
    for (int y = 4; y < 13; y += 3)
        p.drawLine(4 + (y % 2) * 2, y, 12, y);
}

void keywordHelp(QPainter& p)
{
    program(p);
    helpSign(p, QRectF(7, 7, 9, 9));
}

void autoSize(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(4, 4, 8, 8);
    // Corners pushed out to the edge.
    for (QPoint c : {QPoint(1, 1), QPoint(15, 1), QPoint(15, 15), QPoint(1, 15)}) {
        int dx = c.x() < 8 ? 3 : -3;
        int dy = c.y() < 8 ? 3 : -3;
        p.drawLine(c, QPoint(c.x() + dx, c.y()));
        p.drawLine(c, QPoint(c.x(), c.y() + dy));
    }
}

void window(QPainter& p, const QRect& place)
{
    p.setBrush(paper);
    p.drawRect(place);
    p.setBrush(titleBlue);
    p.drawRect(place.x(), place.y(), place.width(), 3);
}

void cascade(QPainter& p)
{
    for (int i = 0; i < 3; ++i)
        window(p, QRect(1 + 3 * i, 1 + 3 * i, 8, 8));
}

void tileHorizontally(QPainter& p)
{
    window(p, QRect(1, 1, 14, 6));
    window(p, QRect(1, 9, 14, 6));
}

void tileVertically(QPainter& p)
{
    window(p, QRect(1, 1, 6, 14));
    window(p, QRect(9, 1, 6, 14));
}

void cut(QPainter& p)
{
    p.drawLine(5, 10, 11, 1);
    p.drawLine(11, 10, 5, 1);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(4, 12), 2, 2);
    p.drawEllipse(QPoint(12, 12), 2, 2);
}

void copy(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(1, 1, 8, 10);
    p.drawRect(6, 5, 8, 10);
    for (int y = 8; y < 14; y += 2)
        p.drawLine(8, y, 12, y);
}

void paste(QPainter& p)
{
    p.setBrush(QColor(170, 119, 51));
    p.drawRect(2, 2, 10, 13);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(5, 1, 4, 3);
    p.setBrush(paper);
    p.drawRect(7, 6, 8, 9);
}

void print(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(4, 1, 8, 6);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(paper);
    p.drawRect(4, 10, 8, 5);
}

void undo(QPainter& p)
{
    p.save();
    p.setPen(QPen(p.pen().color(), 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath turn(QPointF(5, 6));
    turn.cubicTo(12, 5, 16, 9, 10, 14);
    p.drawPath(turn);
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF({QPointF(1, 6), QPointF(6, 2), QPointF(6, 10)}));
    p.restore();
}

void mirrored(QPainter& p, void (*draw)(QPainter&))
{
    p.save();
    p.translate(16, 0);
    p.scale(-1, 1);
    draw(p);
    p.restore();
}

void redo(QPainter& p) { mirrored(p, undo); }

void bookmark(QPainter& p, const QPoint& at)
{
    p.setBrush(bookmarkCyan);
    int x = at.x();
    int y = at.y();
    p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 6, y), QPoint(x + 6, y + 11), QPoint(x + 3, y + 8),
                            QPoint(x, y + 11)}));
}

void toggleBookmark(QPainter& p) { bookmark(p, QPoint(5, 2)); }

void nextBookmark(QPainter& p)
{
    bookmark(p, QPoint(1, 2));
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygon({QPoint(10, 4), QPoint(15, 8), QPoint(10, 12)}));
}

void previousBookmark(QPainter& p) { mirrored(p, nextBookmark); }

void clearBookmarks(QPainter& p)
{
    bookmark(p, QPoint(1, 1));
    bookmark(p, QPoint(5, 3));
    p.save();
    p.setPen(QPen(QColor(204, 0, 0), 2));
    p.drawLine(9, 9, 15, 15);
    p.drawLine(15, 9, 9, 15);
    p.restore();
}

// An eyedropper taking up an object's look.
void getProperties(QPainter& p)
{
    p.save();
    p.setPen(QPen(p.pen().color(), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(3, 13, 10, 6);
    p.setPen(QPen(QColor(0, 153, 204), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(3, 13, 6, 10);
    p.restore();
    p.setBrush(p.pen().color());
    p.drawEllipse(QPoint(12, 4), 3, 3);
}

void chip(QPainter& p, const QColor& body)
{
    p.setBrush(body);
    p.drawRect(4, 2, 8, 12);
    for (int y = 3; y < 14; y += 3) {
        p.drawLine(1, y, 3, y);
        p.drawLine(13, y, 15, y);
    }
}

void driver(QPainter& p) { chip(p, QColor(64, 64, 64)); }

void port(QPainter& p)
{
    p.setBrush(QColor(160, 160, 176));
    p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(15, 4), QPoint(12, 12), QPoint(4, 12)}));
    p.setBrush(Qt::black);
    for (int x : {5, 8, 11})
        p.drawEllipse(QPoint(x, 7), 1, 1);
    for (int x : {7, 10})
        p.drawEllipse(QPoint(x, 10), 1, 1);
}

void registerTable(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(1, 2, 14, 12);
    for (int y = 5; y < 14; y += 3)
        p.drawLine(1, y, 15, y);
    p.drawLine(6, 2, 6, 14);
}

void screen(QPainter& p)
{
    p.setBrush(titleBlue);
    p.drawRect(1, 1, 14, 10);
    p.drawLine(8, 11, 8, 13);
    p.drawLine(4, 14, 12, 14);
}

void bus(QPainter& p)
{
    p.drawLine(1, 4, 15, 4);
    p.setBrush(QColor(255, 153, 0));
    for (int x : {2, 9}) {
        p.drawLine(x + 2, 4, x + 2, 8);
        p.drawRect(x, 8, 5, 5);
    }
}

// The bits of a data mask, some set.
void legacyMask(QPainter& p)
{
    for (int i = 0; i < 8; ++i) {
        p.setBrush((i * 5) % 3 == 0 ? legacyBrown : paper);
        p.drawRect(1 + (i % 4) * 4, 3 + (i / 4) * 6, 2, 4);
    }
}

void legacyDriver(QPainter& p)
{
    chip(p, legacyBrown);
    p.setBrush(paper);
    p.drawEllipse(QPoint(8, 8), 2, 2);
}

// Names and their values, a row each.
void legacyParameters(QPainter& p)
{
    p.setBrush(QColor(238, 221, 187));
    p.drawRect(1, 1, 14, 14);
    p.setBrush(paper);
    for (int y = 3; y < 13; y += 4) {
        p.drawLine(3, y + 1, 7, y + 1);
        p.drawRect(9, y, 4, 3);
    }
}

constexpr toolbarSign signs[] = {
    {32848, page},           {32849, folder},           {32852, disk},           {32880, saveAndTest},
    {57667, help},           {32855, keywordHelp},      {32906, autoSize},       {57650, cascade},
    {57651, tileHorizontally}, {57652, tileVertically}, {57635, cut},            {57634, copy},
    {57637, paste},          {57607, print},            {57643, undo},           {57644, redo},
    {32843, toggleBookmark}, {32868, nextBookmark},     {32870, previousBookmark}, {32788, clearBookmarks},
    {32804, getProperties},  {32918, driver},           {32898, port},           {32901, registerTable},
    {32902, screen},         {32899, program},          {32910, bus},            {32923, legacyMask},
    {32922, legacyDriver},   {32897, legacyParameters},
};

} // namespace

std::span<const toolbarSign> documentSigns() { return signs; }
