#include "shell/toolbarImages.h"

#include "shell/CDrawingToolsBar.h"
#include "shell/toolbarTable.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <utility>

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

void driver(QPainter& p)
{
    p.setBrush(QColor(64, 64, 64));
    p.drawRect(4, 2, 8, 12);
    for (int y = 3; y < 14; y += 3) {
        p.drawLine(1, y, 3, y);
        p.drawLine(13, y, 15, y);
    }
}

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
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 14, 12);
    for (int y = 5; y < 14; y += 3)
        p.drawLine(1, y, 15, y);
    p.drawLine(6, 2, 6, 14);
}

void screen(QPainter& p)
{
    p.setBrush(QColor(0, 102, 204));
    p.drawRect(1, 1, 14, 10);
    p.drawLine(8, 11, 8, 13);
    p.drawLine(4, 14, 12, 14);
}

void program(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 12, 14);
    for (int y = 4; y < 13; y += 3)
        p.drawLine(4 + (y % 2) * 2, y, 12, y);
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
    {32918, driver, nullptr},    {32898, port, nullptr},      {32901, registerTable, nullptr},
    {32902, screen, nullptr},    {32899, program, nullptr},   {32910, bus, nullptr},
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

// A New command shows the picture of its kind with a plus in its corner.
constexpr std::pair<int, int> newCommands[] = {{32919, 32918}, {32863, 32898}, {32865, 32901},
                                               {32866, 32902}, {32864, 32899}, {32912, 32910}};

const sign* newKind(int command)
{
    for (auto [made, kind] : newCommands) {
        if (made != command)
            continue;
        for (const sign& s : signs) {
            if (s.command == kind)
                return &s;
        }
    }
    return nullptr;
}

void drawPlus(QPainter& p)
{
    p.setPen(QPen(QColor(0, 153, 0), 2));
    p.drawLine(12, 9, 12, 15);
    p.drawLine(9, 12, 15, 12);
}

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
    if (const sign* kind = newKind(command)) {
        kind->draw(p);
        drawPlus(p);
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
    QIcon own(picture(command, false));
    const char* name = themeName(command);
    return name ? QIcon::fromTheme(QString::fromLatin1(name), own) : own;
}

QIcon drawingToolImage(int position, bool locked)
{
    return QIcon(picture(CDrawingToolsBar::commands[position], locked));
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
