#include "screens/editor/qtDrawingContext.h"

#include "platform/gdiCaches.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"
#include "resources/stationPalette.h"
#include "screens/model/fscreen.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gfillInfo.h"
#include "screens/model/gfillPatterns.h"
#include "screens/model/gfontName.h"
#include "screens/model/glineInfo.h"
#include "screens/model/gtextInfo.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <vector>

namespace {

uint32_t colourRef(const gcolor& c) { return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16; }

QColor qcolour(const gcolor& c) { return QColor(c.red(), c.green(), c.blue()); }

gcolor gcolourOf(const QColor& c) { return gcolor(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())); }

// The pixels a rectangle covers, both edges included.
QRect pixelsOf(const grect& r)
{
    grect n = r.normalized();
    return QRect(QPoint(n.left, n.top), QPoint(n.right, n.bottom));
}

QPolygon polygonOf(const gpoint* points, int count)
{
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    return polygon;
}

QImage hatchImage(const gfillInfo& fill)
{
    QImage tile(8, 8, QImage::Format_RGB32);
    QRgb fore = qcolour(fill.getForeground()).rgb();
    QRgb back = qcolour(fill.getBackground()).rgb();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, fillPatterns::hatchShowsForeground(fill.getPattern(), x, y) ? fore : back);
    }
    return tile;
}

QImage colourPatternImage(int pattern)
{
    int size = fillPatterns::colourPatternSize(pattern);
    QImage tile(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            tile.setPixel(x, y, qcolour(fillPatterns::colourPatternPixel(pattern, x, y)).rgb());
    }
    return tile;
}

} // namespace

qtDrawingContext::qtDrawingContext(QPainter& painter, const grect& paintArea) : painter_(painter), paintArea_(paintArea)
{
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bool qtDrawingContext::isVisible(const grect& rect) const { return paintArea_.isEmpty() || paintArea_.overlaps(rect); }

void qtDrawingContext::usePen(const glineInfo& line)
{
    if (!line.isSet()) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    painter_.setPen(getLinePen(line.getStyle() - 1, line.getWidth(), colourRef(line.getColour())));
}

void qtDrawingContext::useBrush(const gfillInfo& fill)
{
    switch (fill.getKind()) {
    case gfillInfo::colour: painter_.setBrush(getSolidBrush(colourRef(fill.getForeground()))); return;
    case gfillInfo::pattern: painter_.setBrush(QBrush(hatchImage(fill))); return;
    case gfillInfo::colourPattern: painter_.setBrush(QBrush(colourPatternImage(fill.getPattern()))); return;
    default: painter_.setBrush(Qt::NoBrush); return;
    }
}

void qtDrawingContext::line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const glineInfo& line)
{
    usePen(line);
    painter_.drawLine(x1, y1, x2, y2);
}

