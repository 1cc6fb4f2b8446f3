#include "shell/toolbarImages.h"

#include "shell/CDrawingToolsBar.h"
#include "shell/toolbarTable.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int side = 16;

using drawFn = void (*)(QPainter&);

void page(QPainter& p)
{
    p.setBrush(Qt::white);
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
    p.setBrush(Qt::white);
    p.drawRect(4, 2, 8, 5);
}

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
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon({QPoint(4, 1), QPoint(4, 13), QPoint(7, 10), QPoint(10, 15), QPoint(11, 14), QPoint(9, 9),
                            QPoint(13, 9)}));
}

void reshape(QPainter& p)
{
    p.drawPolyline(QPolygon({QPoint(2, 13), QPoint(6, 3), QPoint(13, 8)}));
    p.setBrush(Qt::black);
    for (QPoint c : {QPoint(2, 13), QPoint(6, 3), QPoint(13, 8)})
        p.drawRect(c.x() - 1, c.y() - 1, 2, 2);
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

struct sign {
    int command;
    drawFn draw;
    const char* letters;
};

constexpr sign signs[] = {
    {32848, page, nullptr},      {32849, folder, nullptr},    {32852, disk, nullptr},
    {32808, line, nullptr},      {32821, spline, nullptr},    {32815, rectangle, nullptr},
    {32803, ellipse, nullptr},   {32818, arrow, nullptr},     {32816, reshape, nullptr},
    {32930, dial, nullptr},      {32931, graph, nullptr},     {32825, nullptr, "A"},
    {32880, nullptr, "T"},       {57667, nullptr, "?"},       {32855, nullptr, "K?"},
    {32906, nullptr, "[]"},      {57650, nullptr, "C"},       {57651, nullptr, "="},
    {57652, nullptr, "||"},      {57635, nullptr, "X"},       {57634, nullptr, "Cp"},
    {57637, nullptr, "P"},       {57607, nullptr, "Pr"},      {57643, nullptr, "<"},
    {57644, nullptr, ">"},       {32843, nullptr, "B"},       {32868, nullptr, "B>"},
    {32870, nullptr, "<B"},      {32788, nullptr, "B0"},      {32804, nullptr, "GP"},
    {32918, nullptr, "Dv"},      {32898, nullptr, "Po"},      {32901, nullptr, "Rg"},
    {32902, nullptr, "Sc"},      {32899, nullptr, "Pg"},      {32910, nullptr, "SB"},
    {32919, nullptr, "+D"},      {32863, nullptr, "+P"},      {32865, nullptr, "+R"},
    {32866, nullptr, "+S"},      {32864, nullptr, "+G"},      {32912, nullptr, "+Q"},
    {32814, nullptr, "St"},      {32937, nullptr, "3D"},      {32794, nullptr, "Bi"},
    {32812, nullptr, "Mu"},      {32801, nullptr, "Di"},      {32791, nullptr, "An"},
    {32824, nullptr, "Str"},     {32936, nullptr, "XY"},      {32798, nullptr, "Ct"},
    {32807, nullptr, "Lb"},      {32805, nullptr, "Im"},      {32923, nullptr, "LM"},
    {32922, nullptr, "LD"},      {32897, nullptr, "LP"},      {32920, nullptr, "+M"},
    {32921, nullptr, "+L"},      {32862, nullptr, "+A"},      {32831, nullptr, "Dn"},
    {32841, nullptr, "Up"},      {32844, nullptr, "Bk"},      {32845, nullptr, "Fr"},
    {32783, nullptr, "Gp"},      {32787, nullptr, "Ug"},      {32890, nullptr, "#"},
    {32820, nullptr, "Sn"},      {32892, nullptr, "#?"},      {32772, nullptr, "#>"},
    {32884, nullptr, "#S"},      {32885, nullptr, "#W"},      {32773, nullptr, "|<"},
    {32774, nullptr, "|+|"},     {32775, nullptr, ">|"},      {32776, nullptr, "<>"},
    {32777, nullptr, "T^"},      {32778, nullptr, "-+-"},     {32779, nullptr, "Bv"},
    {32780, nullptr, "^v"},      {32781, nullptr, "<|>"},     {32782, nullptr, "FV"},
    {32784, nullptr, "R<"},      {32785, nullptr, "R>"},      {32786, nullptr, "R2"},
};

QPixmap picture(int command, bool dark)
{
    QPixmap pixmap(side, side);
    pixmap.fill(dark ? QColor(51, 51, 51) : QColor(0, 0, 0, 0));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(dark ? Qt::white : Qt::black);
    const sign* found = nullptr;
    for (const sign& s : signs) {
        if (s.command == command)
            found = &s;
    }
    if (found && found->draw) {
        found->draw(p);
        return pixmap;
    }
    const char* tip = toolbarTip(command);
    QString letters = found ? QString::fromLatin1(found->letters) : QString::fromLatin1(tip ? tip : "?").left(2);
    QFont f = p.font();
    f.setPixelSize(letters.size() > 2 ? 7 : 9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, letters);
    return pixmap;
}

} // namespace

QIcon commandImage(int command) { return QIcon(picture(command, false)); }

QIcon drawingToolImage(int position, bool locked)
{
    return QIcon(picture(CDrawingToolsBar::commands[position], locked));
}
