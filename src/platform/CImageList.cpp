#include "platform/CImageList.h"

#include <QPainter>

CImageList::CImageList(int width, int height) : width_(width), height_(height) {}

void CImageList::addStrip(const QImage& strip, QRgb maskColour)
{
    if (width_ <= 0 || height_ <= 0)
        return;
    QImage rgb = strip.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x + width_ <= rgb.width(); x += width_) {
        QImage one = rgb.copy(x, 0, width_, height_);
        QImage clear = one;
        for (int y = 0; y < clear.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(clear.scanLine(y));
            for (int i = 0; i < clear.width(); ++i) {
                if ((line[i] & 0xFFFFFF) == (maskColour & 0xFFFFFF))
                    line[i] = 0;
            }
        }
        plain_.push_back(std::move(one));
        masked_.push_back(std::move(clear));
    }
}

const QImage& CImageList::image(int index) const
{
    static const QImage none;
    return index >= 0 && index < count() ? plain_[index] : none;
}

const QImage& CImageList::masked(int index) const
{
    static const QImage none;
    return index >= 0 && index < count() ? masked_[index] : none;
}

void CImageList::draw(QPainter& painter, int index, int x, int y, bool transparent) const
{
    if (index < 0 || index >= count())
        return;
    painter.drawImage(x, y, transparent ? masked_[index] : plain_[index]);
}