void qtDrawingContext::bezier(const grect& a, const grect& b, const glineInfo& line)
{
    usePen(line);
    QPainterPath path(QPointF(a.left, a.top));
    path.cubicTo(QPointF(a.right, a.bottom), QPointF(b.right, b.bottom), QPointF(b.left, b.top));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void qtDrawingContext::rectangle(const grect& rect, const glineInfo& line, const gfillInfo& fill)
{
    usePen(line);
    useBrush(fill);
    grect n = rect.normalized();
    painter_.drawRect(QRect(n.left, n.top, n.right - n.left, n.bottom - n.top));
}

void qtDrawingContext::ellipse(const grect& rect, const glineInfo& line, const gfillInfo& fill)
{
    usePen(line);
    useBrush(fill);
    grect n = rect.normalized();
    painter_.drawEllipse(QRect(n.left, n.top, n.right - n.left, n.bottom - n.top));
}

void qtDrawingContext::polyline(const gpoint* points, int count, const glineInfo& line)
{
    usePen(line);
    painter_.drawPolyline(polygonOf(points, count));
}

void qtDrawingContext::polygon(const gpoint* points, int count, const glineInfo& line, const gfillInfo& fill)
{
    usePen(line);
    useBrush(fill);
    painter_.drawPolygon(polygonOf(points, count));
}

const QFont& qtDrawingContext::fontOf(const gtextInfo& style) const
{
    const gfontName* font = style.getFont() ? style.getFont() : alternateFont();
    return getFont(std::max(style.getSize(), gtextInfo::smallestSize), style.isBold() ? 700 : 400, style.isItalic(),
                   font);
}

void qtDrawingContext::text(const grect& rect, const gstrSlice& text, const gtextInfo& style)
{
    uint32_t format = style.getFormat();
    int flags = Qt::AlignTop | Qt::TextExpandTabs;
    flags |= (format & gtextInfo::alignCenter) ? Qt::AlignHCenter
        : (format & gtextInfo::alignRight)     ? Qt::AlignRight
                                               : Qt::AlignLeft;
    if (!(format & gtextInfo::singleLine))
        flags |= Qt::TextWordWrap;
    painter_.setFont(fontOf(style));
    painter_.setPen(qcolour(style.getColour()));
    painter_.drawText(pixelsOf(rect), flags, toUiText(text));
}

int32_t qtDrawingContext::textWidth(const gstrSlice& text, const gtextInfo& style)
{
    return QFontMetrics(fontOf(style)).horizontalAdvance(toUiText(text));
}

int32_t qtDrawingContext::ascent(const gtextInfo& style) { return QFontMetrics(fontOf(style)).ascent(); }

gcolor qtDrawingContext::systemColour(bool window) const
{
    return gcolourOf(::systemColour(window ? sysColour::window : sysColour::buttonFace));
}

void qtDrawingContext::fillBackground(const grect& rect, bool useColour, const gcolor& colour)
{
    QColor ground = useColour && colour.isSet() ? qcolour(colour) : qcolour(systemColour(useColour));
    painter_.fillRect(pixelsOf(rect), ground);
}

void qtDrawingContext::buttonFace(const grect& rect, const gstrSlice& caption)
{
    QRect r = pixelsOf(rect);
    QColor light = ::systemColour(sysColour::buttonHighlight);
    QColor dark = ::systemColour(sysColour::buttonShadow);
    painter_.setPen(light);
    painter_.drawLine(r.topLeft(), r.topRight());
    painter_.drawLine(r.topLeft(), r.bottomLeft());
    painter_.setPen(Qt::black);
    painter_.drawLine(r.bottomLeft(), r.bottomRight());
    painter_.drawLine(r.topRight(), r.bottomRight());
    painter_.setPen(dark);
    painter_.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter_.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    if (caption.isEmpty())
        return;
    QRect inside = r.adjusted(2, 2, -2, -2);
    painter_.save();
    painter_.setClipRect(inside);
    painter_.setFont(QGuiApplication::font());
    painter_.setPen(::systemColour(sysColour::buttonText));
    painter_.drawText(inside, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextExpandTabs, toUiText(caption));
    painter_.restore();
}

const QImage& qtDrawingContext::converted(const gbitmap& image)
{
    auto found = images_.find(&image);
    if (found != images_.end())
        return found->second;
    QImage picture(std::max(image.width(), 1), std::max(image.height(), 1), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const auto& palette = stationPalette();
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            if (image.isTransparent(x, y))
                continue;
            uint8_t index = image.pixels()[size_t(y) * size_t(image.width()) + size_t(x)];
            const paletteColour& c = palette[index < stationPaletteSize ? index : 0];
            picture.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    }
    return images_.emplace(&image, std::move(picture)).first->second;
}

void qtDrawingContext::image(int32_t x, int32_t y, const gbitmap& image)
{
    if (!image.isDecoded() || image.width() == 0 || image.height() == 0)
        return;
    const grect& b = image.getBounds();
    painter_.drawImage(QPoint(x + std::min(b.left, b.right), y + std::min(b.top, b.bottom)), converted(image));
}

void qtDrawingContext::area3d(const grect& rect, int type)
{
    QRect r = pixelsOf(rect);
    if (type == 1)
        r = QRect(r.left(), (r.top() + r.bottom() + 1) / 2 - 1, r.width(), 2);
    else if (type == 2)
        r = QRect((r.left() + r.right() + 1) / 2 - 1, r.top(), 2, r.height());
    if (type == 4 || type == 5 || type == 6 || type == 9)
        painter_.fillRect(r, ::systemColour(sysColour::buttonFace));
    else if (type == 7 || type == 8)
        painter_.fillRect(r, ::systemColour(sysColour::window));
    if (type >= 8)
        return;
    QColor light = ::systemColour(sysColour::buttonHighlight);
    QColor dark = ::systemColour(sysColour::buttonShadow);
    bool raised = type == 4;
    painter_.setPen(raised ? light : dark);
    painter_.drawLine(r.topLeft(), r.topRight());
    painter_.drawLine(r.topLeft(), r.bottomLeft());
    painter_.setPen(raised ? dark : light);
    painter_.drawLine(r.bottomLeft(), r.bottomRight());
    painter_.drawLine(r.topRight(), r.bottomRight());
    if (type == 3 || type == 6 || type == 7) {
        QRect inner = r.adjusted(1, 1, -1, -1);
        painter_.setPen(type == 3 ? light : Qt::black);
        painter_.drawLine(inner.topLeft(), inner.topRight());
        painter_.drawLine(inner.topLeft(), inner.bottomLeft());
        painter_.setPen(type == 3 ? dark : ::systemColour(sysColour::buttonFace));
        painter_.drawLine(inner.bottomLeft(), inner.bottomRight());
        painter_.drawLine(inner.topRight(), inner.bottomRight());
    }
}

void qtDrawingContext::beginInverting()
{
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_.setBrush(Qt::NoBrush);
}

void qtDrawingContext::endInverting() { painter_.restore(); }

void qtDrawingContext::handle(int32_t x, int32_t y)
{
    beginInverting();
    painter_.fillRect(QRect(x - 2, y - 2, 5, 5), Qt::white);
    endInverting();
}

void qtDrawingContext::hollowHandle(int32_t x, int32_t y)
{
    beginInverting();
    painter_.setPen(Qt::white);
    painter_.drawRect(QRect(x - 2, y - 2, 4, 4));
    endInverting();
}

void qtDrawingContext::controlLeader(int32_t px, int32_t py, int32_t qx, int32_t qy)
{
    beginInverting();
    painter_.fillRect(QRect(px - 2, py - 2, 5, 5), Qt::white);
    painter_.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter_.drawLine(px, py, qx, qy);
    painter_.setPen(Qt::white);
    painter_.drawEllipse(QRect(qx - 2, qy - 2, 4, 4));
    endInverting();
}

void qtDrawingContext::marginMarker(int32_t px, int32_t py, int32_t qx, int32_t qy)
{
    beginInverting();
    painter_.setPen(Qt::white);
    painter_.drawPolyline(QPolygon({QPoint(px, py + 1), QPoint(px - 2, py - 1), QPoint(px - 2, py - 2),
                                    QPoint(px + 2, py - 2), QPoint(px + 2, py - 1), QPoint(px, py + 1)}));
    painter_.setPen(QColor(64, 64, 64));
    painter_.drawLine(px, py + 2, qx, qy - 1);
    painter_.setPen(Qt::white);
    painter_.drawPolyline(QPolygon({QPoint(qx - 2, qy + 1), QPoint(qx - 2, qy + 2), QPoint(qx + 2, qy + 2),
                                    QPoint(qx + 2, qy + 1), QPoint(qx, qy - 1), QPoint(qx - 2, qy + 1)}));
    endInverting();
}

void qtDrawingContext::xorFrame(const grect& rect)
{
    beginInverting();
    painter_.setPen(QColor(128, 128, 128));
    QRect r = pixelsOf(rect);
    painter_.drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
    endInverting();
}

void qtDrawingContext::xorLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    beginInverting();
    painter_.setPen(QColor(128, 128, 128));
    painter_.drawLine(x1, y1, x2, y2);
    endInverting();
}

void qtDrawingContext::pixel(int32_t x, int32_t y, const gcolor& colour)
{
    painter_.setPen(qcolour(colour));
    painter_.drawPoint(x, y);
}

QImage drawScreenImage(const fscreen& screen)
{
    grect bounds = screen.getBounds().normalized();
    int width = static_cast<int>(std::clamp<int64_t>(bounds.width() + 1, 1, 8192));
    int height = static_cast<int>(std::clamp<int64_t>(bounds.height() + 1, 1, 8192));
    QImage image(width, height, QImage::Format_RGB32);
    gcolor ground = screen.getBackground();
    QColor fill = ground.isSet() ? qcolour(ground)
                                 : ::systemColour(screen.isInMenu() ? sysColour::window : sysColour::buttonFace);
    image.fill(fill);
    QPainter painter(&image);
    painter.translate(-bounds.left, -bounds.top);
    qtDrawingContext dc(painter, grect{});
    screen.draw(dc);
    return image;
}
