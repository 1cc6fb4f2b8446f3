#include "shell/CProgressBar.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace {

constexpr long long hlsMax = 30000;
constexpr long long rgbMax = 255;

struct hls {
    long long hue, lightness, saturation;
};

hls toHls(long long r, long long g, long long b)
{
    long long mx = std::max({r, g, b}), mn = std::min({r, g, b});
    long long l = ((mx + mn) * hlsMax + rgbMax) / (2 * rgbMax);
    if (mx == mn)
        return {hlsMax * 2 / 3, l, 0};
    long long span = mx - mn, sum = mx + mn;
    long long s = l <= hlsMax / 2 ? (span * hlsMax + sum / 2) / sum
                                  : (span * hlsMax + (2 * rgbMax - sum) / 2) / (2 * rgbMax - sum);
    auto d = [&](long long c) { return ((mx - c) * (hlsMax / 6) + span / 2) / span; };
    long long h = r == mx ? d(b) - d(g) : g == mx ? hlsMax / 3 + d(r) - d(b) : 2 * hlsMax / 3 + d(g) - d(r);
    if (h < 0)
        h += hlsMax;
    if (h > hlsMax)
        h -= hlsMax;
    return {h, l, s};
}

long long channel(long long m1, long long m2, long long h)
{
    if (h < 0)
        h += hlsMax;
    if (h > hlsMax)
        h -= hlsMax;
    long long v;
    if (h < hlsMax / 6)
        v = m1 + ((m2 - m1) * h + hlsMax / 12) / (hlsMax / 6);
    else if (h < hlsMax / 2)
        v = m2;
    else if (h < 2 * hlsMax / 3)
        v = m1 + ((m2 - m1) * (2 * hlsMax / 3 - h) + hlsMax / 12) / (hlsMax / 6);
    else
        v = m1;
    return (v * rgbMax + hlsMax / 2) / hlsMax;
}

unsigned toRgb(const hls& c)
{
    long long r, g, b;
    if (c.saturation == 0) {
        r = g = b = c.lightness * rgbMax / hlsMax;
    } else {
        long long l = c.lightness, s = c.saturation;
        long long m2 = l <= hlsMax / 2 ? (l * (hlsMax + s) + hlsMax / 2) / hlsMax : l + s - (l * s + hlsMax / 2) / hlsMax;
        long long m1 = 2 * l - m2;
        r = channel(m1, m2, c.hue + hlsMax / 3);
        g = channel(m1, m2, c.hue);
        b = channel(m1, m2, c.hue - hlsMax / 3);
    }
    return static_cast<unsigned>(r << 16 | g << 8 | b);
}

QColor colour(unsigned rgb) { return QColor(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

} // namespace

CProgressBar::CProgressBar(QWidget* parent) : QWidget(parent) {}

// The client width less the frame; a bar narrower than its frame has nothing
// to fill.
int CProgressBar::barWidth() const { return std::max(width() - 2, 0); }

unsigned CProgressBar::fillFor(double share) const
{
    double f = barWidth() * share;
    return f > 0 ? static_cast<unsigned>(f) : 0;
}

void CProgressBar::setRange(unsigned range)
{
    range_ = std::max(range, 1u);
    unsigned before = filled_;
    filled_ = fillFor(double(position_) / range_);
    if (filled_ != before)
        repaint();
}

void CProgressBar::setPosition(unsigned position)
{
    position_ = std::min(position, range_);
    unsigned before = filled_;
    filled_ = fillFor(double(position_) / range_);
    if (filled_ != before)
        repaint();
}

void CProgressBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    filled_ = fillFor(double(position_) / range_);
}

std::array<unsigned, 8> CProgressBar::shadesOf(unsigned highlight)
{
    static constexpr long long offsets[8] = {4500, 9500, 3000, 2000, 0, -2000, -3000, -4500};
    hls base = toHls(highlight >> 16 & 0xFF, highlight >> 8 & 0xFF, highlight & 0xFF);
    std::array<unsigned, 8> shades{};
    for (int i = 0; i < 8; ++i) {
        hls shade = base;
        shade.lightness = std::clamp(base.lightness + offsets[i], 0LL, hlsMax);
        shades[i] = toRgb(shade);
    }
    return shades;
}

void CProgressBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect client = rect();
    // The sunken edge: dark above and left, light below and right.
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(client.topLeft(), client.topRight());
    p.drawLine(client.topLeft(), client.bottomLeft());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(client.bottomLeft(), client.bottomRight());
    p.drawLine(client.topRight(), client.bottomRight());
    QRect inside = client.adjusted(1, 1, -1, -1);
    int filled = static_cast<int>(std::min<unsigned>(filled_, 1u << 30));
    if (filled > 0) {
        QRect bar(inside.left(), inside.top(), filled, inside.height());
        p.setPen(palette().color(QPalette::WindowText));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar.adjusted(0, 0, -1, -1));
        if (filled > 2) {
            unsigned highlight = palette().color(QPalette::Highlight).rgb() & 0xFFFFFF;
            if (highlight != cachedHighlight_) {
                cachedHighlight_ = highlight;
                shades_ = shadesOf(highlight);
            }
            QRect in = bar.adjusted(1, 1, -1, -1);
            int w = in.width(), top = in.top(), bottom = in.bottom();
            p.fillRect(in.left(), top, 1, in.height(), colour(shades_[0]));
            if (w > 1)
                p.fillRect(in.right(), top, 1, in.height(), colour(shades_[7]));
            if (w > 2) {
                int x = in.left() + 1, cx = w - 2;
                p.fillRect(x, top, cx, 1, colour(shades_[0]));
                p.fillRect(x, top + 1, cx, 1, colour(shades_[1]));
                p.fillRect(x, top + 2, cx, 1, colour(shades_[2]));
                p.fillRect(x, top + 3, cx, bottom - 3 - (top + 3) + 1, colour(shades_[4]));
                p.fillRect(x, bottom - 2, cx, 1, colour(shades_[5]));
                p.fillRect(x, bottom - 1, cx, 1, colour(shades_[6]));
                p.fillRect(x, bottom, cx, 1, colour(shades_[7]));
            }
        }
    }
    if (filled < barWidth())
        p.fillRect(QRect(inside.left() + filled, inside.top(), inside.width() - filled, inside.height()),
                   palette().color(QPalette::Button));
}
