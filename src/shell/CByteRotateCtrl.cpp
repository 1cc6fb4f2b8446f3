#include "shell/CByteRotateCtrl.h"

#include "foundation/gstr.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <iterator>

namespace {

constexpr int byteLabelText = 10117;

int mod(int a, int n) { return ((a % n) + n) % n; }

} // namespace

CByteRotateCtrl::CByteRotateCtrl(QWidget* parent) : QWidget(parent) { setFont(QApplication::font()); }

void CByteRotateCtrl::setRotation(int n)
{
    rotation_ = n & 31;
    repaint();
}

void CByteRotateCtrl::PreSubclassWindow()
{
    if (laidOut_)
        return;
    laidOut_ = true;
    constexpr int edge = byteGridLayout::edge;
    byteGridLayout::area r = byteGridLayout::inner(width(), height());
    r.right -= 1;
    r.bottom -= edge + 2;
    columns_.layOutColumns(r.left, r.right);
    int a = (3 * r.top + r.bottom) / 4;
    int b = (r.top + r.bottom) / 2;
    int c = (r.top + 3 * r.bottom) / 4;
    int e = edge + 1;
    const int tops[4] = {r.top, a, b + e, c + e};
    const int heights[4] = {a - r.top, b - a, c - b, r.bottom - c};
    for (int i = 0; i < 4; ++i) {
        rowTop_[i] = tops[i];
        rowHeight_[i] = heights[i];
    }
}

QFont CByteRotateCtrl::cellFont() const
{
    QFont font = QApplication::font();
    int room = *std::min_element(std::begin(rowHeight_), std::end(rowHeight_)) + 1;
    if (!laidOut_ || QFontMetrics(font).height() <= room)
        return font;
    constexpr int smallest = 6;
    int size = QFontInfo(font).pixelSize();
    do
        font.setPixelSize(--size);
    while (size > smallest && QFontMetrics(font).height() > room);
    return font;
}

QString CByteRotateCtrl::labelText(int byteNumber, int cellWidth) const
{
    gstr full;
    full.format(byteLabelText, byteNumber);
    QString text = toUiText(full);
    if (QFontMetrics(cellFont()).horizontalAdvance(text) > cellWidth - 4)
        return QString::number(byteNumber);
    return text;
}

std::vector<CByteRotateCtrl::cell> CByteRotateCtrl::cells(row which) const
{
    return which == rotatedLabels || which == plainLabels ? labels(which) : bits(which);
}

std::vector<CByteRotateCtrl::cell> CByteRotateCtrl::labels(row which) const
{
    const int w = columns_.cellWidth;
    const int* x = columns_.groupX;
    const int top = rowTop_[which];
    const int height = rowHeight_[which] + 1;
    std::vector<cell> out;
    auto add = [&](int from, int to, int byteNumber) {
        int width = to - from + 1;
        out.push_back({QRect(from, top, width, height), labelText(byteNumber, width), (byteNumber & 1) != 0});
    };
    int e = rotation_ % 8;
    int s = (rotation_ / 8) % 4;
    if (which == plainLabels || e == 0) {
        int shift = which == plainLabels ? 0 : s;
        for (int g = 0; g < 4; ++g)
            add(x[g], x[g] + 8 * w, mod(3 - g - shift, 4));
        return out;
    }
    // Each label starts e cells before its group and keeps its eight cells
    // across the gap; the last one is the wrapped-around part of group 0's.
    add(x[0], x[0] + (8 - e) * w, mod(3 - s, 4));
    for (int g = 1; g < 4; ++g)
        add(x[g - 1] + (8 - e) * w, x[g] + (8 - e) * w, mod(3 - g - s, 4));
    add(x[3] + (8 - e) * w, x[3] + 8 * w, mod(3 - s, 4));
    return out;
}

std::vector<CByteRotateCtrl::cell> CByteRotateCtrl::bits(row which) const
{
    const int w = columns_.cellWidth;
    std::vector<cell> out;
    for (int k = 0; k < 32; ++k) {
        int g = k / 8;
        int j = k % 8;
        QRect rect(columns_.groupX[g] + j * w, rowTop_[which], w + 1, rowHeight_[which] + 1);
        if (which == plainBits) {
            out.push_back({rect, QString::number(7 - j), g == 0 || g == 2});
        } else {
            int position = 63 - rotation_ - k;
            out.push_back({rect, QString::number(position % 8), (position & 8) != 0});
        }
    }
    return out;
}

void CByteRotateCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawByteGridGround(p, *this);
    p.setFont(cellFont());
    QColor shade = systemColour(sysColour::buttonFace);
    QColor text = systemColour(sysColour::windowText);
    for (row which : {rotatedLabels, rotatedBits, plainLabels, plainBits}) {
        for (const cell& c : cells(which))
            drawByteCell(p, c.rect, c.text, c.shaded ? &shade : nullptr, text);
    }
}
